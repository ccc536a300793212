#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString kPassword = QString::fromLatin1(kDefaultDatabasePassword);

// The version 3 settings spelt out, as an engine of that version reads every file.
QString oldEngineKey() {
    return QStringLiteral("PRAGMA key='") + kPassword +
           QStringLiteral("';\nPRAGMA cipher_page_size = 1024;\nPRAGMA kdf_iter = 64000;\n"
                          "PRAGMA cipher_hmac_algorithm = HMAC_SHA1;\n"
                          "PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_SHA1;\n");
}

QString firstValue(ado::Connection& connection, const QString& sql) {
    ado::Recordset rs;
    rs.Open(sql, connection);
    return rs.Fields()[0].Text();
}

TEST(FileFormat, AFileWrittenByTheOldEngineOpensAndTakesNewRecords) {
    TestFolder folder;
    const QString db = folder.File("old.db");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QVLEDGER_ADO_FIXTURES "/sqlcipher3-format.db"), db));
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    {
        ado::Connection connection;
        connection.Open(ConnectionString(db, kPassword));
        EXPECT_EQ(firstValue(connection, "select count(*) from 训练表"), "12");
        connection.Execute("insert into 部门表 (部门名称) values ('新部门')");
    }
    const QString read = SqlcipherCli::Run(
        db, oldEngineKey() + "select count(*) from 训练表;\n"
                             "select 部门名称 from 部门表 where 部门名称='新部门';\n");
    EXPECT_EQ(read, "ok\n12\n新部门\n");
}

TEST(FileFormat, NewFilesHaveTheOldFormatAndNotTheNewDefault) {
    TestFolder folder;
    const QString db = folder.WithDatabase();
    EXPECT_EQ(SqlcipherCli::Run(db, oldEngineKey() + "select count(*) from 部门表;\n"), "ok\n0\n");
    EXPECT_TRUE(
        SqlcipherCli::Run(db, "PRAGMA key='" + kPassword + "';\nselect count(*) from 部门表;\n")
            .contains("file is not a database"));
}

TEST(FileFormat, ConnectionsTrustNoSchemaAndLoadNoExtension) {
    TestFolder folder;
    ado::Connection connection;
    connection.Open(ConnectionString(folder.WithDatabase(), kPassword));
    EXPECT_EQ(firstValue(connection, "PRAGMA trusted_schema"), "0");
    EXPECT_THROW(firstValue(connection, "select load_extension('libm.so.6')"), ado::Error);
}
} // namespace
