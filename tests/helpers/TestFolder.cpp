#include "helpers/TestFolder.h"

#include "store/ModuleDataBase.h"
#include "store/Schema.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString& templateDatabase() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("template.db"));
        Schema::CreateEmptyDatabase(file, QString::fromLatin1(kDefaultDatabasePassword));
        return file;
    }();
    return path;
}
} // namespace

TestFolder::TestFolder() {
    EXPECT_TRUE(dir_.isValid());
}

TestFolder::~TestFolder() {
    DatabasePath.clear();
}

QString TestFolder::WithDatabase() {
    DatabasePath = EmptyDatabase(QStringLiteral("data.db"));
    return DatabasePath;
}

QString TestFolder::EmptyDatabase(const QString& name) {
    const QString path = File(name);
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(templateDatabase(), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}
