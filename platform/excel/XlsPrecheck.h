#pragma once

#include <QByteArray>

namespace excel {

// Whether a workbook file is safe to hand to FreeXL. FreeXL trusts a directory entry's name
// length (it converts that many bytes from a 64-byte field) and the records of the workbook
// stream (see XlsRecordCheck.h). A file with any of these wrong, or whose compound-file
// chains cannot be followed, is refused as damaged.
bool SafeForFreeXl(const QByteArray& file);

} // namespace excel
