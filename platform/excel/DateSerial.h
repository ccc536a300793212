#pragma once

#include <QDate>
#include <QDateTime>

// Excel's serial numbers for dates: days since 1899-12-30 for dates from 1900-03-01 on;
// Excel counts a 29 February 1900 that never was, so earlier dates are one day less.
namespace excel {

double DateToSerial(const QDate& date);
double DateTimeToSerial(const QDateTime& dateTime);
QDateTime SerialToDateTime(double serial);

} // namespace excel
