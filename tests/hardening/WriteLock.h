#pragma once

#include <QProcess>
#include <QString>

// Another process (the sqlcipher shell) holding a write transaction on a database file
// until this object goes; what it wrote is rolled back.
class WriteLock {
public:
    // Barred: the transaction is exclusive, so that no one can even read the file.
    enum class Readers { Allowed, Barred };

    WriteLock(const QString& path, const QString& password, Readers readers = Readers::Allowed);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // True once the transaction holds the lock.
    bool Held() const { return held_; }

private:
    QProcess shell_;
    bool held_ = false;
};
