#pragma once

#include "platform/excel/Range.h"

#include <QString>

// The Font, Borders and Interior objects of a range, shaped after Excel's. Setting a
// property sets it on every cell of the range; reading reads the first cell.
namespace excel {

class Font {
public:
    explicit Font(const excel::Range& range) : range_(range) {}

    QString Name() const;
    void SetName(const QString& name);
    double Size() const;
    void SetSize(double points);
    bool Bold() const;
    void SetBold(bool bold);
    bool Underline() const;
    void SetUnderline(bool underline);
    // BGR, as Excel: 0xFFFFFF is white, 0x0000FF red. The file keeps the nearest colour of
    // the palette, and reading gives that colour back.
    long Color() const;
    void SetColor(long color);

private:
    const FontEntry& font() const;
    excel::Range range_;
};

// All edges and inner lines of the range at once.
class Borders {
public:
    explicit Borders(const excel::Range& range) : range_(range) {}

    // The style of the first cell's left edge.
    int LineStyle() const;
    void SetLineStyle(int lineStyle);

private:
    excel::Range range_;
};

class Interior {
public:
    explicit Interior(const excel::Range& range) : range_(range) {}

    // 1 to 56 in Excel's palette, xlAutomatic, or xlNone for no fill.
    int ColorIndex() const;
    void SetColorIndex(int colorIndex);
    int Pattern() const;
    void SetPattern(int pattern);
    int PatternColorIndex() const;
    void SetPatternColorIndex(int colorIndex);

private:
    excel::Range range_;
};

} // namespace excel
