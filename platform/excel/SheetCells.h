#pragma once

#include "platform/excel/StringTable.h"

#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

namespace excel {

// The cells of a sheet read from a file, only those present, in about the bytes the file
// spends on them: 8 bytes a cell, and 8 more for a number the file keeps in 8 bytes. Texts
// are indexes into the workbook's StringTable.
class SheetCells {
public:
    SheetCells(std::shared_ptr<const StringTable> strings, bool date1904);

    // Room for the cells of a sheet's part of this many bytes; the room left unused costs no
    // memory until it is written, and none is moved while the cells are read.
    void Reserve(qint64 partBytes);
    // A number as the file keeps it: 8 bytes, or Excel's 4-byte RK form.
    void AddNumber(int row, int column, double value, bool date);
    void AddRk(int row, int column, std::uint32_t rk, bool date);
    void AddText(int row, int column, std::uint32_t text);
    void AddBoolean(int row, int column, bool value);
    void AddError(int row, int column, std::uint8_t code);
    // Puts the cells in order; false when the file gave a cell twice.
    bool Finish();

    // As Worksheet::Value: a number, a date or time, a text, a Boolean; an error as its text.
    QVariant Value(int row, int column) const;
    // The last row and column that hold a cell, counted from 1; 0 for no cells.
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    template <typename Visit> void ForEach(Visit visit) const {
        for (const Entry& entry : entries_) {
            visit(rowOf(entry), columnOf(entry), value(entry));
        }
    }

private:
    enum class Kind : std::uint8_t { Rk, Number, Text, Boolean, Error };
    struct Entry {
        std::uint32_t place; // row << 8 | column in the low 24 bits, the kind and date above
        std::uint32_t payload;
    };
    static int rowOf(const Entry& entry) { return static_cast<int>((entry.place >> 8) & 0xFFFF); }
    static int columnOf(const Entry& entry) { return static_cast<int>(entry.place & 0xFF); }

    void add(int row, int column, Kind kind, bool date, std::uint32_t payload);
    QVariant value(const Entry& entry) const;
    QVariant number(double value, bool date) const;

    std::shared_ptr<const StringTable> strings_;
    bool date1904_;
    std::vector<Entry> entries_;
    std::vector<double> numbers_;
    bool ordered_ = true;
    int rows_ = 0;
    int columns_ = 0;
};

} // namespace excel
