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

double characterWidth(QChar c) {
    return isWide(c.unicode()) ? 2 : 1;
}

// The font's size against the default font, bold counting a little wider.
double fontScale(const FontEntry& font) {
    return static_cast<double>(font.heightTwips) / kDefaultFontHeightTwips *
           (font.bold ? 1.1 : 1.0);
}

// Punctuation that never begins a line: the character before it moves down with it.
bool closesLine(QChar c) {
    static const QString kClosing = QStringLiteral("、。，．：；！？）」』】〕〉》”’%)]}!,.:;?");
    return kClosing.contains(c);
}

// Lays one line feed–free paragraph into lines of `room` characters, breaking after a
// blank or around an East Asian character, and inside a word only when it is longer
// than a line.
int paragraphLines(QStringView paragraph, double room, double scale) {
    int lines = 1;
    double used = 0;
    double last = 0; // the width of what was placed last
    const auto place = [&](double width, bool closing) {
        if (used > 0 && used + width > room) {
            ++lines;
            used = closing && last < used ? last : 0;
        }
        used += width;
        last = width;
    };
    for (qsizetype i = 0; i < paragraph.size();) {
        const QChar c = paragraph[i];
        if (c == u' ' && used > 0 && used + scale > room) {
            ++lines; // the line breaks at the blank, which is not shown
            used = 0;
            ++i;
            continue;
        }
        if (c == u' ' || isWide(c.unicode())) {
            place(characterWidth(c) * scale, closesLine(c));
            ++i;
            continue;
        }
        qsizetype end = i;
        double word = 0;
        while (end < paragraph.size() && paragraph[end] != u' ' &&
               !isWide(paragraph[end].unicode())) {
            word += scale;
            ++end;
        }
        if (word <= room) {
            place(word, closesLine(paragraph[i]));
        } else {
            for (; i < end; ++i) {
                place(scale, false);
            }
        }
        i = end;
    }
    return lines;
}

double widestLine(const QString& text) {
    double widest = 0;
    double line = 0;
    for (const QChar c : text) {
        if (c == u'\n') {
            widest = std::max(widest, line);
            line = 0;
        } else if (c != u'\r') {
            line += characterWidth(c);
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
    const double scale = fontScale(styles.FontAt(format.font));
    const double characters = std::min(kMaxCharacters, widestLine(shown) * scale + kPadding);
    return static_cast<int>(std::lround(characters * 256));
}

int WrappedLines(const Cell& cell, const Styles& styles, int width) {
    if (cell.kind != Cell::Kind::Text) {
        return 1;
    }
    const double scale = fontScale(styles.FontAt(styles.Format(cell.format).font));
    // A width fitted to a text holds it on one line, whatever the rounding of 1/256.
    constexpr double kRounding = 0.01;
    const double room = std::max(width / 256.0 - kPadding + kRounding, 2 * scale);
    int lines = 0;
    for (const QStringView paragraph : QStringView(cell.text).split(u'\n')) {
        lines += paragraphLines(paragraph.endsWith(u'\r') ? paragraph.chopped(1) : paragraph, room,
                                scale);
    }
    return lines;
}

} // namespace excel
