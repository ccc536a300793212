#pragma once

#include <QString>

class QDialog;

namespace ui {

// A fixed-size dialog without minimise or maximise box, captioned
// "<caption>-<application title>".
void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height);

} // namespace ui
