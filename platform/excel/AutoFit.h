#pragma once

#include "platform/excel/Cell.h"
#include "platform/excel/Styles.h"

namespace excel {

// The column width, in 1/256 of the default font's character width, that shows the cell's
// widest line whole: East Asian characters count double, widths scale with the font size,
// and Excel's limit of 255 characters holds. 0 for an empty cell.
int FittingWidth(const Cell& cell, const Styles& styles);

// The lines a text cell shows when it wraps within `width` (1/256 of a character): at
// its line feeds, between words, and between East Asian characters, measured as
// FittingWidth measures. 1 for any other cell.
int WrappedLines(const Cell& cell, const Styles& styles, int width);

} // namespace excel
