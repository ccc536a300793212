#pragma once

#include <QString>

// The sqlcipher command-line shell: another program on the same files, with the engine's
// own LIKE and its ASCII-only NOCASE.
namespace SqlcipherCli {

// The lines that key the shell for one of our files: the password, then the file format
// of every data.db (the engine's version 3 settings).
QString KeyLines(const QString& password);

// Runs the script on the file; returns what the shell printed, errors included.
QString Run(const QString& file, const QString& script);

// Runs the statements on a file keyed with the program's default password; returns what
// they printed.
QString RunKeyed(const QString& file, const QString& statements);

} // namespace SqlcipherCli
