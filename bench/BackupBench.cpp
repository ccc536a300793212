#include "bench/BackupBench.h"

#include "bench/BenchOutput.h"
#include "store/Backup.h"
#include "store/BackupList.h"

#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace Bench {

std::optional<QJsonObject> RunBackup(const QString& db, int repeat) {
    const QTemporaryDir folder;
    if (!QFile::copy(db, folder.filePath(QStringLiteral("data.db")))) {
        return std::nullopt;
    }
    std::vector<double> takes;
    std::vector<double> checks;
    std::vector<double> totals;
    qint64 bytes = 0;
    for (int i = 0; i < repeat; ++i) {
        const QString name = QStringLiteral("data2000-01-01-%1.db").arg(i, 6, 10, QChar(u'0'));
        std::optional<BackupEntry> entry;
        takes.push_back(TimeMs([&] { entry = Backup::Take(folder.path(), name); }));
        BackupState state;
        checks.push_back(TimeMs([&] { state = BackupList::Verify(folder.path(), name); }));
        if (!entry || state.verdict != BackupVerdict::Verified) {
            return std::nullopt;
        }
        totals.push_back(takes.back() + checks.back());
        bytes = entry->size;
    }
    return QJsonObject{{"op", "backup"},
                       {"ms", Median(totals)},
                       {"backup_ms", Median(takes)},
                       {"verify_ms", Median(checks)},
                       {"bytes", bytes},
                       {"repeat", repeat}};
}

} // namespace Bench
