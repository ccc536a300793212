#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away program folder. WithDatabase() puts a fresh empty data.db in it and
// points DatabasePath at it; every copy shares one salt, so opening stays cheap.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }
    QString WithDatabase();
    // Another empty database file in the folder; DatabasePath is left alone.
    QString EmptyDatabase(const QString& name);

private:
    QTemporaryDir dir_;
};
