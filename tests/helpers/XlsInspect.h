#pragma once

#include <QJsonObject>
#include <QString>

// What independent readers (python3-xlrd, and msoffcrypto-tool for a password to open)
// see in an .xls file; see xls_inspect.py for the shape. {"error": ...} when they refuse it.
QJsonObject InspectXls(const QString& path, const QString& openPassword = {});

// A cell of the first sheet with the given name, or an empty object.
QJsonObject XlsCell(const QJsonObject& inspected, const QString& sheet, const QString& cell);
QJsonObject XlsSheet(const QJsonObject& inspected, const QString& sheet);
