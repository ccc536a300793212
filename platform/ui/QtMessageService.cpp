#include "platform/ui/QtMessageService.h"

#include "platform/app/App.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {
QMessageBox::Icon toQtIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Answer QtMessageService::Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons) {
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    const QMessageBox::StandardButtons shown = buttons == Buttons::YesNo
                                                   ? QMessageBox::Yes | QMessageBox::No
                                                   : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(toQtIcon(icon), App::Title(), text, shown, parent);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace ui
