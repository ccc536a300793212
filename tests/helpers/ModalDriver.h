#pragma once

#include <functional>

class QWidget;

// Acts on the next modal window as soon as it shows: the action finds its controls,
// clicks them and closes it. A window that never shows fails the test, and so does one
// the action leaves open, which is then closed.
void WhenModalShows(std::function<void(QWidget* modal)> act);
