#pragma once

#include <QString>
#include <QStringView>

namespace Vb {

// Removes the spaces (U+0020) at both ends and nothing else: tabs, line breaks and
// full-width spaces a user typed at the ends are kept.
inline QString Trim(QStringView text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ') {
        ++start;
    }
    while (end > start && text[end - 1] == u' ') {
        --end;
    }
    return text.mid(start, end - start).toString();
}

// True when the texts differ in letter case only, in any script: the comparison of the
// program's text "=" (ado::FoldCase on each code point).
bool SameText(QStringView a, QStringView b);

} // namespace Vb
