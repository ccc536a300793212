#include "platform/ado/Connection.h"

#include "platform/ado/AccessDialect.h"
#include "platform/ado/Database.h"

#include <QHash>
#include <sqlite3.h>

namespace ado {
namespace {
const QString kProvider = QStringLiteral("Microsoft.ACE.OLEDB.12.0");

// Keys are compared without letter case, values are taken as written.
QHash<QString, QString> parseConnectionString(const QString& text) {
    QHash<QString, QString> parts;
    for (const QString& piece : text.split(u';')) {
        const qsizetype eq = piece.indexOf(u'=');
        if (eq < 0) {
            continue;
        }
        parts.insert(piece.left(eq).trimmed().toLower(), piece.mid(eq + 1).trimmed());
    }
    return parts;
}

void requireOpen(const std::shared_ptr<detail::Database>& database) {
    if (!database) {
        throw Error(QStringLiteral("对象关闭时，不允许操作。"));
    }
}
} // namespace

Connection::~Connection() = default;

void Connection::Open(const QString& connectionString, const QString&, const QString&, int) {
    if (database_) {
        throw Error(QStringLiteral("对象打开时，不允许操作。"));
    }
    const auto parts = parseConnectionString(connectionString);
    if (parts.value(QStringLiteral("provider")).compare(kProvider, Qt::CaseInsensitive) != 0) {
        throw Error(QStringLiteral("未找到提供程序。该程序可能未正确安装。"));
    }
    const bool readOnly =
        parts.value(QStringLiteral("mode")).compare(u"Read", Qt::CaseInsensitive) == 0;
    database_ = detail::Database::Open(parts.value(QStringLiteral("data source")),
                                       parts.value(QStringLiteral("jet oledb:database password")),
                                       readOnly ? detail::Database::Access::ReadOnly
                                                : detail::Database::Access::ReadWrite);
}

void Connection::LimitEachStep(int ms) {
    requireOpen(database_);
    database_->LimitEachStep(ms);
}

long long Connection::Execute(const QString& sql, int) {
    requireOpen(database_);
    database_->Exec(RewriteAccessSql(sql));
    return sqlite3_changes(database_->Handle());
}

void Connection::Close() {
    database_.reset();
}

void Connection::BeginTrans() {
    requireOpen(database_);
    database_->Exec(QStringLiteral("BEGIN IMMEDIATE"));
}

void Connection::CommitTrans() {
    requireOpen(database_);
    database_->Exec(QStringLiteral("COMMIT"));
}

void Connection::RollbackTrans() {
    requireOpen(database_);
    database_->Exec(QStringLiteral("ROLLBACK"));
}

bool Connection::InTransaction() const {
    return database_ && sqlite3_get_autocommit(database_->Handle()) == 0;
}

void CreateDatabase(const QString& path, const QString& password, const QString& statements) {
    detail::Database::Create(path, password, statements);
}

} // namespace ado
