#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace excel {

// How a workbook file stores the characters of a text: one byte each holding the low byte
// of the character (BIFF8's compressed form), UTF-16LE, or 8-bit in the Windows code page
// the workbook's CODEPAGE record names (BIFF5, as Excel 95 and Chinese Excel's 936 write).
enum class TextForm : std::uint8_t { Compressed, Wide, Codepage };

// Latin-1 stands in for a code page the system lacks.
QString DecodeText(TextForm form, QByteArrayView bytes, int codepage);

} // namespace excel
