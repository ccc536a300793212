#include "reports/ReportPrinting.h"

#include "platform/excel/AutoFit.h"
#include "platform/excel/Cell.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <QRegularExpression>
#include <algorithm>

namespace ReportPrinting {
namespace {
// Widest a wrapping column may grow, in characters: with the other columns at their
// usual widths the table then fits a landscape A4 page at a readable scale.
struct Cap {
    int column;
    double characters;
};
constexpr Cap kCaps[] = {{9, 28}, {10, 28}, {12, 40}}; // J, K, M
constexpr double kPointsPerInch = 72;

bool mergedAcrossColumns(const excel::Worksheet& sheet, int row, int column) {
    return std::any_of(sheet.Merges().begin(), sheet.Merges().end(),
                       [row, column](const excel::CellRect& merge) {
                           return merge.Contains(row, column) && merge.Columns() > 1;
                       });
}

// The width that shows the heading cell's longest word on one line.
int longestWordWidth(excel::Worksheet& sheet, int row, int column) {
    const excel::Cell* heading = sheet.CellAt(row, column);
    if (heading == nullptr || heading->kind != excel::Cell::Kind::Text) {
        return 0;
    }
    static const QRegularExpression blanks(QStringLiteral("[ \\n]+"));
    excel::Cell word = *heading;
    int widest = 0;
    for (const QString& part : heading->text.split(blanks, Qt::SkipEmptyParts)) {
        word.text = part;
        widest = std::max(widest, excel::FittingWidth(word, sheet.Parent().Styles()));
    }
    return widest;
}

void capWrappedColumns(excel::Worksheet& sheet, const Table& table) {
    if (!table.autoWrap) {
        return;
    }
    for (const Cap& cap : kCaps) {
        if (cap.column <= table.lastColumn) {
            excel::Range column(sheet, excel::CellRect{0, cap.column, 0, cap.column}, false);
            column.SetColumnWidth(std::min(column.ColumnWidth(), cap.characters));
        }
    }
}

void widenForHeadingWords(excel::Worksheet& sheet, const Table& table) {
    for (int column = 0; column <= table.lastColumn; ++column) {
        int needed = 0;
        for (const int row : {table.headingRow - 1, table.headingRow}) {
            if (!mergedAcrossColumns(sheet, row, column)) {
                needed = std::max(needed, longestWordWidth(sheet, row, column));
            }
        }
        if (needed > sheet.ColumnWidth(column)) {
            sheet.SetColumnWidth(column, needed);
        }
    }
}

void setUpPages(excel::Worksheet& sheet, const Table& table) {
    excel::PageSetup& setup = sheet.PageSetup();
    setup.orientation = excel::xlLandscape;
    setup.paperSize = excel::xlPaperA4;
    setup.fitToPages = true;
    setup.fitToPagesWide = 1;
    setup.fitToPagesTall = 0;
    setup.printTitleFirstRow = table.headingRow;
    setup.printTitleLastRow = table.headingRow + 1;
    setup.leftMargin = 0.4 * kPointsPerInch;
    setup.rightMargin = 0.4 * kPointsPerInch;
    setup.topMargin = 0.5 * kPointsPerInch;
    setup.bottomMargin = 0.6 * kPointsPerInch;
    setup.headerMargin = 0.3 * kPointsPerInch;
    setup.footerMargin = 0.3 * kPointsPerInch;
    setup.centerHorizontally = true;
    setup.centerFooter = QStringLiteral("第 &P 页，共 &N 页");
}
} // namespace

void Prepare(excel::Worksheet& sheet, const Table& table) {
    if (table.headingRow > 0) {
        capWrappedColumns(sheet, table);
        widenForHeadingWords(sheet, table);
    }
    setUpPages(sheet, table);
}

} // namespace ReportPrinting
