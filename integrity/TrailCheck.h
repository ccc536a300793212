#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace ado {
class Connection;
}

// Verification of the audit trail: the chain of hashes, and every record against the
// state its last entry records.
namespace Audit {

struct Mismatch {
    QString table;
    qint64 id = 0;
    bool operator==(const Mismatch&) const = default;
};

struct Verdict {
    bool hasTrail = false;
    qint64 entries = 0;
    QString head; // the last entry's hash
    std::optional<qint64> firstBad;
    std::vector<Mismatch> mismatched;
    bool Whole() const { return hasTrail && !firstBad && mismatched.empty(); }
};

// Reads only. Throws ado::Error.
Verdict Verify(ado::Connection& connection);

} // namespace Audit
