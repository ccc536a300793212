#include "platform/ui/DialogStyle.h"

#include "platform/app/App.h"

#include <QDialog>
#include <QScreen>

namespace ui {

void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(width, height);
    dialog.setWindowTitle(caption + u'-' + App::Title());
}

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

} // namespace ui
