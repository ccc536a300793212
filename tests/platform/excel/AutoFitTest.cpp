#include "platform/excel/Application.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <gtest/gtest.h>

namespace {
using namespace excel;

class AutoFit : public testing::Test {
protected:
    // The width AutoFit gives column A holding only `value`, in characters.
    double widthFor(const QString& value, double points = 11) {
        Workbook& book = app.Workbooks().Add();
        Worksheet& sheet = book.Worksheets().Item(1);
        sheet.Range(QStringLiteral("A1")).SetValue(value);
        sheet.Range(QStringLiteral("A1")).Font().SetSize(points);
        sheet.Columns().AutoFit();
        const double width = sheet.ColumnWidth(0) / 256.0;
        book.Close();
        return width;
    }

    Application app;
};

TEST_F(AutoFit, EastAsianCharactersCountAboutDouble) {
    const double latin = widthFor(QStringLiteral("abcdef"));
    const double chinese = widthFor(QStringLiteral("质量保证部门"));
    EXPECT_GT(latin, 6);
    EXPECT_LT(latin, 8);
    EXPECT_NEAR(chinese - latin, 6, 0.01);
    EXPECT_NEAR(widthFor(QStringLiteral("√□、，")) - widthFor(QStringLiteral("abcd")), 4, 0.01)
        << "symbols and punctuation are full width in Chinese fonts";
}

TEST_F(AutoFit, TheWidestLineCountsAndSizeScales) {
    EXPECT_EQ(widthFor(QStringLiteral("部门\nDepartment")), widthFor(QStringLiteral("Department")));
    EXPECT_GT(widthFor(QStringLiteral("Department"), 22),
              1.9 * widthFor(QStringLiteral("Department")));
    EXPECT_EQ(widthFor(QStringLiteral("1234567")), widthFor(QStringLiteral("abcdefg")))
        << "a number counts as it is shown";
}

TEST_F(AutoFit, StaysWithinExcelsLimitOf255Characters) {
    EXPECT_EQ(widthFor(QString(1000, u'x')), 255);
}

TEST_F(AutoFit, MergedCellsAndEmptyColumnsKeepTheirWidth) {
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Worksheets().Item(1);
    sheet.Range(QStringLiteral("A1")).SetValue(QString(80, u'标'));
    sheet.Range(QStringLiteral("A1:C1")).Merge();
    sheet.Range(QStringLiteral("A2")).SetValue(QStringLiteral("ab"));
    sheet.Range(QStringLiteral("B2")).Font().SetBold(true);
    sheet.Columns().AutoFit();
    EXPECT_LT(sheet.ColumnWidth(0), 4 * 256) << "the merged title does not widen column A";
    EXPECT_EQ(sheet.ColumnWidth(1), -1) << "a formatted but empty column keeps the default";
    EXPECT_EQ(sheet.ColumnWidth(2), -1);
}

} // namespace
