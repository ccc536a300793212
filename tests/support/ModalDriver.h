#pragma once

#include <functional>

class QWidget;

// Acts on the next modal window as soon as it is shown, from a zero-delay timer: the
// action finds its controls, clicks, and closes it. Returns at once.
void OnNextModal(std::function<void(QWidget*)> action);
