#pragma once

#include "platform/excel/BiffStream.h"
#include "platform/excel/Styles.h"

#include <QHash>
#include <vector>

namespace excel {

// The FONT, FORMAT, XF and STYLE records of a workbook, made from the formats its cells
// use: each distinct format gets one XF, and only the fonts and number formats that those
// XFs use are written.
class FormatRecords {
public:
    explicit FormatRecords(const Styles& styles);

    // The XF index for a cell format; `wrap` forces text wrapping on (a text holding line
    // feeds shows them only when it wraps).
    std::uint16_t XfIndex(int format, bool wrap);

    // Throws excel::Error when the workbook has more fonts, number formats or cell formats
    // than an Excel 97-2003 workbook holds.
    void CheckLimits() const;
    void Write(BiffStream& out) const;

private:
    struct UsedFormat {
        int format;
        bool wrap;
        std::uint16_t font;
        std::uint16_t numberFormat;
    };

    std::uint16_t fontIndex(int font);
    std::uint16_t numberFormatIndex(int numberFormat);
    void writeFont(BiffStream& out, const FontEntry& font) const;
    void writeXf(BiffStream& out, const UsedFormat& used) const;

    const Styles& styles_;
    std::vector<UsedFormat> xfs_;
    QHash<int, std::uint16_t> xfIndexes_; // format * 2 + wrap
    std::vector<int> fonts_;
    QHash<int, std::uint16_t> fontIndexes_;
    std::vector<int> numberFormats_;
    QHash<int, std::uint16_t> numberFormatIndexes_;
};

} // namespace excel
