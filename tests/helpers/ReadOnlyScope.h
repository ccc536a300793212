#pragma once

#include <QString>

// While it lives, the file or folder cannot be written. Root ignores permission bits, so
// for root the path is made immutable instead (chattr +i); Works() is false when neither
// could be done.
class ReadOnlyScope {
public:
    explicit ReadOnlyScope(QString path);
    ~ReadOnlyScope();
    ReadOnlyScope(const ReadOnlyScope&) = delete;
    ReadOnlyScope& operator=(const ReadOnlyScope&) = delete;

    bool Works() const { return works_; }

private:
    QString path_;
    bool immutable_ = false;
    bool works_ = false;
};
