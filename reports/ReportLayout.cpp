#include "reports/ReportLayout.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/CompanyName.h"
#include "platform/app/Error.h"
#include "platform/app/Strings.h"
#include "platform/clock/Clock.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Range.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Worksheet.h"
#include "reports/ReportPrinting.h"
#include "reports/ReportRows.h"
#include "store/ModuleDataBase.h"

#include <QLocale>

namespace {
const QString kKaiti = QStringLiteral("楷体_GB2312");
const QString kTimes = QStringLiteral("Times New Roman");

QString twoLines(const char* chinese, const char* english) {
    return QString::fromUtf8(chinese) + u'\n' + QString::fromUtf8(english);
}

struct Heading {
    QString cell;
    QString merged; // empty: the cell alone
    QString value;
};

void writeHeading(excel::Worksheet& sheet, const Heading& heading) {
    sheet.Range(heading.cell).SetValue(heading.value);
    if (heading.merged.isEmpty()) {
        ReportLayout::格式化单元格(sheet.Range(heading.cell));
        return;
    }
    excel::Range merged = sheet.Range(heading.merged);
    merged.Merge();
    ReportLayout::格式化单元格(merged);
}

int usedRows(excel::Worksheet& sheet) {
    return sheet.UsedRange().Rows().Count();
}

QString cell(const char* column, int row) {
    return QString::fromLatin1(column) + QString::number(row);
}

// A flag's text read as a Boolean: True/False in any letter case, or a number.
bool flagSet(const QString& text) {
    if (text.compare(u"true", Qt::CaseInsensitive) == 0) {
        return true;
    }
    bool numeric = false;
    const double number = text.trimmed().toDouble(&numeric);
    return numeric && number != 0;
}

QString saveTime() {
    const QDateTime now = Clock::Now();
    return QLocale().toString(now.date(), QLocale::ShortFormat) + u' ' +
           now.time().toString(QStringLiteral("H:mm:ss"));
}

QString evaluationBox() {
    const QString line = QStringLiteral(": □ 是   □ 否 ") + QString(37, u'_');
    return QStringLiteral("效果评估：\n已依计划完成教育训练") + line +
           QStringLiteral("\n需调整教育训练计划") + line;
}
} // namespace

void ReportLayout::格式化单元格(excel::Range range) {
    range.Font().SetBold(false);
    range.Font().SetName(kKaiti);
    range.Font().SetSize(10);
    range.Font().SetColor(16777215);
    range.Borders().SetLineStyle(excel::xlContinuous);
    range.SetHorizontalAlignment(excel::xlCenter);
    range.SetVerticalAlignment(excel::xlCenter);
    range.SetWrapText(false);
    range.SetOrientation(0);
    range.SetAddIndent(false);
    range.SetIndentLevel(0);
    range.SetShrinkToFit(false);
    range.SetReadingOrder(excel::xlContext);
    range.Interior().SetColorIndex(46);
    range.Interior().SetPattern(excel::xlSolid);
    range.Interior().SetPatternColorIndex(excel::xlAutomatic);
    range.Font().SetName(kTimes);
    range.SetWrapText(true);
}

QString ReportLayout::数字转换(const QString& digit) {
    static const QString numerals = QStringLiteral("零一二三四五六七八九");
    if (digit.size() == 1 && digit[0] >= u'0' && digit[0] <= u'9') {
        return numerals.at(digit[0].unicode() - u'0');
    }
    return {};
}

ReportLayout::Employee ReportLayout::人员姓名2信息(const QString& name) {
    Employee employee;
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return employee;
    }
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 员工表 where 姓名='") + SqlQuote(name) + u'\'',
                connection, ado::adOpenKeyset, ado::adLockReadOnly);
        if (!rs.Eof()) {
            const ado::FieldList& f = rs.Fields();
            employee.found = true;
            employee.number = f[QStringLiteral("员工编号")].Text();
            employee.education = f[QStringLiteral("学历")].Text();
            employee.position = f[QStringLiteral("职务")].Text();
            employee.joined = f[QStringLiteral("到职日")].Text();
        }
    } catch (const ado::Error&) {
    }
    return employee;
}

void ReportLayout::增加表头(excel::Worksheet& sheet) {
    if (choice_.personal) {
        personalHeadings(sheet);
    } else {
        summaryHeadings(sheet);
    }
}

