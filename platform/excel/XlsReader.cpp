#include "platform/excel/XlsReader.h"

#include "platform/excel/EncryptionProbe.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/XlsPrecheck.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <freexl.h>

namespace excel {
namespace {

class Handle {
public:
    Handle() = default;
    ~Handle() {
        if (handle_ != nullptr) {
            freexl_close(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    const void** Out() { return &handle_; }
    const void* Get() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

[[noreturn]] void notAWorkbook(const QString& fileName) {
    throw Error(
        QStringLiteral("文件“%1”不是 Excel 工作簿，或者已经损坏，无法读取。").arg(fileName));
}

QVariant cellValue(const FreeXL_CellValue& cell) {
    const auto text = [&cell] { return QString::fromUtf8(cell.value.text_value); };
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return static_cast<double>(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return text();
    case FREEXL_CELL_DATE:
        return QDate::fromString(text(), QStringLiteral("yyyy-MM-dd"));
    case FREEXL_CELL_DATETIME:
        return QDateTime::fromString(text(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case FREEXL_CELL_TIME:
        return QTime::fromString(text(), QStringLiteral("HH:mm:ss"));
    default:
        return {};
    }
}

void readSheet(const Handle& xls, const QString& fileName, Worksheet& sheet) {
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(xls.Get(), &rows, &columns) != FREEXL_OK) {
        notAWorkbook(fileName);
    }
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(xls.Get(), r, c, &cell) != FREEXL_OK) {
                notAWorkbook(fileName);
            }
            const QVariant value = cellValue(cell);
            if (value.isValid() &&
                !(value.typeId() == QMetaType::QString && value.toString().isEmpty())) {
                sheet.StoreValue(static_cast<int>(r), c, value);
            }
        }
    }
}
} // namespace

void ReadXls(const QString& fileName, Workbook& into) {
    if (!QFileInfo(fileName).isFile()) {
        throw Error(QStringLiteral("找不到工作簿文件“%1”。").arg(fileName));
    }
    const auto passwordToOpen = [&fileName] {
        return Error(QStringLiteral("工作簿“%1”设有打开密码，无法读取。").arg(fileName));
    };
    if (HasPasswordToOpen(fileName)) {
        throw passwordToOpen();
    }
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly) && !SafeForFreeXl(file.readAll())) {
        notAWorkbook(fileName);
    }
    file.close();
    // FreeXL may also report success without giving a handle.
    Handle xls;
    if (freexl_open(QFile::encodeName(fileName).constData(), xls.Out()) != FREEXL_OK ||
        xls.Get() == nullptr) {
        notAWorkbook(fileName);
    }
    unsigned int info = 0;
    if (freexl_get_info(xls.Get(), FREEXL_BIFF_PASSWORD, &info) != FREEXL_OK) {
        notAWorkbook(fileName);
    }
    if (info == FREEXL_BIFF_OBFUSCATED) {
        throw passwordToOpen();
    }
    unsigned int sheetCount = 0;
    // Every workbook has a sheet; a damaged one may show none.
    if (freexl_get_info(xls.Get(), FREEXL_BIFF_SHEET_COUNT, &sheetCount) != FREEXL_OK ||
        sheetCount == 0) {
        notAWorkbook(fileName);
    }
    for (unsigned short i = 0; i < sheetCount; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(xls.Get(), i, &name) != FREEXL_OK ||
            freexl_select_active_worksheet(xls.Get(), i) != FREEXL_OK) {
            notAWorkbook(fileName);
        }
        readSheet(xls, fileName, into.Worksheets().Append(QString::fromUtf8(name)));
    }
}

} // namespace excel
