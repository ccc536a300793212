#pragma once

#include <QString>
#include <QVariant>

namespace excel {

// A cell value as text, as the workbook import reads it: a number without a trailing
// ".0" (up to 15 significant digits, as Excel shows it), a date as yyyy-mm-dd, a date and
// time as yyyy-mm-dd hh:mm:ss, a time as hh:mm:ss, a Boolean as TRUE or FALSE, an empty cell
// as the empty text.
QString CellText(const QVariant& value);

} // namespace excel
