#pragma once

#include <QWidget>

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

} // namespace ui
