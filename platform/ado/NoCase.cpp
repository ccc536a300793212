#include "platform/ado/NoCase.h"

#include "platform/ado/CaseFold.h"

#include <sqlite3.h>

namespace ado::detail {
namespace {
constexpr char32_t kPastUnicode = 0x110000;

unsigned char lowerAscii(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? b + 32 : b;
}

// The code point that starts at text[at], and at moved past it. A byte that starts no
// well-formed sequence (a stray continuation, an overlong form, a surrogate, a cut-off
// end) stands alone, above every code point.
char32_t decodeAt(const unsigned char* text, int size, int& at) {
    const unsigned char lead = text[at];
    const int extra = lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (extra > 0 && at + extra < size) {
        char32_t c = lead & (0x3F >> extra);
        int k = 1;
        for (; k <= extra && (text[at + k] & 0xC0) == 0x80; ++k) {
            c = (c << 6) | (text[at + k] & 0x3F);
        }
        if (k > extra && c >= least[extra] && c < kPastUnicode && !(c >= 0xD800 && c <= 0xDFFF)) {
            at += extra + 1;
            return c;
        }
    }
    ++at;
    return kPastUnicode + lead;
}

char32_t fold(char32_t c) {
    return c < kPastUnicode ? FoldCase(c) : c;
}

bool continuesAt(const unsigned char* text, int size, int at) {
    return at < size && (text[at] & 0xC0) == 0x80;
}

// Equal bytes decode to equal characters: the comparison starts after the bytes both texts
// share, where a character starts in both, so that no sequence is cut in two.
int sharedStart(const unsigned char* a, int aSize, const unsigned char* b, int bSize) {
    const int size = aSize < bSize ? aSize : bSize;
    int at = 0;
    while (at < size && a[at] == b[at]) {
        ++at;
    }
    while (at > 0 && (continuesAt(a, aSize, at) || continuesAt(b, bSize, at))) {
        --at;
    }
    return at;
}

int compare(void*, int aSize, const void* a, int bSize, const void* b) {
    return CompareNoCase(static_cast<const unsigned char*>(a), aSize,
                         static_cast<const unsigned char*>(b), bSize);
}
} // namespace

int CompareNoCase(const unsigned char* a, int aSize, const unsigned char* b, int bSize) {
    int i = sharedStart(a, aSize, b, bSize);
    int j = i;
    while (i < aSize && j < bSize) {
        if ((a[i] | b[j]) < 0x80) {
            // ASCII on both sides, the common case: no decoding, no table.
            const int difference = lowerAscii(a[i]) - lowerAscii(b[j]);
            if (difference != 0) {
                return difference;
            }
            ++i;
            ++j;
            continue;
        }
        const char32_t x = a[i] < 0x80 ? lowerAscii(a[i++]) : decodeAt(a, aSize, i);
        const char32_t y = b[j] < 0x80 ? lowerAscii(b[j++]) : decodeAt(b, bSize, j);
        if (x != y) {
            const char32_t fx = fold(x);
            const char32_t fy = fold(y);
            if (fx != fy) {
                return fx < fy ? -1 : 1;
            }
        }
    }
    return (i < aSize) - (j < bSize);
}

void InstallNoCase(sqlite3* db) {
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, compare, nullptr);
}

} // namespace ado::detail
