#include "store/Backup.h"

#include "platform/ado/Ado.h"
#include "platform/ado/BackupCopy.h"
#include "store/BackupCheck.h"
#include "store/ModuleDataBase.h"

#include <QCoreApplication>
#include <QFile>

namespace Backup {
namespace {
// Written beside the target under a name of this process, so a copy in progress never
// sits under a backup's name.
QString workingPath(const QString& target) {
    return target + u'.' + QString::number(QCoreApplication::applicationPid()) +
           QStringLiteral(".copying");
}

bool copyChecked(const QString& source, const QString& working) {
    try {
        ado::BackupCopy(source, working, QString::fromLatin1(kDefaultDatabasePassword));
    } catch (const ado::Error&) {
        return false;
    }
    return BackupCheck::ReadWhole(working).has_value();
}
} // namespace

QString TargetPath(const QString& folder, const QDate& day) {
    return folder + QStringLiteral("/data") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".db");
}

bool Run(const QString& folder, const QDate& today) {
    const QString day = today.toString(QStringLiteral("yyyy-MM-dd"));
    if (!day.endsWith(u'5')) {
        return false;
    }
    const QString target = TargetPath(folder, today);
    return CheckFileExists(folder + QStringLiteral("/data.db")) && !CheckFileExists(target) &&
           Take(folder, target.section(u'/', -1));
}

bool Take(const QString& folder, const QString& name) {
    const QString target = folder + u'/' + name;
    const QString working = workingPath(target);
    QFile::remove(working);
    // rename() never replaces an existing file.
    const bool taken =
        copyChecked(folder + QStringLiteral("/data.db"), working) && QFile::rename(working, target);
    QFile::remove(working);
    return taken;
}

} // namespace Backup
