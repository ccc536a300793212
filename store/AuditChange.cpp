#include "store/AuditChange.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Statement.h"
#include "platform/app/Error.h"

namespace Audit {

Change::Change(ado::Connection& connection, const QString& action, const QString& reason)
    : connection_(connection), action_(action), reason_(reason) {
    connection_.BeginTrans();
    try {
        trail_.emplace(connection_);
    } catch (const ado::Error&) {
        App::IgnoringErrors([this] { connection_.RollbackTrans(); });
        throw;
    }
}

Change::~Change() {
    if (connection_.InTransaction()) {
        App::IgnoringErrors([this] { connection_.RollbackTrans(); });
    }
}

void Change::Watch(const QString& table, qint64 id) {
    watched_.push_back({table, id, trail_->Read(table, id)});
}

void Change::Inserted(const QString& table) {
    watched_.push_back({table, ado::LastInsertId(connection_), Row{}});
}

void Change::Commit() {
    for (const Watched& row : watched_) {
        trail_->Record(action_, row.table, row.id, row.before, trail_->Read(row.table, row.id),
                       reason_);
    }
    connection_.CommitTrans();
}

} // namespace Audit
