#include "TestFiles.h"
#include "helpers/ErrorOf.h"
#include "helpers/IndependentReaders.h"
#include "helpers/TestFolder.h"
#include "platform/excel/Application.h"
#include "platform/excel/CellText.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {
using namespace excel;

class XlsReader : public testing::Test {
protected:
    Workbook& open(const QString& fixture) {
        return app.Workbooks().Open(ExcelTestFile(QStringLiteral("fixtures/") + fixture));
    }
    static QString text(Worksheet& sheet, const char* address) {
        return CellText(sheet.Range(QLatin1String(address)).Value());
    }

    Application app;
};

TEST_F(XlsReader, ReadsAWorkbookWrittenByXlwtExactly) {
    Workbook& book = open(QStringLiteral("xlwt_customer.xls"));
    ASSERT_EQ(book.Worksheets().Count(), 4);
    Worksheet& zhang = book.Worksheets().Item(1);
    EXPECT_EQ(zhang.Name(), "张三");
    EXPECT_EQ(book.Worksheets().Item(2).Name(), "李四");
    EXPECT_EQ(book.Worksheets().Item(3).Name(), "空白");
    EXPECT_EQ(book.Worksheets().Item(4).Name(), "Sheet 4 (English)");

    EXPECT_EQ(zhang.UsedRange().Rows().Count(), 12);
    const struct {
        const char* address;
        const char16_t* text;
    } cells[] = {
        {"A1", u"Quorvane制药有限公司 个人教育训练记录表"},
        {"A8", u"质量部"},
        {"B8", u"√"},
        {"C8", u""},
        {"F8", u"2014-12-04"},
        {"H8", u"2"},
        {"I8", u"偏差'处理"},
        {"J8", u"  GMP培训 "},
        {"B9", u" √ "},
        {"F9", u"2014.12.05"},
        {"H9", u"3.5"},
        {"A10", u""},
        {"F11", u"2014-12-04 10:30:00"},
        {"G11", u"1E+20"},
        {"H11", u"0.1"},
        {"K12", u"07:05:09"},
    };
    for (const auto& cell : cells) {
        EXPECT_EQ(text(zhang, cell.address), QString::fromUtf16(cell.text)) << cell.address;
    }
    EXPECT_EQ(zhang.Range(QStringLiteral("F8")).Value(), QDate(2014, 12, 4));
}

TEST_F(XlsReader, CountsUsedRowsFromRowOneWhenTheFirstRowsAreEmpty) {
    Workbook& book = open(QStringLiteral("xlwt_customer.xls"));
    Worksheet& li = book.Worksheets().Item(2);
    EXPECT_EQ(li.UsedRange().Rows().Count(), 12);
    EXPECT_EQ(text(li, "A10"), "工程部");
    EXPECT_EQ(text(li, "G12"), "SOP-WH-010");
    EXPECT_EQ(book.Worksheets().Item(3).UsedRange().Rows().Count(), 1);
}

TEST_F(XlsReader, ReadsAWorkbookWrittenByLibreOffice) {
    Workbook& book = open(QStringLiteral("libreoffice.xls"));
    ASSERT_EQ(book.Worksheets().Count(), 2);
    Worksheet& wang = book.Worksheets().Item(1);
    EXPECT_EQ(wang.Name(), "王五");
    EXPECT_EQ(book.Worksheets().Item(2).Name(), "统计");
    EXPECT_EQ(wang.UsedRange().Rows().Count(), 7);
    EXPECT_EQ(text(wang, "A5"), "质量部");
    EXPECT_EQ(text(wang, "C5"), "2014-12-04");
    EXPECT_EQ(text(wang, "D5"), "001");
    EXPECT_EQ(text(wang, "E5"), "3");
    EXPECT_EQ(text(wang, "F5"), "2.5");
    EXPECT_EQ(text(wang, "A7"), "第二行 ");
    EXPECT_EQ(text(book.Worksheets().Item(2), "A1"), "42");
}

