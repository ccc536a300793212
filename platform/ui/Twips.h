#pragma once

#include <QWidget>
#include <initializer_list>

// Layouts given in twips: 15 twips make one pixel.
namespace ui {

constexpr int Twips(int twips) {
    return (twips + 7) / 15;
}

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Twips(left), Twips(top), Twips(width), Twips(height));
}

// As PlaceTwips, but never shorter than the control needs for its text: a taller
// control grows evenly above and below the given box.
inline void PlaceTwipsReadable(QWidget* widget, int left, int top, int width, int height) {
    const int needed = widget->sizeHint().height();
    const int given = Twips(height);
    const int grow = needed > given ? needed - given : 0;
    widget->setGeometry(Twips(left), Twips(top) - grow / 2, Twips(width), given + grow);
}

// As PlaceTwipsReadable, and never narrower than the control needs to show its whole
// text: a wider control grows to the right.
inline void PlaceTwipsFitting(QWidget* widget, int left, int top, int width, int height) {
    PlaceTwipsReadable(widget, left, top, width, height);
    if (widget->sizeHint().width() > widget->width()) {
        widget->resize(widget->sizeHint().width(), widget->height());
    }
}

// Moves each control right of the one before it when a wider one would cover it.
inline void KeepInRow(std::initializer_list<QWidget*> row, int gap) {
    const QWidget* before = nullptr;
    for (QWidget* widget : row) {
        if (before != nullptr && widget->x() < before->geometry().right() + 1 + gap) {
            widget->move(before->geometry().right() + 1 + gap, widget->y());
        }
        before = widget;
    }
}

} // namespace ui
