#pragma once

#include <QStringList>
#include <QTextStream>

// qvledger-admin audit verify DB | audit export DB OUT.xls: the audit trail for scripted
// validation. verify prints one JSON line and exits 0 when the trail is whole, 1 when it is
// broken or records differ from it, 2 when the file has no trail.
namespace AuditCommands {

// The arguments after "audit"; returns the exit code.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace AuditCommands
