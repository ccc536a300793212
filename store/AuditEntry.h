#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

namespace ado {
class Connection;
}

// One entry of the audit trail as stored, and the hash that chains it to the one before.
namespace Audit {

struct Entry {
    qint64 id = 0;
    QString time;   // UTC, yyyy-MM-ddThh:mm:ss.zzzZ
    QString offset; // the local offset from UTC then, +08:00
    QString account;
    QString host;
    QString user; // the signed-in user; empty while the program has no accounts
    QString version;
    QString action;
    QString table; // empty for an event
    std::optional<qint64> record;
    QString changes; // JSON, see ChangesJson
    QString reason;
    QString detail;    // JSON object of an event
    QString rowDigest; // the row's state after the change; empty when it is gone
    QString previous;  // the hash of the entry before, kGenesis for the first
    QString hash;
};

// What the first entry chains to.
inline constexpr char kGenesis[] =
    "0000000000000000000000000000000000000000000000000000000000000000";

// Hex SHA-256 over the previous hash and every stored field of the entry but its own hash.
QString ChainHash(const Entry& entry);

// What a check of the chain needs of an entry, read without making an Entry of it.
struct Link {
    qint64 id = 0;
    QByteArray computed; // ChainHash of the entry as stored
    QByteArray hash;
    QByteArray previous;
    QString table;
    std::optional<qint64> record;
    QByteArray rowDigest;
};

// Every entry's link in id order. Throws ado::Error.
void ForEachLink(ado::Connection& connection, const std::function<void(const Link&)>& visit);

// Every entry in id order; the visit returns false to stop. Throws ado::Error.
void ForEachEntry(ado::Connection& connection, const std::function<bool(const Entry&)>& visit);

// The entries the condition selects: plain SQLite over the trail's columns, with a ? for
// each of the values. Throws ado::Error.
void SelectEntries(ado::Connection& connection, const QString& condition,
                   const QVariantList& values, bool newestFirst,
                   const std::function<bool(const Entry&)>& visit);

// True when the file has the trail's table with at least one entry.
bool HasTrail(ado::Connection& connection);

} // namespace Audit
