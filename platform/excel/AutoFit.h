#pragma once

#include "platform/excel/Cell.h"
#include "platform/excel/Styles.h"

namespace excel {

// The column width, in 1/256 of the default font's character width, that shows the cell's
// widest line whole: East Asian characters count double, widths scale with the font size,
// and Excel's limit of 255 characters holds. 0 for an empty cell.
int FittingWidth(const Cell& cell, const Styles& styles);

} // namespace excel
