#pragma once

#include "store/BackupManifest.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// Dated copies of data.db, taken on the 5th, 15th and 25th of each month.
namespace Backup {

// "<folder>/data<yyyy-mm-dd>.db"
QString TargetPath(const QString& folder, const QDate& day);

// "data<yyyy-mm-dd-HHmmss>.db": a backup taken on demand, never the day's name.
QString OnDemandName(const QDateTime& time);

// Copies <folder>/data.db to the day's backup when the day is a backup day, the
// source exists and the day has no backup yet. Silent: any failure leaves no backup
// (and no partial file under the day's name). True when a copy was made. The copy also
// goes to the second location, if one is chosen, as silently.
bool Run(const QString& folder, const QDate& today);

// Copies <folder>/data.db to <folder>/<name> as one consistent state and checks the copy
// before it takes the name; a copy that fails the check is removed. Never replaces an
// existing file. The checked copy is entered in the folder's manifest.
std::optional<BackupEntry> Take(const QString& folder, const QString& name);

} // namespace Backup
