#pragma once

#include "platform/excel/Cell.h"
#include "platform/excel/CellAddress.h"
#include "platform/excel/Columns.h"
#include "platform/excel/PageSetup.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Styles.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace excel {

class SheetCells;
class Workbook;

// One sheet of a workbook, shaped after Excel's Worksheet.
class Worksheet {
public:
    Worksheet(Workbook& workbook, const QString& name);
    ~Worksheet();
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    const QString& Name() const { return name_; }
    // Throws excel::Error for a name Excel refuses: empty, longer than 31 characters,
    // holding one of : \ / ? * [ ], quoted at either end, "History", or the name of
    // another sheet of the workbook (letter case ignored).
    void SetName(const QString& name);

    // "A1" or "B2:F2"; throws excel::Error for an address outside the sheet.
    excel::Range Range(const QString& address);
    // The whole row, numbered from 1.
    excel::Range Rows(int row);
    // From A1 to the last row and column that hold a value or any formatting, so that
    // its row count is the number of the last used row; A1 alone for an empty sheet.
    excel::Range UsedRange();
    excel::Columns Columns();
    excel::PageSetup& PageSetup() { return pageSetup_; }
    const excel::PageSetup& PageSetup() const { return pageSetup_; }

    Workbook& Parent() const { return workbook_; }

    // What a Range reads and changes.
    void SetValue(const CellRect& rect, const QVariant& value);
    QVariant Value(int row, int column) const;
    // Stores a value read from a file as it is, without reading it as typed input.
    void StoreValue(int row, int column, const QVariant& value);
    // Takes the cells read from a file as they are kept there; the first change to the
    // sheet turns them into cells of its own.
    void Load(std::unique_ptr<const SheetCells> cells);
    void ApplyFormat(const CellRect& rect, bool entireRow, FormatProperty property, int value);
    int FormatAt(int row, int column) const;
    void Merge(const CellRect& rect);
    void AutoFitColumns();
    // In 1/256 of a character's width.
    void SetColumnWidth(int column, int width);

    // What the writer reads.
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const SheetRow& RowAt(int row) const { return rows_[static_cast<size_t>(row)]; }
    // In 1/256 of a character's width; -1 for the default width.
    int ColumnWidth(int column) const {
        return columnWidths_.empty() ? -1 : columnWidths_[static_cast<size_t>(column)];
    }
    const std::vector<CellRect>& Merges() const { return merges_; }
    // The cell as kept, or nullptr for one never touched.
    const Cell* CellAt(int row, int column) const { return findCell(row, column); }

private:
    SheetRow& row(int row);
    Cell& cell(int row, int column);
    const Cell* findCell(int row, int column) const;
    // Keeps the used-range counts right after `change` has run on the cell.
    template <typename Change> void changeCell(int row, int column, Change change);
    void rowUseChanged(int row, bool wasUsed);
    void columnUseChanged(int column, int delta);
    void storeText(Cell& cell, const QString& text, bool asTyped);
    void storeNumber(Cell& cell, double number, const QString& dateFormat);
    void unmerge(const CellRect& rect);
    void settle();

    Workbook& workbook_;
    QString name_;
    std::vector<SheetRow> rows_;
    std::unique_ptr<const SheetCells> read_;
    // By column, made on first use: a workbook read from a file may have many sheets.
    std::vector<int> columnUse_;
    std::vector<int> columnWidths_;
    std::vector<CellRect> merges_;
    excel::PageSetup pageSetup_;
    int usedRows_ = 0;
    int usedColumns_ = 0;
};

} // namespace excel
