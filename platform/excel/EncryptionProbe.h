#pragma once

#include <QString>

namespace excel {

// True when the file is a compound file whose workbook stream starts with a FILEPASS
// record, that is a workbook with a password to open. FreeXL refuses such a file without
// saying why; this tells that case from a damaged file.
bool HasPasswordToOpen(const QString& fileName);

} // namespace excel
