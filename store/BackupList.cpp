#include "store/BackupList.h"

#include "store/BackupManifest.h"
#include "store/FileDigest.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace BackupList {

QStringList Files(const QString& folder) {
    static const QRegularExpression backupName(
        QStringLiteral(R"(^data\d{4}-\d{2}-\d{2}(-\d{6})?\.db$)"));
    QStringList names =
        QDir(folder).entryList({QStringLiteral("data*.db")}, QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return !backupName.match(name).hasMatch(); });
    // By the time in the name: the day's backup before those taken on demand that day.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.chopped(3) < b.chopped(3); });
    return names;
}

BackupState Verify(const QString& folder, const QString& file) {
    const QString path = folder + u'/' + file;
    const std::optional<BackupEntry> written = BackupManifest::Find(folder, file);
    const QFileInfo info(path);
    BackupState state{file,
                      written ? written->time : info.lastModified(),
                      info.size(),
                      {},
                      BackupVerdict::Failed};
    // Hashed before the engine opens it: what is compared is the file as it was found.
    if (written && FileSha256(path) != written->sha256) {
        state.verdict = BackupVerdict::Changed;
        return state;
    }
    state.counts = BackupCheck::ReadWhole(path);
    const bool asWritten = !written || state.counts == written->counts;
    state.verdict = state.counts && asWritten ? BackupVerdict::Verified : BackupVerdict::Failed;
    return state;
}

} // namespace BackupList
