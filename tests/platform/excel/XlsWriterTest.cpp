#include "helpers/ErrorOf.h"
#include "helpers/IndependentReaders.h"
#include "helpers/TestFolder.h"
#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <functional>
#include <gtest/gtest.h>

namespace {
using namespace excel;
using independent::Dump;
using independent::FormatOf;

void headingStyle(Range range) {
    range.Font().SetBold(false);
    range.Font().SetName(QStringLiteral("楷体_GB2312"));
    range.Font().SetSize(10);
    range.Font().SetColor(16777215);
    range.Borders().SetLineStyle(xlContinuous);
    range.SetHorizontalAlignment(xlCenter);
    range.SetVerticalAlignment(xlCenter);
    range.SetWrapText(false);
    range.SetOrientation(0);
    range.SetAddIndent(false);
    range.SetIndentLevel(0);
    range.SetShrinkToFit(false);
    range.SetReadingOrder(xlContext);
    range.Interior().SetColorIndex(46);
    range.Interior().SetPattern(xlSolid);
    range.Interior().SetPatternColorIndex(xlAutomatic);
    range.Font().SetName(QStringLiteral("Times New Roman"));
    range.SetWrapText(true);
}

// A small summary report as the layouts write it: title, headings, one record, the box.
void writeReport(Worksheet& sheet) {
    sheet.SetName(QStringLiteral("QA教育训练管理"));
    sheet.Range(QStringLiteral("A1"))
        .SetValue(QStringLiteral("Quorvane制药有限公司 教育训练记录表"));
    sheet.Range(QStringLiteral("A1:M1")).Merge();
    headingStyle(sheet.Range(QStringLiteral("A1:M1")));
    sheet.Range(QStringLiteral("A1:M1")).Font().SetUnderline(true);
    sheet.Range(QStringLiteral("A2")).SetValue(QStringLiteral("部门\nDepartment"));
    sheet.Range(QStringLiteral("A2:A3")).Merge();
    headingStyle(sheet.Range(QStringLiteral("A2:A3")));
    sheet.Range(QStringLiteral("B2")).SetValue(QStringLiteral("教育训练类别\nType of Training"));
    sheet.Range(QStringLiteral("B2:F2")).Merge();
    headingStyle(sheet.Range(QStringLiteral("B2:F2")));
    sheet.Range(QStringLiteral("B3")).SetValue(QStringLiteral("新进员工\nOrientation"));
    headingStyle(sheet.Range(QStringLiteral("B3")));

    sheet.Range(QStringLiteral("A4")).SetValue(QStringLiteral("质量保证部"));
    sheet.Range(QStringLiteral("B4")).SetValue(QStringLiteral("√"));
    sheet.Range(QStringLiteral("C4")).SetValue(QString());
    sheet.Range(QStringLiteral("D4")).SetValue(QStringLiteral("2014-12-04"));
    sheet.Range(QStringLiteral("G4")).SetNumberFormatLocal(QStringLiteral("@"));
    sheet.Range(QStringLiteral("G4")).SetValue(QStringLiteral("2014-12-04"));
    sheet.Range(QStringLiteral("H4")).SetValue(QStringLiteral("001"));
    sheet.Range(QStringLiteral("J4")).SetValue(QStringLiteral("偏差处理管理规程"));
    sheet.Range(QStringLiteral("J4")).SetWrapText(true);
    sheet.Rows(4).Font().SetName(QStringLiteral("楷体_GB2312"));
    sheet.Rows(4).Font().SetSize(10);
    sheet.Range(QStringLiteral("G4")).Font().SetName(QStringLiteral("Times New Roman"));
    sheet.Range(QStringLiteral("A4:M4")).Borders().SetLineStyle(xlContinuous);

    sheet.Range(QStringLiteral("A6:M9")).Merge();
    sheet.Range(QStringLiteral("A6"))
        .SetValue(QStringLiteral("效果评估：\n已依计划完成教育训练: □ 是   □ 否"));
    sheet.Range(QStringLiteral("A6:M9")).SetHorizontalAlignment(xlLeft);
    sheet.Range(QStringLiteral("A6:M9")).Borders().SetLineStyle(xlLineStyleNone);
    sheet.Columns().AutoFit();
}

class XlsWriter : public testing::Test {
protected:
    QString saved(const QString& password = {}, const QString& modify = {}) {
        const QString file = folder.File(QStringLiteral("out.xls"));
        book.SaveAs(file, xlExcel8, password, modify, xlNoChange);
        return file;
    }

