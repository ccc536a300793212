#include "admin/BackupCommands.h"

#include "platform/clock/Clock.h"
#include "store/Backup.h"
#include "store/BackupList.h"
#include "store/BackupMirror.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace BackupCommands {
namespace {
int usage() {
    std::fputs(kFamily.usage, stderr);
    return kCannotRun;
}

void print(const QJsonObject& line) {
    std::puts(QJsonDocument(line).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

void addCounts(QJsonObject& object, const TableCounts& counts) {
    object.insert(QStringLiteral("training"), counts.training);
    object.insert(QStringLiteral("employees"), counts.employees);
    object.insert(QStringLiteral("departments"), counts.departments);
}

QString verdictName(BackupVerdict verdict) {
    switch (verdict) {
    case BackupVerdict::Verified:
        return QStringLiteral("verified");
    case BackupVerdict::Changed:
        return QStringLiteral("changed");
    case BackupVerdict::Failed:
        break;
    }
    return QStringLiteral("failed");
}

// "none" without a second location, else whether the copy there checked.
QString copyToSecond(const QString& folder, const BackupEntry& entry) {
    const QString second = BackupMirror::SecondLocation();
    if (second.isEmpty()) {
        return QStringLiteral("none");
    }
    return BackupMirror::CopyTo(second, folder, entry) ? QStringLiteral("ok")
                                                       : QStringLiteral("failed");
}

int now(const QString& folder) {
    const QString name = Backup::OnDemandName(Clock::Now());
    const std::optional<BackupEntry> entry = Backup::Take(folder, name);
    QJsonObject line{
        {"op", "backup now"}, {"folder", folder}, {"file", name}, {"whole", entry.has_value()}};
    QString second = QStringLiteral("none");
    if (entry) {
        second = copyToSecond(folder, *entry);
        line.insert(QStringLiteral("size"), entry->size);
        line.insert(QStringLiteral("sha256"), QString::fromLatin1(entry->sha256));
        addCounts(line, entry->counts);
    }
    line.insert(QStringLiteral("second"), second);
    print(line);
    return entry && second != u"failed" ? 0 : 1;
}

int verify(const QString& folder) {
    QJsonArray backups;
    bool allWhole = true;
    for (const QString& file : BackupList::Files(folder)) {
        const BackupState state = BackupList::Verify(folder, file);
        QJsonObject backup{
            {"file", file}, {"status", verdictName(state.verdict)}, {"size", state.size}};
        if (state.counts) {
            addCounts(backup, *state.counts);
        }
        backups.push_back(backup);
        allWhole = allWhole && state.verdict == BackupVerdict::Verified;
    }
    // A folder without any backup is not a folder of whole backups.
    const bool whole = allWhole && !backups.isEmpty();
    print({{"op", "backup verify"}, {"folder", folder}, {"backups", backups}, {"whole", whole}});
    return whole ? 0 : 1;
}

int run(const QStringList& arguments) {
    const QString command = arguments.value(0);
    const QString folder = QFileInfo(arguments.value(1)).absoluteFilePath();
    if (arguments.size() != 2 || !QFileInfo(folder).isDir()) {
        return usage();
    }
    if (command == u"now") {
        return now(folder);
    }
    if (command == u"verify") {
        return verify(folder);
    }
    return usage();
}
} // namespace

const CommandFamily kFamily = {
    "backup",
    "  qvledger-admin backup now FOLDER     one JSON line; exit 0 taken and checked, 1 not\n"
    "  qvledger-admin backup verify FOLDER  one JSON line; exit 0 every backup whole, 1 not\n",
    run};

} // namespace BackupCommands
