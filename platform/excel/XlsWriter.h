#pragma once

#include <QIODevice>
#include <QString>

namespace excel {

class Workbook;

struct Protection {
    QString openPassword;   // empty: not encrypted
    QString modifyPassword; // empty: no write reservation
    QString userName;       // recorded as the last writer and the reserving user
};

// Writes the workbook as an Excel 97-2003 (.xls) file, BIFF8 in a compound file; false
// when the device refuses to take it all. Throws excel::Error, before anything is written,
// for a workbook the format cannot hold.
bool WriteXls(const Workbook& workbook, const Protection& protection, QIODevice& device);

} // namespace excel
