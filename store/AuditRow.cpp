#include "store/AuditRow.h"

#include "platform/ado/Statement.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <nettle/sha2.h>

namespace Audit {
namespace {
Value valueAt(const ado::Statement& statement, int column) {
    switch (statement.Type(column)) {
    case ado::Statement::ColumnType::Null:
        return {};
    case ado::Statement::ColumnType::Integer:
        return {Value::Integer, statement.Text(column)};
    case ado::Statement::ColumnType::Real:
        return {Value::Real, statement.Text(column)};
    case ado::Statement::ColumnType::Blob:
        return {Value::Blob, statement.Text(column)};
    case ado::Statement::ColumnType::Text:
        break;
    }
    return {Value::Text, statement.Text(column)};
}

// Column 0 is id in each of the three tables.
Row rowAt(const ado::Statement& statement) {
    Row row;
    for (int column = 1; column < statement.ColumnCount(); ++column) {
        row.fields.push_back(statement.ColumnName(column));
        row.values.push_back(valueAt(statement, column));
    }
    return row;
}

QJsonValue jsonOf(const Row& row, int index) {
    if (!row.Exists() || row.values[static_cast<size_t>(index)].type == Value::Null) {
        return QJsonValue::Null;
    }
    return row.values[static_cast<size_t>(index)].text;
}

QString selectAll(const QString& table) {
    return QStringLiteral("SELECT * FROM \"%1\"").arg(table);
}
} // namespace

QStringList TrackedTables() {
    return {QStringLiteral("训练表"), QStringLiteral("员工表"), QStringLiteral("部门表")};
}

QString RowDigest(const Row& row) {
    sha256_ctx context;
    sha256_init(&context);
    for (const Value& value : row.values) {
        // Type and length first: no two rows share a byte sequence.
        const QByteArray text = value.text.toUtf8();
        const QByteArray head = value.type + QByteArray::number(text.size()) + ':';
        sha256_update(&context, static_cast<size_t>(head.size()),
                      reinterpret_cast<const uint8_t*>(head.constData()));
        sha256_update(&context, static_cast<size_t>(text.size()),
                      reinterpret_cast<const uint8_t*>(text.constData()));
    }
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, SHA256_DIGEST_SIZE, digest);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), SHA256_DIGEST_SIZE).toHex());
}

QString ChangesJson(const Row& before, const Row& after) {
    const Row& shape = after.Exists() ? after : before;
    const bool updated = before.Exists() && after.Exists();
    QJsonArray changes;
    for (int i = 0; i < shape.fields.size(); ++i) {
        const auto at = static_cast<size_t>(i);
        if (updated && before.values[at] == after.values[at]) {
            continue;
        }
        changes.push_back(
            QJsonObject{{"f", shape.fields[i]}, {"o", jsonOf(before, i)}, {"n", jsonOf(after, i)}});
    }
    return QString::fromUtf8(QJsonDocument(changes).toJson(QJsonDocument::Compact));
}

RowReader::RowReader(ado::Connection& connection) : connection_(connection) {}

RowReader::~RowReader() = default;

Row RowReader::Read(const QString& table, qint64 id) {
    auto found = std::find_if(statements_.begin(), statements_.end(),
                              [&table](const auto& entry) { return entry.first == table; });
    if (found == statements_.end()) {
        statements_.emplace_back(
            table, std::make_unique<ado::Statement>(connection_, selectAll(table) + " WHERE id=?"));
        found = std::prev(statements_.end());
    }
    ado::Statement& statement = *found->second;
    statement.Reset();
    statement.Bind(1, id);
    return statement.Step() ? rowAt(statement) : Row{};
}

void ForEachRow(ado::Connection& connection, const QString& table,
                const std::function<void(qint64 id, const Row& row)>& visit) {
    ado::Statement statement(connection, selectAll(table) + " ORDER BY id");
    while (statement.Step()) {
        visit(statement.Integer64(0), rowAt(statement));
    }
}

qint64 TrackedRowCount(ado::Connection& connection) {
    qint64 count = 0;
    for (const QString& table : TrackedTables()) {
        ado::Statement statement(connection,
                                 QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table));
        statement.Step();
        count += statement.Integer64(0);
    }
    return count;
}

} // namespace Audit
