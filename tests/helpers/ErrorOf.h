#pragma once

#include "platform/app/Error.h"

#include <QString>
#include <functional>

// The description of the error the step raises, or "no error".
inline QString errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const App::Error& error) {
        return error.Description();
    }
    return QStringLiteral("no error");
}
