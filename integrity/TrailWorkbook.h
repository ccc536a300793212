#pragma once

#include "store/AuditEntry.h"

#include <QString>
#include <vector>

// The audit trail as an Excel 97-2003 workbook, through our own Excel engine.
namespace Audit {

struct WorkbookPasswords {
    QString open;
    QString modify;
};

// One row per entry under a heading, the last entry's hash below them; a sheet holds
// at most kEntriesPerSheet entries and the rest go on further sheets. Throws excel::Error.
void WriteTrailWorkbook(const std::vector<Entry>& entries, const QString& head, const QString& path,
                        const WorkbookPasswords& passwords = {});

inline constexpr int kEntriesPerSheet = 60000;

} // namespace Audit
