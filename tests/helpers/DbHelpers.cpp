#include "helpers/DbHelpers.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

#include <gtest/gtest.h>

namespace TestDb {
namespace {
void open(ado::Connection& connection, const QString& file) {
    connection.Open(ConnectionString(file.isEmpty() ? DatabasePath : file,
                                     QString::fromLatin1(kDefaultDatabasePassword)));
}
} // namespace

void Exec(const QString& sql, const QString& file) {
    ado::Connection connection;
    open(connection, file);
    connection.Execute(sql);
}

QStringList Column(const QString& sql, const QString& field, const QString& file) {
    ado::Connection connection;
    open(connection, file);
    ado::Recordset rs;
    rs.Open(sql, connection);
    QStringList values;
    for (; !rs.Eof(); rs.MoveNext()) {
        values.push_back(rs.Fields()[field].Text());
    }
    return values;
}

int Count(const QString& table, const QString& file) {
    ado::Connection connection;
    open(connection, file);
    ado::Recordset rs;
    rs.Open("select count(*) as n from " + table, connection);
    return rs.Fields()["n"].Value().toInt();
}

} // namespace TestDb
