#include "platform/ui/Modal.h"

#include <QDialog>

namespace ui {

int ShowModal(QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec();
}

} // namespace ui
