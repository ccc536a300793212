#include "store/AuditTrail.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Statement.h"
#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "platform/sysinfo/SysInfo.h"
#include "store/AuditEntry.h"
#include "store/ModuleDataBase.h"
#include "store/Schema.h"

#include <QJsonDocument>

namespace Audit {
namespace {
const QString kStartAction = QStringLiteral("建立审计追踪");
const QString kBaselineAction = QStringLiteral("基线记录");

QString offsetText(int seconds) {
    const QChar sign = seconds < 0 ? u'-' : u'+';
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(sign)
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

bool tableExists(ado::Connection& connection) {
    ado::Statement statement(
        connection, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?"));
    statement.Bind(1, Schema::TrailTable());
    return statement.Step();
}

void openQuietly(ado::Connection& connection, const QString& path) {
    connection.Open(ConnectionString(path, QString::fromLatin1(kDefaultDatabasePassword)));
}

// Runs the step in one transaction on the file; any failure leaves the file as it was.
bool inTransaction(const QString& path, const std::function<void(ado::Connection&)>& step) {
    ado::Connection connection;
    try {
        openQuietly(connection, path);
        connection.BeginTrans();
        step(connection);
        connection.CommitTrans();
        return true;
    } catch (const ado::Error&) {
        if (connection.InTransaction()) {
            App::IgnoringErrors([&connection] { connection.RollbackTrans(); });
        }
        return false;
    }
}
} // namespace

Trail::Trail(ado::Connection& connection, const Progress& progress)
    : connection_(connection), rows_(connection) {
    if (!tableExists(connection_)) {
        Schema::AddMissingTables(connection_);
    }
    insert_ = std::make_unique<ado::Statement>(
        connection_, QStringLiteral("INSERT INTO %1 (id, 时间, 时差, 账户, 主机, 用户, 版本, 操作, "
                                    "表名, 记录号, 变更, 原因, 详情, 行摘要, 前哈希, 哈希) VALUES "
                                    "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                         .arg(Schema::TrailTable()));
    sysinfo::Service& system = sysinfo::Current();
    author_ = {system.AccountName(), system.HostName(), App::VersionText()};
    // One transaction, one moment: reading the clock per entry costs more than the entry.
    const QDateTime now = Clock::Now();
    time_ = now.toUTC().toString(Qt::ISODateWithMs);
    offset_ = offsetText(now.offsetFromUtc());
    readHead();
    if (nextId_ == 1) {
        writeBaseline(progress);
    }
}

Trail::~Trail() = default;

void Trail::readHead() {
    ado::Statement last(connection_,
                        QStringLiteral("SELECT id, 哈希 FROM %1 ORDER BY id DESC LIMIT 1")
                            .arg(Schema::TrailTable()));
    if (last.Step()) {
        nextId_ = last.Integer64(0) + 1;
        head_ = last.Text(1);
    } else {
        nextId_ = 1;
        head_ = QString::fromLatin1(kGenesis);
    }
}

void Trail::writeBaseline(const Progress& progress) {
    const qint64 total = TrackedRowCount(connection_);
    Event(kStartAction, QJsonObject{{"records", total}});
    qint64 done = 0;
    for (const QString& table : TrackedTables()) {
        ForEachRow(connection_, table, [&](qint64 id, const Row& row) {
            Record(kBaselineAction, table, id, Row{}, row);
            if (progress) {
                progress(++done, total);
            }
        });
    }
}

Row Trail::Read(const QString& table, qint64 id) {
    return rows_.Read(table, id);
}

void Trail::Record(const QString& action, const QString& table, qint64 id, const Row& before,
                   const Row& after, const QString& reason) {
    append(action, table, id, ChangesJson(before, after), reason, QString(),
           after.Exists() ? RowDigest(after) : QString());
}

void Trail::Event(const QString& action, const QJsonObject& detail) {
    append(action, QString(), std::nullopt, QStringLiteral("[]"), QString(),
           QString::fromUtf8(QJsonDocument(detail).toJson(QJsonDocument::Compact)), QString());
}

void Trail::append(const QString& action, const QString& table, std::optional<qint64> record,
                   const QString& changes, const QString& reason, const QString& detail,
                   const QString& rowDigest) {
    Entry entry;
    entry.id = nextId_;
    entry.time = time_;
    entry.offset = offset_;
    entry.account = author_.account;
    entry.host = author_.host;
    entry.version = author_.version;
    entry.action = action;
    entry.table = table;
    entry.record = record;
    entry.changes = changes;
    entry.reason = reason;
    entry.detail = detail;
    entry.rowDigest = rowDigest;
    entry.previous = head_;
    entry.hash = ChainHash(entry);

    ado::Statement& s = *insert_;
    s.Reset();
    const QVariantList values = {entry.id,       entry.time,
                                 entry.offset,   entry.account,
                                 entry.host,     entry.user,
                                 entry.version,  entry.action,
                                 entry.table,    record ? QVariant(*record) : QVariant(),
                                 entry.changes,  entry.reason,
                                 entry.detail,   entry.rowDigest,
                                 entry.previous, entry.hash};
    for (int i = 0; i < values.size(); ++i) {
        s.Bind(i + 1, values[i]);
    }
    s.Step();
    head_ = entry.hash;
    ++nextId_;
}

bool RecordEvent(const QString& path, const QString& action, const QJsonObject& detail) {
    return inTransaction(
        path, [&](ado::Connection& connection) { Trail(connection).Event(action, detail); });
}

bool EnsureTrail(const QString& path, const Progress& progress) {
    try {
        // Most openings find the trail there: no write lock for them.
        ado::Connection connection;
        openQuietly(connection, path);
        if (HasTrail(connection)) {
            return true;
        }
    } catch (const ado::Error&) {
        return false;
    }
    return inTransaction(path, [&](ado::Connection& connection) {
        if (!HasTrail(connection)) {
            Trail trail(connection, progress);
        }
    });
}

QByteArray HeadOf(const QString& path) {
    try {
        ado::Connection connection;
        connection.Open(ConnectionString(path, QString::fromLatin1(kDefaultDatabasePassword)) +
                        QStringLiteral(";Mode=Read"));
        if (!HasTrail(connection)) {
            return {};
        }
        ado::Statement last(connection,
                            QStringLiteral("SELECT 哈希 FROM %1 ORDER BY id DESC LIMIT 1")
                                .arg(Schema::TrailTable()));
        return last.Step() ? last.Text(0).toLatin1() : QByteArray();
    } catch (const ado::Error&) {
        return {};
    }
}

} // namespace Audit
