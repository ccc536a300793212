#include "CustomerWorkbook.h"
#include "FileSizeLimit.h"
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/ReadOnlyScope.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "import/fInputdata.h"
#include "platform/app/App.h"
#include "reports/sSaveXLS.h"
#include "store/Backup.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {
using ui::Icon;

// Room for a few pages more than the file has: the import, export or copy runs out of it.
constexpr rlim_t kRoom = 16 * 1024;

// The cause in Chinese first, the engine's or the system's words only after it. A file-size
// limit stands in for the full disk: the write fails, or finds no room.
const QString kImportOutOfRoom =
    QStringLiteral("导入失败，没有导入任何记录：(写入数据库文件时出错，磁盘可能已满|磁盘已满)。"
                   "\n详细信息：[^\n]+");
QString workbookNotSaved(const QString& cause) {
    return QStringLiteral("无法保存工作簿“[^\n]+”：") + cause +
           QStringLiteral("\n详细信息：[^\n]+");
}

QString integrity(const QString& file = {}) {
    return TestDb::Column("PRAGMA integrity_check", "integrity_check", file).join(u' ');
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class FullDiskTest : public QvTest {
protected:
    void SetUp() override { folder.WithDatabase(); }

    // Records whose texts need many pages.
    QString sourceWithRecords(int count) {
        const QString source = folder.EmptyDatabase("source.db");
        for (int i = 0; i < count; ++i) {
            TestDb::Training row;
            row.course = QStringLiteral("课程%1").arg(i);
            row.participants = QString(3000, QChar(u'名' + i % 7));
            TestDb::AddTraining(row, source);
        }
        return source;
    }

    static rlim_t sizeOf(const QString& file) {
        return static_cast<rlim_t>(QFileInfo(file).size());
    }

    TestFolder folder;
};

TEST_F(FullDiskTest, ADatabaseImportThatRunsOutOfRoomImportsNothingAndSaysSo) {
    // More than the page cache holds: the engine writes to the file before the commit.
    const QString source = sourceWithRecords(400);
    fInputdata window;
    window.Text1->setText(source);
    {
        const FileSizeLimit full(sizeOf(DatabasePath) + kRoom);
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, kImportOutOfRoom);
        window.Command1_Click();
    }
    EXPECT_EQ(TestDb::Count("训练表"), 0);
    EXPECT_EQ(integrity(), "ok");
}

TEST_F(FullDiskTest, AWorkbookImportThatRunsOutOfRoomImportsNothingAndSaysSo) {
    App::SetPath(folder.Path());
    // More than the page cache holds: the engine writes to the file before the commit.
    ASSERT_TRUE(WriteCustomerWorkbook(folder.File("1.xls"), 2, 300, QString(3000, u'课')));
    fInputdata window;
    {
        const FileSizeLimit full(sizeOf(DatabasePath) + kRoom);
        ScriptedMessages::Instance().ExpectMatching(Icon::Critical, kImportOutOfRoom);
        window.Command4_Click();
    }
    EXPECT_EQ(TestDb::Count("训练表"), 0);
    EXPECT_EQ(integrity(), "ok");
    App::SetPath({});
}

TEST_F(FullDiskTest, AnExportThatRunsOutOfRoomSaysSoAndKeepsTheOldWorkbook) {
    for (int i = 0; i < 300; ++i) {
        TestDb::Training row;
        row.course = QStringLiteral("课程%1").arg(i);
        TestDb::AddTraining(row);
    }
    fSearch search(nullptr);
    search.查询训练表(QStringLiteral("[全部栏目]"), "课程");
    const QString out = folder.File("导出.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls"), out));
    const QStringList before = filesIn(folder.Path());
    sSaveXLS dialog(*search.ListView1);
    dialog.Text1->setText(out);
    {
        const FileSizeLimit full(sizeOf(out));
        ScriptedMessages::Instance().ExpectMatching(
            Icon::Critical, workbookNotSaved("(磁盘已满|文件超过了系统允许的大小)。"));
        ScriptedMessages::Instance().Expect(Icon::Critical, "保存失败！");
        dialog.Command1_Click();
    }
    EXPECT_EQ(sizeOf(out), sizeOf(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls")));
    EXPECT_EQ(filesIn(folder.Path()), before) << "no partial file is left beside it";
}

TEST_F(FullDiskTest, AnExportIntoAReadOnlyFolderSaysSoAndKeepsTheOldWorkbook) {
    TestDb::AddTraining({});
    fSearch search(nullptr);
    search.查询训练表(QStringLiteral("[全部栏目]"), "GMP");
    const QString target = folder.File("报表");
    QDir().mkpath(target);
    const QString out = target + "/导出.xls";
    ASSERT_TRUE(QFile::copy(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls"), out));
    const ReadOnlyScope readOnly(target);
    if (!readOnly.Works()) {
        GTEST_SKIP() << "the folder could not be made read-only here";
    }
    sSaveXLS dialog(*search.ListView1);
    dialog.Text1->setText(out);
    ScriptedMessages::Instance().ExpectMatching(Icon::Critical, workbookNotSaved("没有写入权限。"));
    ScriptedMessages::Instance().Expect(Icon::Critical, "保存失败！");
    dialog.Command1_Click();
    EXPECT_EQ(sizeOf(out), sizeOf(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls")));
    EXPECT_EQ(filesIn(target), QStringList{"导出.xls"});
}

TEST_F(FullDiskTest, ABackupOnAFullDiskOrReadOnlyFolderIsSilentAndLeavesNoFile) {
    const QDate day(2031, 7, 15);
    for (int i = 0; i < 50; ++i) {
        TestDb::Training row;
        row.participants = QString(2000, u'名');
        TestDb::AddTraining(row);
    }
    {
        const FileSizeLimit full(kRoom);
        EXPECT_FALSE(Backup::Run(folder.Path(), day));
    }
    EXPECT_EQ(filesIn(folder.Path()), QStringList{"data.db"});
    {
        const ReadOnlyScope readOnly(folder.Path());
        if (!readOnly.Works()) {
            GTEST_SKIP() << "the folder could not be made read-only here";
        }
        EXPECT_FALSE(Backup::Run(folder.Path(), day));
    }
    EXPECT_EQ(filesIn(folder.Path()), QStringList{"data.db"});
    EXPECT_TRUE(Backup::Run(folder.Path(), day)) << "the next try makes the copy";
}
} // namespace
