#pragma once

#include "platform/ado/Ado.h"

#include <QString>
#include <memory>

namespace ado {

// Makes a new encrypted database file and runs the given statements (plain SQLite, not
// the dialect) in it. Throws ado::Error.
void CreateDatabase(const QString& path, const QString& password, const QString& statements);

namespace detail {
class Database;
}

// A connection to one database file, opened from an OLE DB style connection string:
// "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=<file>;jet oledb:database password=<pw>".
// Statements are written in the Access dialect. "Mode=Read" in the string opens the file
// read-only.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws ado::Error: unknown or missing provider, missing file, wrong password,
    // damaged or locked file.
    void Open(const QString& connectionString, const QString& userId = {},
              const QString& password = {}, int options = -1);
    int State() const { return database_ ? adStateOpen : adStateClosed; }
    // Runs one insert, update or delete statement; returns the records affected.
    long long Execute(const QString& sql, int options = -1);
    // Closing a closed connection does nothing.
    void Close();

    // Stops any step of a statement (a row read, an Execute) that runs longer than `ms`,
    // with an error.
    void LimitEachStep(int ms);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    // True from BeginTrans to CommitTrans or RollbackTrans, unless the engine ended the
    // transaction itself after a failed write (a full disk, an I/O error).
    bool InTransaction() const;

    const std::shared_ptr<detail::Database>& Database() const { return database_; }

private:
    std::shared_ptr<detail::Database> database_;
};

} // namespace ado
