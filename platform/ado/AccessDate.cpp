#include "platform/ado/AccessDate.h"

#include <QRegularExpression>
#include <cmath>

namespace ado {
namespace {
std::optional<QTime> parseTime(const QString& hours, const QString& minutes,
                               const QString& seconds) {
    if (hours.isEmpty()) {
        return QTime(0, 0);
    }
    const QTime time(hours.toInt(), minutes.toInt(), seconds.isEmpty() ? 0 : seconds.toInt());
    if (!time.isValid()) {
        return std::nullopt;
    }
    return time;
}

std::optional<QDateTime> build(int year, int month, int day, const QRegularExpressionMatch& m,
                               int timeGroup) {
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    const auto time =
        parseTime(m.captured(timeGroup), m.captured(timeGroup + 1), m.captured(timeGroup + 2));
    if (!time) {
        return std::nullopt;
    }
    return QDateTime(date, *time);
}
} // namespace

std::optional<QDateTime> ParseAccessDate(QStringView text) {
    static const QRegularExpression yearFirst(QStringLiteral(
        R"(^\s*(\d{4})([-/])(\d{1,2})\2(\d{1,2})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    static const QRegularExpression monthFirst(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    if (const auto m = yearFirst.match(text); m.hasMatch()) {
        return build(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), m, 5);
    }
    if (const auto m = monthFirst.match(text); m.hasMatch()) {
        return build(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt(), m, 4);
    }
    return std::nullopt;
}

QString StoredDateText(const QDateTime& value) {
    if (value.time() == QTime(0, 0)) {
        return value.date().toString(QStringLiteral("yyyy-MM-dd"));
    }
    return value.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QVariant DateFromStored(const QString& stored) {
    const QDate date = QDate::fromString(stored, QStringLiteral("yyyy-MM-dd"));
    if (date.isValid()) {
        return date;
    }
    QDateTime dateTime = QDateTime::fromString(stored, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!dateTime.isValid() && stored.size() > 10 && stored.at(10) == u'T') {
        dateTime = QDateTime::fromString(stored, Qt::ISODateWithMs);
    }
    if (!dateTime.isValid()) {
        return stored;
    }
    if (dateTime.time() == QTime(0, 0)) {
        return dateTime.date();
    }
    // As written: an offset or "Z" in the text does not move the date.
    return QDateTime(dateTime.date(), dateTime.time());
}

std::optional<QDateTime> DateFromSerial(double days) {
    constexpr double kFirst = -657434; // 100-01-01
    constexpr double kLast = 2958466;  // the day after 9999-12-31
    if (!(days >= kFirst && days < kLast)) {
        return std::nullopt;
    }
    const double whole = std::trunc(days);
    const auto seconds = static_cast<int>(std::llround(std::abs(days - whole) * 86400.0));
    const QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(whole));
    return QDateTime(date, QTime(0, 0)).addSecs(seconds);
}

} // namespace ado
