// The house rules that hold for every source file: folders depend one way only, and
// message boxes and file dialogs are reached through platform/ui alone.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>
#include <map>

namespace {
// A folder may include its own headers and those of the folders below it: windows above
// subsystem code above the platform; the command-line tool at the top, beside the windows.
const std::map<QString, int> kLayers = {
    {"platform", 0}, {"store", 1},    {"support", 2}, {"refdata", 3},
    {"reports", 4},  {"training", 5}, {"import", 6},  {"integrity", 7},
    {"matrix", 8},   {"shell", 9},    {"admin", 10},
};

struct Source {
    QString path; // from the top of the checkout
    QString folder;
    QStringList lines;
};

std::vector<Source> sources(const QStringList& folders) {
    std::vector<Source> found;
    const QString top = QStringLiteral(QVLEDGER_SOURCE_DIR);
    for (const QString& folder : folders) {
        QDirIterator it(top + u'/' + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly)) {
                continue;
            }
            QStringList lines;
            QTextStream in(&file);
            while (!in.atEnd()) {
                lines.push_back(in.readLine());
            }
            found.push_back({file.fileName().mid(top.size() + 1), folder, lines});
        }
    }
    return found;
}

QStringList productFolders() {
    QStringList folders;
    for (const auto& [folder, layer] : kLayers) {
        folders.push_back(folder);
    }
    return folders;
}

TEST(HouseRules, FoldersIncludeOnlyTheirOwnAndLowerLayers) {
    static const QRegularExpression include(QStringLiteral(R"(^\s*#include\s+"([a-z]+)/)"));
    const std::vector<Source> all = sources(productFolders());
    ASSERT_GT(all.size(), 100u) << "the sources were not found";
    for (const Source& source : all) {
        for (const QString& line : source.lines) {
            const QRegularExpressionMatch match = include.match(line);
            if (!match.hasMatch()) {
                continue;
            }
            const auto target = kLayers.find(match.captured(1));
            if (target != kLayers.end()) {
                EXPECT_LE(target->second, kLayers.at(source.folder))
                    << source.path.toStdString() << ": " << line.toStdString();
            }
        }
    }
}

TEST(HouseRules, MessageBoxesAndFileDialogsOnlyThroughTheUiLayer) {
    static const QRegularExpression direct(QStringLiteral(R"(\bQ(MessageBox|FileDialog)::)"));
    for (const Source& source : sources(productFolders() + QStringList{"bench"})) {
        if (source.path.startsWith(QStringLiteral("platform/ui/"))) {
            continue;
        }
        for (const QString& line : source.lines) {
            EXPECT_FALSE(direct.match(line).hasMatch())
                << source.path.toStdString() << ": " << line.toStdString();
        }
    }
}
} // namespace
