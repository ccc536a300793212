#include "helpers/ErrorOf.h"
#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
using namespace excel;

class Model : public testing::Test {
protected:
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Worksheets().Item(1);
};

TEST_F(Model, NewWorkbookHasExcelsThreeDefaultSheets) {
    EXPECT_EQ(app.Version(), "12.0");
    ASSERT_EQ(book.Worksheets().Count(), 3);
    EXPECT_EQ(book.Worksheets().Item(1).Name(), "Sheet1");
    EXPECT_EQ(book.Worksheets().Item(2).Name(), "Sheet2");
    EXPECT_EQ(book.Worksheets().Item(3).Name(), "Sheet3");
    EXPECT_EQ(errorOf([&] { book.Worksheets().Item(0); }), "下标越界：工作簿中没有第 0 个工作表。");
    EXPECT_EQ(errorOf([&] { book.Worksheets().Item(4); }), "下标越界：工作簿中没有第 4 个工作表。");
}

TEST_F(Model, SheetNamesExcelRefusesFailVisiblyAndLeaveTheName) {
    const QString invalid =
        QStringLiteral("工作表名称“%1”无效。名称不能为空，不能多于 31 个字符，"
                       "不能以单引号开头或结尾，也不能包含下列字符：: \\ / ? * [ ]");
    const QStringList refused = {QString(),
                                 QString(32, u'表'),
                                 QStringLiteral("a:b"),
                                 QStringLiteral("a\\b"),
                                 QStringLiteral("a/b"),
                                 QStringLiteral("a?b"),
                                 QStringLiteral("a*b"),
                                 QStringLiteral("a[b"),
                                 QStringLiteral("a]b"),
                                 QStringLiteral("'quoted"),
                                 QStringLiteral("quoted'")};
    for (const QString& name : refused) {
        EXPECT_EQ(errorOf([&] { sheet.SetName(name); }), invalid.arg(name)) << name.toStdString();
        EXPECT_EQ(sheet.Name(), "Sheet1");
    }
    EXPECT_EQ(errorOf([&] { sheet.SetName(QStringLiteral("history")); }),
              "“History”是 Excel 保留的名称，不能用作工作表名称。");
    EXPECT_EQ(errorOf([&] { sheet.SetName(QStringLiteral("sheet2")); }),
              "工作表名称“sheet2”已被同一工作簿中的另一个工作表使用。");
    EXPECT_EQ(sheet.Name(), "Sheet1");

    for (const QString& name : {QString(31, u'表'), QStringLiteral("QA教育训练管理"),
                                QStringLiteral("SHEET1"), QStringLiteral("it's (2024)")}) {
        sheet.SetName(name);
        EXPECT_EQ(sheet.Name(), name);
    }
}

TEST_F(Model, AddedSheetGoesBeforeTheActiveOneWithTheNextNumber) {
    book.Worksheets().Item(3).SetName(QStringLiteral("Sheet5"));
    Worksheet& added = book.Worksheets().Add();
    EXPECT_EQ(added.Name(), "Sheet4");
    EXPECT_EQ(&book.Worksheets().Item(1), &added);
    EXPECT_EQ(book.Worksheets().Add().Name(), "Sheet6");
    EXPECT_EQ(book.Worksheets().Count(), 5);
    EXPECT_EQ(book.Worksheets().Item(3).Name(), "Sheet1");
}

TEST_F(Model, UsedRowCountIsTheLastRowWithAValueOrAnyFormatting) {
    const auto used = [&] { return sheet.UsedRange().Rows().Count(); };
    EXPECT_EQ(used(), 1);
    sheet.Range(QStringLiteral("C5")).SetValue(QStringLiteral("x"));
    EXPECT_EQ(used(), 5) << "rows above the first value count too";
    sheet.Range(QStringLiteral("A8")).Font().SetBold(true);
    EXPECT_EQ(used(), 8);
    sheet.Range(QStringLiteral("B10:B12")).Merge();
    EXPECT_EQ(used(), 12);
    sheet.Rows(15).Font().SetSize(10);
    EXPECT_EQ(used(), 15);
    sheet.Range(QStringLiteral("D20")).SetValue(QStringLiteral("y"));
    sheet.Range(QStringLiteral("D20")).SetValue(QString());
    EXPECT_EQ(used(), 15) << "an emptied cell without formatting no longer counts";
    sheet.Range(QStringLiteral("A8")).Font().SetBold(false);
    EXPECT_EQ(used(), 15);
    EXPECT_EQ(book.Worksheets().Item(2).UsedRange().Rows().Count(), 1);
}

