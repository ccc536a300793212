#pragma once

#include <QString>

// Checks and figures around the file an export writes.
namespace SaveTarget {

// The most characters a cell of the format holds.
inline constexpr int kCellCharacters = 32767;

// A workbook open in another program: LibreOffice keeps ".~lock.<name>#" beside it,
// Excel and WPS keep "~$<name>".
bool IsOpenElsewhere(const QString& path);

// The rows a report of this many records fills: headings, records, closing block.
int SheetRowsNeeded(int records, bool personal);

// The size in KB as "#,##0.00": 13824 bytes give "13.50", 1264196 give "1,234.57".
QString SizeInKb(qint64 bytes);

} // namespace SaveTarget
