#include "store/BackupManifest.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

namespace BackupManifest {
namespace {
const QByteArray kHeading = "# 文件\t时间\t字节\tSHA-256\t训练表\t员工表\t部门表\t审计链头\n";
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int kFields = 8;

QByteArray lineOf(const BackupEntry& entry) {
    const QList<QByteArray> fields = {entry.file.toUtf8(),
                                      entry.time.toString(kTimeFormat).toUtf8(),
                                      QByteArray::number(entry.size),
                                      entry.sha256,
                                      QByteArray::number(entry.counts.training),
                                      QByteArray::number(entry.counts.employees),
                                      QByteArray::number(entry.counts.departments),
                                      entry.auditHead.isEmpty() ? "-" : entry.auditHead};
    return fields.join('\t') + '\n';
}

std::optional<BackupEntry> entryOf(const QByteArray& line) {
    const QList<QByteArray> fields = line.trimmed().split('\t');
    if (line.startsWith('#') || fields.size() != kFields) {
        return std::nullopt;
    }
    BackupEntry entry;
    entry.file = QString::fromUtf8(fields[0]);
    entry.time = QDateTime::fromString(QString::fromUtf8(fields[1]), kTimeFormat);
    entry.size = fields[2].toLongLong();
    entry.sha256 = fields[3];
    entry.counts = {fields[4].toLongLong(), fields[5].toLongLong(), fields[6].toLongLong()};
    entry.auditHead = fields[7] == "-" ? QByteArray() : fields[7];
    return entry;
}
} // namespace

QString Path(const QString& folder) {
    return folder + QStringLiteral("/backups.manifest");
}

QList<BackupEntry> Read(const QString& folder) {
    QFile file(Path(folder));
    QList<BackupEntry> entries;
    if (!file.open(QIODevice::ReadOnly)) {
        return entries;
    }
    while (!file.atEnd()) {
        if (const auto entry = entryOf(file.readLine())) {
            entries.push_back(*entry);
        }
    }
    return entries;
}

std::optional<BackupEntry> Find(const QString& folder, const QString& file) {
    for (const BackupEntry& entry : Read(folder)) {
        if (entry.file == file) {
            return entry;
        }
    }
    return std::nullopt;
}

bool Record(const QString& folder, const BackupEntry& entry) {
    // Two copies of the program backing up at once must not lose each other's line.
    QLockFile lock(Path(folder) + QStringLiteral(".lock"));
    if (!lock.tryLock(10000)) {
        return false;
    }
    QSaveFile out(Path(folder));
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    out.write(kHeading);
    for (const BackupEntry& kept : Read(folder)) {
        if (kept.file != entry.file) {
            out.write(lineOf(kept));
        }
    }
    out.write(lineOf(entry));
    return out.commit();
}

} // namespace BackupManifest
