#pragma once

#include <QHashFunctions>
#include <cstdint>

namespace excel {

// Palette indexes as the file stores them.
inline constexpr std::uint8_t kAutomaticColor = 64;
inline constexpr std::uint16_t kAutomaticFontColor = 0x7FFF;
// A new workbook's Normal style is 11-point 宋体, as in Chinese Excel.
inline constexpr std::uint16_t kDefaultFontHeightTwips = 220;

// One font of the workbook's font table. The name is an index into the workbook's
// font names.
struct FontEntry {
    std::uint16_t name = 0;
    std::uint16_t heightTwips = kDefaultFontHeightTwips;
    bool bold = false;
    bool underline = false;
    std::uint16_t color = kAutomaticFontColor;

    bool operator==(const FontEntry&) const = default;
};

// One cell format, with every attribute in the form the file stores it: fonts and number
// formats as indexes into the workbook's tables, alignments, line styles and fill patterns
// as the file's codes, colours as palette indexes.
struct CellFormat {
    std::uint16_t font = 0;
    std::uint16_t numberFormat = 0;
    std::uint8_t horizontal = 0; // general
    std::uint8_t vertical = 2;   // bottom
    bool wrap = false;
    std::uint8_t rotation = 0;
    std::uint8_t indent = 0;
    bool shrinkToFit = false;
    bool addIndent = false;
    std::uint8_t readingOrder = 0;
    std::uint8_t borderLeft = 0;
    std::uint8_t borderRight = 0;
    std::uint8_t borderTop = 0;
    std::uint8_t borderBottom = 0;
    std::uint8_t pattern = 0;
    std::uint8_t fillColor = kAutomaticColor;
    std::uint8_t patternColor = kAutomaticColor;

    bool operator==(const CellFormat&) const = default;
};

inline size_t qHash(const FontEntry& font, size_t seed = 0) {
    return qHashMulti(seed, font.name, font.heightTwips, font.bold, font.underline, font.color);
}

inline size_t qHash(const CellFormat& f, size_t seed = 0) {
    return qHashMulti(seed, f.font, f.numberFormat, f.horizontal, f.vertical, f.wrap, f.rotation,
                      f.indent, f.shrinkToFit, f.addIndent, f.readingOrder, f.borderLeft,
                      f.borderRight, f.borderTop, f.borderBottom, f.pattern, f.fillColor,
                      f.patternColor);
}

} // namespace excel
