#pragma once

#include "platform/ado/Ado.h"

#include <QString>

struct sqlite3;

// The engine's failures put into words a user reads: every result code is mapped here.
namespace ado::detail {

// The cause of a failure with this (extended) result code.
QString EngineCause(int code);

// The last failure on the connection.
Error EngineError(sqlite3* db);
Error EngineError(int code, const QString& engineMessage);

// Why the file at path could not be opened; db, when there is one, holds the engine's message.
Error OpenError(int code, const QString& path, sqlite3* db);

} // namespace ado::detail
