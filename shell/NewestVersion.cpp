#include "shell/NewestVersion.h"

#include <QStringList>
#include <cmath>
#include <limits>
#include <optional>

namespace {
// The parts are floats; their sum is rounded to a float once, at the end.
std::optional<float> combined(float major, float minor, float revision) {
    const double sum = double(major) * 10000000.0 + double(minor) * 10000.0 + double(revision);
    if (!(std::fabs(sum) <= std::numeric_limits<float>::max())) {
        return std::nullopt;
    }
    return static_cast<float>(sum);
}

std::optional<float> numericPart(const QString& part) {
    bool ok = false;
    const float value = part.toFloat(&ok);
    return ok && std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}
} // namespace

bool IsNewerVersion(const QString& published, int major, int minor, int revision) {
    const QStringList parts = published.split(u'.');
    if (parts.size() != 3) {
        return false;
    }
    const std::optional<float> a = numericPart(parts[0]);
    const std::optional<float> b = numericPart(parts[1]);
    const std::optional<float> c = numericPart(parts[2]);
    if (!a || !b || !c) {
        return false;
    }
    const std::optional<float> publishedNumber = combined(*a, *b, *c);
    const std::optional<float> runningNumber = combined(
        static_cast<float>(major), static_cast<float>(minor), static_cast<float>(revision));
    return publishedNumber && runningNumber && *publishedNumber > *runningNumber;
}
