#include "platform/ado/CaseFold.h"

#include <QChar>

namespace ado {

char32_t FoldCase(char32_t c) {
    if (c < 0x80) {
        return (c >= U'A' && c <= U'Z') ? c + 32 : c;
    }
    return QChar::toCaseFolded(c);
}

} // namespace ado
