#include "platform/app/Strings.h"

#include "platform/ado/CaseFold.h"

namespace Vb {
namespace {
// The code point at text[at], and at moved past it; a lone surrogate stands for itself.
char32_t nextCodePoint(QStringView text, qsizetype& at) {
    const QChar c = text[at++];
    if (c.isHighSurrogate() && at < text.size() && text[at].isLowSurrogate()) {
        return QChar::surrogateToUcs4(c, text[at++]);
    }
    return c.unicode();
}
} // namespace

bool SameText(QStringView a, QStringView b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (ado::FoldCase(nextCodePoint(a, i)) != ado::FoldCase(nextCodePoint(b, j))) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

} // namespace Vb
