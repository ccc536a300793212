#include "admin/BackupCommands.h"

#include "platform/clock/Clock.h"
#include "store/Backup.h"
#include "store/BackupList.h"
#include "store/BackupMirror.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace BackupCommands {
namespace {
constexpr int kUsage = 64;

int usage(QTextStream& err) {
    err << QStringLiteral("用法：qvledger-admin backup now|verify 文件夹\n");
    return kUsage;
}

void print(QTextStream& out, const QJsonObject& line) {
    out << QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)) << '\n';
    out.flush();
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

int now(const QString& folder, QTextStream& out) {
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
    print(out, line);
    return entry && second != u"failed" ? 0 : 1;
}

int verify(const QString& folder, QTextStream& out) {
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
    print(out,
          {{"op", "backup verify"}, {"folder", folder}, {"backups", backups}, {"whole", whole}});
    return whole ? 0 : 1;
}

} // namespace

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString command = arguments.value(0);
    const QString folder = QFileInfo(arguments.value(1)).absoluteFilePath();
    if (arguments.size() != 2 || !QFileInfo(folder).isDir()) {
        return usage(err);
    }
    if (command == u"now") {
        return now(folder, out);
    }
    if (command == u"verify") {
        return verify(folder, out);
    }
    return usage(err);
}

} // namespace BackupCommands
