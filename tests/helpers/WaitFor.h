#pragma once

#include <functional>

// Runs the event loop until the condition holds or a generous limit has passed; true when
// it holds. The limit only keeps a broken test from hanging.
bool WaitFor(const std::function<bool()>& condition, int limitMs = 10000);
