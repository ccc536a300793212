#include "platform/clock/Clock.h"

namespace Clock {
namespace {
QDateTime& fixedNow() {
    static QDateTime value;
    return value;
}
} // namespace

QDateTime Now() {
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

QDate Today() {
    return Now().date();
}

void SetFixedNow(const QDateTime& now) {
    fixedNow() = now;
}

} // namespace Clock
