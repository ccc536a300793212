#pragma once

#include <QStringList>
#include <QTextStream>

// qvledger-admin matrix DB [--today yyyy-mm-dd]: the training matrix as tab-separated lines.
namespace MatrixCommands {

// The arguments after "matrix"; returns the exit code.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace MatrixCommands
