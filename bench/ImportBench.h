#pragma once

#include <QJsonObject>
#include <QString>

namespace Bench {

// Imports the other database file into copies of db through the import window, offscreen:
// the median first run, then a second run of the same import on the last copy.
QJsonObject RunDatabaseImport(const QString& db, const QString& other, int repeat);

// Imports the workbook as the program folder's "1.xls" into copies of db.
QJsonObject RunWorkbookImport(const QString& db, const QString& workbook, int repeat);

// Opens the workbook --repeat times as the workbook import does, reading every sheet, and
// reports the resident memory before the first reading and the most it reached.
QJsonObject RunWorkbookRead(const QString& workbook, int repeat);

} // namespace Bench
