#include "platform/excel/Range.h"

#include "platform/excel/Error.h"
#include "platform/excel/ExcelCodes.h"
#include "platform/excel/RangeFormat.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

#include <cmath>

namespace excel {
namespace {
// A column nobody sized: Excel's 8.43 characters.
constexpr double kDefaultColumnCharacters = 8.43;
} // namespace

Range::Range(Worksheet& sheet, const CellRect& rect, bool entireRow)
    : sheet_(&sheet), rect_(rect), entireRow_(entireRow) {}

void Range::SetValue(const QVariant& value) {
    sheet_->SetValue(rect_, value);
}

QVariant Range::Value() const {
    return sheet_->Value(rect_.top, rect_.left);
}

void Range::Merge() {
    sheet_->Merge(rect_);
}

double Range::ColumnWidth() const {
    const int width = sheet_->ColumnWidth(rect_.left);
    return width < 0 ? kDefaultColumnCharacters : width / 256.0;
}

void Range::SetColumnWidth(double characters) {
    if (characters < 0 || characters > 255) {
        throw Error(QStringLiteral("不能设置类 Range 的 ColumnWidth 属性。"));
    }
    for (int column = rect_.left; column <= rect_.right; ++column) {
        sheet_->SetColumnWidth(column, static_cast<int>(std::lround(characters * 256)));
    }
}

const CellFormat& Range::FirstFormat() const {
    return WorkbookStyles().Format(sheet_->FormatAt(rect_.top, rect_.left));
}

Styles& Range::WorkbookStyles() const {
    return sheet_->Parent().Styles();
}

void Range::Apply(FormatProperty property, int value) const {
    sheet_->ApplyFormat(rect_, entireRow_, property, value);
}

QString Range::NumberFormatLocal() const {
    return WorkbookStyles().NumberFormat(FirstFormat().numberFormat);
}

void Range::SetNumberFormatLocal(const QString& code) {
    if (code.isEmpty()) {
        RefuseProperty("NumberFormatLocal");
    }
    Apply(FormatProperty::NumberFormat, WorkbookStyles().NumberFormatId(code));
}

int Range::HorizontalAlignment() const {
    return HorizontalFromFile(FirstFormat().horizontal);
}
void Range::SetHorizontalAlignment(int alignment) {
    Apply(FormatProperty::Horizontal, HorizontalToFile(alignment));
}

int Range::VerticalAlignment() const {
    return VerticalFromFile(FirstFormat().vertical);
}
void Range::SetVerticalAlignment(int alignment) {
    Apply(FormatProperty::Vertical, VerticalToFile(alignment));
}

bool Range::WrapText() const {
    return FirstFormat().wrap;
}
void Range::SetWrapText(bool wrap) {
    Apply(FormatProperty::Wrap, wrap);
}

int Range::Orientation() const {
    return OrientationFromFile(FirstFormat().rotation);
}
void Range::SetOrientation(int orientation) {
    Apply(FormatProperty::Rotation, OrientationToFile(orientation));
}

bool Range::AddIndent() const {
    return FirstFormat().addIndent;
}
void Range::SetAddIndent(bool addIndent) {
    Apply(FormatProperty::AddIndent, addIndent);
}

int Range::IndentLevel() const {
    return FirstFormat().indent;
}
void Range::SetIndentLevel(int level) {
    Apply(FormatProperty::Indent, IndentToFile(level));
}

bool Range::ShrinkToFit() const {
    return FirstFormat().shrinkToFit;
}
void Range::SetShrinkToFit(bool shrink) {
    Apply(FormatProperty::ShrinkToFit, shrink);
}

int Range::ReadingOrder() const {
    return ReadingOrderFromFile(FirstFormat().readingOrder);
}
void Range::SetReadingOrder(int order) {
    Apply(FormatProperty::ReadingOrder, ReadingOrderToFile(order));
}

excel::Font Range::Font() const {
    return excel::Font(*this);
}
excel::Borders Range::Borders() const {
    return excel::Borders(*this);
}
excel::Interior Range::Interior() const {
    return excel::Interior(*this);
}

} // namespace excel
