#pragma once

#include "store/BackupManifest.h"

#include <QString>

// The second backup location: a folder elsewhere (a USB disk, a network share) that
// every backup is also copied to.
namespace BackupMirror {

// The folder kept in the settings; empty when none is chosen.
QString SecondLocation();
void SetSecondLocation(const QString& folder);

// Copies the backup, entered in folder's manifest as entry, into the second folder under
// the same name, checks the copy there against the entry and enters it in that folder's
// manifest. False when the folder cannot be reached or written, or the copy differs.
bool CopyTo(const QString& second, const QString& folder, const BackupEntry& entry);

} // namespace BackupMirror
