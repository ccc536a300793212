#pragma once

#include "store/AuditEntry.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ado {
class Connection;
}

// The audit window's filters over the trail.
namespace Audit {

struct Filter {
    // Local days, both included.
    std::optional<QDate> from;
    std::optional<QDate> to;
    std::optional<qint64> record;
    QString user;   // part of the account, host or signed-in user
    QString action; // the whole action; empty for all
    QString text;   // part of the changes, the reason or an event's facts
};

// The entries the filter lets through, newest first. Throws ado::Error.
std::vector<Entry> ListEntries(ado::Connection& connection, const Filter& filter);

// The last entry's hash; empty without a trail.
QString HeadHash(ado::Connection& connection);

// The actions the trail holds, for the filter's list.
QStringList Actions(ado::Connection& connection);

} // namespace Audit
