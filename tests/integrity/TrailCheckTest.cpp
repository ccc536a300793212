// The chain and the records are checked against each other; outside edits show.
#include "integrity/TrailCheck.h"

#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TableSysInfo.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "platform/ado/Connection.h"
#include "store/AuditChange.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"

namespace {
Audit::Verdict verify() {
    ado::Connection connection;
    connection.Open(ConnectionString(DatabasePath, QString::fromLatin1(kDefaultDatabasePassword)));
    return Audit::Verify(connection);
}

class TrailCheckTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::AddCourses({"甲课程", "乙课程", "丙课程"});
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')");
        ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
    }

    static void outside(const QString& statements) {
        SqlcipherCli::RunKeyed(DatabasePath, statements);
    }

    TableSysInfo system;
    TestFolder folder;
};

TEST_F(TrailCheckTest, AFileWrittenOnlyByTheProgramIsWhole) {
    {
        ado::Connection connection;
        ASSERT_TRUE(OpenDatabase(connection));
        Audit::Change change(connection, "删除训练记录");
        change.Watch("训练表", 2);
        connection.Execute("delete from 训练表 where id=2");
        change.Commit();
    }
    const Audit::Verdict verdict = verify();
    EXPECT_TRUE(verdict.Whole());
    EXPECT_EQ(verdict.entries, 6) << "the start, four baseline rows, the deletion";
    EXPECT_EQ(verdict.head, TrailEntries::All().back().hash);
}

struct Tampering {
    const char* name;
    const char* statements;
    std::optional<qint64> firstBad;
    std::vector<Audit::Mismatch> mismatched;
};

const std::vector<Tampering> kTamperings = {
    {"a changed field", "UPDATE 训练表 SET 主讲人='别人' WHERE id=2;", {}, {{"训练表", 2}}},
    {"a row added", "INSERT INTO 部门表 (部门名称) VALUES ('财务部');", {}, {{"部门表", 2}}},
    {"a row deleted", "DELETE FROM 训练表 WHERE id=3;", {}, {{"训练表", 3}}},
    {"an entry edited", "UPDATE 审计追踪 SET 账户='别人' WHERE id=3;", 3, {}},
    {"an entry deleted", "DELETE FROM 审计追踪 WHERE id=3;", 3, {{"训练表", 2}}},
    {"an entry's row state rewritten",
     "UPDATE 审计追踪 SET 行摘要='00' WHERE id=4;",
     4,
     {{"训练表", 3}}},
};

class TamperingTest : public TrailCheckTest, public testing::WithParamInterface<Tampering> {};

TEST_P(TamperingTest, BreaksTheChainOrNamesTheRecord) {
    outside(QString::fromUtf8(GetParam().statements));
    const Audit::Verdict verdict = verify();
    EXPECT_FALSE(verdict.Whole());
    EXPECT_EQ(verdict.firstBad, GetParam().firstBad);
    EXPECT_EQ(verdict.mismatched, GetParam().mismatched);
}

INSTANTIATE_TEST_SUITE_P(Outside, TamperingTest, testing::ValuesIn(kTamperings),
                         [](const testing::TestParamInfo<Tampering>& info) {
                             return std::to_string(info.index);
                         });

TEST(TrailBaselineTest, AnOlderFileGetsItsTableAndBaselineOnceAtItsFirstWrite) {
    TableSysInfo system;
    TestFolder folder;
    folder.WithDatabase();
    TestDb::Exec("drop table 审计追踪");
    TestDb::AddCourses({"甲课程", "乙课程"});
    EXPECT_FALSE(verify().hasTrail);

    ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
    ASSERT_TRUE(Audit::EnsureTrail(DatabasePath));
    EXPECT_EQ(
        TrailEntries::SummariesAfter(0),
        QStringList({"建立审计追踪 记录数：2", "基线记录 训练表#1 +", "基线记录 训练表#2 +"}));
    EXPECT_TRUE(verify().Whole());
}

TEST(TrailBaselineTest, TheFirstChangeOnAFileWithoutTrailWritesTheBaselineFirst) {
    TableSysInfo system;
    TestFolder folder;
    folder.WithDatabase();
    TestDb::Exec("drop table 审计追踪");
    TestDb::AddCourses({"甲课程"});
    {
        ado::Connection connection;
        ASSERT_TRUE(OpenDatabase(connection));
        Audit::Change change(connection, "删除训练记录", "重复录入");
        change.Watch("训练表", 1);
        connection.Execute("delete from 训练表 where id=1");
        change.Commit();
    }
    EXPECT_EQ(
        TrailEntries::SummariesAfter(0),
        QStringList({"建立审计追踪 记录数：1", "基线记录 训练表#1 +", "删除训练记录 训练表#1 -"}));
    EXPECT_EQ(TrailEntries::All().back().reason, "重复录入");
    EXPECT_TRUE(verify().Whole());
}
} // namespace
