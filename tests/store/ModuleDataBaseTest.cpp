#include "store/ModuleDataBase.h"

#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QDir>
#include <QFile>

namespace {
using ui::Icon;

class OpenDatabaseTest : public QvTest {
protected:
    TestFolder folder;
};

TEST_F(OpenDatabaseTest, EmptyArgumentsOpenDatabasePathWithTheDefaultPassword) {
    folder.WithDatabase();
    ado::Connection connection;
    EXPECT_TRUE(OpenDatabase(connection));
    EXPECT_EQ(connection.State(), ado::adStateOpen);
    // An open connection is closed and opened again.
    EXPECT_TRUE(
        OpenDatabase(connection, DatabasePath, QString::fromLatin1(kDefaultDatabasePassword)));
    EXPECT_EQ(connection.State(), ado::adStateOpen);
}

TEST_F(OpenDatabaseTest, AFileUrlOpensTheFileItNames) {
    const QString db = folder.WithDatabase();
    ado::Connection connection;
    EXPECT_TRUE(OpenDatabase(connection, "FILE://" + db));
}

TEST_F(OpenDatabaseTest, EachFailureGivesItsMessage) {
    const QString db = folder.WithDatabase();
    const QString engineHint = "\r\n请下载安装AccessDatabaseEngine2010数据库引擎！";
    ado::Connection connection;

    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    EXPECT_FALSE(OpenDatabase(connection, folder.File("none.db")));

    ScriptedMessages::Instance().Expect(Icon::Critical, "找不到数据库文件!");
    EXPECT_FALSE(OpenDatabase(connection, folder.Path()));

    ScriptedMessages::Instance().Expect(Icon::Critical, "连接数据库出错：无法识别的数据库格式“" +
                                                            db + "”，或数据库密码无效。" +
                                                            engineHint);
    EXPECT_FALSE(OpenDatabase(connection, db, "wrong"));
    EXPECT_EQ(connection.State(), ado::adStateClosed);

    const QString damaged = folder.File("damaged.db");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x01'));
    file.close();
    ScriptedMessages::Instance().Expect(Icon::Critical, "连接数据库出错：无法识别的数据库格式“" +
                                                            damaged + "”，或数据库密码无效。" +
                                                            engineHint);
    EXPECT_FALSE(OpenDatabase(connection, damaged));
}

TEST_F(OpenDatabaseTest, AReadOnlyFileStillOpensForReading) {
    const QString db = folder.WithDatabase();
    QFile::setPermissions(db, QFile::ReadOwner);
    ado::Connection connection;
    ASSERT_TRUE(OpenDatabase(connection));
    ado::Recordset rs;
    rs.Open("select * from 部门表", connection);
    EXPECT_TRUE(rs.Eof());
    rs.Close();
    if (QFile(db).open(QIODevice::WriteOnly | QIODevice::Append)) {
        GTEST_SKIP() << "running with rights that ignore file permissions";
    }
    EXPECT_THROW(connection.Execute("insert into 部门表 (部门名称) values('质量部')"), ado::Error);
}

TEST(ConnectionString, IsPlainConcatenation) {
    EXPECT_EQ(ConnectionString("/a b/data.db", "pw"),
              "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/a b/data.db;Persist Security "
              "Info=False;jet oledb:database password=pw");
}

TEST(SqlQuote, DoublesEveryApostropheAndNothingElse) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"O'Neil", "O''Neil"}, {"''", "''''"},
        {"质量部", "质量部"},  {"", ""},
        {"'a'b'", "''a''b''"}, {"\"x\" %_[", "\"x\" %_["}};
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(SqlQuote(in), out) << in.toStdString();
    }
}

TEST(CheckFileExists, AcceptsPlainPathsAndFileUrls) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    const std::vector<std::pair<QString, bool>> cases = {{db, true},
                                                         {"  " + db + "  ", true},
                                                         {"file://" + db, true},
                                                         {"FILE://" + db, true},
                                                         {" File://" + db + " ", true},
                                                         {folder.Path(), false},
                                                         {"file://" + folder.Path(), false},
                                                         {folder.File("none.db"), false},
                                                         {"", false},
                                                         {"   ", false},
                                                         {"file:///", false},
                                                         {QString(db).replace('/', '\\'), false}};
    for (const auto& [path, exists] : cases) {
        EXPECT_EQ(CheckFileExists(path), exists) << path.toStdString();
    }
}
} // namespace
