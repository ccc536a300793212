#include "helpers/DbHelpers.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "matrix/MatrixStore.h"
#include "platform/ado/Connection.h"
#include "store/ModuleDataBase.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
struct AdminRun {
    int code = -1;
    QString out;
    QString err;
};

AdminRun admin(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QVLEDGER_ADMIN), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(AdminMatrix, PrintsEachEmployeeAndRequiredSopAsTabSeparatedLines) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    TestDb::Exec("insert into 员工表 (姓名, 部门, 职务) values ('张三', '质量部', 'QA'), "
                 "('Li', '生产部', '主管')");
    TestDb::Training old;
    old.sopNumber = "SOP-1";
    old.revision = "1";
    old.day = QDate(2025, 1, 10);
    old.participants = "张三、Li";
    TestDb::AddTraining(old);
    TestDb::Training current = old;
    current.revision = "02";
    current.day = QDate(2026, 3, 2);
    current.participants = "张三";
    TestDb::AddTraining(current);
    {
        ado::Connection connection;
        ASSERT_TRUE(OpenDatabase(connection));
        MatrixStore::SaveSop(connection, {0, "SOP-1", "清洁", "2", QDate(2026, 3, 1), {}});
        MatrixStore::SaveSop(connection, {0, "SOP-9", "称量", "1", {}, 6});
        MatrixStore::SaveRequirement(connection, {0, "", "", "SOP-1"});
        MatrixStore::SaveRequirement(connection, {0, "生产部", "", "SOP-9"});
    }
    const AdminRun run = admin({"matrix", db, "--today", "2026-04-01"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "姓名\t部门\t职务\tSOP编号\t状态\t最近培训日期\t最近培训版次\n"
                       "Li\t生产部\t主管\tSOP-1\t版次未更新\t2025-01-10\t1\n"
                       "Li\t生产部\t主管\tSOP-9\t未培训\t\t\n"
                       "张三\t质量部\tQA\tSOP-1\t合格\t2026-03-02\t02\n");
}

TEST(AdminMatrix, WrongArgumentsAndUnreadableFilesFailWithAMessage) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    EXPECT_EQ(admin({}).code, 64);
    EXPECT_EQ(admin({"matrix", db, "--today", "2026-13-01"}).code, 64);
    const AdminRun missing = admin({"matrix", folder.File("none.db")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    const AdminRun empty = admin({"matrix", db});
    EXPECT_EQ(empty.code, 0) << "a file without the matrix tables has no requirement";
    EXPECT_EQ(empty.out.count('\n'), 1);
}
} // namespace
