#include "platform/excel/SheetWriter.h"

#include "platform/excel/AutoFit.h"

#include <algorithm>
#include <cmath>

namespace excel {
namespace {
constexpr std::uint16_t kIndex = 0x020B;
constexpr std::uint16_t kCalcMode = 0x000D;
constexpr std::uint16_t kCalcCount = 0x000C;
constexpr std::uint16_t kRefMode = 0x000F;
constexpr std::uint16_t kIteration = 0x0011;
constexpr std::uint16_t kDelta = 0x0010;
constexpr std::uint16_t kSaveRecalc = 0x005F;
constexpr std::uint16_t kPrintHeaders = 0x002A;
constexpr std::uint16_t kPrintGridlines = 0x002B;
constexpr std::uint16_t kGridSet = 0x0082;
constexpr std::uint16_t kGuts = 0x0080;
constexpr std::uint16_t kDefaultRowHeight = 0x0225;
constexpr std::uint16_t kWsBool = 0x0081;
constexpr std::uint16_t kHeader = 0x0014;
constexpr std::uint16_t kFooter = 0x0015;
constexpr std::uint16_t kHCenter = 0x0083;
constexpr std::uint16_t kVCenter = 0x0084;
constexpr std::uint16_t kSetup = 0x00A1;
constexpr std::uint16_t kLeftMargin = 0x0026;
constexpr std::uint16_t kRightMargin = 0x0027;
constexpr std::uint16_t kTopMargin = 0x0028;
constexpr std::uint16_t kBottomMargin = 0x0029;
constexpr std::uint16_t kFitToPage = 0x0100; // in WSBOOL
constexpr std::uint16_t kDefColWidth = 0x0055;
constexpr std::uint16_t kColInfo = 0x007D;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kRow = 0x0208;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kMulBlank = 0x00BE;
constexpr std::uint16_t kDbCell = 0x00D7;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kMergeCells = 0x00E5;

constexpr std::uint16_t kWorksheet = 0x0010;
constexpr std::uint16_t kDefaultRowTwips = 270; // 13.5 points, the Normal font's line
constexpr int kDefaultColumnWidth = 2158;       // 8.43 characters
constexpr size_t kRowRecordSize = 20;
constexpr int kRowsPerBlock = 32;
constexpr size_t kMergesPerRecord = 1026;

constexpr int kMaxRowTwips = 409 * 20; // Excel's tallest row

// The height of a row showing `lines` lines of a font, in twips and whole pixels: 1.45
// times the font's height per line, more than Excel's own 1.23, so that the taller Chinese
// fonts other programs print with (ascent and descent of 1.45 em) show every line too.
std::uint16_t linesHeight(int lines, int fontTwips) {
    const double line = std::ceil(fontTwips * 1.45 / 15.0) * 15.0;
    return static_cast<std::uint16_t>(std::min<double>(kMaxRowTwips, lines * line));
}

void writeBof(BiffStream& out) {
    out.Begin(record::kBof);
    out.U16(0x0600); // BIFF8
    out.U16(kWorksheet);
    out.U16(0x0DBB);
    out.U16(0x07CC);
    out.U32(0x00000041);
    out.U32(0x00000006);
    out.End();
}
} // namespace

SheetWriter::SheetWriter(const Worksheet& sheet, const Styles& styles)
    : sheet_(sheet), styles_(styles) {}

int SheetWriter::columnsWidth(int first, int last) const {
    int width = 0;
    for (int column = first; column <= last; ++column) {
        const int own = sheet_.ColumnWidth(column);
        width += own < 0 ? kDefaultColumnWidth : own;
    }
    return width;
}

std::uint16_t SheetWriter::cellHeight(const Cell& cell, int width) const {
    const bool wraps = styles_.Format(cell.format).wrap ||
                       (cell.kind == Cell::Kind::Text && cell.text.contains(u'\n'));
    const int lines = wraps ? WrappedLines(cell, styles_, width) : 1;
    return linesHeight(lines, styles_.FontAt(styles_.Format(cell.format).font).heightTwips);
}

void SheetWriter::Prepare(FormatRecords& formats, SharedStrings& strings) {
    firstColumn_ = kMaxColumns;
    // A row shows every line of its wrapped cells at their columns' final widths.
    std::vector<std::uint16_t> heights(static_cast<size_t>(sheet_.RowCount()), 0);
    for (int r = 0; r < sheet_.RowCount(); ++r) {
        const SheetRow& line = sheet_.RowAt(r);
        for (size_t c = 0; c < line.cells.size(); ++c) {
            const Cell& cell = line.cells[c];
            if (!cell.Used()) {
                continue;
            }
            firstColumn_ = std::min(firstColumn_, static_cast<int>(c));
            lastColumn_ = std::max(lastColumn_, static_cast<int>(c));
            const bool text = cell.kind == Cell::Kind::Text;
            xfs_.push_back(formats.XfIndex(cell.format, text && cell.text.contains(u'\n')));
            if (text) {
                strings_.push_back(strings.Add(cell.text));
            }
            if (!cell.merged && cell.kind != Cell::Kind::Empty) {
                const int column = static_cast<int>(c);
                heights[static_cast<size_t>(r)] =
                    std::max(heights[static_cast<size_t>(r)],
                             cellHeight(cell, columnsWidth(column, column)));
            }
        }
    }
    growRowsForMerges(heights);
    for (int r = 0; r < sheet_.RowCount(); ++r) {
        const SheetRow& line = sheet_.RowAt(r);
        if (line.usedCells > 0 || line.format >= 0) {
            const std::uint16_t height = heights[static_cast<size_t>(r)];
            plan_.push_back({r, height == 0 ? kDefaultRowTwips : height,
                             line.format >= 0 ? formats.XfIndex(line.format, false) : -1});
        }
    }
    if (lastColumn_ < 0) {
        firstColumn_ = 0;
    }
}

void SheetWriter::growRowsForMerges(std::vector<std::uint16_t>& heights) const {
    for (const CellRect& merge : sheet_.Merges()) {
        if (merge.top >= sheet_.RowCount()) {
            continue;
        }
        const SheetRow& line = sheet_.RowAt(merge.top);
        if (static_cast<size_t>(merge.left) >= line.cells.size()) {
            continue;
        }
        const Cell& first = line.cells[static_cast<size_t>(merge.left)];
        if (first.kind == Cell::Kind::Empty) {
            continue;
        }
        const int needed = cellHeight(first, columnsWidth(merge.left, merge.right));
        int have = 0;
        const int bottom = std::min(merge.bottom, sheet_.RowCount() - 1);
        for (int r = merge.top; r <= bottom; ++r) {
            const std::uint16_t own = heights[static_cast<size_t>(r)];
            have += own == 0 ? kDefaultRowTwips : own;
        }
        if (needed > have) {
            std::uint16_t& last = heights[static_cast<size_t>(bottom)];
            last = static_cast<std::uint16_t>(
                std::min<int>(kMaxRowTwips, (last == 0 ? kDefaultRowTwips : last) + needed - have));
        }
    }
}

size_t SheetWriter::CellCount() const {
    return xfs_.size();
}

void SheetWriter::writeSettings(BiffStream& out) const {
    out.Word(kCalcMode, 1); // automatic
    out.Word(kCalcCount, 100);
    out.Word(kRefMode, 1); // A1 references
    out.Word(kIteration, 0);
    out.Begin(kDelta);
    out.F64(0.001);
    out.End();
    out.Word(kSaveRecalc, 1);
    out.Word(kPrintHeaders, 0);
    out.Word(kPrintGridlines, 0);
    out.Word(kGridSet, 1);
    out.Begin(kGuts);
    out.Zeros(8);
    out.End();
    out.Begin(kDefaultRowHeight);
    out.U16(0);
    out.U16(kDefaultRowTwips);
    out.End();
    writePageSetup(out);
}

void SheetWriter::writePageSetup(BiffStream& out) const {
    const PageSetup& setup = sheet_.PageSetup();
    out.Word(kWsBool, setup.fitToPages ? 0x04C1 | kFitToPage : 0x04C1);
    out.Empty(kHeader);
    if (setup.centerFooter.isEmpty()) {
        out.Empty(kFooter);
    } else {
        out.Begin(kFooter);
        out.LongString(QStringLiteral("&C") + setup.centerFooter);
        out.End();
    }
    out.Word(kHCenter, setup.centerHorizontally ? 1 : 0);
    out.Word(kVCenter, 0);
    constexpr double kPointsPerInch = 72;
    const std::pair<std::uint16_t, double> margins[] = {{kLeftMargin, setup.leftMargin},
                                                        {kRightMargin, setup.rightMargin},
                                                        {kTopMargin, setup.topMargin},
                                                        {kBottomMargin, setup.bottomMargin}};
    for (const auto& [record, points] : margins) {
        out.Begin(record);
        out.F64(points / kPointsPerInch);
        out.End();
    }
    out.Begin(kSetup);
    out.U16(static_cast<std::uint16_t>(setup.paperSize));
    out.U16(100); // scale, used when not fitting to pages
    out.U16(1);   // first page number
    out.U16(static_cast<std::uint16_t>(setup.fitToPagesWide));
    out.U16(static_cast<std::uint16_t>(setup.fitToPagesTall));
    // Printer settings stored, so that paper and orientation hold; pages left to right.
    out.U16(setup.orientation == xlPortrait ? 0x0002 : 0x0000);
    out.U16(600); // dots per inch across
    out.U16(600); // and down
    out.F64(setup.headerMargin / kPointsPerInch);
    out.F64(setup.footerMargin / kPointsPerInch);
    out.U16(1); // copies
    out.End();
}

void SheetWriter::writeColumns(BiffStream& out) const {
    for (int first = 0; first < kMaxColumns;) {
        const int width = sheet_.ColumnWidth(first);
        int last = first;
        while (last + 1 < kMaxColumns && sheet_.ColumnWidth(last + 1) == width) {
            ++last;
        }
        if (width >= 0) {
            out.Begin(kColInfo);
            out.U16(static_cast<std::uint16_t>(first));
            out.U16(static_cast<std::uint16_t>(last));
            out.U16(static_cast<std::uint16_t>(width));
            out.U16(15);     // default cell XF
            out.U16(0x0006); // width set by the user, fitted to the contents
            out.U16(0);
            out.End();
        }
        first = last + 1;
    }
}

void SheetWriter::writeDimensions(BiffStream& out) const {
    out.Begin(kDimensions);
    if (plan_.empty()) {
        out.Zeros(14);
    } else {
        out.U32(static_cast<std::uint32_t>(plan_.front().row));
        out.U32(static_cast<std::uint32_t>(plan_.back().row + 1));
        out.U16(static_cast<std::uint16_t>(firstColumn_));
        out.U16(static_cast<std::uint16_t>(lastColumn_ + 1));
        out.U16(0);
    }
    out.End();
}

void SheetWriter::writeRowCells(BiffStream& out, const SheetRow& line, int row, size_t& cell,
                                size_t& text) const {
    const auto rw = static_cast<std::uint16_t>(row);
    const int count = static_cast<int>(line.cells.size());
    for (int c = 0; c < count;) {
        const Cell& current = line.cells[static_cast<size_t>(c)];
        if (!current.Used()) {
            ++c;
            continue;
        }
        if (current.kind == Cell::Kind::Number || current.kind == Cell::Kind::Text) {
            const bool isText = current.kind == Cell::Kind::Text;
            out.Begin(isText ? record::kLabelSst : record::kNumber);
            out.U16(rw);
            out.U16(static_cast<std::uint16_t>(c));
            out.U16(xfs_[cell++]);
            if (isText) {
                out.U32(strings_[text++]);
            } else {
                out.F64(current.number);
            }
            out.End();
            ++c;
            continue;
        }
        int last = c;
        while (last + 1 < count && line.cells[static_cast<size_t>(last + 1)].Used() &&
               line.cells[static_cast<size_t>(last + 1)].kind == Cell::Kind::Empty) {
            ++last;
        }
        out.Begin(last == c ? kBlank : kMulBlank);
        out.U16(rw);
        out.U16(static_cast<std::uint16_t>(c));
        for (int b = c; b <= last; ++b) {
            out.U16(xfs_[cell++]);
        }
        if (last > c) {
            out.U16(static_cast<std::uint16_t>(last));
        }
        out.End();
        c = last + 1;
    }
}

size_t SheetWriter::writeBlock(BiffStream& out, size_t first, size_t last, size_t& cell,
                               size_t& text) const {
    const size_t firstRow = out.Position();
    for (size_t i = first; i < last; ++i) {
        const RowPlan& plan = plan_[i];
        const SheetRow& line = sheet_.RowAt(plan.row);
        int colMic = 0;
        int colMac = 0;
        for (int c = 0; c < static_cast<int>(line.cells.size()); ++c) {
            if (line.cells[static_cast<size_t>(c)].Used()) {
                colMic = colMac == 0 ? c : colMic;
                colMac = c + 1;
            }
        }
        out.Begin(kRow);
        out.U16(static_cast<std::uint16_t>(plan.row));
        out.U16(static_cast<std::uint16_t>(colMic));
        out.U16(static_cast<std::uint16_t>(colMac));
        out.U16(plan.height);
        out.U16(0);
        out.U16(0);
        out.U16(plan.xf >= 0 ? 0x0180 : 0x0100); // the row's own format, when it has one
        out.U16(static_cast<std::uint16_t>(plan.xf >= 0 ? plan.xf : 15));
        out.End();
    }
    std::vector<size_t> cellStarts;
    for (size_t i = first; i < last; ++i) {
        cellStarts.push_back(out.Position());
        writeRowCells(out, sheet_.RowAt(plan_[i].row), plan_[i].row, cell, text);
    }
    const size_t dbCell = out.Position();
    out.Begin(kDbCell);
    out.U32(static_cast<std::uint32_t>(dbCell - firstRow));
    size_t previous = firstRow + kRowRecordSize;
    for (const size_t start : cellStarts) {
        out.U16(static_cast<std::uint16_t>(start - previous));
        previous = start;
    }
    out.End();
    return dbCell;
}

void SheetWriter::writeWindow(BiffStream& out, bool active) const {
    out.Begin(kWindow2);
    // Gridlines, headers, zeros, default header colour and outline symbols shown; the
    // active sheet is also selected and displayed.
    out.U16(active ? 0x06B6 : 0x00B6);
    out.U16(0);
    out.U16(0);
    out.U16(64);
    out.U16(0);
    out.U16(0);
    out.U16(0);
    out.U16(0);
    out.U16(0);
    out.End();
}

void SheetWriter::writeMerges(BiffStream& out) const {
    const std::vector<CellRect>& merges = sheet_.Merges();
    for (size_t first = 0; first < merges.size(); first += kMergesPerRecord) {
        const size_t last = std::min(merges.size(), first + kMergesPerRecord);
        out.Begin(kMergeCells);
        out.U16(static_cast<std::uint16_t>(last - first));
        for (size_t i = first; i < last; ++i) {
            out.U16(static_cast<std::uint16_t>(merges[i].top));
            out.U16(static_cast<std::uint16_t>(merges[i].bottom));
            out.U16(static_cast<std::uint16_t>(merges[i].left));
            out.U16(static_cast<std::uint16_t>(merges[i].right));
        }
        out.End();
    }
}

void SheetWriter::Write(BiffStream& out, bool active) const {
    writeBof(out);
    std::vector<std::pair<size_t, size_t>> blocks; // [first, last) of plan_
    for (size_t i = 0; i < plan_.size();) {
        size_t last = i;
        while (last < plan_.size() &&
               plan_[last].row / kRowsPerBlock == plan_[i].row / kRowsPerBlock) {
            ++last;
        }
        blocks.emplace_back(i, last);
        i = last;
    }
    out.Begin(kIndex);
    out.U32(0);
    out.U32(plan_.empty() ? 0 : static_cast<std::uint32_t>(plan_.front().row));
    out.U32(plan_.empty() ? 0 : static_cast<std::uint32_t>(plan_.back().row + 1));
    const size_t defColWidthAt = out.Position();
    out.U32(0);
    const size_t dbCellsAt = out.Position();
    out.Zeros(4 * blocks.size());
    out.End();

    writeSettings(out);
    out.Patch32(defColWidthAt, static_cast<std::uint32_t>(out.Position()));
    out.Word(kDefColWidth, 8);
    writeColumns(out);
    writeDimensions(out);
    size_t cell = 0;
    size_t text = 0;
    for (size_t b = 0; b < blocks.size(); ++b) {
        const size_t dbCell = writeBlock(out, blocks[b].first, blocks[b].second, cell, text);
        out.Patch32(dbCellsAt + 4 * b, static_cast<std::uint32_t>(dbCell));
    }
    writeWindow(out, active);
    writeMerges(out);
    out.Empty(record::kEof);
}

} // namespace excel
