#include "platform/ado/AccessDialect.h"

#include "platform/ado/AccessDate.h"
#include "platform/ado/Ado.h"
#include "platform/app/Strings.h"

#include <gtest/gtest.h>

namespace {
struct RewriteCase {
    const char* access;
    const char* sqlite;
};

class RewriteTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(RewriteTest, RewritesOnlyOutsideLiterals) {
    const RewriteCase& c = GetParam();
    EXPECT_EQ(ado::RewriteAccessSql(QString::fromUtf8(c.access)).toStdString(), c.sqlite);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RewriteTest,
    testing::Values(
        RewriteCase{"delete * from 训练表 where id=5", "delete from 训练表 where id=5"},
        RewriteCase{"DELETE  *  FROM 部门表", "DELETE FROM 部门表"},
        RewriteCase{"delete from 部门表", "delete from 部门表"},
        RewriteCase{"select * from 训练表", "select * from 训练表"},
        RewriteCase{"select * from t where a='delete * from x'",
                    "select * from t where a='delete * from x'"},
        RewriteCase{"select * from 训练表 where 训练时间 between #2014-01-01# and #2014-12-31#",
                    "select * from 训练表 where 训练时间 between '2014-01-01' and '2014-12-31'"},
        RewriteCase{"x=#2015/3/5#", "x='2015-03-05'"},
        RewriteCase{"x=#3/5/2015#", "x='2015-03-05'"},
        RewriteCase{"x=#2015-03-05 8:30#", "x='2015-03-05 08:30:00'"},
        RewriteCase{"x='#2015-03-05#'", "x='#2015-03-05#'"},
        RewriteCase{"x='it''s #1 * True'", "x='it''s #1 * True'"},
        RewriteCase{"新进员工=True and 法规=false or SOP=Yes or 专业技术=NO",
                    "新进员工=1 and 法规=0 or SOP=1 or 专业技术=0"},
        RewriteCase{"TrueName=1 and [True]=2", "TrueName=1 and [True]=2"},
        RewriteCase{"a=\"O'Neil \"\"Jr\"\"\"", "a='O''Neil \"Jr\"'"},
        RewriteCase{"a like '%质量%' and b like '[!a-c]_'", "a like '%质量%' and b like '[!a-c]_'"},
        RewriteCase{"a='unclosed", "a='unclosed"}));

TEST(RewriteErrors, MalformedDateLiteralIsAnError) {
    for (const char* sql : {"x=#2015-13-01#", "x=#not a date#", "x=#2015-01-01"}) {
        EXPECT_THROW(ado::RewriteAccessSql(QString::fromUtf8(sql)), ado::Error) << sql;
    }
}

TEST(AccessDate, StoredTextKeepsTimeOnlyWhenPresent) {
    EXPECT_EQ(ado::StoredDateText(QDateTime(QDate(2009, 2, 4), QTime(0, 0))), "2009-02-04");
    EXPECT_EQ(ado::StoredDateText(QDateTime(QDate(2009, 2, 4), QTime(13, 5, 9))),
              "2009-02-04 13:05:09");
    EXPECT_EQ(ado::DateFromStored("2009-02-04").toDate(), QDate(2009, 2, 4));
    EXPECT_EQ(ado::DateFromStored("2009-02-04 13:05:09").toDateTime(),
              QDateTime(QDate(2009, 2, 4), QTime(13, 5, 9)));
    EXPECT_FALSE(ado::ParseAccessDate(u"2009-02-30").has_value());
    EXPECT_EQ(ado::ParseAccessDate(u"2000-1-1")->date(), QDate(2000, 1, 1));
}
TEST(VbTrim, RemovesOnlySpacesAtTheEnds) {
    EXPECT_EQ(Vb::Trim(u"  质 量  "), "质 量");
    EXPECT_EQ(Vb::Trim(u"\t a \n"), "\t a \n");
    EXPECT_EQ(Vb::Trim(u"\u3000GMP\u3000 "), "\u3000GMP\u3000");
    EXPECT_EQ(Vb::Trim(u"    "), "");
    EXPECT_EQ(Vb::Trim(u""), "");
}
} // namespace
