#include "helpers/Mouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace Mouse {
namespace {
void send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
} // namespace

void Click(QWidget* widget) {
    const QPoint middle = widget->rect().center();
    send(widget, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
}

void MoveOver(QWidget* widget, QPoint at) {
    send(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

} // namespace Mouse
