#pragma once

#include <QStringView>

class QComboBox;

namespace ui {

// The first entry of the box that differs from the text in letter case at most, in any
// script (Vb::SameText); -1 when there is none.
int FindSameText(const QComboBox& box, QStringView text);

} // namespace ui
