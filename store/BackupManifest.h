#pragma once

#include "store/BackupCheck.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// What was true of a backup when it was written.
struct BackupEntry {
    QString file; // the name inside its folder
    QDateTime time;
    qint64 size = 0;
    QByteArray sha256; // lower-case hex
    TableCounts counts;
    // The audit trail's head hash at the time of the copy; empty while the program keeps
    // no audit trail.
    QByteArray auditHead;
};

// The manifest beside the backups: a text file, one line per backup, tab-separated.
namespace BackupManifest {

QString Path(const QString& folder);
// The entries of the folder's manifest in the order written; none when there is none.
QList<BackupEntry> Read(const QString& folder);
std::optional<BackupEntry> Find(const QString& folder, const QString& file);
// Adds the entry, or replaces the line of the same file, and writes the manifest anew
// under its name at once, so a reader never sees half of it. False when it cannot.
bool Record(const QString& folder, const BackupEntry& entry);

} // namespace BackupManifest
