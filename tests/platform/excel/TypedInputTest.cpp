#include "platform/excel/Application.h"
#include "platform/excel/DateSerial.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {
using namespace excel;

class TypedInput : public testing::Test {
protected:
    Range cell(const char* address) { return sheet.Range(QLatin1String(address)); }

    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Worksheets().Item(1);
};

struct Typed {
    const char16_t* typed;
    QVariant value;
    const char16_t* numberFormat;
};

TEST_F(TypedInput, TextIsReadAsExcelReadsWhatIsTyped) {
    const Typed cases[] = {
        {u"001", 1.0, u"G/通用格式"},
        {u" 12 ", 12.0, u"G/通用格式"},
        {u"-3.5", -3.5, u"G/通用格式"},
        {u"+.5", 0.5, u"G/通用格式"},
        {u"(5)", -5.0, u"G/通用格式"},
        {u"1,234", 1234.0, u"#,##0"},
        {u"1,234.5", 1234.5, u"#,##0.00"},
        {u"12%", 0.12, u"0%"},
        {u"12.5%", 0.125, u"0.00%"},
        {u"1e3", 1000.0, u"0.00E+00"},
        {u"2014-12-04", QDate(2014, 12, 4), u"yyyy/m/d"},
        {u"2014/12/4", QDate(2014, 12, 4), u"yyyy/m/d"},
        {u"2014年12月4日", QDate(2014, 12, 4), u"yyyy\"年\"m\"月\"d\"日\""},
        {u"2014-12-04 10:30", QDateTime(QDate(2014, 12, 4), QTime(10, 30)), u"yyyy/m/d h:mm"},
        {u"10:30", QTime(10, 30), u"h:mm"},
        {u"7:05:09", QTime(7, 5, 9), u"h:mm:ss"},
        // Everything else stays text, exactly as given.
        {u"12,34", QStringLiteral("12,34"), u"G/通用格式"},
        {u"2014-02-30", QStringLiteral("2014-02-30"), u"G/通用格式"},
        {u"2014.12.04", QStringLiteral("2014.12.04"), u"G/通用格式"},
        {u"25:00", QStringLiteral("25:00"), u"G/通用格式"},
        {u"SOP-001", QStringLiteral("SOP-001"), u"G/通用格式"},
        {u"3a", QStringLiteral("3a"), u"G/通用格式"},
        {u"1\n2", QStringLiteral("1\n2"), u"G/通用格式"},
        {u"部门\nDepartment", QStringLiteral("部门\nDepartment"), u"G/通用格式"},
        {u" √ ", QStringLiteral(" √ "), u"G/通用格式"},
        {u"'001", QStringLiteral("001"), u"G/通用格式"},
        {u"-", QStringLiteral("-"), u"G/通用格式"},
    };
    int row = 1;
    for (const Typed& c : cases) {
        Range target = sheet.Range(QStringLiteral("A%1").arg(row++));
        target.SetValue(QString::fromUtf16(c.typed));
        EXPECT_EQ(target.Value(), c.value) << QString::fromUtf16(c.typed).toStdString();
        EXPECT_EQ(target.NumberFormatLocal(), QString::fromUtf16(c.numberFormat))
            << QString::fromUtf16(c.typed).toStdString();
    }
}

TEST_F(TypedInput, TextFormattedCellsKeepTheExactText) {
    for (const char16_t* typed : {u"001", u"2014-12-04", u"1,234", u"12%", u"'x"}) {
        Range target = cell("G5");
        target.SetNumberFormatLocal(QStringLiteral("@"));
        target.SetValue(QString::fromUtf16(typed));
        EXPECT_EQ(target.Value(), QString::fromUtf16(typed));
        EXPECT_EQ(target.NumberFormatLocal(), "@");
    }
}

TEST_F(TypedInput, EmptyTextEmptiesTheCellAndKeepsItsFormat) {
    cell("B2").SetValue(QStringLiteral("x"));
    cell("B2").Font().SetBold(true);
    cell("B2").SetValue(QString());
    EXPECT_FALSE(cell("B2").Value().isValid());
    EXPECT_TRUE(cell("B2").Font().Bold());
    cell("B3").SetValue(QStringLiteral("y"));
    cell("B3").SetValue(QVariant());
    EXPECT_FALSE(cell("B3").Value().isValid());
}

TEST_F(TypedInput, ANumberFormatOtherThanGeneralIsKept) {
    cell("C1").SetNumberFormatLocal(QStringLiteral("0.00"));
    cell("C1").SetValue(QStringLiteral("2014-12-04"));
    EXPECT_EQ(cell("C1").Value(), 41977.0);
    EXPECT_EQ(cell("C1").NumberFormatLocal(), "0.00");
}

TEST_F(TypedInput, NumbersAndDatesGivenAsSuchAreStored) {
    cell("D1").SetValue(3);
    cell("D2").SetValue(2.5);
    cell("D3").SetValue(QDate(2020, 2, 29));
    cell("D4").SetValue(QDateTime(QDate(2020, 2, 29), QTime(8, 0)));
    EXPECT_EQ(cell("D1").Value(), 3.0);
    EXPECT_EQ(cell("D2").Value(), 2.5);
    EXPECT_EQ(cell("D3").Value(), QDate(2020, 2, 29));
    EXPECT_EQ(cell("D3").NumberFormatLocal(), "yyyy/m/d");
    EXPECT_EQ(cell("D4").Value(), QDateTime(QDate(2020, 2, 29), QTime(8, 0)));
}

TEST(DateSerial, CountsExcelsPhantomLeapDayOf1900) {
    struct Case {
        QDate date;
        double serial;
    };
    for (const Case& c :
         {Case{QDate(1900, 1, 1), 1}, Case{QDate(1900, 2, 28), 59}, Case{QDate(1900, 3, 1), 61},
          Case{QDate(2014, 12, 4), 41977}, Case{QDate(9999, 12, 31), 2958465}}) {
        EXPECT_EQ(DateToSerial(c.date), c.serial) << c.date.toString().toStdString();
        EXPECT_EQ(SerialToDateTime(c.serial).date(), c.date);
    }
    EXPECT_EQ(SerialToDateTime(41977.75).time(), QTime(18, 0));
}

} // namespace
