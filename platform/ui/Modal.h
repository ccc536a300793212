#pragma once

class QDialog;

namespace ui {

// Shows a window as a modal dialog and returns when it closes, with its result code.
int ShowModal(QDialog& dialog);

} // namespace ui
