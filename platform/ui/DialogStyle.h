#pragma once

#include <QString>
#include <Qt>

class QDialog;
class QWidget;

namespace ui {

// The window flags of a fixed border without minimise or maximise box: a dialog's, or a
// top-level window's.
Qt::WindowFlags FixedBorder(Qt::WindowType kind = Qt::Dialog);

// A fixed-size dialog without minimise or maximise box, captioned
// "<caption>-<application title>".
void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height);

// Places the window in the middle of its screen, whoever opened it.
void CentreOnScreen(QWidget& window);

} // namespace ui
