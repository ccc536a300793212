#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace ado {
class Connection;
class Statement;
} // namespace ado

// The records as the audit trail sees them: a row's stored values, field by field.
namespace Audit {

// One stored value; its type keeps Null, a number and a text apart.
struct Value {
    enum Type { Null = 'n', Integer = 'i', Real = 'r', Text = 't', Blob = 'b' };
    char type = Null;
    QString text;
    bool operator==(const Value&) const = default;
};

// A row's fields after id, in table order; no fields when there is no such row.
struct Row {
    QStringList fields;
    std::vector<Value> values;
    bool Exists() const { return !fields.isEmpty(); }
    bool operator==(const Row&) const = default;
};

// The tables whose rows the trail follows.
QStringList TrackedTables();

// Hex SHA-256 of the row's values: the state an entry records for its row.
QString RowDigest(const Row& row);
// The same of the statement's current row, id first, read as the engine holds it.
QByteArray RowDigest(const ado::Statement& statement);

// The fields whose values differ, as the JSON array an entry stores:
// [{"f": field, "o": old value, "n": new value}], Null and a missing row as null.
QString ChangesJson(const Row& before, const Row& after);

// Reads single rows of the followed tables, one prepared statement per table.
class RowReader {
public:
    explicit RowReader(ado::Connection& connection);
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    Row Read(const QString& table, qint64 id);

private:
    ado::Connection& connection_;
    std::vector<std::pair<QString, std::unique_ptr<ado::Statement>>> statements_;
};

// Every row of the table in id order. Throws ado::Error.
void ForEachRow(ado::Connection& connection, const QString& table,
                const std::function<void(qint64 id, const Row& row)>& visit);

// The digest of every row of the table in id order, for a check of many rows.
void ForEachRowDigest(ado::Connection& connection, const QString& table,
                      const std::function<void(qint64 id, const QByteArray& digest)>& visit);

// The number of rows of the followed tables.
qint64 TrackedRowCount(ado::Connection& connection);

} // namespace Audit
