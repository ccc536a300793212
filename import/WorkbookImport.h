#pragma once

#include "import/DatabaseImport.h"

#include <QString>

namespace ado {
class Connection;
}

// Merges the customer workbook into the training table: one sheet per employee, named
// after the employee, one training per row from row 8 down.
namespace WorkbookImport {

inline constexpr int kFirstRow = 8;

// The workbook beside the program.
QString WorkbookPath();

// One transaction on the open connection: the whole workbook lands, or nothing when a
// sheet cannot be read. Errors of single rows are passed over.
DatabaseImport::Result Run(ado::Connection& own, const QString& workbook,
                           const DatabaseImport::Progress& progress);

} // namespace WorkbookImport
