#pragma once

#include <QString>

class ReportRows;
namespace excel {
class Range;
class Worksheet;
} // namespace excel

// The two report layouts, written cell by cell: the training summary (columns A to M)
// and one employee's personal training record (A to L).
class ReportLayout {
public:
    struct Choice {
        bool personal = false;
        QString employeeName; // the name box, as typed
        bool autoWrap = true;
    };

    struct Employee {
        bool found = false;
        QString number;
        QString education;
        QString position;
        QString joined;
    };

    ReportLayout(ReportRows& list, const Choice& choice) : list_(list), choice_(choice) {}

    // Title and headings. Throws excel::Error at its first failure.
    void 增加表头(excel::Worksheet& sheet);
    // One record row under everything written so far; failing steps are skipped.
    void 增加内容(excel::Worksheet& sheet, int item);
    // The save time, the evaluation box and, for the personal record, the signatures.
    // Throws excel::Error at its first failure.
    void 增加结尾(excel::Worksheet& sheet);
    // After the columns were fitted: the sheet set up to print (ReportPrinting).
    void PrepareForPrinting(excel::Worksheet& sheet) const;

    static QString 数字转换(const QString& digit);
    // White 10-point text on orange, centred, wrapped, with thin borders.
    static void 格式化单元格(excel::Range range);
    static Employee 人员姓名2信息(const QString& name);

private:
    void summaryHeadings(excel::Worksheet& sheet);
    void personalHeadings(excel::Worksheet& sheet);
    void tableHeadings(excel::Worksheet& sheet, int row, bool withParticipants);
    QString lastColumn() const {
        return choice_.personal ? QStringLiteral("L") : QStringLiteral("M");
    }
    // Sub-items 10 and 11 lose a trailing line break, in the list too.
    QString withoutTrailingBreak(int item, int subItem);

    ReportRows& list_;
    Choice choice_;
    int headingRow_ = 0; // the table headings' first row, once written
};