void ReportLayout::summaryHeadings(excel::Worksheet& sheet) {
    writeHeading(sheet, {QStringLiteral("A1"), QStringLiteral("A1:M1"),
                         CompanyName + QStringLiteral(" 教育训练记录表")});
    sheet.Range(QStringLiteral("A1:M1")).Font().SetUnderline(true);
    tableHeadings(sheet, 2, true);
}

void ReportLayout::tableHeadings(excel::Worksheet& sheet, int row, bool withParticipants) {
    headingRow_ = row;
    const int next = row + 1;
    auto down = [row, next](const char* column) {
        return cell(column, row) + u':' + cell(column, next);
    };
    std::vector<Heading> headings = {
        {cell("A", row), down("A"), twoLines("部门", "Department")},
        {cell("B", row), cell("B", row) + u':' + cell("F", row),
         twoLines("教育训练类别", "Type of Training")},
        {cell("B", next), {}, twoLines("新进员工", "Orientation")},
        {cell("C", next), {}, twoLines("法规", "Regulation")},
        {cell("D", next), {}, QStringLiteral("SOP")},
        {cell("E", next), {}, twoLines("专业技术", "Technical")},
        {cell("F", next), {}, twoLines("内外训", "In/Out")},
        {cell("G", row), down("G"), twoLines("训练时间", "Training Time")},
        {cell("H", row), down("H"), twoLines("SOP编号", "Document No of SOP")},
        {cell("I", row), down("I"), twoLines("SOP版次", "Revision Number of SOP")},
        {cell("J", row), down("J"), twoLines("SOP名称", "Title of SOP")},
        {cell("K", row), down("K"), twoLines("教育训练名称", "Title of Training Program")},
        {cell("L", row), down("L"), twoLines("主讲人", "Trainer")}};
    if (withParticipants) {
        headings.push_back({cell("M", row), down("M"), twoLines("参加人员", "Trained employees")});
    }
    for (const Heading& heading : headings) {
        writeHeading(sheet, heading);
    }
}

void ReportLayout::personalHeadings(excel::Worksheet& sheet) {
    const QString name = Vb::Trim(choice_.employeeName);
    const Employee employee = name.isEmpty() ? Employee() : 人员姓名2信息(name);
    writeHeading(sheet, {QStringLiteral("A1"), QStringLiteral("A1:L1"),
                         CompanyName + QStringLiteral(" 个人教育训练记录表")});
    sheet.Range(QStringLiteral("A1:L1")).Font().SetUnderline(true);
    const std::vector<Heading> block = {
        {QStringLiteral("A2"), {}, QStringLiteral("姓      名")},
        {QStringLiteral("B2"), QStringLiteral("B2:F2"), name},
        {QStringLiteral("G2"), {}, QStringLiteral("员工编号")},
        {QStringLiteral("H2"), QStringLiteral("H2:J2"), employee.number},
        {QStringLiteral("A3"), {}, QStringLiteral("学      历")},
        {QStringLiteral("B3"), QStringLiteral("B3:F3"), employee.education},
        {QStringLiteral("G3"), {}, QStringLiteral("职       务")},
        {QStringLiteral("H3"), QStringLiteral("H3:J3"), employee.position}};
    for (const Heading& heading : block) {
        writeHeading(sheet, heading);
    }
    sheet.Range(QStringLiteral("K2")).SetValue(QStringLiteral("到职日"));
    格式化单元格(sheet.Range(QStringLiteral("K2")));
    sheet.Range(QStringLiteral("K2:K3")).Merge();
    格式化单元格(sheet.Range(QStringLiteral("K2:K3")));
    writeHeading(sheet, {QStringLiteral("L2"), QStringLiteral("L2:L3"), employee.joined});
    tableHeadings(sheet, usedRows(sheet) + 2, false);
}

QString ReportLayout::withoutTrailingBreak(int item, int subItem) {
    QString text = list_.SubItem(item, subItem);
    if (text.endsWith(QStringLiteral("\r\n"))) {
        text.chop(2);
        list_.SetSubItem(item, subItem, text);
    }
    return text;
}

