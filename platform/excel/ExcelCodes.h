#pragma once

#include <QString>
#include <cstdint>

// Conversions between the codes of Excel's automation interface (Constants.h) and the codes
// of the file. The To... functions throw excel::Error, worded as Excel words it, for a value
// Excel refuses.
namespace excel {

int HorizontalToFile(int alignment);
int HorizontalFromFile(int code);
int VerticalToFile(int alignment);
int VerticalFromFile(int code);
int OrientationToFile(int orientation);
int OrientationFromFile(int code);
int ReadingOrderToFile(int order);
int ReadingOrderFromFile(int code);
int LineStyleToFile(int lineStyle);
int LineStyleFromFile(int code);
int PatternToFile(int pattern);
int PatternFromFile(int code);
// ColorIndex 1 to 56, or xlAutomatic; xlNone is the caller's to handle.
int ColorIndexToFile(int colorIndex, const char* property);
int ColorIndexFromFile(int code);
int IndentToFile(int indentLevel);
int FontSizeToTwips(double points);
// Font.Color is a BGR number (red in the low byte); the file keeps the nearest palette entry.
int FontColorToFile(long color);
long FontColorFromFile(int code);

[[noreturn]] void RefuseProperty(const char* property);

} // namespace excel
