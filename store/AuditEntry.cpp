#include "store/AuditEntry.h"

#include "platform/ado/Statement.h"
#include "store/Schema.h"

#include <nettle/sha2.h>

namespace Audit {
namespace {
void hashField(sha256_ctx& context, const QString& field) {
    // The length first: no two entries share a byte sequence.
    const QByteArray text = field.toUtf8();
    const QByteArray head = QByteArray::number(text.size()) + ':';
    sha256_update(&context, static_cast<size_t>(head.size()),
                  reinterpret_cast<const uint8_t*>(head.constData()));
    sha256_update(&context, static_cast<size_t>(text.size()),
                  reinterpret_cast<const uint8_t*>(text.constData()));
}

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
    sha256_ctx context;
    sha256_init(&context);
    for (const QString& field :
         {entry.previous, QString::number(entry.id), entry.time, entry.offset, entry.account,
          entry.host, entry.user, entry.version, entry.action, entry.table,
          entry.record ? QString::number(*entry.record) : QString(), entry.changes, entry.reason,
          entry.detail, entry.rowDigest}) {
        hashField(context, field);
    }
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, SHA256_DIGEST_SIZE, digest);
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), SHA256_DIGEST_SIZE).toHex());
}

void ForEachEntry(ado::Connection& connection, const std::function<bool(const Entry&)>& visit) {
    SelectEntries(connection, QStringLiteral("1"), {}, false, visit);
}

void SelectEntries(ado::Connection& connection, const QString& condition,
                   const QVariantList& values, bool newestFirst,
                   const std::function<bool(const Entry&)>& visit) {
    ado::Statement statement(
        connection,
        QStringLiteral("SELECT id, 时间, 时差, 账户, 主机, 用户, 版本, 操作, 表名, 记录号, "
                       "变更, 原因, 详情, 行摘要, 前哈希, 哈希 FROM %1 WHERE %2 "
                       "ORDER BY id %3")
            .arg(Schema::TrailTable(), condition,
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
