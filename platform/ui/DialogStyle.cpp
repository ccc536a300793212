#include "platform/ui/DialogStyle.h"

#include "platform/app/App.h"

#include <QDialog>
#include <QScreen>

namespace ui {

Qt::WindowFlags FixedBorder(Qt::WindowType kind) {
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowFlags(FixedBorder());
    dialog.setFixedSize(width, height);
    dialog.setWindowTitle(caption + u'-' + App::Title());
}

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

} // namespace ui
