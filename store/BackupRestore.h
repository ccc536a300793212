#pragma once

#include <QDateTime>
#include <QString>

// Bringing a backup back as data.db.
namespace BackupRestore {

enum class Outcome {
    Restored,
    BackupNotWhole, // the backup failed its check: data.db is left as it was
    InUse,          // another program holds data.db: nothing changed
    Failed,         // data.db could not be written or read
};

struct Result {
    Outcome outcome = Outcome::Failed;
    QString keptAs;      // the name the old data.db was kept under; empty when there was none
    QString description; // the cause, when Failed
};

// "data-恢复前-<yyyy-mm-dd-HHmmss>.db"
QString KeptName(const QDateTime& time);

// Checks the backup <backupFolder>/<file> again, then keeps <folder>/data.db as
// KeptName(now) and gives data.db the backup's contents, all while no other program can
// use the file.
Result Restore(const QString& folder, const QString& backupFolder, const QString& file);

} // namespace BackupRestore
