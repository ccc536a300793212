#include "IndependentReaders.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <freexl.h>
#include <gtest/gtest.h>

namespace independent {
namespace {
// Debian's interpreter, which has xlrd and msoffcrypto; not whichever python3 is on PATH.
const QString kPython = QStringLiteral("/usr/bin/python3");

QProcess& run(QProcess& process, const QStringList& arguments) {
    process.start(kPython, QStringList{TestFile(QStringLiteral("xls_dump.py"))} + arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(u' ').toStdString();
    return process;
}

QString cellText(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return QString::number(cell.value.double_value, 'g', 15);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return {};
    }
}
} // namespace

QString TestFile(const QString& name) {
    return QStringLiteral(QVLEDGER_EXCEL_TESTS) + u'/' + name;
}

QJsonObject Dump(const QString& file) {
    QProcess process;
    run(process, {QStringLiteral("cells"), file});
    const QByteArray errors = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), 0) << errors.toStdString();
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject Records(const QString& file) {
    QProcess process;
    run(process, {QStringLiteral("records"), file});
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject FormatOf(const QJsonObject& dump, int row, int column, int sheet) {
    return dump[QStringLiteral("sheets")][sheet][QStringLiteral("formats")]
               [QStringLiteral("%1,%2").arg(row).arg(column)]
                   .toObject();
}

int Decrypt(const QString& file, const QString& password, const QString& out) {
    QProcess process;
    const int code = run(process, {QStringLiteral("decrypt"), file, password, out}).exitCode();
    EXPECT_TRUE(code == 0 || code == 2 || code == 3)
        << process.readAllStandardError().toStdString();
    return code;
}

std::pair<qint64, QString> Stream(const QString& file, const QString& name) {
    QProcess process;
    run(process, {QStringLiteral("stream"), file, name});
    const QJsonObject stream = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    return {stream[QStringLiteral("size")].toInteger(), stream[QStringLiteral("sha1")].toString()};
}

std::vector<FreeXlSheet> ReadWithFreeXl(const QString& file) {
    const void* handle = nullptr;
    std::vector<FreeXlSheet> sheets;
    if (freexl_open(QFile::encodeName(file).constData(), &handle) == FREEXL_OK) {
        unsigned int count = 0;
        freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count);
        for (unsigned short i = 0; i < count; ++i) {
            FreeXlSheet sheet;
            const char* name = nullptr;
            freexl_get_worksheet_name(handle, i, &name);
            sheet.name = QString::fromUtf8(name);
            freexl_select_active_worksheet(handle, i);
            freexl_worksheet_dimensions(handle, &sheet.rows, &sheet.columns);
            for (unsigned r = 0; r < sheet.rows; ++r) {
                for (unsigned short c = 0; c < sheet.columns; ++c) {
                    FreeXL_CellValue cell;
                    if (freexl_get_cell_value(handle, r, c, &cell) == FREEXL_OK &&
                        cell.type != FREEXL_CELL_NULL) {
                        sheet.cells.insert({r, c}, cellText(cell));
                    }
                }
            }
            sheets.push_back(sheet);
        }
    }
    freexl_close(handle);
    return sheets;
}

} // namespace independent
