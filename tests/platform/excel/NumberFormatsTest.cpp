#include "platform/excel/NumberFormats.h"

#include <gtest/gtest.h>

namespace {
TEST(NumberFormats, ADateFormatHasDateTokensOutsideQuotesAndBrackets) {
    const struct {
        const char16_t* code;
        bool date;
    } cases[] = {
        {u"yyyy-mm-dd", true},   {u"yyyy\"年\"m\"月\"d\"日\"", true},
        {u"yyyy年m月d日", true}, {u"[$-804]e\"年\"m\"月\"d\"日\"", true},
        {u"ee/m", true},         {u"[DBNum1]e", true},
        {u"h:mm:ss", true},      {u"[h]:mm", true},
        {u"0\"年\"", false},     {u"\"日期\"0", false},
        {u"年月日", false},      {u"[Red]0.00", false},
        {u"0.00E+00", false},    {u"##0.0e-0", false},
        {u"General", false},     {u"G/通用格式", false},
        {u"\\d0", false},        {u"#,##0_d", false},
        {u"@", false},
    };
    for (const auto& c : cases) {
        const QString code = QString::fromUtf16(c.code);
        EXPECT_EQ(excel::IsDateFormatCode(code), c.date) << code.toStdString();
    }
}

TEST(NumberFormats, BuiltInDatesAreThoseOfEveryLocaleAndOfChineseExcel) {
    const struct {
        int id;
        bool date;
    } edges[] = {{0, false},  {13, false}, {14, true},  {22, true},  {23, false}, {26, false},
                 {27, true},  {36, true},  {37, false}, {44, false}, {45, true},  {47, true},
                 {48, false}, {49, false}, {50, true},  {58, true},  {59, false}, {164, false}};
    for (const auto& edge : edges) {
        EXPECT_EQ(excel::IsBuiltInDateFormat(edge.id), edge.date) << edge.id;
    }
}
} // namespace