TEST_F(XlsReader, ReadsBackWhatTheWriterWrote) {
    TestFolder folder;
    Workbook& written = app.Workbooks().Add();
    Worksheet& sheet = written.Worksheets().Item(2);
    sheet.SetName(QStringLiteral("员工 1"));
    sheet.Range(QStringLiteral("A1")).SetValue(QStringLiteral("001"));
    sheet.Range(QStringLiteral("B1")).SetNumberFormatLocal(QStringLiteral("@"));
    sheet.Range(QStringLiteral("B1")).SetValue(QStringLiteral("001"));
    sheet.Range(QStringLiteral("C1")).SetValue(QStringLiteral("2014-12-04"));
    sheet.Range(QStringLiteral("A30")).SetValue(QStringLiteral("多行\n文字"));
    const QString file = folder.File(QStringLiteral("round.xls"));
    written.SaveAs(file, xlExcel8);

    Workbook& read = app.Workbooks().Open(file);
    Worksheet& back = read.Worksheets().Item(2);
    EXPECT_EQ(back.Name(), "员工 1");
    EXPECT_EQ(text(back, "A1"), "1");
    EXPECT_EQ(text(back, "B1"), "001");
    EXPECT_EQ(text(back, "C1"), "2014-12-04");
    EXPECT_EQ(text(back, "A30"), "多行\n文字");
    EXPECT_EQ(back.UsedRange().Rows().Count(), 30);
    EXPECT_EQ(errorOf([&] { read.SaveAs(file, xlExcel8); }), "这个工作簿是只读打开的，不能另存。");
}

TEST_F(XlsReader, AMissingDamagedOrForeignFileIsAClearError) {
    TestFolder folder;
    const QString missing = folder.File(QStringLiteral("1.xls"));
    EXPECT_EQ(errorOf([&] { app.Workbooks().Open(missing); }),
              QStringLiteral("找不到工作簿文件“%1”。").arg(missing));
    EXPECT_EQ(errorOf([&] { app.Workbooks().Open(folder.Path()); }),
              QStringLiteral("找不到工作簿文件“%1”。").arg(folder.Path()));

    QFile fixture(ExcelTestFile(QStringLiteral("fixtures/xlwt_customer.xls")));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray good = fixture.readAll();
    QByteArray wrongSectorSize = good;
    wrongSectorSize[0x1E] = 0x10;
    QByteArray noStream = good;
    noStream.replace(512, 512, QByteArray(512, '\xFF'));
    const QByteArray damaged[] = {QByteArray(), QByteArray("名称,日期\n质量部,2014-12-04\n"),
                                  good.left(3000), wrongSectorSize, noStream};
    int n = 0;
    for (const QByteArray& bytes : damaged) {
        const QString file = folder.File(QStringLiteral("damaged%1.xls").arg(n++));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        EXPECT_EQ(errorOf([&] { app.Workbooks().Open(file); }),
                  QStringLiteral("文件“%1”不是 Excel 工作簿，或者已经损坏，无法读取。").arg(file));
    }
    EXPECT_EQ(app.Workbooks().Count(), 0) << "a failed open leaves no workbook behind";
}

TEST(CellText, ShowsNumbersAndDatesAsTheImportReadsThem) {
    EXPECT_EQ(CellText(3.0), "3");
    EXPECT_EQ(CellText(-0.25), "-0.25");
    EXPECT_EQ(CellText(123456789012345.0), "123456789012345");
    EXPECT_EQ(CellText(0.1 + 0.2), "0.3");
    EXPECT_EQ(CellText(1e-7), "1E-07");
    EXPECT_EQ(CellText(QDate(2014, 12, 4)), "2014-12-04");
    EXPECT_EQ(CellText(QVariant()), "");
    EXPECT_EQ(CellText(QStringLiteral(" 文字 ")), " 文字 ");
}

} // namespace
