#pragma once

#include <QString>

class QWidget;

// The keyboard as a person uses it, on a window that is shown and active.
namespace Keyboard {

// Shows the window and waits until it is the active one, so focus moves as keys move it.
void Activate(QWidget* window);
// Types the text at the cursor: keys for ASCII, an input method's commit for the rest.
void Type(QWidget* box, const QString& text);
// Clicks into the box, selects what it holds and types the text over it.
void Retype(QWidget* box, const QString& text);
// As Retype, but the text comes from the clipboard with Ctrl+V.
void PasteOver(QWidget* box, const QString& text);

} // namespace Keyboard
