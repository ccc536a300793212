#include "platform/excel/ExcelCodes.h"

#include "platform/excel/CellFormat.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"
#include "platform/excel/Palette.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace excel {
namespace {
using Table = std::initializer_list<std::pair<int, int>>; // {automation code, file code}

const Table kHorizontal = {{xlGeneral, 0},
                           {xlLeft, 1},
                           {xlCenter, 2},
                           {xlRight, 3},
                           {xlFill, 4},
                           {xlJustify, 5},
                           {xlCenterAcrossSelection, 6},
                           {xlDistributed, 7}};
const Table kVertical = {
    {xlTop, 0}, {xlCenter, 1}, {xlBottom, 2}, {xlJustify, 3}, {xlDistributed, 4}};
const Table kReadingOrder = {{xlContext, 0}, {xlLTR, 1}, {xlRTL, 2}};
const Table kLineStyle = {{xlLineStyleNone, 0}, {xlContinuous, 1},   {xlDash, 3},
                          {xlDot, 4},           {xlDouble, 6},       {xlDashDot, 9},
                          {xlDashDotDot, 11},   {xlSlantDashDot, 13}};
const Table kPattern = {
    {xlPatternNone, 0},           {xlPatternSolid, 1},       {xlPatternGray50, 2},
    {xlPatternGray75, 3},         {xlPatternGray25, 4},      {xlPatternHorizontal, 5},
    {xlPatternVertical, 6},       {xlPatternDown, 7},        {xlPatternUp, 8},
    {xlPatternChecker, 9},        {xlPatternSemiGray75, 10}, {xlPatternLightHorizontal, 11},
    {xlPatternLightVertical, 12}, {xlPatternLightDown, 13},  {xlPatternLightUp, 14},
    {xlPatternGrid, 15},          {xlPatternCrissCross, 16}, {xlPatternGray16, 17},
    {xlPatternGray8, 18}};

int toFile(const Table& table, int value, const char* property) {
    for (const auto& [automation, file] : table) {
        if (automation == value) {
            return file;
        }
    }
    RefuseProperty(property);
}

int fromFile(const Table& table, int code) {
    for (const auto& [automation, file] : table) {
        if (file == code) {
            return automation;
        }
    }
    return table.begin()->first;
}

std::uint32_t swapRedBlue(std::uint32_t color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
} // namespace

void RefuseProperty(const char* property) {
    throw Error(QStringLiteral("不能设置类 Range 的 %1 属性。").arg(QLatin1String(property)));
}

int HorizontalToFile(int alignment) {
    return toFile(kHorizontal, alignment, "HorizontalAlignment");
}
int HorizontalFromFile(int code) {
    return fromFile(kHorizontal, code);
}
int VerticalToFile(int alignment) {
    return toFile(kVertical, alignment, "VerticalAlignment");
}
int VerticalFromFile(int code) {
    return fromFile(kVertical, code);
}
int ReadingOrderToFile(int order) {
    return toFile(kReadingOrder, order, "ReadingOrder");
}
int ReadingOrderFromFile(int code) {
    return fromFile(kReadingOrder, code);
}
int LineStyleToFile(int lineStyle) {
    return toFile(kLineStyle, lineStyle, "LineStyle");
}
int LineStyleFromFile(int code) {
    return fromFile(kLineStyle, code);
}
int PatternToFile(int pattern) {
    return toFile(kPattern, pattern, "Pattern");
}
int PatternFromFile(int code) {
    return fromFile(kPattern, code);
}

// The file keeps 0 to 90 degrees counter-clockwise as is, clockwise as 91 to 180, and
// stacked letters as 255.
int OrientationToFile(int orientation) {
    switch (orientation) {
    case xlHorizontal:
        return 0;
    case xlUpward:
        return 90;
    case xlDownward:
        return 180;
    case xlVertical:
        return 255;
    default:
        break;
    }
    if (orientation < -90 || orientation > 90) {
        RefuseProperty("Orientation");
    }
    return orientation >= 0 ? orientation : 90 - orientation;
}

int OrientationFromFile(int code) {
    if (code == 255) {
        return xlVertical;
    }
    return code <= 90 ? code : 90 - code;
}

int ColorIndexToFile(int colorIndex, const char* property) {
    if (colorIndex == xlAutomatic) {
        return kAutomaticColor;
    }
    if (colorIndex < 1 || colorIndex > kLastPaletteIndex - kFirstPaletteIndex + 1) {
        RefuseProperty(property);
    }
    return colorIndex + kFirstPaletteIndex - 1;
}

int ColorIndexFromFile(int code) {
    if (code < kFirstPaletteIndex || code > kLastPaletteIndex) {
        return xlAutomatic;
    }
    return code - kFirstPaletteIndex + 1;
}

int IndentToFile(int indentLevel) {
    if (indentLevel < 0 || indentLevel > 15) {
        RefuseProperty("IndentLevel");
    }
    return indentLevel;
}

int FontSizeToTwips(double points) {
    if (!(points >= 1 && points <= 409)) {
        throw Error(QStringLiteral("不能设置类 Font 的 Size 属性。"));
    }
    return static_cast<int>(std::lround(points * 20));
}

int FontColorToFile(long color) {
    if (color < 0 || color > 0xFFFFFF) {
        throw Error(QStringLiteral("不能设置类 Font 的 Color 属性。"));
    }
    return NearestPaletteIndex(swapRedBlue(static_cast<std::uint32_t>(color)));
}

long FontColorFromFile(int code) {
    if (code < kFirstPaletteIndex || code > kLastPaletteIndex) {
        return 0; // automatic shows black
    }
    return static_cast<long>(swapRedBlue(PaletteRgb(code)));
}

} // namespace excel
