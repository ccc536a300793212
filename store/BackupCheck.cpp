#include "store/BackupCheck.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "store/ModuleDataBase.h"

namespace BackupCheck {
namespace {
QString firstValue(ado::Connection& connection, const QString& sql) {
    ado::Recordset rs;
    rs.Open(sql, connection);
    return rs.Eof() ? QString() : rs.Fields()[0].Text();
}

qint64 count(ado::Connection& connection, const QString& table) {
    return firstValue(connection, QStringLiteral("select count(*) from ") + table).toLongLong();
}
} // namespace

std::optional<TableCounts> ReadWhole(const QString& path) {
    try {
        ado::Connection connection;
        // Read-only: checking a backup never changes a byte of it.
        connection.Open(ConnectionString(path, QString::fromLatin1(kDefaultDatabasePassword)) +
                        QStringLiteral(";Mode=Read"));
        if (firstValue(connection, QStringLiteral("PRAGMA integrity_check")) != u"ok") {
            return std::nullopt;
        }
        return TableCounts{count(connection, QStringLiteral("训练表")),
                           count(connection, QStringLiteral("员工表")),
                           count(connection, QStringLiteral("部门表"))};
    } catch (const ado::Error&) {
        return std::nullopt;
    }
}

} // namespace BackupCheck
