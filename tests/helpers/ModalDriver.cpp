#include "helpers/ModalDriver.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
void poll(std::function<void(QWidget*)> act, int attemptsLeft) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
        const QPointer<QWidget> shown(modal);
        act(modal);
        // A window the action left open (a failed assertion inside it, most often) would
        // keep the test waiting for ever.
        if (shown != nullptr && shown->isVisible()) {
            ADD_FAILURE() << "the modal window " << shown->objectName().toStdString()
                          << " was still open after its action";
            shown->close();
        }
        return;
    }
    if (attemptsLeft == 0) {
        ADD_FAILURE() << "no modal window showed";
        return;
    }
    QTimer::singleShot(10, [act = std::move(act), attemptsLeft] { poll(act, attemptsLeft - 1); });
}
} // namespace

void WhenModalShows(std::function<void(QWidget* modal)> act) {
    QTimer::singleShot(0, [act = std::move(act)] { poll(act, 300); });
}