void ReportLayout::增加内容(excel::Worksheet& sheet, int item) {
    int n = 0;
    App::IgnoringErrors([&] {
        if (usedRows(sheet) == 0) {
            增加表头(sheet);
        }
    });
    App::IgnoringErrors([&] { n = usedRows(sheet); });
    const int r = n + 1;
    auto at = [&sheet, r](const char* column) { return sheet.Range(cell(column, r)); };
    App::IgnoringErrors([&] { at("A").SetValue(list_.SubItem(item, 1)); });
    const char* flagColumns[] = {"B", "C", "D", "E"};
    for (int flag = 0; flag < 4; ++flag) {
        App::IgnoringErrors([&] {
            at(flagColumns[flag])
                .SetValue(flagSet(list_.SubItem(item, 2 + flag)) ? QStringLiteral("√") : QString());
        });
    }
    App::IgnoringErrors([&] { at("F").SetValue(list_.SubItem(item, 6)); });
    App::IgnoringErrors([&] { at("G").SetNumberFormatLocal(QStringLiteral("@")); });
    App::IgnoringErrors([&] { at("G").SetValue(list_.SubItem(item, 7)); });
    App::IgnoringErrors([&] { at("H").SetValue(list_.SubItem(item, 8)); });
    App::IgnoringErrors([&] {
        const QString revision = Vb::Trim(list_.SubItem(item, 9));
        at("I").SetNumberFormatLocal(QStringLiteral("@"));
        const QString numeral = 数字转换(revision);
        at("I").SetValue(numeral.isEmpty() ? revision : numeral);
    });
    const std::pair<const char*, int> wrapped[] = {{"J", 10}, {"K", 11}};
    for (const auto& [column, subItem] : wrapped) {
        App::IgnoringErrors([&, column = column, subItem = subItem] {
            at(column).SetValue(withoutTrailingBreak(item, subItem));
            if (choice_.autoWrap) {
                at(column).SetWrapText(true);
            }
        });
    }
    App::IgnoringErrors([&] { at("L").SetValue(list_.SubItem(item, 12)); });
    if (!choice_.personal) {
        App::IgnoringErrors([&] {
            at("M").SetValue(list_.SubItem(item, 13));
            if (choice_.autoWrap) {
                at("M").SetWrapText(true);
            }
        });
    }
    App::IgnoringErrors([&] {
        sheet.Rows(r).Font().SetName(kKaiti);
        sheet.Rows(r).Font().SetSize(10);
    });
    for (const char* column : {"G", "H", "I", "J", "K"}) {
        App::IgnoringErrors([&] { at(column).Font().SetName(kTimes); });
    }
    App::IgnoringErrors([&] {
        sheet.Range(cell("A", r) + u':' + cell(lastColumn().toLatin1().constData(), r))
            .Borders()
            .SetLineStyle(excel::xlContinuous);
    });
}

void ReportLayout::增加结尾(excel::Worksheet& sheet) {
    int n = usedRows(sheet);
    if (n == 0) {
        增加表头(sheet);
        n = usedRows(sheet);
    }
    const QString z = lastColumn();
    auto span = [&z](int first, int last) {
        return QStringLiteral("A%1:%2%3").arg(first).arg(z).arg(last);
    };
    sheet.Range(cell("A", n + 2)).SetValue(QStringLiteral("保存时间:") + saveTime());
    excel::Range time = sheet.Range(span(n + 2, n + 2));
    time.Merge();
    time.SetHorizontalAlignment(excel::xlCenter);
    time.Font().SetName(kKaiti);
    time.Font().SetSize(10);
    time.Borders().SetLineStyle(excel::xlLineStyleNone);

    excel::Range box = sheet.Range(span(n + 4, n + 7));
    box.Merge();
    sheet.Range(cell("A", n + 4)).SetValue(evaluationBox());
    box.SetHorizontalAlignment(excel::xlLeft);
    box.Font().SetName(kKaiti);
    box.Font().SetSize(10);
    box.Borders().SetLineStyle(excel::xlLineStyleNone);

    if (choice_.personal) {
        sheet.Range(cell("B", n + 9)).SetValue(QStringLiteral("人员签章:"));
        sheet.Range(cell("B", n + 9)).Font().SetName(kKaiti);
        sheet.Range(cell("H", n + 9)).SetValue(QStringLiteral("主管签章:"));
        sheet.Range(cell("H", n + 9)).Font().SetName(kKaiti);
    }
}

void ReportLayout::PrepareForPrinting(excel::Worksheet& sheet) const {
    constexpr int kColumnL = 11;
    constexpr int kColumnM = 12;
    ReportPrinting::Prepare(
        sheet, {headingRow_, choice_.personal ? kColumnL : kColumnM, choice_.autoWrap});
}
