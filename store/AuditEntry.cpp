#include "store/AuditEntry.h"

#include "platform/ado/Statement.h"
#include "store/Schema.h"
#include "store/Sha256.h"

namespace Audit {
namespace {
const QString kColumns =
    QStringLiteral("id, 时间, 时差, 账户, 主机, 用户, 版本, 操作, 表名, 记录号, "
                   "变更, 原因, 详情, 行摘要, 前哈希, 哈希");

Entry entryAt(const ado::Statement& s) {
    Entry entry;
    entry.id = s.Integer64(0);
    entry.time = s.Text(1);
    entry.offset = s.Text(2);
    entry.account = s.Text(3);
    entry.host = s.Text(4);
    entry.user = s.Text(5);
    entry.version = s.Text(6);
    entry.action = s.Text(7);
    entry.table = s.Text(8);
    if (s.Type(9) != ado::Statement::ColumnType::Null) {
        entry.record = s.Integer64(9);
    }
    entry.changes = s.Text(10);
    entry.reason = s.Text(11);
    entry.detail = s.Text(12);
    entry.rowDigest = s.Text(13);
    entry.previous = s.Text(14);
    entry.hash = s.Text(15);
    return entry;
}
} // namespace

QString ChainHash(const Entry& entry) {
    Sha256 hash;
    for (const QString& field :
         {entry.previous, QString::number(entry.id), entry.time, entry.offset, entry.account,
          entry.host, entry.user, entry.version, entry.action, entry.table,
          entry.record ? QString::number(*entry.record) : QString(), entry.changes, entry.reason,
          entry.detail, entry.rowDigest}) {
        hash.AddField(field.toUtf8());
    }
    return QString::fromLatin1(hash.Hex());
}

void ForEachLink(ado::Connection& connection, const std::function<void(const Link&)>& visit) {
    ado::Statement s(
        connection,
        QStringLiteral("SELECT %1 FROM %2 ORDER BY id").arg(kColumns, Schema::TrailTable()));
    while (s.Step()) {
        // Before its text is read: reading may change the type the engine reports.
        const bool hasRecord = s.Type(9) != ado::Statement::ColumnType::Null;
        // The same fields in the same order as ChainHash, as the engine holds them.
        Sha256 hash;
        hash.AddField(s.Bytes(14));
        for (int column = 0; column <= 13; ++column) {
            hash.AddField(s.Bytes(column));
        }
        Link link;
        link.id = s.Integer64(0);
        link.computed = hash.Hex();
        link.hash = s.Bytes(15).toByteArray();
        link.previous = s.Bytes(14).toByteArray();
        link.table = s.Text(8);
        if (hasRecord) {
            link.record = s.Integer64(9);
        }
        link.rowDigest = s.Bytes(13).toByteArray();
        visit(link);
    }
}

void ForEachEntry(ado::Connection& connection, const std::function<bool(const Entry&)>& visit) {
    SelectEntries(connection, QStringLiteral("1"), {}, false, visit);
}

void SelectEntries(ado::Connection& connection, const QString& condition,
                   const QVariantList& values, bool newestFirst,
                   const std::function<bool(const Entry&)>& visit) {
    ado::Statement statement(
        connection, QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY id %4")
                        .arg(kColumns, Schema::TrailTable(), condition,
                             newestFirst ? QStringLiteral("DESC") : QStringLiteral("ASC")));
    for (int i = 0; i < values.size(); ++i) {
        statement.Bind(i + 1, values[i]);
    }
    while (statement.Step()) {
        if (!visit(entryAt(statement))) {
            return;
        }
    }
}

bool HasTrail(ado::Connection& connection) {
    ado::Statement table(
        connection, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    table.Bind(1, Schema::TrailTable());
    if (!table.Step()) {
        return false;
    }
    ado::Statement any(connection,
                       QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(Schema::TrailTable()));
    return any.Step();
}

} // namespace Audit
