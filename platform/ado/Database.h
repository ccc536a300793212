#pragma once

#include "platform/ado/Ado.h"

#include <QDeadlineTimer>
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
    // A read-only file is never written, not even to refresh its index order.
    enum class Access { ReadWrite, ReadOnly };
    static std::shared_ptr<Database> Open(const QString& path, const QString& password,
                                          Access access = Access::ReadWrite);

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

    // From now on each step of a statement (a row read, an Exec) is stopped with an
    // error once it runs longer than `ms`: a file from outside cannot hang the program.
    void LimitEachStep(int ms);
    // Called before each step; restarts the limit's clock.
    void StartStep();

private:
    explicit Database(sqlite3* db) : db_(db) {}
    static int stopWhenLate(void* database);

    sqlite3* db_;
    int stepLimitMs_ = 0;
    QDeadlineTimer stepDeadline_;
};

} // namespace ado::detail
