#include "platform/ado/AccessLike.h"

#include "platform/ado/CaseFold.h"

#include <QList>
#include <QString>
#include <string>
#include <vector>

namespace ado {
namespace {
std::u32string toCodePoints(QStringView text) {
    std::u32string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const char32_t c : text.toUcs4()) {
        out.push_back(c);
    }
    return out;
}
} // namespace

void DecodeUtf8(const unsigned char* text, int size, std::u32string& out) {
    out.clear();
    for (int i = 0; i < size;) {
        const unsigned char lead = text[i];
        const int extra = lead < 0x80             ? 0
                          : (lead & 0xE0) == 0xC0 ? 1
                          : (lead & 0xF0) == 0xE0 ? 2
                          : (lead & 0xF8) == 0xF0 ? 3
                                                  : -1;
        if (extra < 0 || i + extra >= size) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : (lead & (0x3F >> extra));
        int k = 1;
        for (; k <= extra && (text[i + k] & 0xC0) == 0x80; ++k) {
            cp = (cp << 6) | (text[i + k] & 0x3F);
        }
        if (k <= extra) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += extra + 1;
    }
}

std::optional<LikePattern> LikePattern::Compile(std::u32string_view pattern) {
    LikePattern compiled;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char32_t c = pattern[i];
        if (c == U'%') {
            if (compiled.tokens_.empty() || compiled.tokens_.back().kind != Token::AnyRun) {
                compiled.tokens_.push_back({Token::AnyRun});
            }
        } else if (c == U'_') {
            compiled.tokens_.push_back({Token::AnyOne});
        } else if (c == U'[') {
            const size_t close = pattern.find(U']', i + 1);
            if (close == std::u32string_view::npos) {
                return std::nullopt;
            }
            Token token{Token::Class};
            size_t p = i + 1;
            if (p < close && pattern[p] == U'!') {
                token.negated = true;
                ++p;
            }
            token.firstRange = compiled.ranges_.size();
            for (; p < close; ++p) {
                char32_t low = FoldCase(pattern[p]);
                char32_t high = low;
                if (p + 2 < close && pattern[p + 1] == U'-') {
                    high = FoldCase(pattern[p + 2]);
                    p += 2;
                }
                compiled.ranges_.push_back({std::min(low, high), std::max(low, high)});
            }
            token.rangeCount = compiled.ranges_.size() - token.firstRange;
            compiled.tokens_.push_back(token);
            i = close;
        } else {
            compiled.tokens_.push_back({Token::Literal, FoldCase(c)});
        }
    }
    compiled.prepareByteSearch();
    return compiled;
}

namespace {
constexpr char32_t kCodePoints = 0x110000;

// The foldings of the non-ASCII code points that fold to another one: ß (from ẞ), k (from
// the Kelvin sign), s (from the long s), σ (from Σ and ς), é (from É) and the like.
bool foldedFromAboveAscii(char32_t c) {
    static const std::vector<bool> targets = [] {
        std::vector<bool> folded(kCodePoints);
        for (char32_t c = 0x80; c < kCodePoints; ++c) {
            if (const char32_t f = FoldCase(c); f != c && f < kCodePoints) {
                folded[f] = true;
            }
        }
        return folded;
    }();
    return c < kCodePoints && targets[c];
}

// A folded literal that nothing but its own bytes matches, an ASCII letter in either case
// (the byte search lowers ASCII): then the bytes decide exactly as the decoded text would.
bool matchesByBytes(char32_t c) {
    return c < kCodePoints && !(c >= 0xD800 && c <= 0xDFFF) && FoldCase(c) == c &&
           !foldedFromAboveAscii(c);
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

unsigned char lowerAscii(unsigned char b) {
    return (b >= 'A' && b <= 'Z') ? b + 32 : b;
}

bool equalAt(const unsigned char* text, const std::string& literal) {
    for (size_t i = 0; i < literal.size(); ++i) {
        if (lowerAscii(text[i]) != static_cast<unsigned char>(literal[i])) {
            return false;
        }
    }
    return true;
}
} // namespace

void LikePattern::prepareByteSearch() {
    size_t first = 0;
    size_t last = tokens_.size();
    anchoredStart_ = first == last || tokens_[first].kind != Token::AnyRun;
    if (!anchoredStart_) {
        ++first;
    }
    anchoredEnd_ = first == last || tokens_[last - 1].kind != Token::AnyRun;
    if (!anchoredEnd_ && last > first) {
        --last;
    }
    for (size_t i = first; i < last; ++i) {
        if (tokens_[i].kind != Token::Literal || !matchesByBytes(tokens_[i].ch)) {
            return;
        }
        appendUtf8(literal_, tokens_[i].ch);
    }
    byteSearch_ = true;
}

bool LikePattern::MatchesUtf8(const unsigned char* text, int size, std::u32string& buffer) const {
    if (byteSearch_) {
        return matchesBytes(text, size);
    }
    DecodeUtf8(text, size, buffer);
    return Matches(buffer);
}

bool LikePattern::matchesBytes(const unsigned char* text, int size) const {
    const auto length = static_cast<int>(literal_.size());
    if (length > size) {
        return false;
    }
    if (anchoredStart_ && anchoredEnd_) {
        return length == size && equalAt(text, literal_);
    }
    if (anchoredStart_) {
        return equalAt(text, literal_);
    }
    if (anchoredEnd_) {
        return equalAt(text + size - length, literal_);
    }
    for (int at = 0; at + length <= size; ++at) {
        if (equalAt(text + at, literal_)) {
            return true;
        }
    }
    return false;
}

bool LikePattern::matchesOne(const Token& token, char32_t folded) const {
    switch (token.kind) {
    case Token::Literal:
        return token.ch == folded;
    case Token::AnyOne:
        return true;
    case Token::Class: {
        bool inside = false;
        for (size_t r = token.firstRange; r < token.firstRange + token.rangeCount; ++r) {
            if (folded >= ranges_[r].low && folded <= ranges_[r].high) {
                inside = true;
                break;
            }
        }
        return inside != token.negated;
    }
    case Token::AnyRun:
        break;
    }
    return false;
}

// Greedy matching that returns to the last % on a mismatch: linear in most cases,
// never worse than text length times pattern length, and without recursion.
bool LikePattern::Matches(std::u32string_view text) const {
    size_t t = 0;
    size_t p = 0;
    size_t starToken = SIZE_MAX;
    size_t starText = 0;
    while (t < text.size()) {
        if (p < tokens_.size() && tokens_[p].kind == Token::AnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < tokens_.size() && matchesOne(tokens_[p], FoldCase(text[t]))) {
            ++p;
            ++t;
        } else if (starToken != SIZE_MAX) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokens_.size() && tokens_[p].kind == Token::AnyRun) {
        ++p;
    }
    return p == tokens_.size();
}

std::optional<bool> AccessLike(QStringView pattern, QStringView text) {
    const auto compiled = LikePattern::Compile(toCodePoints(pattern));
    if (!compiled) {
        return std::nullopt;
    }
    const QByteArray utf8 = text.toUtf8();
    std::u32string buffer;
    return compiled->MatchesUtf8(reinterpret_cast<const unsigned char*>(utf8.constData()),
                                 static_cast<int>(utf8.size()), buffer);
}

} // namespace ado
