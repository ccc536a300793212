#include "platform/excel/DateSerial.h"

#include <cmath>

namespace excel {
namespace {
const QDate kEpoch(1899, 12, 30);
const QDate kFirstAfterPhantomLeapDay(1900, 3, 1);
constexpr double kMillisecondsPerDay = 86400000.0;
constexpr double kAfterLastDate = 2958466; // 10000-01-01
} // namespace

double DateToSerial(const QDate& date) {
    const auto days = static_cast<double>(kEpoch.daysTo(date));
    return date < kFirstAfterPhantomLeapDay ? days - 1 : days;
}

double DateTimeToSerial(const QDateTime& dateTime) {
    return DateToSerial(dateTime.date()) +
           dateTime.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}

QDateTime SerialToDateTime(double serial) {
    const double wholeDays = std::floor(serial);
    const auto days = static_cast<qint64>(wholeDays);
    const QDate date = kEpoch.addDays(days < 61 ? days + 1 : days);
    const auto msecs = static_cast<int>(std::lround((serial - wholeDays) * kMillisecondsPerDay));
    return QDateTime(date, QTime(0, 0)).addMSecs(msecs);
}

QVariant SerialValue(double serial) {
    if (!(serial >= 0 && serial < kAfterLastDate)) {
        return serial;
    }
    const QDateTime moment = SerialToDateTime(serial);
    if (serial < 1) {
        return moment.time();
    }
    if (moment.time() == QTime(0, 0)) {
        return moment.date();
    }
    return moment;
}

} // namespace excel
