#include "matrix/SopWorkbook.h"

#include "matrix/MatrixStore.h"
#include "platform/ado/AccessDate.h"
#include "platform/ado/Connection.h"
#include "platform/excel/Application.h"
#include "platform/excel/CellText.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"
#include "store/AuditChange.h"

namespace SopWorkbook {
namespace {
constexpr int kFirstRow = 2;

QString text(excel::Worksheet& sheet, char column, int row) {
    return excel::CellText(sheet.Range(QChar(column) + QString::number(row)).Value()).trimmed();
}

// A row as an entry of the list; nullopt when its date or period is not one.
std::optional<Matrix::Sop> readRow(excel::Worksheet& sheet, int row) {
    Matrix::Sop sop;
    sop.number = text(sheet, 'A', row);
    sop.name = text(sheet, 'B', row);
    sop.revision = text(sheet, 'C', row);
    if (const QString date = text(sheet, 'D', row); !date.isEmpty()) {
        const auto day = ado::ParseAccessDate(QString(date).replace(u'.', u'-'));
        if (!day) {
            return std::nullopt;
        }
        sop.effective = day->date();
    }
    if (const QString months = text(sheet, 'E', row); !months.isEmpty()) {
        bool whole = false;
        const int value = months.toInt(&whole);
        if (!whole || value <= 0) {
            return std::nullopt;
        }
        sop.refresherMonths = value;
    }
    return sop;
}

int idOf(const std::vector<Matrix::Sop>& list, const QString& number) {
    for (const Matrix::Sop& sop : list) {
        if (sop.number.compare(number, Qt::CaseInsensitive) == 0) {
            return sop.id;
        }
    }
    return 0;
}
} // namespace

Result Import(ado::Connection& connection, const QString& path) {
    excel::Application application;
    excel::Workbook& book = application.Workbooks().Open(path);
    excel::Worksheet& sheet = book.Worksheets().Item(1);
    const int last = sheet.UsedRange().Rows().Count();
    MatrixStore::EnsureTables(connection);
    Result result;
    // Rolled back, entries and all, unless every row lands.
    Audit::Change change(connection, QStringLiteral("导入SOP文件"));
    for (int row = kFirstRow; row <= last; ++row) {
        std::optional<Matrix::Sop> sop = readRow(sheet, row);
        if (!sop || sop->number.isEmpty()) {
            ++result.skipped;
            continue;
        }
        sop->id = idOf(MatrixStore::Sops(connection), sop->number);
        ++(sop->id == 0 ? result.added : result.changed);
        MatrixStore::SaveSop(connection, *sop, change);
    }
    change.Commit();
    book.Close();
    application.Quit();
    return result;
}

} // namespace SopWorkbook
