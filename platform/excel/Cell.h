#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace excel {

// One cell as the sheet keeps it: a number (dates are numbers with a date format), a text
// or nothing, and the index of its format in the workbook's Styles.
struct Cell {
    enum class Kind : std::uint8_t { Empty, Number, Text };

    Kind kind = Kind::Empty;
    bool merged = false; // part of a merged area
    int format = 0;
    double number = 0;
    QString text;

    // Counts towards the used range: holds a value or any formatting.
    bool Used() const { return kind != Kind::Empty || format != 0 || merged; }
};

struct SheetRow {
    std::vector<Cell> cells; // by column, as far as the last cell touched
    int format = -1;         // the whole row's format, set through Rows(n); -1 for none
    int usedCells = 0;

    bool Used() const { return usedCells > 0 || format >= 0; }
};

} // namespace excel