    TestFolder folder;
    Application app;
    Workbook& book = app.Workbooks().Add();
    Worksheet& sheet = book.Worksheets().Item(1);
};

TEST_F(XlsWriter, AnotherReaderReadsTheSheetsAndValues) {
    writeReport(sheet);
    const QString file = saved();
    const auto sheets = independent::Texts(file);
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_EQ(sheets[0].name, "QA教育训练管理");
    EXPECT_EQ(sheets[1].name, "Sheet2");
    EXPECT_EQ(sheets[2].name, "Sheet3");
    EXPECT_TRUE(sheets[1].cells.isEmpty());
    const auto& cells = sheets[0].cells;
    EXPECT_EQ(cells.value({0, 0}), "Quorvane制药有限公司 教育训练记录表");
    EXPECT_EQ(cells.value({1, 0}), "部门\nDepartment");
    EXPECT_EQ(cells.value({3, 1}), "√");
    EXPECT_FALSE(cells.contains({3, 2}));
    EXPECT_EQ(cells.value({3, 3}), "2014-12-04") << "typed date in a General cell: a date";
    EXPECT_EQ(cells.value({3, 6}), "2014-12-04") << "the same text in an @ cell";
    EXPECT_EQ(cells.value({3, 7}), "1") << "001 typed: the number 1";
    EXPECT_EQ(cells.value({5, 0}), "效果评估：\n已依计划完成教育训练: □ 是   □ 否");
    EXPECT_EQ(Dump(file)["sheets"][0]["rows"], 9);
}

TEST_F(XlsWriter, XlrdReadsTheFormatsAsSet) {
    writeReport(sheet);
    const QJsonObject dump = Dump(saved());
    const QJsonObject sheet0 = dump["sheets"][0].toObject();
    EXPECT_EQ(sheet0["values"]["3,3"][0], "xldate");
    EXPECT_EQ(sheet0["values"]["3,3"][1], 41977);
    EXPECT_EQ(sheet0["values"]["3,6"][0], "text");
    EXPECT_EQ(sheet0["values"]["3,7"][1], 1);

    const QJsonObject heading = FormatOf(dump, 1, 0);
    EXPECT_EQ(heading["font"], "Times New Roman");
    EXPECT_EQ(heading["height"], 200);
    EXPECT_EQ(heading["color"], 9) << "white";
    EXPECT_EQ(heading["bold"], false);
    EXPECT_EQ(heading["pattern"], 1);
    EXPECT_EQ(heading["pattern_color"], 53) << "ColorIndex 46 is orange, palette entry 53";
    EXPECT_EQ(heading["background_color"], 64);
    EXPECT_EQ(heading["borders"], QJsonArray({1, 1, 1, 1}));
    EXPECT_EQ(heading["horizontal"], 2);
    EXPECT_EQ(heading["vertical"], 1);
    EXPECT_EQ(heading["wrap"], 1);
    EXPECT_EQ(heading["reading_order"], 0);
    EXPECT_EQ(FormatOf(dump, 2, 0), heading) << "the whole merged range is styled";
    EXPECT_EQ(FormatOf(dump, 0, 12)["underline"], 1);
    EXPECT_EQ(FormatOf(dump, 0, 12)["pattern_color"], 53);

    const QJsonObject body = FormatOf(dump, 3, 0);
    EXPECT_EQ(body["font"], "楷体_GB2312");
    EXPECT_EQ(body["height"], 200);
    EXPECT_EQ(body["color"], 32767) << "automatic";
    EXPECT_EQ(body["pattern"], 0);
    EXPECT_EQ(body["borders"], QJsonArray({1, 1, 1, 1}));
    EXPECT_EQ(body["format"], "General");
    EXPECT_EQ(FormatOf(dump, 3, 6)["format"], "@");
    EXPECT_EQ(FormatOf(dump, 3, 6)["font"], "Times New Roman");
    EXPECT_EQ(FormatOf(dump, 3, 9)["wrap"], 1);
    EXPECT_EQ(FormatOf(dump, 3, 12)["borders"], QJsonArray({1, 1, 1, 1}));
    EXPECT_EQ(FormatOf(dump, 3, 12)["font"], "楷体_GB2312") << "an empty cell of the row";
    EXPECT_EQ(FormatOf(dump, 5, 0)["horizontal"], 1);
    EXPECT_EQ(FormatOf(dump, 5, 0)["borders"], QJsonArray({0, 0, 0, 0}));
    EXPECT_EQ(FormatOf(dump, 5, 0)["wrap"], 1) << "a text with line feeds wraps";

    EXPECT_EQ(sheet0["merged"], QJsonArray({QJsonArray{0, 1, 0, 13}, QJsonArray{1, 2, 1, 6},
                                            QJsonArray{1, 3, 0, 1}, QJsonArray{5, 9, 0, 13}}));
    for (int column = 0; column < 13; ++column) {
        const QJsonValue width = sheet0["widths"][QString::number(column)];
        if (sheet.ColumnWidth(column) < 0) {
            EXPECT_TRUE(width.isUndefined()) << column;
        } else {
            EXPECT_EQ(width, sheet.ColumnWidth(column)) << column;
        }
    }
    EXPECT_GT(sheet.ColumnWidth(1), 10 * 256) << "\"Orientation\" in row 3 sets B";
    EXPECT_EQ(sheet0["heights"]["2"], 2 * sheet0["heights"]["3"].toInt())
        << "row 3 shows two lines, row 4 one, both in 10 points";
    EXPECT_EQ(dump["records"]["index_problems"], QJsonArray());
}

TEST_F(XlsWriter, AlignmentCodesReachTheFile) {
    struct Case {
        std::function<void(Range)> set;
        const char* field;
        int fileValue;
    };
    const Case cases[] = {
        {[](Range r) { r.SetOrientation(45); }, "rotation", 45},
        {[](Range r) { r.SetOrientation(-45); }, "rotation", 135},
        {[](Range r) { r.SetOrientation(xlVertical); }, "rotation", 255},
        {[](Range r) { r.SetIndentLevel(3); }, "indent", 3},
        {[](Range r) { r.SetShrinkToFit(true); }, "shrink", 1},
        {[](Range r) { r.SetReadingOrder(xlRTL); }, "reading_order", 2},
        {[](Range r) { r.SetHorizontalAlignment(xlDistributed); }, "horizontal", 7},
        {[](Range r) { r.SetVerticalAlignment(xlTop); }, "vertical", 0},
        {[](Range r) { r.Interior().SetPattern(xlPatternGray25); }, "pattern", 4},
        {[](Range r) { r.Borders().SetLineStyle(xlDouble); }, "borders", -1},
    };
    int row = 1;
    for (const Case& c : cases) {
        Range cell = sheet.Range(QStringLiteral("A%1").arg(row++));
        cell.SetValue(QStringLiteral("x"));
        c.set(cell);
    }
    const QJsonObject dump = Dump(saved());
    row = 0;
    for (const Case& c : cases) {
        const QJsonObject format = FormatOf(dump, row++, 0);
        if (c.fileValue < 0) {
            EXPECT_EQ(format[c.field], QJsonArray({6, 6, 6, 6}));
        } else {
            EXPECT_EQ(format[c.field], c.fileValue) << c.field;
        }
    }
}

TEST_F(XlsWriter, EqualFormatsShareOneXf) {
    for (int row = 1; row <= 500; ++row) {
        Range cells = sheet.Range(QStringLiteral("A%1:D%1").arg(row));
        cells.SetValue(row);
        cells.Borders().SetLineStyle(xlContinuous);
        cells.Font().SetName(QStringLiteral("Times New Roman"));
    }
    sheet.Range(QStringLiteral("E1")).Font().SetBold(true);
    sheet.Range(QStringLiteral("E1")).Font().SetBold(false);
    EXPECT_EQ(Dump(saved())["xf_count"], 17) << "16 built in, one for the 2000 cells";
}

TEST_F(XlsWriter, LongTextsSurviveTheContinueRecords) {
    QString surrogates;
    for (int i = 0; i < 1500; ++i) {
        surrogates += QStringLiteral("\U00020000");
    }
    // The first text leaves 2 bytes of the SST record, too few for the next one's header;
    // the second then ends its first CONTINUE record with one byte left, half a character.
    QStringList texts = {QString(8211, u'a'),
                         QString(5000, u'标'),
                         QString(32767, u'a'),
                         QString(12000, u'标'),
                         QString(4111, u'x') + QStringLiteral("末"),
                         surrogates,
                         QString(8219, u'b'),
                         QString(4109, u'中')};
    for (int i = 0; i < 300; ++i) {
        texts.push_back(QStringLiteral("短%1").arg(i));
        texts.push_back(QString(i * 7 % 97, u'c'));
    }
    for (int i = 0; i < texts.size(); ++i) {
        sheet.Range(QStringLiteral("A%1").arg(i + 1)).SetValue(texts.at(i));
    }
    const QJsonObject dump = Dump(saved());
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(dump["sheets"][0]["values"][QStringLiteral("%1,0").arg(i)][1].toString(),
                  texts.at(i))
            << i;
    }
    Worksheet& back = app.Workbooks().Open(saved()).Worksheets().Item(1);
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(back.Value(i, 0).toString(), texts.at(i)) << i;
    }
}

