#pragma once

#include "platform/excel/BiffStream.h"
#include "platform/excel/FormatRecords.h"
#include "platform/excel/SharedStrings.h"
#include "platform/excel/Worksheet.h"

#include <vector>

namespace excel {

// Writes one worksheet substream. Prepare() runs for every sheet before the workbook
// globals are written, so that the XFs and shared strings the cells use are known;
// Write() then writes the sheet.
class SheetWriter {
public:
    SheetWriter(const Worksheet& sheet, const Styles& styles);

    void Prepare(FormatRecords& formats, SharedStrings& strings);
    // The number of cell records Write() writes.
    size_t CellCount() const;
    void Write(BiffStream& out, bool active) const;

private:
    struct RowPlan {
        int row;
        std::uint16_t height;
        int xf; // the row's own format, or -1
    };

    void writeSettings(BiffStream& out) const;
    void writePageSetup(BiffStream& out) const;
    void writeColumns(BiffStream& out) const;
    void writeDimensions(BiffStream& out) const;
    // The ROW records and cells of rows [first, last) of plan_, then their DBCELL.
    size_t writeBlock(BiffStream& out, size_t first, size_t last, size_t& cell, size_t& text) const;
    void writeRowCells(BiffStream& out, const SheetRow& line, int row, size_t& cell,
                       size_t& text) const;
    void writeWindow(BiffStream& out, bool active) const;
    void writeMerges(BiffStream& out) const;
    // The width of columns first to last, in 1/256 of a character.
    int columnsWidth(int first, int last) const;
    // The row height that shows the cell whole in the given width.
    std::uint16_t cellHeight(const Cell& cell, int width) const;
    // A merged area's rows together show its text whole: the last of them grows.
    void growRowsForMerges(std::vector<std::uint16_t>& heights) const;

    const Worksheet& sheet_;
    const Styles& styles_;
    std::vector<RowPlan> plan_;
    std::vector<std::uint16_t> xfs_;     // every written cell's XF, row by row
    std::vector<std::uint32_t> strings_; // every text cell's shared string
    int firstColumn_ = 0;
    int lastColumn_ = -1;
};

} // namespace excel
