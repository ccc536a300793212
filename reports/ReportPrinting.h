#pragma once

namespace excel {
class Worksheet;
}

// Makes a report sheet print on A4 landscape pages one page wide: long texts wrap within
// capped columns, every heading word shows whole, the table headings repeat on every
// page and the footer numbers the pages. What the sheet holds does not change.
namespace ReportPrinting {

struct Table {
    int headingRow = 0; // the first of the two heading rows, from 1; 0 when none was written
    int lastColumn = 0; // from 0: L or M
    bool autoWrap = true;
};

// Runs after the columns were fitted to their contents.
void Prepare(excel::Worksheet& sheet, const Table& table);

} // namespace ReportPrinting
