#include "store/BackupMirror.h"

#include "platform/app/App.h"
#include "platform/settings/Settings.h"
#include "store/BackupCheck.h"
#include "store/FileDigest.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace BackupMirror {
namespace {
const QString kSection = QStringLiteral("备份");
const QString kKey = QStringLiteral("第二备份位置");

bool sameAsWritten(const QString& path, const BackupEntry& entry) {
    return FileSha256(path) == entry.sha256 && BackupCheck::ReadWhole(path) == entry.counts;
}
} // namespace

QString SecondLocation() {
    return Settings::GetSetting(App::Title(), kSection, kKey);
}

void SetSecondLocation(const QString& folder) {
    Settings::SaveSetting(App::Title(), kSection, kKey, folder);
}

bool CopyTo(const QString& second, const QString& folder, const BackupEntry& entry) {
    if (!QFileInfo(second).isDir()) {
        return false;
    }
    const QString target = second + u'/' + entry.file;
    const QString working = target + u'.' + QString::number(QCoreApplication::applicationPid()) +
                            QStringLiteral(".copying");
    QFile::remove(working);
    // rename() never replaces an existing file.
    const bool copied = QFile::copy(folder + u'/' + entry.file, working) &&
                        sameAsWritten(working, entry) && QFile::rename(working, target);
    QFile::remove(working);
    return copied && BackupManifest::Record(second, entry);
}

} // namespace BackupMirror
