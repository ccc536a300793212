#include "store/AuditRow.h"

#include "platform/ado/Statement.h"
#include "store/Sha256.h"

#include <algorithm>

namespace Audit {
namespace {
char typeOf(ado::Statement::ColumnType type) {
    switch (type) {
    case ado::Statement::ColumnType::Null:
        return Value::Null;
    case ado::Statement::ColumnType::Integer:
        return Value::Integer;
    case ado::Statement::ColumnType::Real:
        return Value::Real;
    case ado::Statement::ColumnType::Blob:
        return Value::Blob;
    case ado::Statement::ColumnType::Text:
        break;
    }
    return Value::Text;
}

Value valueAt(const ado::Statement& statement, int column) {
    const char type = typeOf(statement.Type(column));
    return type == Value::Null ? Value{} : Value{type, statement.Text(column)};
}

// Column 0 is id in each of the three tables.
QStringList fieldsOf(const ado::Statement& statement) {
    QStringList fields;
    for (int column = 1; column < statement.ColumnCount(); ++column) {
        fields.push_back(statement.ColumnName(column));
    }
    return fields;
}

Row rowAt(const ado::Statement& statement, const QStringList& fields) {
    Row row{fields, {}};
    row.values.reserve(static_cast<size_t>(fields.size()));
    for (int column = 1; column < statement.ColumnCount(); ++column) {
        row.values.push_back(valueAt(statement, column));
    }
    return row;
}

// A JSON string: the quote, the backslash and control characters escaped.
QString jsonText(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            quoted += u'\\';
            quoted += c;
        } else if (c.unicode() < 0x20) {
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        } else {
            quoted += c;
        }
    }
    return quoted + u'"';
}

QString jsonOf(const Row& row, int index) {
    if (!row.Exists() || row.values[static_cast<size_t>(index)].type == Value::Null) {
        return QStringLiteral("null");
    }
    return jsonText(row.values[static_cast<size_t>(index)].text);
}

QString selectAll(const QString& table) {
    return QStringLiteral("SELECT * FROM \"%1\"").arg(table);
}
} // namespace

QStringList TrackedTables() {
    return {QStringLiteral("训练表"), QStringLiteral("员工表"), QStringLiteral("部门表")};
}

QString RowDigest(const Row& row) {
    Sha256 digest;
    for (const Value& value : row.values) {
        digest.AddField(value.type, value.text.toUtf8());
    }
    return QString::fromLatin1(digest.Hex());
}

QByteArray RowDigest(const ado::Statement& statement) {
    Sha256 digest;
    for (int column = 1; column < statement.ColumnCount(); ++column) {
        // The type before the text: reading the text may change what the engine reports.
        const char type = typeOf(statement.Type(column));
        digest.AddField(type, type == Value::Null ? QByteArrayView() : statement.Bytes(column));
    }
    return digest.Hex();
}

QString ChangesJson(const Row& before, const Row& after) {
    const Row& shape = after.Exists() ? after : before;
    const bool updated = before.Exists() && after.Exists();
    // Written out by hand: a baseline writes one of these for every record of the file.
    QString json = QStringLiteral("[");
    for (int i = 0; i < shape.fields.size(); ++i) {
        const auto at = static_cast<size_t>(i);
        if (updated && before.values[at] == after.values[at]) {
            continue;
        }
        if (json.size() > 1) {
            json += u',';
        }
        json += QStringLiteral("{\"f\":") + jsonText(shape.fields[i]) + QStringLiteral(",\"o\":") +
                jsonOf(before, i) + QStringLiteral(",\"n\":") + jsonOf(after, i) + u'}';
    }
    return json + u']';
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
    return statement.Step() ? rowAt(statement, fieldsOf(statement)) : Row{};
}

void ForEachRow(ado::Connection& connection, const QString& table,
                const std::function<void(qint64 id, const Row& row)>& visit) {
    ado::Statement statement(connection, selectAll(table) + " ORDER BY id");
    const QStringList fields = fieldsOf(statement);
    while (statement.Step()) {
        visit(statement.Integer64(0), rowAt(statement, fields));
    }
}

void ForEachRowDigest(ado::Connection& connection, const QString& table,
                      const std::function<void(qint64 id, const QByteArray& digest)>& visit) {
    ado::Statement statement(connection, selectAll(table) + " ORDER BY id");
    while (statement.Step()) {
        visit(statement.Integer64(0), RowDigest(statement));
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
