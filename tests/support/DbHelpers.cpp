#include "support/DbHelpers.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

#include <gtest/gtest.h>

namespace TestDb {
namespace {
void open(ado::Connection& connection) {
    connection.Open(ConnectionString(DatabasePath, QString::fromLatin1(kDefaultDatabasePassword)));
}
} // namespace

void Exec(const QString& sql) {
    ado::Connection connection;
    open(connection);
    connection.Execute(sql);
}

QStringList Column(const QString& sql, const QString& field) {
    ado::Connection connection;
    open(connection);
    ado::Recordset rs;
    rs.Open(sql, connection);
    QStringList values;
    for (; !rs.Eof(); rs.MoveNext()) {
        values.push_back(rs.Fields()[field].Text());
    }
    return values;
}

int Count(const QString& table) {
    ado::Connection connection;
    open(connection);
    ado::Recordset rs;
    rs.Open("select count(*) as n from " + table, connection);
    return rs.Fields()["n"].Value().toInt();
}

} // namespace TestDb
