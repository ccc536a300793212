#pragma once

class QTreeView;

// Column widths of a details list. Column numbers count from 1. A width is pixels, or
// one of the sizing codes: -1 fits the widest cell, -2 fits the wider of the header and
// the widest cell, and makes the last column fill the rest of the list.
namespace MListView {

inline constexpr int LVSCW_AUTOSIZE = -1;
inline constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;

// Does nothing unless the list shows its header (details view) and the column exists.
void SetColumnWidth(QTreeView& list, int column, int width);
void SetAllColumnWidths(QTreeView& list, int width);

} // namespace MListView
