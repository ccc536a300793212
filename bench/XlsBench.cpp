#include "bench/XlsBench.h"

#include "platform/excel/Application.h"
#include "platform/excel/Constants.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "reports/ReportLayout.h"

#include <QStringList>
#include <random>

namespace Bench {
namespace {
using excel::Range;
using excel::Worksheet;

const QString kBodyFont = QStringLiteral("楷体_GB2312");
const QString kLatinFont = QStringLiteral("Times New Roman");

void heading(Worksheet& sheet, const QString& first, const QString& merged, const QString& text) {
    sheet.Range(first).SetValue(text);
    if (!merged.isEmpty()) {
        sheet.Range(merged).Merge();
    }
    ReportLayout::格式化单元格(sheet.Range(merged.isEmpty() ? first : merged));
}

void writeHeadings(Worksheet& sheet) {
    heading(sheet, QStringLiteral("A1"), QStringLiteral("A1:M1"),
            QStringLiteral("Quorvane制药有限公司 教育训练记录表"));
    sheet.Range(QStringLiteral("A1:M1")).Font().SetUnderline(true);
    const QStringList spans = {QStringLiteral("A2:A3"), QStringLiteral("G2:G3"),
                               QStringLiteral("H2:H3"), QStringLiteral("I2:I3"),
                               QStringLiteral("J2:J3"), QStringLiteral("K2:K3"),
                               QStringLiteral("L2:L3"), QStringLiteral("M2:M3")};
    const QStringList titles = {QStringLiteral("部门\nDepartment"),
                                QStringLiteral("训练时间\nTraining Time"),
                                QStringLiteral("SOP编号\nDocument No of SOP"),
                                QStringLiteral("SOP版次\nRevision Number of SOP"),
                                QStringLiteral("SOP名称\nTitle of SOP"),
                                QStringLiteral("教育训练名称\nTitle of Training Program"),
                                QStringLiteral("主讲人\nTrainer"),
                                QStringLiteral("参加人员\nTrained employees")};
    for (int i = 0; i < spans.size(); ++i) {
        heading(sheet, spans.at(i).left(2), spans.at(i), titles.at(i));
    }
    heading(sheet, QStringLiteral("B2"), QStringLiteral("B2:F2"),
            QStringLiteral("教育训练类别\nType of Training"));
    const QStringList types = {QStringLiteral("新进员工\nOrientation"),
                               QStringLiteral("法规\nRegulation"), QStringLiteral("SOP"),
                               QStringLiteral("专业技术\nTechnical"),
                               QStringLiteral("内外训\nIn/Out")};
    for (int i = 0; i < types.size(); ++i) {
        heading(sheet, QString(QChar(u'B' + i)) + u'3', {}, types.at(i));
    }
}

void writeRecord(Worksheet& sheet, const QStringList& texts) {
    // The layout reads the used row count twice for every row.
    (void)sheet.UsedRange().Rows().Count();
    const int r = sheet.UsedRange().Rows().Count() + 1;
    const auto cell = [&](int column) {
        return sheet.Range(QChar(u'A' + column) + QString::number(r));
    };
    for (int column = 0; column < texts.size(); ++column) {
        const bool textFormat = column == 6 || column == 8;
        if (textFormat) {
            cell(column).SetNumberFormatLocal(QStringLiteral("@"));
        }
        cell(column).SetValue(texts.at(column));
        if (column == 9 || column == 10 || column == 12) {
            cell(column).SetWrapText(true);
        }
    }
    sheet.Rows(r).Font().SetName(kBodyFont);
    sheet.Rows(r).Font().SetSize(10);
    for (int column = 6; column <= 10; ++column) {
        cell(column).Font().SetName(kLatinFont);
    }
    sheet.Range(QStringLiteral("A%1:M%1").arg(r)).Borders().SetLineStyle(excel::xlContinuous);
}

void writeClosing(Worksheet& sheet) {
    const int n = sheet.UsedRange().Rows().Count();
    const QString saved = QStringLiteral("A%1:M%1").arg(n + 2);
    sheet.Range(QStringLiteral("A%1").arg(n + 2))
        .SetValue(QStringLiteral("保存时间:2024-01-01 12:00:00"));
    sheet.Range(saved).Merge();
    sheet.Range(saved).SetHorizontalAlignment(excel::xlCenter);
    sheet.Range(saved).Font().SetName(kBodyFont);
    sheet.Range(saved).Font().SetSize(10);
    sheet.Range(saved).Borders().SetLineStyle(excel::xlLineStyleNone);
    const QString box = QStringLiteral("A%1:M%2").arg(n + 4).arg(n + 7);
    sheet.Range(box).Merge();
    sheet.Range(QStringLiteral("A%1").arg(n + 4))
        .SetValue(QStringLiteral("效果评估：\n已依计划完成教育训练: □ 是   □ 否 "
                                 "%1\n需调整教育训练计划: □ 是   □ 否 %1")
                      .arg(QString(37, u'_')));
    sheet.Range(box).SetHorizontalAlignment(excel::xlLeft);
    sheet.Range(box).Font().SetName(kBodyFont);
    sheet.Range(box).Font().SetSize(10);
    sheet.Range(box).Borders().SetLineStyle(excel::xlLineStyleNone);
}
} // namespace

std::vector<QStringList> MakeSummaryRows(int count) {
    std::mt19937 random(1);
    std::vector<QStringList> rows;
    for (int i = 0; i < count; ++i) {
        QStringList texts = {QStringLiteral("质量部")};
        for (int flag = 0; flag < 4; ++flag) {
            texts.push_back(random() % 2 == 0 ? QStringLiteral("√") : QString());
        }
        texts << QStringLiteral("内训") << QStringLiteral("2014-12-04")
              << QStringLiteral("SOP-QA-%1").arg(i, 4, 10, QChar(u'0')) << QStringLiteral("三")
              << QStringLiteral("偏差处理管理规程%1").arg(i)
              << QStringLiteral("GMP基础知识培训%1").arg(i % 50) << QStringLiteral("张三");
        QStringList names;
        for (int n = 0; n < 20; ++n) {
            names.push_back(QStringLiteral("员工%1").arg(1 + random() % 2000));
        }
        texts.push_back(names.join(QStringLiteral("、")));
        rows.push_back(texts);
    }
    return rows;
}

void WriteSummaryWorkbook(const XlsOptions& options, const std::vector<QStringList>& rows) {
    excel::Application excel;
    excel::Workbook& workbook = excel.Workbooks().Add();
    Worksheet& sheet = workbook.Worksheets().Item(1);
    sheet.SetName(QStringLiteral("QA教育训练管理"));
    writeHeadings(sheet);
    for (const QStringList& texts : rows) {
        writeRecord(sheet, texts);
    }
    writeClosing(sheet);
    sheet.Columns().AutoFit();
    workbook.SaveAs(options.out, excel::xlExcel8, options.openPassword, options.modifyPassword,
                    excel::xlNoChange);
    workbook.Close();
    excel.Quit();
}

} // namespace Bench
