#include "platform/excel/FormatRecords.h"

#include "platform/excel/Error.h"
#include "platform/excel/NumberFormats.h"

#include <array>

namespace excel {
namespace {
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kStyle = 0x0293;

// XFs 0 to 14 are styles, 15 the default cell format; the cells' own start at 16.
constexpr std::uint16_t kStyleXfs = 15;
constexpr std::uint16_t kDefaultCellXf = 15;
constexpr std::uint16_t kFirstCellXf = 16;
// Font records 0 to 3 repeat the Normal font; index 4 is never used, so the next record
// is index 5.
constexpr std::uint16_t kDefaultFontRecords = 4;
constexpr std::uint16_t kFirstFont = 5;
constexpr std::uint16_t kFirstCustomFormat = 164;

constexpr size_t kMaxFonts = 510 - kDefaultFontRecords;
constexpr size_t kMaxCustomFormats = 218 - 8;
constexpr size_t kMaxCellFormats = 4000;

// The currency and accounting formats every workbook carries, as Chinese Excel writes them.
const std::array<std::pair<std::uint16_t, const char16_t*>, 8> kCurrencyFormats = {{
    {5, u"\"¥\"#,##0;\"¥\"\\-#,##0"},
    {6, u"\"¥\"#,##0;[Red]\"¥\"\\-#,##0"},
    {7, u"\"¥\"#,##0.00;\"¥\"\\-#,##0.00"},
    {8, u"\"¥\"#,##0.00;[Red]\"¥\"\\-#,##0.00"},
    {41, u"_ * #,##0_ ;_ * \\-#,##0_ ;_ * \"-\"_ ;_ @_ "},
    {42, u"_ \"¥\"* #,##0_ ;_ \"¥\"* \\-#,##0_ ;_ \"¥\"* \"-\"_ ;_ @_ "},
    {43, u"_ * #,##0.00_ ;_ * \\-#,##0.00_ ;_ * \"-\"??_ ;_ @_ "},
    {44, u"_ \"¥\"* #,##0.00_ ;_ \"¥\"* \\-#,##0.00_ ;_ \"¥\"* \"-\"??_ ;_ @_ "},
}};

constexpr std::uint16_t kNoFill = kAutomaticColor | (65 << 7);

[[noreturn]] void tooMany(const QString& what, size_t limit) {
    throw Error(QStringLiteral("工作簿中的%1超过 %2 种，无法保存为 Excel 97-2003 工作簿。")
                    .arg(what)
                    .arg(limit));
}

std::uint16_t fillColors(const CellFormat& f) {
    if (f.pattern == 0) {
        return kNoFill;
    }
    // Solid fills show the foreground colour; patterns draw it over the background.
    const std::uint16_t fore = f.pattern == 1 ? f.fillColor : f.patternColor;
    const std::uint16_t back = f.pattern == 1 ? f.patternColor : f.fillColor;
    return static_cast<std::uint16_t>(fore | (back << 7));
}

std::uint32_t lineColor(std::uint8_t style) {
    return style == 0 ? 0 : kAutomaticColor;
}

void writeStyleXf(BiffStream& out, bool normal) {
    out.Begin(record::kXf);
    out.U16(0);      // font
    out.U16(0);      // number format
    out.U16(0xFFF5); // locked, a style, no parent
    out.U8(0x20);    // bottom aligned
    out.U8(0);
    out.U8(0);
    out.U8(normal ? 0x00 : 0xF4); // the other styles take only the font
    out.U32(0);
    out.U32(0);
    out.U16(kNoFill);
    out.End();
}
} // namespace

FormatRecords::FormatRecords(const Styles& styles) : styles_(styles) {}

std::uint16_t FormatRecords::XfIndex(int format, bool wrap) {
    if (format == Styles::kDefaultFormat && !wrap) {
        return kDefaultCellXf;
    }
    const int key = format * 2 + (wrap ? 1 : 0);
    const auto found = xfIndexes_.constFind(key);
    if (found != xfIndexes_.constEnd()) {
        return *found;
    }
    const CellFormat& f = styles_.Format(format);
    const auto index = static_cast<std::uint16_t>(kFirstCellXf + xfs_.size());
    xfs_.push_back({format, wrap, fontIndex(f.font), numberFormatIndex(f.numberFormat)});
    xfIndexes_.insert(key, index);
    return index;
}

std::uint16_t FormatRecords::fontIndex(int font) {
    if (font == 0) {
        return 0;
    }
    const auto found = fontIndexes_.constFind(font);
    if (found != fontIndexes_.constEnd()) {
        return *found;
    }
    const auto index = static_cast<std::uint16_t>(kFirstFont + fonts_.size());
    fonts_.push_back(font);
    fontIndexes_.insert(font, index);
    return index;
}

std::uint16_t FormatRecords::numberFormatIndex(int numberFormat) {
    const int builtIn = BuiltInFormatIndex(styles_.NumberFormat(numberFormat));
    if (builtIn >= 0) {
        return static_cast<std::uint16_t>(builtIn);
    }
    const auto found = numberFormatIndexes_.constFind(numberFormat);
    if (found != numberFormatIndexes_.constEnd()) {
        return *found;
    }
    const auto index = static_cast<std::uint16_t>(kFirstCustomFormat + numberFormats_.size());
    numberFormats_.push_back(numberFormat);
    numberFormatIndexes_.insert(numberFormat, index);
    return index;
}

void FormatRecords::CheckLimits() const {
    if (fonts_.size() > kMaxFonts) {
        tooMany(QStringLiteral("字体"), kMaxFonts);
    }
    if (numberFormats_.size() > kMaxCustomFormats) {
        tooMany(QStringLiteral("自定义数字格式"), kMaxCustomFormats);
    }
    if (xfs_.size() > kMaxCellFormats) {
        tooMany(QStringLiteral("单元格格式"), kMaxCellFormats);
    }
}

void FormatRecords::writeFont(BiffStream& out, const FontEntry& font) const {
    const QString& name = styles_.FontName(font.name);
    out.Begin(kFont);
    out.U16(font.heightTwips);
    out.U16(0); // not italic, struck out, outlined or shadowed
    out.U16(font.color);
    out.U16(font.bold ? 700 : 400);
    out.U16(0); // neither superscript nor subscript
    out.U8(font.underline ? 1 : 0);
    out.U8(0);                              // font family not known
    out.U8(FitsCompressed(name) ? 0 : 134); // GB 2312 character set for Chinese names
    out.U8(0);
    out.ShortString(name);
    out.End();
}

void FormatRecords::writeXf(BiffStream& out, const UsedFormat& used) const {
    const CellFormat& f = styles_.Format(used.format);
    out.Begin(record::kXf);
    out.U16(used.font);
    out.U16(used.numberFormat);
    out.U16(0x0001); // locked, a cell format whose parent is the Normal style
    out.U8(static_cast<std::uint8_t>(f.horizontal | ((used.wrap || f.wrap) ? 0x08 : 0) |
                                     (f.vertical << 4)));
    out.U8(f.rotation);
    out.U8(
        static_cast<std::uint8_t>(f.indent | (f.shrinkToFit ? 0x10 : 0) | (f.readingOrder << 6)));
    out.U8(0xFC); // every attribute is the cell's own
    out.U32(f.borderLeft | (f.borderRight << 4) | (f.borderTop << 8) | (f.borderBottom << 12) |
            (lineColor(f.borderLeft) << 16) | (lineColor(f.borderRight) << 23));
    out.U32(lineColor(f.borderTop) | (lineColor(f.borderBottom) << 7) |
            (static_cast<std::uint32_t>(f.pattern) << 26));
    out.U16(fillColors(f));
    out.End();
}

void FormatRecords::Write(BiffStream& out) const {
    for (int i = 0; i < kDefaultFontRecords; ++i) {
        writeFont(out, styles_.FontAt(0));
    }
    for (const int font : fonts_) {
        writeFont(out, styles_.FontAt(font));
    }
    for (const auto& [index, code] : kCurrencyFormats) {
        out.Begin(record::kFormat);
        out.U16(index);
        out.LongString(QString::fromUtf16(code));
        out.End();
    }
    for (size_t i = 0; i < numberFormats_.size(); ++i) {
        out.Begin(record::kFormat);
        out.U16(static_cast<std::uint16_t>(kFirstCustomFormat + i));
        out.LongString(styles_.NumberFormat(numberFormats_[i]));
        out.End();
    }
    for (int i = 0; i < kStyleXfs; ++i) {
        writeStyleXf(out, i == 0);
    }
    writeXf(out, UsedFormat{Styles::kDefaultFormat, false, 0, 0});
    for (const UsedFormat& used : xfs_) {
        writeXf(out, used);
    }
    out.Begin(kStyle);
    out.U16(0x8000); // built-in style on XF 0
    out.U8(0);       // Normal
    out.U8(0xFF);
    out.End();
}

} // namespace excel
