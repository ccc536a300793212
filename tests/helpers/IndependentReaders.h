#pragma once

#include "helpers/PrintQt.h"

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <utility>
#include <vector>

// Readers of .xls files that share no code with the program: python3-xlrd and
// python3-msoffcrypto-tool through xls_readers.py.
namespace independent {

// xlrd's view: {"sheets": [{name, rows, columns, values {"r,c": [type, value]}, formats
// {"r,c": {...}}, merged, widths, heights}], "records": {writeprot, filepass, filesharing}}.
QJsonObject Dump(const QString& file);
// The protection records alone, {writeprot, filepass, filesharing}; for encrypted files too.
QJsonObject Records(const QString& file);
// The format of one cell of the first sheet, by zero-based row and column.
QJsonObject FormatOf(const QJsonObject& dump, int row, int column, int sheet = 0);
// msoffcrypto: 0 decrypted into `out`, 2 not encrypted, 3 wrong password.
int Decrypt(const QString& file, const QString& password, const QString& out);
// The size and SHA-1 (hex) of a stream of a compound file, as xlrd's reader finds it.
std::pair<qint64, QString> Stream(const QString& file, const QString& name);

struct SheetTexts {
    QString name;
    QMap<std::pair<int, int>, QString> cells; // by zero-based row and column; not empty
};
// xlrd's cell values as the workbook import reads them (excel::CellText): numbers with up
// to 15 significant digits, dates as yyyy-mm-dd with hh:mm:ss where there is a time,
// Booleans as TRUE and FALSE, errors as Excel shows them. Empty when xlrd cannot read it.
std::vector<SheetTexts> Texts(const QString& file);

// The look of every cell, by address: see `inspect` in xls_readers.py for the shape. With a
// password to open, msoffcrypto decrypts the file first. {"error": ...} when they refuse it.
QJsonObject Inspect(const QString& file, const QString& openPassword = {});
// A sheet of Inspect's result by name, and one of its cells by address ("B4"); empty if absent.
QJsonObject Sheet(const QJsonObject& inspected, const QString& sheet);
QJsonObject Cell(const QJsonObject& inspected, const QString& sheet, const QString& cell);

} // namespace independent
