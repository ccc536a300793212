#pragma once

#include <QString>

namespace ado {
class Connection;
class Error;
} // namespace ado

// The program's one database file and the helpers every window uses to reach it.

// Full path of data.db; set once when the main window loads.
extern QString DatabasePath;

inline constexpr char kDefaultDatabasePassword[] = "mqtrvloxkzbwnjhdcyfa";

// Opens the connection on the file. An empty path means DatabasePath, an empty password
// the default one. On failure the user has been told why (critical message) and the
// connection is closed.
bool OpenDatabase(ado::Connection& connection, QString path = {}, QString password = {});

// The same for another program's file, opened read-only: nothing of ours is written to it.
bool OpenDatabaseToRead(ado::Connection& connection, const QString& path);

// True when the path names the own data.db: in another letter case, or by another way
// to the same file (a link, "..", "/./", "//").
bool IsOwnDatabase(const QString& path);

// Tells the user that a statement failed after the file had opened (critical message).
void ReportDatabaseError(const ado::Error& error);

// The text with every ' doubled, for use inside an SQL string literal.
QString SqlQuote(const QString& text);

// True only when a file (not a folder) exists at the path, which may be a file:/// URL.
bool CheckFileExists(const QString& path);

// "Provider=...;Data Source=<path>;...;jet oledb:database password=<password>".
QString ConnectionString(const QString& path, const QString& password);
