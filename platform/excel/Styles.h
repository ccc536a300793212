#pragma once

#include "platform/excel/CellFormat.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace excel {

// What one format assignment of the automation interface changes. Values are in the
// file's form (see CellFormat); names and number formats are table indexes.
enum class FormatProperty : std::uint8_t {
    FontName,
    FontSize,
    FontBold,
    FontUnderline,
    FontColor,
    NumberFormat,
    Horizontal,
    Vertical,
    Wrap,
    Rotation,
    Indent,
    ShrinkToFit,
    AddIndent,
    ReadingOrder,
    Borders,
    FillColor,
    NoFill,
    Pattern,
    PatternColor,
};

// The workbook's tables of fonts, number formats and cell formats. Every distinct format
// is kept once; cells refer to formats by index, index 0 being the default format.
class Styles {
public:
    static constexpr int kDefaultFormat = 0;
    static constexpr int kGeneralNumberFormat = 0;
    static constexpr int kTextNumberFormat = 1;

    Styles();

    // The index of `format` with one property changed.
    int Apply(int format, FormatProperty property, int value);

    const CellFormat& Format(int id) const { return formats_[static_cast<size_t>(id)]; }
    const FontEntry& FontAt(int id) const { return fonts_[static_cast<size_t>(id)]; }
    const QString& FontName(int nameId) const { return fontNames_.at(nameId); }
    int FontNameId(const QString& name);
    const QString& NumberFormat(int id) const { return numberFormats_.at(id); }
    int NumberFormatId(const QString& code);
    bool IsDateFormat(int numberFormatId) const { return dateFormats_[numberFormatId]; }

private:
    int internFont(const FontEntry& font);
    int internFormat(const CellFormat& format);
    void change(CellFormat& format, FormatProperty property, int value);

    std::vector<CellFormat> formats_;
    QHash<CellFormat, int> formatIds_;
    std::vector<FontEntry> fonts_;
    QHash<FontEntry, int> fontIds_;
    QStringList fontNames_;
    QHash<QString, int> fontNameIds_;
    QStringList numberFormats_;
    QHash<QString, int> numberFormatIds_;
    std::vector<bool> dateFormats_;
    QHash<quint64, int> transitions_;
};

} // namespace excel
