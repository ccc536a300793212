#include "platform/excel/TypedInput.h"

#include "platform/excel/DateSerial.h"
#include "platform/excel/NumberFormats.h"

#include <QRegularExpression>
#include <cmath>

namespace excel {
namespace {

TypedInput text(const QString& typed) {
    return {false, 0, {}, typed};
}
TypedInput number(double value, const QString& format = {}) {
    return {true, value, format, {}};
}

bool mayBeNumberOrDate(const QString& trimmed) {
    if (trimmed.isEmpty()) {
        return false;
    }
    const QChar first = trimmed.front();
    return (first.unicode() >= u'0' && first.unicode() <= u'9') || first == u'+' || first == u'-' ||
           first == u'.' || first == u'(';
}

bool readNumber(const QString& trimmed, TypedInput& result) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^([+-])?(\d{1,3}(?:,\d{3})+|\d*)(?:\.(\d*))?(?:[eE]([+-]?\d{1,3}))?(%)?$)"));
    QString body = trimmed;
    bool negative = false;
    if (body.startsWith(u'(') && body.endsWith(u')')) {
        body = body.mid(1, body.size() - 2);
        negative = true;
    }
    const QRegularExpressionMatch m = pattern.match(body);
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && m.capturedLength(3) == 0) ||
        (negative && m.capturedLength(1) != 0)) {
        return false;
    }
    QString plain = m.captured(2).remove(u',');
    if (m.capturedLength(3) > 0) {
        plain += u'.' + m.captured(3);
    }
    if (m.capturedLength(4) > 0) {
        plain += u'e' + m.captured(4);
    }
    bool ok = false;
    double value = plain.isEmpty() ? 0 : plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return false;
    }
    if ((negative || m.captured(1) == u"-") && value != 0) {
        value = -value;
    }
    const bool decimals = m.capturedLength(3) > 0;
    QString format;
    if (m.capturedLength(5) > 0) {
        value /= 100;
        format = decimals ? kPercentDecimalsFormat : kPercentFormat;
    } else if (m.capturedLength(4) > 0) {
        format = kScientificFormat;
    } else if (m.captured(2).contains(u',')) {
        format = decimals ? kThousandsDecimalsFormat : kThousandsFormat;
    }
    result = number(value, format);
    return true;
}

bool validTime(int hour, int minute, int second) {
    return hour <= 23 && minute <= 59 && second <= 59;
}

double timeFraction(int hour, int minute, int second) {
    return (hour * 3600 + minute * 60 + second) / 86400.0;
}

bool readDate(const QString& trimmed, TypedInput& result) {
    static const QRegularExpression numeric(QStringLiteral(
        R"(^(\d{4})([-/])(\d{1,2})\2(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
    static const QRegularExpression chinese(QStringLiteral(R"(^(\d{4})年(\d{1,2})月(\d{1,2})日$)"));
    QRegularExpressionMatch m = numeric.match(trimmed);
    const bool isNumeric = m.hasMatch();
    if (!isNumeric) {
        m = chinese.match(trimmed);
        if (!m.hasMatch()) {
            return false;
        }
    }
    const QDate date(m.captured(1).toInt(), m.captured(isNumeric ? 3 : 2).toInt(),
                     m.captured(isNumeric ? 4 : 3).toInt());
    if (!date.isValid() || date.year() < 1900) {
        return false;
    }
    if (!isNumeric) {
        result = number(DateToSerial(date), QStringLiteral(R"(yyyy"年"m"月"d"日")"));
        return true;
    }
    if (m.capturedLength(5) == 0) {
        result = number(DateToSerial(date), kDateFormat);
        return true;
    }
    const int hour = m.captured(5).toInt();
    const int minute = m.captured(6).toInt();
    const int second = m.captured(7).toInt();
    if (!validTime(hour, minute, second)) {
        return false;
    }
    result = number(DateToSerial(date) + timeFraction(hour, minute, second), kDateTimeFormat);
    return true;
}

bool readTime(const QString& trimmed, TypedInput& result) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?$)"));
    const QRegularExpressionMatch m = pattern.match(trimmed);
    if (!m.hasMatch()) {
        return false;
    }
    const int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    const int second = m.captured(3).toInt();
    if (!validTime(hour, minute, second)) {
        return false;
    }
    result = number(timeFraction(hour, minute, second),
                    m.capturedLength(3) > 0 ? kTimeSecondsFormat : kTimeFormat);
    return true;
}

} // namespace

TypedInput ReadTypedInput(const QString& typed) {
    if (typed.startsWith(u'\'')) {
        return text(typed.mid(1));
    }
    const QString trimmed = typed.trimmed();
    if (!mayBeNumberOrDate(trimmed) || typed.contains(u'\n')) {
        return text(typed);
    }
    TypedInput result;
    if (readNumber(trimmed, result) || readDate(trimmed, result) || readTime(trimmed, result)) {
        return result;
    }
    return text(typed);
}

} // namespace excel
