#pragma once

#include <QDate>
#include <QDateTime>

// The program's one source of the current time, so that tests can set the day.
namespace Clock {

QDateTime Now();
QDate Today();

// Tests fix the time; an invalid value returns to the system clock.
void SetFixedNow(const QDateTime& now);

} // namespace Clock
