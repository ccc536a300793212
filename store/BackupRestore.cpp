#include "store/BackupRestore.h"

#include "platform/ado/Ado.h"
#include "platform/ado/BackupCopy.h"
#include "platform/clock/Clock.h"
#include "store/BackupCheck.h"
#include "store/BackupList.h"
#include "store/ModuleDataBase.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace BackupRestore {

QString KeptName(const QDateTime& time) {
    return QStringLiteral("data-恢复前-") + time.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral(".db");
}

namespace {
// data.db that the engine cannot open is in nobody's use: it is kept as it is and the
// backup takes its place by name, after a copy of it has been checked.
Result replaceUnreadable(const QString& dataDb, const QString& backup, const QString& keepAs) {
    const QString working = dataDb + u'.' + QString::number(QCoreApplication::applicationPid()) +
                            QStringLiteral(".restoring");
    QFile::remove(working);
    const bool kept = QFile::exists(dataDb);
    const bool ready = (!kept || QFile::copy(dataDb, keepAs)) && QFile::copy(backup, working) &&
                       BackupCheck::ReadWhole(working);
    // A journal left beside the old file belongs to it, never to the backup.
    const QString journal = dataDb + QStringLiteral("-journal");
    if (ready && QFile::exists(journal)) {
        QFile::rename(journal, keepAs + QStringLiteral("-journal"));
    }
    // rename(2) replaces the target in one step.
    if (ready && !QFile::exists(journal) &&
        std::rename(QFile::encodeName(working).constData(),
                    QFile::encodeName(dataDb).constData()) == 0) {
        return {Outcome::Restored, kept ? keepAs.section(u'/', -1) : QString(), {}};
    }
    QFile::remove(working);
    return {Outcome::Failed, {}, QStringLiteral("不能写入数据库文件。")};
}
} // namespace

Result Restore(const QString& folder, const QString& backupFolder, const QString& file) {
    if (BackupList::Verify(backupFolder, file).verdict != BackupVerdict::Verified) {
        return {Outcome::BackupNotWhole, {}, {}};
    }
    const QString kept = KeptName(Clock::Now());
    const QString dataDb = folder + QStringLiteral("/data.db");
    const QString backup = backupFolder + u'/' + file;
    try {
        ado::RestoreInto(dataDb, backup, QString::fromLatin1(kDefaultDatabasePassword),
                         folder + u'/' + kept);
    } catch (const ado::Error& error) {
        if (error.Locked()) {
            return {Outcome::InUse, {}, error.Description()};
        }
        if (BackupCheck::ReadWhole(dataDb)) {
            return {Outcome::Failed, {}, error.Description()};
        }
        return replaceUnreadable(dataDb, backup, folder + u'/' + kept);
    }
    return {Outcome::Restored, kept, {}};
}

} // namespace BackupRestore
