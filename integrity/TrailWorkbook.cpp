#include "integrity/TrailWorkbook.h"

#include "integrity/TrailText.h"
#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"

namespace Audit {
namespace {
const QStringList kHeadings = {
    QStringLiteral("序号"),   QStringLiteral("时间"),     QStringLiteral("用户"),
    QStringLiteral("版本"),   QStringLiteral("操作"),     QStringLiteral("表"),
    QStringLiteral("记录号"), QStringLiteral("变更内容"), QStringLiteral("原因"),
    QStringLiteral("详情"),   QStringLiteral("哈希")};

QStringList cellsOf(const Entry& entry) {
    return {QString::number(entry.id),
            LocalTimeText(entry),
            WhoText(entry),
            entry.version,
            entry.action,
            entry.table,
            entry.record ? QString::number(*entry.record) : QString(),
            ChangesText(entry),
            entry.reason,
            DetailText(entry),
            entry.hash};
}

void writeRow(excel::Worksheet& sheet, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        sheet.StoreValue(row, column, cells[column]);
    }
}

excel::Worksheet& sheetFor(excel::Workbook& book, int index) {
    excel::Worksheets& sheets = book.Worksheets();
    excel::Worksheet& sheet = index <= sheets.Count() ? sheets.Item(index) : sheets.Add();
    sheet.SetName(QStringLiteral("审计追踪%1").arg(index));
    writeRow(sheet, 0, kHeadings);
    return sheet;
}
} // namespace

void WriteTrailWorkbook(const std::vector<Entry>& entries, const QString& head, const QString& path,
                        const WorkbookPasswords& passwords) {
    excel::Application application;
    excel::Workbook& book = application.Workbooks().Add();
    excel::Worksheet* sheet = &sheetFor(book, 1);
    int row = 1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (row > kEntriesPerSheet) {
            sheet = &sheetFor(book, static_cast<int>(i) / kEntriesPerSheet + 1);
            row = 1;
        }
        writeRow(*sheet, row++, cellsOf(entries[i]));
    }
    writeRow(*sheet, row + 1, {QStringLiteral("末条哈希"), head});
    book.SaveAs(path, excel::xlExcel8, passwords.open, passwords.modify, excel::xlNoChange);
    book.Close();
    application.Quit();
}

} // namespace Audit
