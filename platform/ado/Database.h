#pragma once

#include "platform/ado/Ado.h"

#include <QString>
#include <memory>

struct sqlite3;

// One open, keyed database file. Shared by a connection and the recordsets opened on
// it, so a recordset stays valid until it is closed even when its connection closes.
namespace ado::detail {

class Database {
public:
    // Opens an existing encrypted file; throws ado::Error with a description the user
    // can read when the file is missing, locked, damaged or the password is wrong.
    static std::shared_ptr<Database> Open(const QString& path, const QString& password);

    // Creates a new encrypted file and runs the given statements in it.
    static void Create(const QString& path, const QString& password, const QString& statements);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* Handle() const { return db_; }

    // Runs plain SQLite statements (no dialect); throws ado::Error on failure.
    void Exec(const QString& statements);

    // The last failure on this file, its cause first.
    Error LastError() const;

private:
    explicit Database(sqlite3* db) : db_(db) {}

    sqlite3* db_;
};

} // namespace ado::detail