TEST_F(XlsWriter, IndexAndDbCellsLeadToEveryRow) {
    int last = 0;
    for (int row = 1; row <= 300; row += (row % 7) + 1) {
        last = row;
        sheet.Range(QStringLiteral("B%1").arg(row)).SetValue(row);
        if (row % 3 == 0) {
            sheet.Range(QStringLiteral("C%1:F%1").arg(row)).Borders().SetLineStyle(xlContinuous);
        }
        if (row % 5 == 0) {
            sheet.Rows(row + 1).Font().SetBold(true);
        }
    }
    book.Worksheets().Item(2).Range(QStringLiteral("A40")).SetValue(1);
    const QJsonObject dump = Dump(saved());
    EXPECT_EQ(dump["records"]["index_problems"], QJsonArray());
    EXPECT_EQ(dump["sheets"][0]["values"][QStringLiteral("%1,1").arg(last - 1)][1], last);
}

TEST_F(XlsWriter, AnEmptyWorkbookIsStillAWorkbook) {
    const QString file = saved();
    EXPECT_EQ(app.Workbooks().Open(file).Worksheets().Count(), 3);
    EXPECT_EQ(Dump(file)["sheets"].toArray().size(), 3);
}

TEST_F(XlsWriter, SaveAsReplacesTheTargetWholeAndLeavesNothingElse) {
    const QString file = folder.File(QStringLiteral("out.xls"));
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200000, 'z'));
    old.close();
    sheet.Range(QStringLiteral("A1")).SetValue(QStringLiteral("new"));
    saved();
    EXPECT_EQ(independent::Texts(file).at(0).cells.value({0, 0}), "new");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("out.xls")});
}

