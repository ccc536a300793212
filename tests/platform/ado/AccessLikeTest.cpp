#include "platform/ado/AccessLike.h"

#include "platform/ado/CaseFold.h"

#include <QString>
#include <gtest/gtest.h>

namespace {
struct LikeCase {
    const char* text;
    const char* pattern;
    bool matches;
};

class LikeTest : public testing::TestWithParam<LikeCase> {};

TEST_P(LikeTest, HasAccessMeaning) {
    const LikeCase& c = GetParam();
    const auto result = ado::AccessLike(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text));
    ASSERT_TRUE(result.has_value()) << c.pattern;
    EXPECT_EQ(*result, c.matches) << c.text << " LIKE " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LikeTest,
    testing::Values(
        LikeCase{"质量保证部", "%质量%", true}, LikeCase{"生产部", "%质量%", false},
        LikeCase{"SOP-QA-001", "%qa%", true}, LikeCase{"sop-qa-001", "SOP%", true},
        LikeCase{"ΑΒΓ", "%αβγ%", true}, LikeCase{"ＧＭＰ培训", "%ｇｍｐ%", true},
        LikeCase{"ab", "a_", true}, LikeCase{"abc", "a_", false}, LikeCase{"张三", "张_", true},
        LikeCase{"b1", "[abc]1", true}, LikeCase{"d1", "[abc]1", false},
        LikeCase{"D1", "[a-f]1", true}, LikeCase{"x", "[!a-c]", true},
        LikeCase{"b", "[!a-c]", false}, LikeCase{"50%", "%[%]", true}, LikeCase{"5_", "%[_]", true},
        LikeCase{"", "%", true}, LikeCase{"", "_", false}, LikeCase{"2014-01-01", "%2014%", true},
        LikeCase{"aaaaaaaaaaaaaaaaaaaaaaaab", "%a%a%a%a%a%a%a%c", false},
        LikeCase{"王五、张三、李四", "%张三%", true}, LikeCase{"\u212A", "%k%", true},
        LikeCase{"\u017F", "%S%", true}, LikeCase{"质量GMP培训", "%gmp%", true},
        LikeCase{"质量GMP培训", "%gnp%", false}, LikeCase{"abc", "ab", false},
        LikeCase{"abc", "ABC", true}, LikeCase{"abc", "%BC", true}, LikeCase{"abc", "%AB", false},
        LikeCase{"abc", "AB%", true}, LikeCase{"abc", "BC%", false}, LikeCase{"ab", "%abc%", false},
        LikeCase{"Ⅱ期", "%ⅱ%", true}, LikeCase{"STRAẞE", "%ß%", true},
        LikeCase{"straße", "%ẞ%", true}, LikeCase{"ΣΟΦΙΑ", "%ς%", true},
        LikeCase{"École", "%é%", true}, LikeCase{"Ecole", "%é%", false}));

// Every code point that folds to another matches it and is matched by it, whichever way
// the pattern is matched (on the bytes or on the decoded text).
TEST(LikeFolding, EveryCaseVariantMatchesItsFolding) {
    for (char32_t c = 0x80; c < 0x110000; ++c) {
        const char32_t folded = ado::FoldCase(c);
        if (folded == c) {
            continue;
        }
        const QString text = QString::fromUcs4(&c, 1);
        const QString foldedText = QString::fromUcs4(&folded, 1);
        ASSERT_EQ(ado::AccessLike(u'%' + foldedText + u'%', u'x' + text + u'y'), true)
            << std::hex << static_cast<unsigned>(c);
        ASSERT_EQ(ado::AccessLike(u'%' + text + u'%', u'x' + foldedText + u'y'), true)
            << std::hex << static_cast<unsigned>(c);
    }
}

TEST(LikePatternErrors, UnclosedClassIsInvalid) {
    EXPECT_FALSE(ado::AccessLike(u"%[GMP%", u"[GMP").has_value());
}

TEST(Utf8, MalformedBytesBecomeReplacementCharacters) {
    const unsigned char bytes[] = {'a', 0xE8, 0xB4, 'b', 0xC3};
    std::u32string out;
    ado::DecodeUtf8(bytes, sizeof bytes, out);
    EXPECT_EQ(out, (std::u32string{U'a', 0xFFFD, 0xFFFD, U'b', 0xFFFD}));
    const QByteArray chinese = QStringLiteral("质量").toUtf8();
    ado::DecodeUtf8(reinterpret_cast<const unsigned char*>(chinese.constData()),
                    static_cast<int>(chinese.size()), out);
    EXPECT_EQ(out, (std::u32string{U'质', U'量'}));
}
} // namespace
