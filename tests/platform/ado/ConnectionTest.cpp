#include "platform/ado/Connection.h"

#include "helpers/CaseTwins.h"
#include "helpers/DbHelpers.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString kPassword = QString::fromLatin1(kDefaultDatabasePassword);

QString openError(const QString& connectionString) {
    ado::Connection connection;
    try {
        connection.Open(connectionString);
    } catch (const ado::Error& error) {
        EXPECT_EQ(connection.State(), ado::adStateClosed);
        return error.Description();
    }
    return "opened";
}

TEST(Connection, RefusesAnUnknownOrMissingProvider) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    const QString notFound = "未找到提供程序。该程序可能未正确安装。";
    EXPECT_EQ(openError("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + db), notFound);
    EXPECT_EQ(openError("Data Source=" + db + ";jet oledb:database password=" + kPassword),
              notFound);
    EXPECT_EQ(openError("provider = microsoft.ace.oledb.12.0 ; DATA SOURCE=" + db +
                        ";Jet OLEDB:Database Password=" + kPassword),
              "opened");
}

TEST(Connection, FailsClearlyOnWrongPasswordDamagedForeignOrMissingFiles) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    const QString unrecognised = "无法识别的数据库格式“%1”，或数据库密码无效。";
    EXPECT_EQ(openError(ConnectionString(db, "wrong")), unrecognised.arg(db));

    const QString damaged = folder.File("damaged.db");
    QFile::copy(db, damaged);
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(40);
    file.write(QByteArray(512, '\x5a'));
    file.close();
    EXPECT_EQ(openError(ConnectionString(damaged, kPassword)), unrecognised.arg(damaged));

    const QString plain = folder.File("plain.db");
    SqlcipherCli::Run(plain, "create table t(a);\n");
    EXPECT_EQ(openError(ConnectionString(plain, kPassword)), unrecognised.arg(plain));

    const QString empty = folder.File("empty.db");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(openError(ConnectionString(empty, kPassword)), unrecognised.arg(empty));

    const QString missing = folder.File("missing.db");
    EXPECT_EQ(openError(ConnectionString(missing, kPassword)),
              QString("无法打开数据库文件“%1”：文件不存在或没有读取权限。").arg(missing));
}

TEST(Connection, SharesFilesWithTheCommandLineEngine) {
    TestFolder folder;
    const QString ours = folder.WithDatabase();
    const QString listing = SqlcipherCli::Run(ours, SqlcipherCli::KeyLines(kPassword) +
                                                        ".tables\nPRAGMA table_info(员工表);\n");
    EXPECT_TRUE(listing.contains("训练表")) << listing.toStdString();
    EXPECT_TRUE(listing.contains("部门表"));
    EXPECT_TRUE(listing.contains("1|姓名|TEXT(255)|0||0"));
    QFile file(ours);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.read(16).startsWith("SQLite format 3"));
    file.close();

    const QString theirs = folder.File("theirs.db");
    SqlcipherCli::Run(theirs, SqlcipherCli::KeyLines(kPassword) +
                                  "create table 部门表(id integer primary key, 部门名称 text);\n"
                                  "insert into 部门表(部门名称) values('质量部');\n");
    ado::Connection connection;
    connection.Open(ConnectionString(theirs, kPassword));
    ado::Recordset rs;
    rs.Open("select * from 部门表", connection);
    EXPECT_EQ(rs.Fields()["部门名称"].Text(), "质量部");
}

TEST(Connection, TheCommandLineEngineReadsTextsWeWroteInEveryScript) {
    TestFolder folder;
    const QString ours = folder.WithDatabase();
    QStringList courses;
    for (const CaseTwin& twin : CaseTwins()) {
        TestDb::Training row;
        row.course = twin.stored;
        TestDb::AddTraining(row);
        courses.push_back(twin.stored);
    }
    const QString listing = SqlcipherCli::RunKeyed(
        ours, "SELECT 教育训练名称 FROM 训练表 ORDER BY id;\n"
              "SELECT '=' || id FROM 训练表 WHERE 教育训练名称 = 'gmp basics';");
    EXPECT_EQ(listing, courses.join(u'\n') + "\n=1\n");
}

