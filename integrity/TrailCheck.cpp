#include "integrity/TrailCheck.h"

#include "store/AuditEntry.h"
#include "store/AuditRow.h"

#include <QHash>
#include <algorithm>

namespace Audit {
namespace {
// The digest each record's last entry records, by table and id.
using States = QHash<QString, QHash<qint64, QString>>;

void walkChain(ado::Connection& connection, Verdict& verdict, States& states) {
    QString previous = QString::fromLatin1(kGenesis);
    qint64 expectedId = 1;
    ForEachEntry(connection, [&](const Entry& entry) {
        const bool linked =
            entry.id == expectedId && entry.previous == previous && ChainHash(entry) == entry.hash;
        if (!linked && !verdict.firstBad) {
            // A missing entry is named by the id it should have had.
            verdict.firstBad = std::min(entry.id, expectedId);
        }
        if (!entry.table.isEmpty() && entry.record) {
            if (entry.rowDigest.isEmpty()) {
                states[entry.table].remove(*entry.record);
            } else {
                states[entry.table].insert(*entry.record, entry.rowDigest);
            }
        }
        previous = entry.hash;
        expectedId = entry.id + 1;
        ++verdict.entries;
        return true;
    });
    verdict.head = previous;
}

void compareRecords(ado::Connection& connection, Verdict& verdict, States& states) {
    for (const QString& table : TrackedTables()) {
        QHash<qint64, QString>& recorded = states[table];
        std::vector<Mismatch> gone;
        ForEachRow(connection, table, [&](qint64 id, const Row& row) {
            const auto found = recorded.constFind(id);
            if (found == recorded.constEnd() || *found != RowDigest(row)) {
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
