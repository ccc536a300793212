#pragma once

#include <QByteArray>

namespace excel {

// Whether a workbook file is safe to hand to FreeXL. FreeXL trusts two lengths that a
// damaged file can get wrong: a directory entry's name length (it converts that many bytes
// from a 64-byte field) and a record's length (it reads that many bytes into a buffer of
// the largest length the format allows), a sheet's stated size (it sizes its cell table
// by it) and the character counts of font, number format and sheet names (it copies that
// many bytes). A file with any of these wrong, or whose compound-file
// chains cannot be followed, is refused as damaged.
bool SafeForFreeXl(const QByteArray& file);

} // namespace excel