TEST_F(XlsWriter, ARefusedSaveWritesNothing) {
    const QString file = folder.File(QStringLiteral("out.xls"));
    const struct {
        QString fileName;
        int format;
        QString password;
        QString modify;
        int access;
        QString error;
    } cases[] = {
        {QString(), xlExcel8, {}, {}, xlNoChange, QStringLiteral("没有给出保存工作簿的文件名。")},
        {file,
         51,
         {},
         {},
         xlNoChange,
         QStringLiteral("只能保存为 Excel 97-2003 工作簿（文件格式 56），不支持文件格式 51。")},
        {file, xlExcel8, {}, {}, xlShared, QStringLiteral("不支持共享工作簿（访问方式 2）。")},
        {file,
         xlExcel8,
         QString(256, u'p'),
         {},
         xlNoChange,
         QStringLiteral("打开权限密码不能超过 255 个字符。")},
        {file,
         xlExcel8,
         {},
         QString(16, u'p'),
         xlNoChange,
         QStringLiteral("修改权限密码不能超过 15 个字符。")},
        {folder.File(QStringLiteral("missing/out.xls")), xlExcel8, {}, {}, xlNoChange, {}},
    };
    for (const auto& c : cases) {
        const QString error =
            errorOf([&] { book.SaveAs(c.fileName, c.format, c.password, c.modify, c.access); });
        if (c.error.isEmpty()) {
            EXPECT_TRUE(error.startsWith(QStringLiteral("无法保存工作簿“%1”：").arg(c.fileName)))
                << error.toStdString();
        } else {
            EXPECT_EQ(error, c.error);
        }
    }
    EXPECT_TRUE(
        QDir(folder.Path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    book.SaveAs(file, xlWorkbookNormal, QString(255, u'p'), QString(15, u'p'), xlExclusive);
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(XlsWriter, MoreFormatsThanTheFormatHoldsAreRefusedBeforeWriting) {
    const QString file = folder.File(QStringLiteral("out.xls"));
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    for (int i = 0; i < 4100; ++i) {
        Range cell = sheet.Range(QStringLiteral("A%1").arg(i + 1));
        cell.SetIndentLevel(i % 16);
        cell.SetOrientation(i / 16 % 181 - 90);
        cell.SetShrinkToFit(i / 2896 == 1);
    }
    EXPECT_EQ(errorOf([&] { book.SaveAs(file, xlExcel8); }),
              "工作簿中的单元格格式超过 4000 种，无法保存为 Excel 97-2003 工作簿。");
    QFile after(file);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), "previous");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("out.xls")});

    Worksheet& fonts = book.Worksheets().Item(2);
    for (int i = 0; i < 520; ++i) {
        fonts.Range(QStringLiteral("A%1").arg(i + 1)).Font().SetSize(1 + i * 0.05);
    }
    sheet.Range(QStringLiteral("A1:A4100")).SetIndentLevel(0);
    sheet.Range(QStringLiteral("A1:A4100")).SetOrientation(0);
    sheet.Range(QStringLiteral("A1:A4100")).SetShrinkToFit(false);
    EXPECT_EQ(errorOf([&] { book.SaveAs(file, xlExcel8); }),
              "工作簿中的字体超过 506 种，无法保存为 Excel 97-2003 工作簿。");
}

