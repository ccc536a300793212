#include "store/Backup.h"

#include "store/ModuleDataBase.h"

#include <QFile>
#include <QSaveFile>

namespace Backup {
namespace {
bool copyWhole(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    // QSaveFile writes beside the target and renames on commit.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            out.cancelWriting();
            return false;
        }
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFile::NoError) {
        out.cancelWriting();
        return false;
    }
    // A target made by someone else meanwhile is never replaced.
    if (QFile::exists(target)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
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
    const QString source = folder + QStringLiteral("/data.db");
    const QString target = TargetPath(folder, today);
    if (!CheckFileExists(source) || CheckFileExists(target)) {
        return false;
    }
    return copyWhole(source, target);
}

} // namespace Backup
