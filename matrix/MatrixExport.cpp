#include "matrix/MatrixExport.h"

#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"
#include "reports/ReportPrinting.h"

#include <QRegularExpression>

namespace MatrixExport {
namespace {
constexpr int kHeadingRow = 3;

QString sopName(const Matrix::Input& input, const QString& number, QString Matrix::Sop::*field) {
    for (const Matrix::Sop& sop : input.sops) {
        if (sop.number.compare(number, Qt::CaseInsensitive) == 0) {
            return sop.*field;
        }
    }
    return {};
}

QString address(int column, int row) {
    return QChar(u'A' + column) + QString::number(row);
}

void writeLine(excel::Worksheet& sheet, int row, const QStringList& fields, bool heading) {
    for (int column = 0; column < fields.size(); ++column) {
        excel::Range cell = sheet.Range(address(column, row));
        // Numbers such as a revision "02" stay as written.
        cell.SetNumberFormatLocal(QStringLiteral("@"));
        cell.SetValue(fields.at(column));
        cell.Borders().SetLineStyle(excel::xlContinuous);
        if (heading) {
            cell.Font().SetBold(true);
            cell.SetHorizontalAlignment(excel::xlCenter);
        }
    }
}

void writeTitle(excel::Worksheet& sheet, const QString& title, const QDate& today, int columns) {
    const QString last = QChar(u'A' + columns - 1);
    sheet.Range(QStringLiteral("A1")).SetValue(title);
    sheet.Range(QStringLiteral("A1:") + last + u'1').Merge();
    sheet.Range(QStringLiteral("A1")).Font().SetBold(true);
    sheet.Range(QStringLiteral("A1")).Font().SetSize(14);
    sheet.Range(QStringLiteral("A1")).SetHorizontalAlignment(excel::xlCenter);
    sheet.Range(QStringLiteral("A2"))
        .SetValue(QStringLiteral("统计日期：") + today.toString(QStringLiteral("yyyy-MM-dd")));
    sheet.Range(QStringLiteral("A2:") + last + u'2').Merge();
}
} // namespace

std::vector<Matrix::Cell> Gaps(const std::vector<Matrix::Cell>& cells) {
    std::vector<Matrix::Cell> gaps;
    for (const Matrix::Cell& cell : cells) {
        if (cell.status != Matrix::Status::Trained) {
            gaps.push_back(cell);
        }
    }
    return gaps;
}

QStringList Headings() {
    return {
        QStringLiteral("姓名"),    QStringLiteral("部门"),         QStringLiteral("职务"),
        QStringLiteral("SOP编号"), QStringLiteral("SOP名称"),      QStringLiteral("现行版次"),
        QStringLiteral("状态"),    QStringLiteral("最近培训日期"), QStringLiteral("最近培训版次")};
}

QStringList Fields(const Matrix::Input& input, const Matrix::Cell& cell) {
    const Matrix::Employee& employee = input.employees[static_cast<size_t>(cell.employee)];
    return {employee.name,
            employee.department,
            employee.position,
            cell.sopNumber,
            sopName(input, cell.sopNumber, &Matrix::Sop::name),
            sopName(input, cell.sopNumber, &Matrix::Sop::revision),
            Matrix::StatusText(cell.status),
            cell.lastDate.toString(QStringLiteral("yyyy-MM-dd")),
            cell.lastRevision};
}

void Save(const QString& path, const QString& title, const Matrix::Input& input,
          const std::vector<Matrix::Cell>& cells, const QDate& today, const Passwords& passwords) {
    excel::Application application;
    excel::Workbook& book = application.Workbooks().Add();
    excel::Worksheet& sheet = book.Worksheets().Item(1);
    // A sheet name holds at most 31 characters and none of : \ / ? * [ ].
    sheet.SetName(title.left(31).replace(QRegularExpression(QStringLiteral(R"([:\\/?*\[\]])")),
                                         QStringLiteral("_")));
    const QStringList headings = Headings();
    writeTitle(sheet, title, today, static_cast<int>(headings.size()));
    writeLine(sheet, kHeadingRow, headings, true);
    int row = kHeadingRow;
    for (const Matrix::Cell& cell : cells) {
        writeLine(sheet, ++row, Fields(input, cell), false);
    }
    sheet.Columns().AutoFit();
    ReportPrinting::Prepare(sheet, {kHeadingRow - 1, static_cast<int>(headings.size()) - 1, true});
    try {
        book.SaveAs(path, excel::xlExcel8, passwords.open, passwords.modify, excel::xlNoChange);
    } catch (...) {
        book.Close();
        application.Quit();
        throw;
    }
    book.Close();
    application.Quit();
}

} // namespace MatrixExport
