#pragma once

#include <QByteArray>

namespace excel {

// Whether every directory entry of a compound file names itself within its 64-byte field;
// true for a file that is no compound file.
// FreeXL converts an entry's name with the length the entry states, so a damaged length
// would make it read far past the field; such a file, or one whose directory cannot be
// followed, is refused before FreeXL sees it.
bool DirectoryNamesFit(const QByteArray& file);

} // namespace excel
