#pragma once

#include <QString>
#include <optional>

// Rows of the three tables in one database file.
struct TableCounts {
    qint64 training = 0;
    qint64 employees = 0;
    qint64 departments = 0;
    bool operator==(const TableCounts&) const = default;
};

// Whether a backup file is a whole database of the program's layout.
namespace BackupCheck {

// The row counts of the file when it opens with the program's password, passes the
// engine's integrity check and every table can be read; nothing otherwise.
std::optional<TableCounts> ReadWhole(const QString& path);

} // namespace BackupCheck
