#pragma once

#include "platform/ado/Ado.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3_stmt;

namespace ado {

class Connection;
namespace detail {
class Database;
}

// One prepared statement in plain SQLite, with bound parameters: for the program's own
// tables, where the Access dialect has nothing to do and values must not be pasted in.
class Statement {
public:
    enum class ColumnType { Integer = 1, Real = 2, Text = 3, Blob = 4, Null = 5 };

    // Throws ado::Error when the text does not compile.
    Statement(Connection& connection, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1; an invalid QVariant binds Null.
    void Bind(int index, const QVariant& value);
    // True while there is a row to read; throws ado::Error when the step fails.
    bool Step();
    // Ready to run again, its bindings cleared.
    void Reset();

    int ColumnCount() const;
    QString ColumnName(int column) const;
    ColumnType Type(int column) const;
    QString Text(int column) const;
    // The column's UTF-8 text as the engine holds it, valid until the next Step or Reset.
    QByteArrayView Bytes(int column) const;
    qint64 Integer64(int column) const;

private:
    std::shared_ptr<detail::Database> database_;
    sqlite3_stmt* stmt_ = nullptr;
};

// The id the engine gave the row most recently inserted on the connection.
qint64 LastInsertId(const Connection& connection);

} // namespace ado
