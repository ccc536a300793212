#include "store/Backup.h"

#include "helpers/DbHelpers.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Backup, CopiesOnlyOnTheFifthFifteenthAndTwentyFifth) {
    const std::vector<std::pair<QDate, bool>> days = {
        {QDate(2015, 3, 5), true},   {QDate(2015, 3, 15), true},  {QDate(2015, 3, 25), true},
        {QDate(2015, 3, 1), false},  {QDate(2015, 3, 10), false}, {QDate(2015, 3, 31), false},
        {QDate(2015, 3, 24), false}, {QDate(2016, 2, 29), false}};
    for (const auto& [day, taken] : days) {
        TestFolder folder;
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
        EXPECT_EQ(Backup::Run(folder.Path(), day), taken) << day.toString().toStdString();
        const QString target = Backup::TargetPath(folder.Path(), day);
        EXPECT_EQ(QFile::exists(target), taken);
        if (taken) {
            EXPECT_EQ(TestDb::Column("select * from 部门表", "部门名称", target),
                      QStringList{"质量部"});
            EXPECT_TRUE(target.endsWith("/data" + day.toString("yyyy-MM-dd") + ".db"));
        }
    }
}

TEST(Backup, NeverOverwritesTheDaysCopy) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    const QDate day(2015, 3, 15);
    ASSERT_TRUE(Backup::Run(folder.Path(), day));
    const QByteArray first = contents(Backup::TargetPath(folder.Path(), day));
    QFile file(db);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("changed");
    file.close();
    EXPECT_FALSE(Backup::Run(folder.Path(), day));
    EXPECT_EQ(contents(Backup::TargetPath(folder.Path(), day)), first);
}

TEST(Backup, IsSilentWithoutASourceOrAWritableFolder) {
    TestFolder folder;
    EXPECT_FALSE(Backup::Run(folder.Path(), QDate(2015, 3, 5)));
    EXPECT_TRUE(QDir(folder.Path()).isEmpty());

    folder.WithDatabase();
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool ignoresPermissions = QFile(folder.File("probe")).open(QIODevice::WriteOnly);
    if (!ignoresPermissions) {
        EXPECT_FALSE(Backup::Run(folder.Path(), QDate(2015, 3, 5)));
        EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"data.db"}));
    }
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
TEST(Backup, ADamagedDataDbLeavesNoFileBehind) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    QFile file(db);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(3000);
    file.write(QByteArray(2000, 'x'));
    file.close();
    EXPECT_FALSE(Backup::Run(folder.Path(), QDate(2015, 3, 5)));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"data.db"}));
}

// Another program opens the copy as it opens data.db: same password, same file format.
TEST(Backup, TheCopyOpensWithThePasswordInTheFormatOfDataDb) {
    TestFolder folder;
    folder.WithDatabase();
    TestDb::Exec("insert into 员工表 (姓名) values ('张三')");
    ASSERT_TRUE(Backup::Run(folder.Path(), QDate(2015, 3, 25)));
    EXPECT_EQ(SqlcipherCli::RunKeyed(Backup::TargetPath(folder.Path(), QDate(2015, 3, 25)),
                                     "select 姓名 from 员工表;"),
              "张三\n");
}
} // namespace
