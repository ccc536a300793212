#pragma once

#include <QPoint>

class QWidget;

// The mouse as a person uses it, sent straight to a widget.
namespace Mouse {

// A left-button press and release in the middle of the widget.
void Click(QWidget* widget);
// The pointer moving over the widget with no button held, at a point inside it.
void MoveOver(QWidget* widget, QPoint at = {2, 2});

} // namespace Mouse
