#include "helpers/Keyboard.h"

#include "helpers/Mouse.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace Keyboard {

void Activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) {
        ADD_FAILURE() << "the window did not become active";
    }
}

namespace {
void selectAllOf(QWidget* box) {
    Mouse::Click(box);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
}
} // namespace

void Type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            // What an input method hands over for a character no key carries.
            QInputMethodEvent committed;
            committed.setCommitString(QString(c));
            QApplication::sendEvent(box, &committed);
        }
    }
}

void Retype(QWidget* box, const QString& text) {
    selectAllOf(box);
    Type(box, text);
}

void PasteOver(QWidget* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    selectAllOf(box);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace Keyboard
