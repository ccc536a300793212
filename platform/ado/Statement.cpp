#include "platform/ado/Statement.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Database.h"

#include <sqlite3.h>

namespace ado {

Statement::Statement(Connection& connection, const QString& sql)
    : database_(connection.Database()) {
    if (!database_) {
        throw Error(QStringLiteral("对象关闭时，不允许操作。"));
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(database_->Handle(), text.constData(), static_cast<int>(text.size()),
                           &stmt_, nullptr) != SQLITE_OK) {
        const Error error = database_->LastError();
        sqlite3_finalize(stmt_);
        throw error;
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::Bind(int index, const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        sqlite3_bind_null(stmt_, index);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
        sqlite3_bind_int64(stmt_, index, value.toLongLong());
        break;
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(stmt_, index, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
        break;
    }
    }
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    const Error error = database_->LastError();
    sqlite3_reset(stmt_);
    throw error;
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(stmt_);
}

QString Statement::ColumnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

Statement::ColumnType Statement::Type(int column) const {
    return static_cast<ColumnType>(sqlite3_column_type(stmt_, column));
}

QString Statement::Text(int column) const {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)),
                             sqlite3_column_bytes(stmt_, column));
}

QByteArrayView Statement::Bytes(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QByteArrayView(text, sqlite3_column_bytes(stmt_, column));
}

qint64 Statement::Integer64(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

qint64 LastInsertId(const Connection& connection) {
    return connection.Database() ? sqlite3_last_insert_rowid(connection.Database()->Handle()) : 0;
}

} // namespace ado
