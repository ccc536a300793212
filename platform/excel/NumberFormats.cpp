#include "platform/excel/NumberFormats.h"

#include <QHash>

namespace excel {
namespace {
const QString kGeneralWord = QStringLiteral("General");

bool isDateToken(const QString& code, qsizetype at) {
    const char16_t lower = code.at(at).toLower().unicode();
    if (lower == u'e') {
        const QChar next = at + 1 < code.size() ? code.at(at + 1) : QChar();
        return next != u'+' && next != u'-';
    }
    return lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' || lower == u's';
}
} // namespace

bool IsDateFormatCode(const QString& code) {
    bool quoted = false;
    bool bracketed = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is a literal, a spacer or a fill
        } else if (c == u'[') {
            bracketed = true;
        } else if (c == u']') {
            bracketed = false;
        } else if (bracketed) {
            continue;
        } else if (QStringView(code).mid(i).startsWith(kGeneralWord, Qt::CaseInsensitive)) {
            i += kGeneralWord.size() - 1;
        } else if (isDateToken(code, i)) {
            return true;
        }
    }
    return false;
}

bool IsBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

int BuiltInFormatIndex(const QString& code) {
    static const QHash<QString, int> builtIn = {
        {kGeneralFormat, 0},
        {QStringLiteral("General"), 0},
        {QStringLiteral("0"), 1},
        {QStringLiteral("0.00"), 2},
        {kThousandsFormat, 3},
        {kThousandsDecimalsFormat, 4},
        {kPercentFormat, 9},
        {kPercentDecimalsFormat, 10},
        {kScientificFormat, 11},
        {QStringLiteral("# ?/?"), 12},
        {QStringLiteral("# ?\?/?\?"), 13},
        {kDateFormat, 14},
        {kTimeFormat, 20},
        {kTimeSecondsFormat, 21},
        {kDateTimeFormat, 22},
        {QStringLiteral("mm:ss"), 45},
        {QStringLiteral("[h]:mm:ss"), 46},
        {QStringLiteral("mm:ss.0"), 47},
        {QStringLiteral("##0.0E+0"), 48},
        {kTextFormat, 49},
    };
    return builtIn.value(code, -1);
}

} // namespace excel
