#pragma once

#include <QStringList>
#include <QTextStream>

// qvledger-admin backup now FOLDER     a backup of FOLDER/data.db now, as 立即备份 takes it
// qvledger-admin backup verify FOLDER  every backup in FOLDER checked against its manifest
// Each writes one JSON line. Exit code 0 when the backup was taken (and copied to the
// second location, if one is chosen) or when every backup is whole; 1 otherwise.
namespace BackupCommands {

// The arguments after "backup"; returns the exit code.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace BackupCommands
