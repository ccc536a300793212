#include "helpers/WaitFor.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

bool WaitFor(const std::function<bool()>& condition, int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    QTimer wake;
    wake.start(5);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}
