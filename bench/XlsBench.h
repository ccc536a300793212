#pragma once

#include <QString>

namespace Bench {

struct XlsOptions {
    int rows = 10000;
    QString out;
    QString openPassword;
    QString modifyPassword;
};

// Writes a summary-like workbook through the Excel model, cell by cell as the report
// layouts do: a merged title and two heading rows in the heading style, `rows` record
// rows of 13 columns with text-formatted, wrapped and bordered cells, a closing block,
// AutoFit, and SaveAs with the passwords. Throws excel::Error.
void WriteSummaryWorkbook(const XlsOptions& options);

} // namespace Bench
