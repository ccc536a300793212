#pragma once

#include "store/AuditTrail.h"

#include <QString>
#include <optional>
#include <vector>

namespace ado {
class Connection;
}

namespace Audit {

// A window's change of records with its trail entries, in one transaction: begun here,
// committed by Commit, rolled back when it ends without. Every call throws ado::Error.
class Change {
public:
    Change(ado::Connection& connection, const QString& action, const QString& reason = {});
    ~Change();
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

    // Before the row changes or goes.
    void Watch(const QString& table, qint64 id);
    // The row the connection has just inserted.
    void Inserted(const QString& table);
    // One entry per watched row as it is now, then the commit.
    void Commit();

private:
    struct Watched {
        QString table;
        qint64 id;
        Row before;
    };

    ado::Connection& connection_;
    QString action_;
    QString reason_;
    std::optional<Trail> trail_;
    std::vector<Watched> watched_;
};

} // namespace Audit
