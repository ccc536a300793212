#pragma once

#include <QDate>
#include <QDateTime>
#include <QVariant>

// Excel's serial numbers for dates: days since 1899-12-30 for dates from 1900-03-01 on;
// Excel counts a 29 February 1900 that never was, so earlier dates are one day less.
namespace excel {

double DateToSerial(const QDate& date);
double DateTimeToSerial(const QDateTime& dateTime);
QDateTime SerialToDateTime(double serial);
// A number in a date format as a cell shows it: a time from 0 up to 1, a date where it holds
// no time, else a date and time; the number itself outside Excel's dates (up to 9999-12-31).
QVariant SerialValue(double serial);

} // namespace excel
