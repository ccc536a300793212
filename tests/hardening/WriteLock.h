#pragma once

#include <QProcess>
#include <QString>

// Another process (the sqlcipher shell) holding a write transaction on a database file
// until this object goes; what it wrote is rolled back.
class WriteLock {
public:
    WriteLock(const QString& path, const QString& password);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // True once the transaction holds the lock.
    bool Held() const { return held_; }

private:
    QProcess shell_;
    bool held_ = false;
};
