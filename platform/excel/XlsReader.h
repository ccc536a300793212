#pragma once

#include <QString>

namespace excel {

class Workbook;

// Reads an Excel 97-2003 workbook (BIFF8), or an Excel 5.0/95 one (BIFF5), into an empty
// workbook: its worksheets in order with their names and cell values (texts, numbers,
// dates and times as QDate, QDateTime and QTime, Booleans, and the cached results of
// formulas). Throws excel::Error for a missing file, a file that is not such a workbook or
// is damaged, and an encrypted one.
void ReadXls(const QString& fileName, Workbook& into);

} // namespace excel
