#include "platform/excel/RangeFormat.h"

#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"
#include "platform/excel/ExcelCodes.h"

namespace excel {

const FontEntry& Font::font() const {
    return range_.WorkbookStyles().FontAt(range_.FirstFormat().font);
}

QString Font::Name() const {
    return range_.WorkbookStyles().FontName(font().name);
}
void Font::SetName(const QString& name) {
    if (name.isEmpty() || name.size() > 31) {
        throw Error(QStringLiteral("不能设置类 Font 的 Name 属性。"));
    }
    range_.Apply(FormatProperty::FontName, range_.WorkbookStyles().FontNameId(name));
}

double Font::Size() const {
    return font().heightTwips / 20.0;
}
void Font::SetSize(double points) {
    range_.Apply(FormatProperty::FontSize, FontSizeToTwips(points));
}

bool Font::Bold() const {
    return font().bold;
}
void Font::SetBold(bool bold) {
    range_.Apply(FormatProperty::FontBold, bold);
}

bool Font::Underline() const {
    return font().underline;
}
void Font::SetUnderline(bool underline) {
    range_.Apply(FormatProperty::FontUnderline, underline);
}

long Font::Color() const {
    return FontColorFromFile(font().color);
}
void Font::SetColor(long color) {
    range_.Apply(FormatProperty::FontColor, FontColorToFile(color));
}

int Borders::LineStyle() const {
    return LineStyleFromFile(range_.FirstFormat().borderLeft);
}
void Borders::SetLineStyle(int lineStyle) {
    range_.Apply(FormatProperty::Borders, LineStyleToFile(lineStyle));
}

int Interior::ColorIndex() const {
    const CellFormat& format = range_.FirstFormat();
    return format.pattern == 0 ? xlNone : ColorIndexFromFile(format.fillColor);
}
void Interior::SetColorIndex(int colorIndex) {
    if (colorIndex == xlNone) {
        range_.Apply(FormatProperty::NoFill, 0);
        return;
    }
    range_.Apply(FormatProperty::FillColor, ColorIndexToFile(colorIndex, "ColorIndex"));
}

int Interior::Pattern() const {
    return PatternFromFile(range_.FirstFormat().pattern);
}
void Interior::SetPattern(int pattern) {
    range_.Apply(FormatProperty::Pattern, PatternToFile(pattern));
}

int Interior::PatternColorIndex() const {
    return ColorIndexFromFile(range_.FirstFormat().patternColor);
}
void Interior::SetPatternColorIndex(int colorIndex) {
    range_.Apply(FormatProperty::PatternColor, ColorIndexToFile(colorIndex, "PatternColorIndex"));
}

} // namespace excel
