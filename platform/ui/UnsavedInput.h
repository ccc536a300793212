#pragma once

class QKeyEvent;
class QWidget;

namespace ui {

// Escape closes a dialog at once only when nothing typed would be lost; otherwise the
// user is asked first. True when the key may go on to close the dialog.
bool EscapeMayClose(const QKeyEvent& key, bool unsavedInput, QWidget* dialog);

} // namespace ui
