#include "IndependentReaders.h"
#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "support/TestFolder.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {
using namespace excel;

constexpr int kLineTwips = 300; // one line of 10-point text

class Printing : public testing::Test {
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

TEST_F(Printing, ARowIsAsTallAsItsWrappedLinesAtTheColumnsWidth) {
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

TEST_F(Printing, AMergedTextSizesTheRowsItCovers) {
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

TEST_F(Printing, ThePageSetupReachesTheFileAndSurvivesEncryption) {
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
