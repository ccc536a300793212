#include "platform/ado/NoCase.h"

#include "helpers/CaseTwins.h"
#include "platform/ado/CaseFold.h"
#include "platform/app/Strings.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {
int sign(int n) {
    return (n > 0) - (n < 0);
}

int compare(const QByteArray& a, const QByteArray& b) {
    return sign(ado::detail::CompareNoCase(
        reinterpret_cast<const unsigned char*>(a.constData()), static_cast<int>(a.size()),
        reinterpret_cast<const unsigned char*>(b.constData()), static_cast<int>(b.size())));
}

// The engine's built-in NOCASE: bytes, ASCII letters lowered, then the shorter first.
int builtInNoCase(const QByteArray& a, const QByteArray& b) {
    const auto lower = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    };
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return lower(a[i]) < lower(b[i]) ? -1 : 1;
        }
    }
    return sign(static_cast<int>(a.size() - b.size()));
}

// The order as defined, without the shortcuts: each text as its characters, folded, a byte
// that starts no well-formed character standing alone above them all; compared one by one,
// the shorter text first.
std::u32string foldedUnits(const QByteArray& text) {
    std::u32string units;
    for (qsizetype at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int extra = lead < 0x80   ? 0
                          : lead < 0xC2 ? -1
                          : lead < 0xE0 ? 1
                          : lead < 0xF0 ? 2
                          : lead < 0xF5 ? 3
                                        : -1;
        const QByteArray bytes = text.mid(at, extra + 1);
        const QList<uint> one = QString::fromUtf8(bytes).toUcs4();
        const char32_t c = one.isEmpty() ? 0 : one.front();
        // Well-formed when it decodes to one character that encodes back to the same bytes.
        if (extra >= 0 && one.size() == 1 && QString::fromUcs4(&c, 1).toUtf8() == bytes) {
            units.push_back(ado::FoldCase(c));
            at += extra + 1;
        } else {
            units.push_back(0x110000 + lead);
            ++at;
        }
    }
    return units;
}

int byDefinition(const QByteArray& a, const QByteArray& b) {
    return sign(foldedUnits(a).compare(foldedUnits(b)));
}

// Texts of random pieces, some of them cased letters of other scripts or not UTF-8 at all.
std::vector<QByteArray> randomTexts(const std::vector<QByteArray>& pieces, int count) {
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);
    std::vector<QByteArray> texts;
    for (int i = 0; i < count; ++i) {
        QByteArray text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[piece(random)];
        }
        texts.push_back(text);
    }
    return texts;
}

TEST(NoCase, TwinsAreEqualExactlyWhenTheyDifferInLetterCaseOnly) {
    for (const CaseTwin& twin : CaseTwins()) {
        EXPECT_EQ(compare(twin.stored.toUtf8(), twin.typed.toUtf8()) == 0, twin.same)
            << twin.stored.toStdString() << " / " << twin.typed.toStdString();
        EXPECT_EQ(Vb::SameText(twin.stored, twin.typed), twin.same) << "the windows agree";
    }
    EXPECT_EQ(compare("\xE2\x84\xAA", "k"), 0) << "the Kelvin sign";
    EXPECT_EQ(compare("\xC5\xBF", "S"), 0) << "the long s";
}

TEST(NoCase, OrdersAsTheBuiltInOneWhereOnlyAsciiLettersHaveCase) {
    const std::vector<QByteArray> pieces = {"a", "B",    "b",  "Z",  "_",  "0",
                                            "~", "\x7F", "质", "量", "、", "\xF0\x9F\x98\x80"};
    const std::vector<QByteArray> texts = randomTexts(pieces, 300);
    for (const QByteArray& a : texts) {
        for (const QByteArray& b : texts) {
            ASSERT_EQ(compare(a, b), builtInNoCase(a, b))
                << a.toHex().toStdString() << " / " << b.toHex().toStdString();
        }
    }
}

TEST(NoCase, OrdersEveryKindOfTextAsDefinedAndTotally) {
    // é É σ Σ ς ẞ ß k, the Kelvin sign, ａ Ａ, 中 whole, cut and as a stray byte, bytes
    // that start nothing, a surrogate and an overlong form.
    const std::vector<QByteArray> pieces = {"e",
                                            "E",
                                            "\xC3\xA9",
                                            "\xC3\x89",
                                            "\xCF\x83",
                                            "\xCE\xA3",
                                            "\xCF\x82",
                                            "\xE1\xBA\x9E",
                                            "\xC3\x9F",
                                            "k",
                                            "\xE2\x84\xAA",
                                            "\xEF\xBD\x81",
                                            "\xEF\xBC\xA1",
                                            "\xE4\xB8\xAD",
                                            "\xE4\xB8",
                                            "\xAD",
                                            "\xFF",
                                            "\xC3",
                                            "\xED\xA0\x80",
                                            "\xC0\x80"};
    std::vector<QByteArray> texts = randomTexts(pieces, 150);
    for (const QByteArray& a : texts) {
        for (const QByteArray& b : texts) {
            ASSERT_EQ(compare(a, b), byDefinition(a, b))
                << a.toHex().toStdString() << " / " << b.toHex().toStdString();
        }
    }
    std::sort(texts.begin(), texts.end(),
              [](const QByteArray& a, const QByteArray& b) { return compare(a, b) < 0; });
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            ASSERT_LE(compare(texts[i], texts[j]), 0) << "sorted order holds for every pair";
        }
    }
}

TEST(NoCase, BytesThatAreNotUtf8SortAfterEveryCharacter) {
    EXPECT_GT(compare("\xFF", "\xF4\x8F\xBF\xBF"), 0) << "above U+10FFFF";
    EXPECT_GT(compare("\x80", "\xE4\xB8\xAD"), 0) << "a stray continuation byte";
    EXPECT_GT(compare("\xE4\xB8", "\xE4\xB8\xAD"), 0) << "a sequence cut off at the end";
    EXPECT_NE(compare("\xC1\x81", "a"), 0) << "an overlong form is no letter";
    EXPECT_LT(compare("\xC3", "\xC4"), 0);
    EXPECT_EQ(compare("", ""), 0);
    EXPECT_LT(compare("", "a"), 0);
}
} // namespace
