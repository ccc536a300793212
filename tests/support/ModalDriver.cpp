#include "support/ModalDriver.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action = std::move(action)]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
        } else {
            OnNextModal(std::move(action));
        }
    });
}
