#include "platform/excel/Styles.h"

#include "platform/excel/NumberFormats.h"

namespace excel {

Styles::Styles() {
    internFont(FontEntry{static_cast<std::uint16_t>(FontNameId(QStringLiteral("宋体")))});
    NumberFormatId(kGeneralFormat);
    NumberFormatId(kTextFormat);
    internFormat(CellFormat{});
}

int Styles::FontNameId(const QString& name) {
    const auto found = fontNameIds_.constFind(name);
    if (found != fontNameIds_.constEnd()) {
        return *found;
    }
    fontNames_.push_back(name);
    return *fontNameIds_.insert(name, static_cast<int>(fontNames_.size() - 1));
}

int Styles::NumberFormatId(const QString& code) {
    const auto found = numberFormatIds_.constFind(code);
    if (found != numberFormatIds_.constEnd()) {
        return *found;
    }
    numberFormats_.push_back(code);
    dateFormats_.push_back(IsDateFormatCode(code));
    return *numberFormatIds_.insert(code, static_cast<int>(numberFormats_.size() - 1));
}

int Styles::Apply(int format, FormatProperty property, int value) {
    const quint64 key = (static_cast<quint64>(format) << 40) |
                        (static_cast<quint64>(property) << 32) | static_cast<quint32>(value);
    const auto known = transitions_.constFind(key);
    if (known != transitions_.constEnd()) {
        return *known;
    }
    CellFormat changed = Format(format);
    change(changed, property, value);
    const int id = internFormat(changed);
    transitions_.insert(key, id);
    return id;
}

int Styles::internFont(const FontEntry& font) {
    const auto found = fontIds_.constFind(font);
    if (found != fontIds_.constEnd()) {
        return *found;
    }
    fonts_.push_back(font);
    return *fontIds_.insert(font, static_cast<int>(fonts_.size() - 1));
}

int Styles::internFormat(const CellFormat& format) {
    const auto found = formatIds_.constFind(format);
    if (found != formatIds_.constEnd()) {
        return *found;
    }
    formats_.push_back(format);
    return *formatIds_.insert(format, static_cast<int>(formats_.size() - 1));
}

void Styles::change(CellFormat& f, FormatProperty property, int value) {
    const auto byte = static_cast<std::uint8_t>(value);
    FontEntry font = FontAt(f.font);
    switch (property) {
    case FormatProperty::FontName:
        font.name = static_cast<std::uint16_t>(value);
        break;
    case FormatProperty::FontSize:
        font.heightTwips = static_cast<std::uint16_t>(value);
        break;
    case FormatProperty::FontBold:
        font.bold = value != 0;
        break;
    case FormatProperty::FontUnderline:
        font.underline = value != 0;
        break;
    case FormatProperty::FontColor:
        font.color = static_cast<std::uint16_t>(value);
        break;
    case FormatProperty::NumberFormat:
        f.numberFormat = static_cast<std::uint16_t>(value);
        break;
    case FormatProperty::Horizontal:
        f.horizontal = byte;
        break;
    case FormatProperty::Vertical:
        f.vertical = byte;
        break;
    case FormatProperty::Wrap:
        f.wrap = value != 0;
        break;
    case FormatProperty::Rotation:
        f.rotation = byte;
        break;
    case FormatProperty::Indent:
        f.indent = byte;
        break;
    case FormatProperty::ShrinkToFit:
        f.shrinkToFit = value != 0;
        break;
    case FormatProperty::AddIndent:
        f.addIndent = value != 0;
        break;
    case FormatProperty::ReadingOrder:
        f.readingOrder = byte;
        break;
    case FormatProperty::Borders:
        f.borderLeft = f.borderRight = f.borderTop = f.borderBottom = byte;
        break;
    case FormatProperty::FillColor:
        // As in Excel, giving a cell without fill a colour fills it solid.
        f.fillColor = byte;
        if (f.pattern == 0) {
            f.pattern = 1;
        }
        break;
    case FormatProperty::NoFill:
        f.pattern = 0;
        f.fillColor = kAutomaticColor;
        break;
    case FormatProperty::Pattern:
        f.pattern = byte;
        break;
    case FormatProperty::PatternColor:
        f.patternColor = byte;
        break;
    }
    f.font = static_cast<std::uint16_t>(internFont(font));
}

} // namespace excel
