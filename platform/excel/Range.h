#pragma once

#include "platform/excel/CellAddress.h"
#include "platform/excel/Styles.h"

#include <QString>
#include <QVariant>

namespace excel {

class Worksheet;
class Font;
class Borders;
class Interior;

// The row collection of a range; only its count is used.
class RangeRows {
public:
    explicit RangeRows(int count) : count_(count) {}
    int Count() const { return count_; }

private:
    int count_;
};

// A rectangle of cells of one sheet, shaped after Excel's Range. Setting a property sets
// it on every cell of the range; reading one reads the first cell. Codes are Excel's
// (Constants.h); a value Excel refuses throws excel::Error.
class Range {
public:
    Range(Worksheet& sheet, const CellRect& rect, bool entireRow);

    // Strings are read as Excel reads typed input unless the cell's number format is "@";
    // numbers, QDate, QDateTime and QTime are stored as they are; a null QVariant empties.
    void SetValue(const QVariant& value);
    // QString, double, QDate, QDateTime or QTime; a null QVariant for an empty cell.
    QVariant Value() const;
    void Merge();

    QString NumberFormatLocal() const;
    void SetNumberFormatLocal(const QString& code);
    int HorizontalAlignment() const;
    void SetHorizontalAlignment(int alignment);
    int VerticalAlignment() const;
    void SetVerticalAlignment(int alignment);
    bool WrapText() const;
    void SetWrapText(bool wrap);
    int Orientation() const;
    void SetOrientation(int orientation);
    bool AddIndent() const;
    void SetAddIndent(bool addIndent);
    int IndentLevel() const;
    void SetIndentLevel(int level);
    bool ShrinkToFit() const;
    void SetShrinkToFit(bool shrink);
    int ReadingOrder() const;
    void SetReadingOrder(int order);

    // In characters of the default font, as Excel gives it: the first column's width, and
    // every column of the range when set.
    double ColumnWidth() const;
    void SetColumnWidth(double characters);

    excel::Font Font() const;
    excel::Borders Borders() const;
    excel::Interior Interior() const;
    RangeRows Rows() const { return RangeRows(rect_.Rows()); }

    // What the format objects of the range use.
    const CellFormat& FirstFormat() const;
    Styles& WorkbookStyles() const;
    void Apply(FormatProperty property, int value) const;

private:
    Worksheet* sheet_;
    CellRect rect_;
    bool entireRow_;
};

} // namespace excel
