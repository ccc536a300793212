#include "store/Schema.h"

#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QStringList fieldNames(ado::Connection& connection, const QString& table) {
    ado::Recordset rs;
    rs.Open("select * from " + table + " where 1=2", connection);
    QStringList names;
    for (int i = 0; i < rs.Fields().Count(); ++i) {
        names.push_back(rs.Fields()[i].Name());
    }
    return names;
}

TEST(Schema, TablesHaveTheirFieldsInOrder) {
    TestFolder folder;
    folder.WithDatabase();
    ado::Connection connection;
    ASSERT_TRUE(OpenDatabase(connection));
    EXPECT_EQ(fieldNames(connection, "训练表"), Schema::TrainingFields());
    EXPECT_EQ(
        Schema::TrainingFields(),
        QStringList({"id", "部门", "新进员工", "法规", "SOP", "专业技术", "内外训", "训练时间",
                     "SOP编号", "SOP版次", "SOP名称", "教育训练名称", "主讲人", "参加人员"}));
    EXPECT_EQ(fieldNames(connection, "员工表"),
              QStringList({"id", "姓名", "部门", "职务", "员工编号", "学历", "到职日"}));
    EXPECT_EQ(fieldNames(connection, "部门表"), QStringList({"id", "部门名称"}));
}

TEST(Schema, AFreshFileSaysItsIndexesFollowTheProgramsFolding) {
    TestFolder folder;
    const QString fresh = folder.File("fresh.db");
    ASSERT_TRUE(Schema::CreateEmptyDatabase(fresh, QString::fromLatin1(kDefaultDatabasePassword)));
    EXPECT_EQ(SqlcipherCli::RunKeyed(fresh, "SELECT count(*) FROM 索引排序规则;"), "1\n")
        << "marked before it is first opened, so nothing is rebuilt then";
}

TEST(Schema, CreationNeverReplacesAnExistingFile) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    const QString password = QString::fromLatin1(kDefaultDatabasePassword);
    ado::Connection connection;
    ASSERT_TRUE(OpenDatabase(connection));
    connection.Execute("insert into 部门表 (部门名称) values('质量部')");
    connection.Close();

    EXPECT_FALSE(Schema::CreateEmptyDatabase(db, password));
    ASSERT_TRUE(OpenDatabase(connection));
    ado::Recordset rs;
    rs.Open("select * from 部门表", connection);
    EXPECT_EQ(rs.Fields()["部门名称"].Text(), "质量部");

    const QString fresh = folder.File("fresh.db");
    EXPECT_TRUE(Schema::CreateEmptyDatabase(fresh, password));
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files).size(), 2) << "no leftovers";
}

TEST(Schema, CreationInAnUnwritableFolderFailsWithoutAFile) {
    TestFolder folder;
    QDir().mkdir(folder.File("locked"));
    QFile::setPermissions(folder.File("locked"), QFile::ReadOwner | QFile::ExeOwner);
    const QString target = folder.File("locked/data.db");
    if (QFile(folder.File("locked/probe")).open(QIODevice::WriteOnly)) {
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_THROW(Schema::CreateEmptyDatabase(target, "pw"), ado::Error);
    EXPECT_FALSE(QFile::exists(target));
}
} // namespace
