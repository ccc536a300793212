#include "platform/excel/AutoFit.h"

#include "platform/excel/DateSerial.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace excel {
namespace {
constexpr double kMaxCharacters = 255;
constexpr double kPadding = 0.75; // the cell's margins and gridline, in characters

// Characters that Chinese fonts draw full width: CJK scripts and punctuation, full-width
// forms, and the symbol blocks (arrows, mathematical signs, boxes, "√", "□").
bool isWide(char16_t c) {
    return (c >= 0x1100 && c <= 0x115F) ||
           (c >= 0x2000 && c <= 0x2BFF && c != 0x2002 && c != 0x2009) ||
           (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xD800 && c <= 0xDFFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

double widestLine(const QString& text) {
    double widest = 0;
    double line = 0;
    for (const QChar c : text) {
        if (c == u'\n') {
            widest = std::max(widest, line);
            line = 0;
        } else if (c != u'\r') {
            line += isWide(c.unicode()) ? 2 : 1;
        }
    }
    return std::max(widest, line);
}

// The number as the cell shows it, near enough for its width.
QString shownNumber(double number, const QString& format, bool isDate) {
    if (isDate) {
        const QDateTime moment = SerialToDateTime(number);
        return moment.time() == QTime(0, 0) ? moment.toString(QStringLiteral("yyyy/M/d"))
                                            : moment.toString(QStringLiteral("yyyy/M/d h:mm"));
    }
    if (format.endsWith(u'%')) {
        return QString::number(number * 100, 'f', format.contains(u'.') ? 2 : 0) + u'%';
    }
    if (format.contains(u',')) {
        return QLocale::c().toString(number, 'f', format.contains(u'.') ? 2 : 0);
    }
    return QString::number(number, 'g', 11);
}
} // namespace

int FittingWidth(const Cell& cell, const Styles& styles) {
    if (cell.kind == Cell::Kind::Empty) {
        return 0;
    }
    const CellFormat& format = styles.Format(cell.format);
    const QString shown = cell.kind == Cell::Kind::Text
                              ? cell.text
                              : shownNumber(cell.number, styles.NumberFormat(format.numberFormat),
                                            styles.IsDateFormat(format.numberFormat));
    const FontEntry& font = styles.FontAt(format.font);
    const double scale = static_cast<double>(font.heightTwips) / kDefaultFontHeightTwips;
    const double characters =
        std::min(kMaxCharacters, widestLine(shown) * scale * (font.bold ? 1.1 : 1.0) + kPadding);
    return static_cast<int>(std::lround(characters * 256));
}

} // namespace excel
