#pragma once

#include <QString>

namespace excel {

class Workbook;

// Reads an Excel workbook (.xls, BIFF2 to BIFF8) into an empty workbook: its sheets in
// order with their names and cell values (texts, numbers, and dates and times as QDate,
// QDateTime and QTime). Throws excel::Error for a missing file, a file that is not a
// workbook or is damaged, and an encrypted one.
void ReadXls(const QString& fileName, Workbook& into);

} // namespace excel
