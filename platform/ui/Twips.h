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

} // namespace ui
