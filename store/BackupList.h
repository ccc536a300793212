#pragma once

#include "store/BackupCheck.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// How a backup stands today against what the manifest says of it.
enum class BackupVerdict {
    Verified, // whole, and the bytes it was written with
    Failed,   // unreadable, damaged, or not the rows it was written with
    Changed,  // its bytes are no longer those it was written with
};

struct BackupState {
    QString file;
    QDateTime time; // when it was taken; its file's time when the manifest lacks it
    qint64 size = 0;
    std::optional<TableCounts> counts; // as read now, when it is whole
    BackupVerdict verdict = BackupVerdict::Failed;
};

// The backups in a folder and their verification.
namespace BackupList {

// The names of the folder's backups, automatic and manual, oldest first.
QStringList Files(const QString& folder);
BackupState Verify(const QString& folder, const QString& file);

} // namespace BackupList