// One line of 10-point text, as the writer sizes a wrapped row.
constexpr int kLineTwips = 300;

TEST_F(XlsWriter, ARowIsAsTallAsItsWrappedLinesAtTheColumnsWidth) {
    struct Case {
        QString text;
        bool wrap;
        int lines;
    };
    // Column A is 20 characters wide: 10 Chinese characters or 21 letters of 10 points.
    const std::vector<Case> cases = {
        {QStringLiteral("GMP"), true, 1},
        {QStringLiteral("abcdefghi abcdefghi abcdefghi"), true, 2},
        {QStringLiteral("第一行\n第二行\n第三行\nfour\nfive"), true, 5},
        {QString(50, u'张'), true, 5},
        {QStringLiteral("张三、李四、王五、赵六、Maria Gonzalez"), true, 2},
        {QString(270, u'张'), true, 27},
        {QString(50, u'张'), false, 1},
    };
    sheet.Range(QStringLiteral("A1")).SetColumnWidth(20);
    for (size_t i = 0; i < cases.size(); ++i) {
        Range cell = sheet.Range(QStringLiteral("A%1").arg(i + 1));
        cell.Font().SetSize(10);
        cell.SetWrapText(cases[i].wrap);
        cell.SetValue(cases[i].text);
    }
    const QJsonObject heights = independent::Dump(saved())["sheets"][0]["heights"].toObject();
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(heights[QString::number(i)].toInt(), cases[i].lines * kLineTwips)
            << cases[i].text.left(20).toStdString();
    }
}

TEST_F(XlsWriter, AMergedTextSizesTheRowsItCovers) {
    sheet.Range(QStringLiteral("B1")).SetValue(QStringLiteral("教育训练类别\nType of Training"));
    sheet.Range(QStringLiteral("B1:F1")).Merge();
    sheet.Range(QStringLiteral("A3")).SetValue(QStringLiteral("一\n二\n三\n四"));
    sheet.Range(QStringLiteral("A3:A4")).Merge();
    sheet.Range(QStringLiteral("A1:F4")).Font().SetSize(10);
    const QJsonObject heights = independent::Dump(saved())["sheets"][0]["heights"].toObject();
    EXPECT_EQ(heights["0"].toInt(), 2 * kLineTwips) << "two lines across B:F";
    EXPECT_EQ(heights["2"].toInt() + heights["3"].toInt(), 4 * kLineTwips)
        << "four lines over two rows";
}

TEST_F(XlsWriter, ThePageSetupReachesTheFileAndSurvivesEncryption) {
    sheet.Range(QStringLiteral("A1")).SetValue(QStringLiteral("标题"));
    PageSetup& setup = sheet.PageSetup();
    setup.orientation = xlLandscape;
    setup.fitToPages = true;
    setup.fitToPagesWide = 1;
    setup.fitToPagesTall = 0;
    setup.printTitleFirstRow = 5;
    setup.printTitleLastRow = 6;
    setup.leftMargin = 0.4 * 72;
    setup.centerFooter = QStringLiteral("第 &P 页，共 &N 页");
    const QString file = saved(QStringLiteral("开"), QStringLiteral("改"));
    const QString decrypted = folder.File(QStringLiteral("decrypted.xls"));
    ASSERT_EQ(independent::Decrypt(file, QStringLiteral("开"), decrypted), 0);
    const QJsonObject dump = independent::Dump(decrypted);
    const QJsonObject page = dump["page_setups"][0].toObject();
    EXPECT_EQ(page["paper"], 9) << "A4";
    EXPECT_EQ(page["landscape"], true);
    EXPECT_EQ(page["fit_to_page"], true);
    EXPECT_EQ(page["fit_wide"], 1);
    EXPECT_EQ(page["fit_tall"], 0) << "as many pages tall as needed";
    EXPECT_EQ(page["no_printer_settings"], false);
    EXPECT_DOUBLE_EQ(page["margins"]["left"].toDouble(), 0.4);
    EXPECT_EQ(page["footer"], "&C第 &P 页，共 &N 页");
    EXPECT_EQ(dump["print_titles"]["Sheet1"], QJsonArray({5, 6}));
    EXPECT_EQ(dump["page_setups"][1]["fit_to_page"], false) << "the other sheets print as ever";
}
} // namespace
