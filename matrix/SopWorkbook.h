#pragma once

#include <QString>

namespace ado {
class Connection;
}

// An SOP master list from a workbook: its first sheet holds, from row 2, A SOP编号, B SOP名称,
// C 现行版次, D 生效日期, E 复训周期 (whole months, empty for none).
namespace SopWorkbook {

struct Result {
    int added = 0;
    int changed = 0; // rows whose number the list already had, in any letter case
    int skipped = 0; // rows without a number, or with a date or period that is none
};

// One transaction: the list takes every row or none. Throws excel::Error, ado::Error.
Result Import(ado::Connection& connection, const QString& path);

} // namespace SopWorkbook
