#pragma once

#include "store/BackupManifest.h"

#include <QDate>
#include <QString>
#include <optional>

// Dated copies of data.db, taken on the 5th, 15th and 25th of each month.
namespace Backup {

// "<folder>/data<yyyy-mm-dd>.db"
QString TargetPath(const QString& folder, const QDate& day);

// Copies <folder>/data.db to the day's backup when the day is a backup day, the
// source exists and the day has no backup yet. Silent: any failure leaves no backup
// (and no partial file under the day's name). True when a copy was made.
bool Run(const QString& folder, const QDate& today);

// Copies <folder>/data.db to <folder>/<name> as one consistent state and checks the copy
// before it takes the name; a copy that fails the check is removed. Never replaces an
// existing file. The checked copy is entered in the folder's manifest.
std::optional<BackupEntry> Take(const QString& folder, const QString& name);

} // namespace Backup