TEST_F(Model, MergeKeepsTheFirstValueAndReplacesOverlappingMerges) {
    sheet.Range(QStringLiteral("A1")).SetValue(QStringLiteral("first"));
    sheet.Range(QStringLiteral("B1")).SetValue(QStringLiteral("second"));
    sheet.Range(QStringLiteral("A1:C1")).Merge();
    EXPECT_EQ(sheet.Range(QStringLiteral("A1")).Value().toString(), "first");
    EXPECT_FALSE(sheet.Range(QStringLiteral("B1")).Value().isValid());
    sheet.Range(QStringLiteral("C1:D2")).Merge();
    ASSERT_EQ(sheet.Merges().size(), 1u);
    EXPECT_EQ(sheet.Merges().front(), (CellRect{0, 2, 1, 3}));
    sheet.Range(QStringLiteral("F1")).Merge();
    EXPECT_EQ(sheet.Merges().size(), 1u);
}

TEST_F(Model, AddressesOutsideAnExcel97SheetAreRefused) {
    EXPECT_EQ(errorOf([&] { sheet.Range(QStringLiteral("A65537")); }),
              "单元格地址“A65537”无效：行超出 Excel 97-2003 工作簿的上限 65536 行");
    EXPECT_EQ(errorOf([&] { sheet.Range(QStringLiteral("IW1")); }),
              "单元格地址“IW1”无效：列超出 Excel 97-2003 工作簿的上限 IV（256 列）");
    for (const QString& bad :
         {QString(), QStringLiteral("A0"), QStringLiteral("1A"), QStringLiteral("A1:"),
          QStringLiteral("A1B2"), QStringLiteral("ＡＢ1")}) {
        EXPECT_TRUE(errorOf([&] { sheet.Range(bad); }).startsWith(u"单元格地址"))
            << bad.toStdString();
    }
    EXPECT_EQ(errorOf([&] { sheet.Rows(65537); }),
              "行号 65537 超出 Excel 97-2003 工作簿的范围（1 到 65536）。");
    sheet.Range(QStringLiteral("$iv$65536")).SetValue(1);
    sheet.Range(QStringLiteral("F2:B2")).SetValue(QStringLiteral("all"));
    EXPECT_EQ(sheet.Range(QStringLiteral("B2")).Value().toString(), "all");
    EXPECT_EQ(sheet.Range(QStringLiteral("D2")).Value().toString(), "all");
    EXPECT_EQ(sheet.UsedRange().Rows().Count(), 65536);
}

TEST_F(Model, TextLongerThanACellHoldsIsRefusedAndTheCellKept) {
    Range cell = sheet.Range(QStringLiteral("A1"));
    cell.SetValue(QStringLiteral("kept"));
    EXPECT_EQ(errorOf([&] { cell.SetValue(QString(32768, u'x')); }),
              "单元格中的文本不能超过 32767 个字符，这段文本有 32768 个字符。");
    EXPECT_EQ(cell.Value().toString(), "kept");
    cell.SetValue(QString(32767, u'x'));
    EXPECT_EQ(cell.Value().toString().size(), 32767);
    EXPECT_TRUE(
        errorOf([&] { cell.SetValue(QVariant::fromValue(QStringList())); }).startsWith(u"不能把"));
}

TEST_F(Model, FormatPropertiesTakeExcelsCodesAndRefuseOthers) {
    Range cell = sheet.Range(QStringLiteral("B2"));
    for (const int code : {xlGeneral, xlLeft, xlCenter, xlRight, xlFill, xlJustify,
                           xlCenterAcrossSelection, xlDistributed}) {
        cell.SetHorizontalAlignment(code);
        EXPECT_EQ(cell.HorizontalAlignment(), code);
    }
    for (const int code : {xlTop, xlCenter, xlBottom, xlJustify, xlDistributed}) {
        cell.SetVerticalAlignment(code);
        EXPECT_EQ(cell.VerticalAlignment(), code);
    }
    for (const int degrees : {0, 45, 90, -1, -90}) {
        cell.SetOrientation(degrees);
        EXPECT_EQ(cell.Orientation(), degrees);
    }
    cell.SetOrientation(xlVertical);
    EXPECT_EQ(cell.Orientation(), xlVertical);
    for (const int order : {xlContext, xlLTR, xlRTL}) {
        cell.SetReadingOrder(order);
        EXPECT_EQ(cell.ReadingOrder(), order);
    }
    cell.SetIndentLevel(15);
    cell.SetShrinkToFit(true);
    cell.SetAddIndent(true);
    cell.SetWrapText(true);
    EXPECT_EQ(cell.IndentLevel(), 15);
    EXPECT_TRUE(cell.ShrinkToFit() && cell.AddIndent() && cell.WrapText());

    const QString refused = QStringLiteral("不能设置类 Range 的 %1 属性。");
    EXPECT_EQ(errorOf([&] { cell.SetHorizontalAlignment(xlTop); }),
              refused.arg("HorizontalAlignment"));
    EXPECT_EQ(errorOf([&] { cell.SetVerticalAlignment(xlLeft); }),
              refused.arg("VerticalAlignment"));
    EXPECT_EQ(errorOf([&] { cell.SetOrientation(91); }), refused.arg("Orientation"));
    EXPECT_EQ(errorOf([&] { cell.SetIndentLevel(16); }), refused.arg("IndentLevel"));
    EXPECT_EQ(errorOf([&] { cell.SetReadingOrder(0); }), refused.arg("ReadingOrder"));
    EXPECT_EQ(errorOf([&] { cell.Borders().SetLineStyle(2); }), refused.arg("LineStyle"));
    EXPECT_EQ(errorOf([&] { cell.Interior().SetColorIndex(57); }), refused.arg("ColorIndex"));
    EXPECT_EQ(errorOf([&] { cell.Interior().SetPattern(19); }), refused.arg("Pattern"));
    EXPECT_EQ(errorOf([&] { cell.SetNumberFormatLocal(QString()); }),
              refused.arg("NumberFormatLocal"));
    EXPECT_EQ(errorOf([&] { cell.Font().SetSize(0.5); }), "不能设置类 Font 的 Size 属性。");
    EXPECT_EQ(errorOf([&] { cell.Font().SetColor(-1); }), "不能设置类 Font 的 Color 属性。");
    EXPECT_EQ(errorOf([&] { cell.Font().SetName(QString()); }), "不能设置类 Font 的 Name 属性。");
    EXPECT_EQ(cell.HorizontalAlignment(), xlDistributed) << "a refused value changes nothing";
}

