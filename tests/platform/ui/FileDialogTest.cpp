#include "platform/ui/FileDialog.h"

#include "helpers/ScriptedFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString documentsOrHome() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

TEST(FileDialog, StartsInTheDocumentsThenWhereTheUserLastChose) {
    QTemporaryDir chosenFolder;
    ScriptedFiles files;
    ui::FileRequest save;
    save.kind = ui::FileRequest::Kind::Save;
    files.Answer(chosenFolder.filePath("汇总.xls"));
    files.Answer("");
    ui::ChooseFile(nullptr, save);
    ui::ChooseFile(nullptr, save);
    ui::FileRequest named = save;
    named.initialPath = "/tmp/given.xls";
    files.Answer("");
    ui::ChooseFile(nullptr, named);

    ASSERT_EQ(files.Requests().size(), 3);
    EXPECT_EQ(files.Requests()[0].initialPath, documentsOrHome()) << "the first time";
    EXPECT_EQ(files.Requests()[1].initialPath, chosenFolder.path()) << "remembered";
    EXPECT_EQ(files.Requests()[2].initialPath, "/tmp/given.xls") << "a caller's path wins";

    chosenFolder.remove();
    files.Answer("");
    ui::ChooseFile(nullptr, save);
    EXPECT_EQ(files.Requests()[3].initialPath, documentsOrHome()) << "a folder since removed";
}
} // namespace
