#include "store/BackupRestore.h"

#include "platform/ado/Ado.h"
#include "platform/ado/BackupCopy.h"
#include "platform/clock/Clock.h"
#include "store/BackupList.h"
#include "store/ModuleDataBase.h"

namespace BackupRestore {

QString KeptName(const QDateTime& time) {
    return QStringLiteral("data-恢复前-") + time.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral(".db");
}

Result Restore(const QString& folder, const QString& backupFolder, const QString& file) {
    if (BackupList::Verify(backupFolder, file).verdict != BackupVerdict::Verified) {
        return {Outcome::BackupNotWhole, {}, {}};
    }
    const QString kept = KeptName(Clock::Now());
    try {
        ado::RestoreInto(folder + QStringLiteral("/data.db"), backupFolder + u'/' + file,
                         QString::fromLatin1(kDefaultDatabasePassword), folder + u'/' + kept);
    } catch (const ado::Error& error) {
        return {error.Locked() ? Outcome::InUse : Outcome::Failed, {}, error.Description()};
    }
    return {Outcome::Restored, kept, {}};
}

} // namespace BackupRestore
