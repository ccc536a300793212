#pragma once

#include "store/AuditRow.h"

#include <QJsonObject>
#include <QString>
#include <functional>
#include <memory>

namespace ado {
class Connection;
class Statement;
} // namespace ado

namespace Audit {

// Done and total records of a baseline being written.
using Progress = std::function<void(qint64 done, qint64 total)>;

// Writes entries on a connection inside a transaction, so that each lands with the change
// it records or not at all. The first writer on a file gives an older file the trail's
// table and a file without a trail its baseline: one entry per existing record.
// Every call throws ado::Error.
class Trail {
public:
    explicit Trail(ado::Connection& connection, const Progress& progress = {});
    ~Trail();
    Trail(const Trail&) = delete;
    Trail& operator=(const Trail&) = delete;

    Row Read(const QString& table, qint64 id);
    // One entry for a row's change: before is empty for an insert, after for a delete.
    void Record(const QString& action, const QString& table, qint64 id, const Row& before,
                const Row& after, const QString& reason = {});
    // An entry for what changes no record: an export, an import's summary, a backup.
    void Event(const QString& action, const QJsonObject& detail);
    // The last entry's hash.
    const QString& Head() const { return head_; }

private:
    struct Author {
        QString account;
        QString host;
        QString version;
    };

    void readHead();
    void writeBaseline(const Progress& progress);
    void append(const QString& action, const QString& table, std::optional<qint64> record,
                const QString& changes, const QString& reason, const QString& detail,
                const QString& rowDigest);

    ado::Connection& connection_;
    RowReader rows_;
    std::unique_ptr<ado::Statement> insert_;
    Author author_;
    QString time_;
    QString offset_;
    QString head_;
    qint64 nextId_ = 1;
};

// One event entry in its own transaction on the file at the path. Never reports a
// failure: an event does not undo or stop what it records. True when it was written.
bool RecordEvent(const QString& path, const QString& action, const QJsonObject& detail);

// The last entry's hash in the file at the path, read without writing; empty when the file
// has no trail or cannot be read.
QByteArray HeadOf(const QString& path);

// Gives the file its trail, baseline included, when it has none yet; silent like
// RecordEvent. True when the file has a trail afterwards.
bool EnsureTrail(const QString& path, const Progress& progress = {});

} // namespace Audit
