#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace Bench {

struct XlsOptions {
    QString out;
    QString openPassword;
    QString modifyPassword;
};

// The 13 cell texts of each record row, as the search list holds them.
std::vector<QStringList> MakeSummaryRows(int count);

// Writes a summary-like workbook through the Excel model, cell by cell as the report
// layouts do: a merged title and two heading rows in the heading style, one row of 13
// columns per record with text-formatted, wrapped and bordered cells, a closing block,
// AutoFit, and SaveAs with the passwords. Throws excel::Error.
void WriteSummaryWorkbook(const XlsOptions& options, const std::vector<QStringList>& rows);

} // namespace Bench
