#pragma once

#include <QStringView>
#include <optional>
#include <string>
#include <vector>

// LIKE with the meaning Access gives it: % any run of characters, _ exactly one,
// [abc] / [a-z] one of a class, [!abc] one outside it. Letter case is ignored in
// every script. A pattern with an unclosed [ is invalid.
namespace ado {

class LikePattern {
public:
    // nullopt when the pattern is invalid.
    static std::optional<LikePattern> Compile(std::u32string_view pattern);

    bool Matches(std::u32string_view text) const;

    // UTF-8 text; buffer is scratch space for the decoded text.
    bool MatchesUtf8(const unsigned char* text, int size, std::u32string& buffer) const;

private:
    struct Token {
        enum Kind { Literal, AnyOne, AnyRun, Class } kind;
        char32_t ch = 0;       // Literal (case-folded)
        bool negated = false;  // Class
        size_t firstRange = 0; // Class: ranges_[firstRange, firstRange + rangeCount)
        size_t rangeCount = 0;
    };
    struct Range {
        char32_t low, high; // case-folded
    };

    bool matchesOne(const Token& token, char32_t folded) const;
    void prepareByteSearch();
    // A pattern that is one plain text with % at either end or both is matched on the
    // UTF-8 bytes directly.
    bool matchesBytes(const unsigned char* text, int size) const;

    // Set when the byte search applies: the literal in UTF-8, ASCII letters in lower case.
    bool byteSearch_ = false;
    bool anchoredStart_ = false;
    bool anchoredEnd_ = false;
    std::string literal_;

    std::vector<Token> tokens_;
    std::vector<Range> ranges_;
};

// Decodes UTF-8 into code points; a malformed or cut-off sequence becomes U+FFFD.
void DecodeUtf8(const unsigned char* text, int size, std::u32string& out);

// Convenience for tests and callers holding Qt text: nullopt for an invalid pattern.
std::optional<bool> AccessLike(QStringView pattern, QStringView text);

} // namespace ado
