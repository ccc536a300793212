#pragma once

#include <QString>

namespace excel {

// The size of a sheet in an Excel 97-2003 workbook.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;

// A rectangle of cells, zero-based and inclusive at both ends.
struct CellRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    int Rows() const { return bottom - top + 1; }
    int Columns() const { return right - left + 1; }
    bool Intersects(const CellRect& other) const {
        return top <= other.bottom && other.top <= bottom && left <= other.right &&
               other.left <= right;
    }
    bool Contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool operator==(const CellRect&) const = default;
};

// "A1", "$B$2" or "B2:F2" (letter case ignored). Throws excel::Error for an address that
// is malformed or lies outside an Excel 97-2003 sheet.
CellRect ParseAddress(const QString& address);

} // namespace excel
