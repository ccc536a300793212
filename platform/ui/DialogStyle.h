#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace ui {

// A fixed-size dialog without minimise or maximise box, captioned
// "<caption>-<application title>".
void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height);

// Places the window in the middle of its screen, whoever opened it.
void CentreOnScreen(QWidget& window);

} // namespace ui
