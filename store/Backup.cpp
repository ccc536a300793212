#include "store/Backup.h"

#include "platform/ado/Ado.h"
#include "platform/ado/BackupCopy.h"
#include "platform/clock/Clock.h"
#include "store/AuditEvents.h"
#include "store/AuditTrail.h"
#include "store/BackupCheck.h"
#include "store/BackupMirror.h"
#include "store/FileDigest.h"
#include "store/ModuleDataBase.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace Backup {
namespace {
// Written beside the target under a name of this process, so a copy in progress never
// sits under a backup's name.
QString workingPath(const QString& target) {
    return target + u'.' + QString::number(QCoreApplication::applicationPid()) +
           QStringLiteral(".copying");
}

std::optional<TableCounts> copyChecked(const QString& source, const QString& working) {
    try {
        ado::BackupCopy(source, working, QString::fromLatin1(kDefaultDatabasePassword));
    } catch (const ado::Error&) {
        return std::nullopt;
    }
    return BackupCheck::ReadWhole(working);
}

BackupEntry entryFor(const QString& name, const QString& path, const TableCounts& counts) {
    const QFileInfo file(path);
    return {name, Clock::Now(), file.size(), FileSha256(path), counts, {}};
}
} // namespace

QString TargetPath(const QString& folder, const QDate& day) {
    return folder + QStringLiteral("/data") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".db");
}

QString OnDemandName(const QDateTime& time) {
    return QStringLiteral("data") + time.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral(".db");
}

bool Run(const QString& folder, const QDate& today) {
    const QString day = today.toString(QStringLiteral("yyyy-MM-dd"));
    if (!day.endsWith(u'5')) {
        return false;
    }
    const QString target = TargetPath(folder, today);
    if (!CheckFileExists(folder + QStringLiteral("/data.db")) || CheckFileExists(target)) {
        return false;
    }
    const std::optional<BackupEntry> entry = Take(folder, target.section(u'/', -1));
    const QString second = BackupMirror::SecondLocation();
    if (entry && !second.isEmpty()) {
        BackupMirror::CopyTo(second, folder, *entry);
    }
    return entry.has_value();
}

std::optional<BackupEntry> Take(const QString& folder, const QString& name) {
    const QString target = folder + u'/' + name;
    const QString working = workingPath(target);
    QFile::remove(working);
    std::optional<BackupEntry> entry;
    const QString source = folder + QStringLiteral("/data.db");
    if (const auto counts = copyChecked(source, working)) {
        entry = entryFor(name, working, *counts);
        // Recorded elsewhere, the head exposes a trail rewritten after the copy.
        entry->auditHead = Audit::HeadOf(working);
    }
    // rename() never replaces an existing file.
    if (entry && !QFile::rename(working, target)) {
        entry.reset();
    }
    QFile::remove(working);
    if (entry) {
        BackupManifest::Record(folder, *entry);
        Audit::RecordBackup(source, name);
    }
    return entry;
}

} // namespace Backup