// Indexes that the engine's ASCII-only NOCASE ordered put É after every e and before é;
// the program's folding puts É with é. The first opening rebuilds them.
TEST(Connection, RebuildsIndexesThatAnotherProgramOrderedByTheAsciiOnlyNoCase) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    const std::vector<QStringList> groups = {
        {"é1", "É1"},   {"É2", "é2"},           {"Σ3", "σ3", "ς3"}, {"Ж4", "ж4"},
        {"Ａ5", "ａ5"}, {"ẞ6", "ß6"},           {"E7", "e7"},       {"é7"},
        {"质量8"},      {"\u212A9", "k9", "K9"}};
    QStringList values;
    for (const QStringList& group : groups) {
        for (const QString& value : group) {
            values.push_back("('" + value + "')");
        }
    }
    // Bytes that are not UTF-8 sort too, after every character.
    values.push_back("(CAST(X'FF41' AS TEXT))");
    values.push_back("(CAST(X'E4B8' AS TEXT))");
    SqlcipherCli::RunKeyed(db,
                           "DROP TABLE 索引排序规则;\nINSERT INTO 训练表 (教育训练名称) VALUES " +
                               values.join(u',') + ";");
    ASSERT_EQ(SqlcipherCli::RunKeyed(db, "PRAGMA integrity_check;"), "ok\n");

    EXPECT_EQ(TestDb::Column("PRAGMA integrity_check", "integrity_check"), QStringList{"ok"});
    for (const QStringList& group : groups) {
        for (const QString& value : group) {
            EXPECT_EQ(TestDb::Column("select count(*) as n from 训练表 where 教育训练名称='" +
                                         value + "'",
                                     "n"),
                      QStringList{QString::number(group.size())})
                << value.toStdString();
        }
    }
    EXPECT_EQ(TestDb::Count("索引排序规则"), 1) << "the file remembers the rebuild";
}

TEST(Connection, KeepsTheRollbackJournalSoTheFileStandsAlone) {
    TestFolder folder;
    ado::Connection connection;
    connection.Open(ConnectionString(folder.WithDatabase(), kPassword));
    ado::Recordset rs;
    rs.Open("PRAGMA journal_mode", connection);
    EXPECT_EQ(rs.Fields()[0].Text(), "delete");
}

TEST(Connection, TransactionsCommitOrRollBackTogether) {
    TestFolder folder;
    ado::Connection connection;
    connection.Open(ConnectionString(folder.WithDatabase(), kPassword));
    connection.BeginTrans();
    connection.Execute("insert into 部门表 (部门名称) values('甲')");
    connection.RollbackTrans();
    connection.BeginTrans();
    connection.Execute("insert into 部门表 (部门名称) values('乙')");
    connection.CommitTrans();
    ado::Recordset rs;
    rs.Open("select count(*) as n, max(部门名称) as m from 部门表", connection);
    EXPECT_EQ(rs.Fields()["n"].Value().toInt(), 1);
    EXPECT_EQ(rs.Fields()["m"].Text(), "乙");
}
TEST(Connection, ReadsOnlyWhenAskedAndStopsAStatementThatRunsTooLong) {
    TestFolder folder;
    ado::Connection connection;
    connection.Open(ConnectionString(folder.WithDatabase(), kPassword) + ";Mode=Read");
    EXPECT_THROW(connection.Execute("insert into 部门表 (部门名称) values ('质量部')"), ado::Error);

    connection.LimitEachStep(200);
    ado::Recordset endless;
    try {
        endless.Open("with recursive r(n) as (select 1 union all select n + 1 from r) "
                     "select count(*) from r",
                     connection);
        ADD_FAILURE() << "not stopped";
    } catch (const ado::Error& error) {
        EXPECT_TRUE(error.Description().startsWith("读取数据库文件的时间过长，已停止。"))
            << error.Description().toStdString();
    }
    ado::Recordset quick;
    quick.Open("select count(*) from 部门表", connection);
    EXPECT_EQ(quick.Fields()[0].Text(), "0") << "the limit runs from each step's start";
}
} // namespace