TEST_F(Model, InteriorAndBordersFollowExcel) {
    Range cell = sheet.Range(QStringLiteral("C3"));
    EXPECT_EQ(cell.Interior().ColorIndex(), xlNone);
    EXPECT_EQ(cell.Interior().Pattern(), xlPatternNone);
    cell.Interior().SetColorIndex(46);
    EXPECT_EQ(cell.Interior().ColorIndex(), 46);
    EXPECT_EQ(cell.Interior().Pattern(), xlSolid) << "a colour alone fills the cell solid";
    cell.Interior().SetPattern(xlPatternGray25);
    cell.Interior().SetPatternColorIndex(3);
    EXPECT_EQ(cell.Interior().Pattern(), xlPatternGray25);
    EXPECT_EQ(cell.Interior().PatternColorIndex(), 3);
    EXPECT_EQ(cell.Interior().ColorIndex(), 46);
    cell.Interior().SetColorIndex(xlNone);
    EXPECT_EQ(cell.Interior().Pattern(), xlPatternNone);

    sheet.Range(QStringLiteral("A1:B2")).Borders().SetLineStyle(xlContinuous);
    EXPECT_EQ(sheet.Range(QStringLiteral("B2")).Borders().LineStyle(), xlContinuous);
    sheet.Range(QStringLiteral("B2")).Borders().SetLineStyle(xlLineStyleNone);
    EXPECT_EQ(sheet.Range(QStringLiteral("B2")).Borders().LineStyle(), xlLineStyleNone);
    EXPECT_EQ(sheet.Range(QStringLiteral("A2")).Borders().LineStyle(), xlContinuous);
}

TEST_F(Model, FontColourIsTheNearestColourOfThePalette) {
    Font font = sheet.Range(QStringLiteral("A1")).Font();
    EXPECT_EQ(font.Color(), 0) << "automatic shows black";
    struct Case {
        long set;
        long read;
    };
    for (const Case& c : {Case{0xFFFFFF, 0xFFFFFF}, Case{0x0066FF, 0x0066FF},
                          Case{0x0000FE, 0x0000FF}, Case{0x010101, 0x000000}}) {
        font.SetColor(c.set);
        EXPECT_EQ(font.Color(), c.read) << std::hex << c.set;
    }
}

TEST_F(Model, RowFormatReachesExistingAndLaterCellsOfTheRow) {
    sheet.Range(QStringLiteral("A4")).SetValue(QStringLiteral("before"));
    sheet.Range(QStringLiteral("B4")).Font().SetBold(true);
    sheet.Rows(4).Font().SetName(QStringLiteral("楷体_GB2312"));
    sheet.Range(QStringLiteral("M4")).SetValue(QStringLiteral("after"));
    for (const char* address : {"A4", "B4", "M4", "Z4"}) {
        EXPECT_EQ(sheet.Range(QLatin1String(address)).Font().Name(), "楷体_GB2312") << address;
    }
    EXPECT_TRUE(sheet.Range(QStringLiteral("B4")).Font().Bold());
    EXPECT_EQ(sheet.Range(QStringLiteral("A5")).Font().Name(), "宋体");
    EXPECT_EQ(sheet.Range(QStringLiteral("A5")).Font().Size(), 11);
}

TEST(Application, CloseAndQuitDropTheWorkbooks) {
    Application app;
    Workbook& first = app.Workbooks().Add();
    app.Workbooks().Add();
    EXPECT_EQ(app.Workbooks().Count(), 2);
    first.Close();
    EXPECT_EQ(app.Workbooks().Count(), 1);
    app.Quit();
    EXPECT_EQ(app.Workbooks().Count(), 0);
    EXPECT_FALSE(app.UserName().isEmpty());
}

} // namespace
