#include "integrity/TrailCheck.h"

#include "store/AuditEntry.h"
#include "store/AuditRow.h"

#include <QHash>
#include <algorithm>

namespace Audit {
namespace {
// The digest each record's last entry records, by table and id.
using States = QHash<QString, QHash<qint64, QByteArray>>;

void walkChain(ado::Connection& connection, Verdict& verdict, States& states) {
    QByteArray previous(kGenesis);
    qint64 expectedId = 1;
    ForEachLink(connection, [&](const Link& link) {
        const bool linked =
            link.id == expectedId && link.previous == previous && link.computed == link.hash;
        if (!linked && !verdict.firstBad) {
            // A missing entry is named by the id it should have had.
            verdict.firstBad = std::min(link.id, expectedId);
        }
        if (!link.table.isEmpty() && link.record) {
            if (link.rowDigest.isEmpty()) {
                states[link.table].remove(*link.record);
            } else {
                states[link.table].insert(*link.record, link.rowDigest);
            }
        }
        previous = link.hash;
        expectedId = link.id + 1;
        ++verdict.entries;
    });
    verdict.head = QString::fromLatin1(previous);
}

void compareRecords(ado::Connection& connection, Verdict& verdict, States& states) {
    for (const QString& table : TrackedTables()) {
        QHash<qint64, QByteArray>& recorded = states[table];
        ForEachRowDigest(connection, table, [&](qint64 id, const QByteArray& digest) {
            const auto found = recorded.constFind(id);
            if (found == recorded.constEnd() || *found != digest) {
                verdict.mismatched.push_back({table, id});
            }
            if (found != recorded.constEnd()) {
                recorded.erase(found);
            }
        });
        // What the trail still holds was deleted without an entry.
        QList<qint64> missing = recorded.keys();
        std::sort(missing.begin(), missing.end());
        for (const qint64 id : missing) {
            verdict.mismatched.push_back({table, id});
        }
    }
}
} // namespace

Verdict Verify(ado::Connection& connection) {
    Verdict verdict;
    verdict.hasTrail = HasTrail(connection);
    if (!verdict.hasTrail) {
        return verdict;
    }
    States states;
    walkChain(connection, verdict, states);
    compareRecords(connection, verdict, states);
    return verdict;
}

} // namespace Audit
