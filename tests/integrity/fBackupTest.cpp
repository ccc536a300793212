#include "integrity/fBackup.h"

#include "helpers/DbHelpers.h"
#include "helpers/MainWindowFixture.h"
#include "helpers/ModalDriver.h"
#include "helpers/ScriptedFiles.h"
#include "helpers/TrainingRows.h"
#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "store/Backup.h"
#include "store/BackupCheck.h"
#include "store/BackupMirror.h"
#include "training/SearchList.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {
using ui::Icon;
const QDateTime kNow(QDate(2026, 12, 15), QTime(17, 30, 5));

class fBackupTest : public MainWindowFixture {
protected:
    void SetUp() override {
        App::SetPath(folder.Path());
        Clock::SetFixedNow(kNow);
        OpenMainWindow();
        TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
        TestDb::AddCourses({"甲课程", "乙课程"});
    }

    // Each listed row as "file place time training employees departments status".
    static QStringList rows(const fBackup& window) {
        QStringList shown;
        for (int i = 0; i < window.ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = window.ListView1->topLevelItem(i);
            QStringList cells;
            for (int column : {0, 1, 2, 4, 5, 6, 7}) {
                cells.push_back(item->text(column));
            }
            shown.push_back(cells.join(' '));
        }
        return shown;
    }

    static void select(fBackup& window, const QString& file) {
        for (QTreeWidgetItem* item : window.ListView1->findItems(file, Qt::MatchExactly)) {
            item->setSelected(true);
        }
    }

    QStringList courses(const QString& file = {}) const {
        return TestDb::Column("select * from 训练表 order by id", "教育训练名称", file);
    }
};

void flipByte(const QString& path, qint64 at) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(at);
    char byte = 0;
    file.getChar(&byte);
    file.seek(at);
    file.putChar(static_cast<char>(byte ^ 0x5a));
}

TEST_F(fBackupTest, ListsEachBackupWithItsRowsAndStatus) {
    ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
    ASSERT_TRUE(Backup::Take(folder.Path(), "data2026-12-15-080000.db"));
    ASSERT_TRUE(Backup::Take(folder.Path(), "data2026-12-15-090000.db"));
    flipByte(folder.File("data2026-12-15-080000.db"), 5000);
    QFile::copy(folder.File("data2026-12-15-090000.db"), folder.File("data2026-12-05.db"));
    flipByte(folder.File("data2026-12-05.db"), 5000);
    fBackup window;
    EXPECT_EQ(window.windowTitle(), "备份与恢复-Quorvane制药GMP教育训练管理");
    EXPECT_EQ(rows(window),
              QStringList({"data2026-12-05.db 本机 " +
                               QFileInfo(folder.File("data2026-12-05.db"))
                                   .lastModified()
                                   .toString("yyyy-MM-dd HH:mm:ss") +
                               "    校验失败",
                           "data2026-12-15.db 本机 2026-12-15 17:30:05 2 0 1 已校验",
                           "data2026-12-15-080000.db 本机 2026-12-15 17:30:05    文件已改变",
                           "data2026-12-15-090000.db 本机 2026-12-15 17:30:05 2 0 1 已校验"}));
    EXPECT_EQ(window.Label1->text(), "第二备份位置：未设置");
}

TEST_F(fBackupTest, BackupNowTakesATimedCopyAlsoToTheSecondLocation) {
    QTemporaryDir second;
    BackupMirror::SetSecondLocation(second.path());
    fBackup window;
    EXPECT_EQ(window.Label1->text(), "第二备份位置：" + second.path());
    ScriptedMessages::Instance().Expect(Icon::Information, "备份完成：data2026-12-15-173005.db");
    window.Command1->click();
    EXPECT_EQ(rows(window), QStringList({"data2026-12-15-173005.db 本机 2026-12-15 17:30:05 2 0 "
                                         "1 已校验",
                                         "data2026-12-15-173005.db 第二备份位置 2026-12-15 "
                                         "17:30:05 2 0 1 已校验"}));
    EXPECT_EQ(window.Label2->text(), "");
}

TEST_F(fBackupTest, AnUnreachableSecondLocationIsReportedInTheWindow) {
    QTemporaryDir second;
    const QString gone = second.filePath("U盘");
    BackupMirror::SetSecondLocation(gone);
    fBackup window;
    EXPECT_EQ(window.Label2->text(), "第二备份位置无法访问，备份不能复制到那里！");
    ScriptedMessages::Instance().Expect(Icon::Information, "备份完成：data2026-12-15-173005.db");
    window.Command1->click();
    EXPECT_EQ(window.Label2->text(), "未能复制到第二备份位置：" + gone);
    EXPECT_TRUE(QFile::exists(folder.File("data2026-12-15-173005.db")));
}

TEST_F(fBackupTest, ChoosingTheSecondLocationKeepsItInTheSettings) {
    QTemporaryDir second;
    ScriptedFiles files;
    files.Answer(second.path());
    fBackup window;
    window.Command4->click();
    EXPECT_EQ(files.Requests().first().kind, ui::FileRequest::Kind::Folder);
    EXPECT_EQ(BackupMirror::SecondLocation(), second.path());
    EXPECT_EQ(window.Label1->text(), "第二备份位置：" + second.path());
}

TEST_F(fBackupTest, VerifyingAgainFindsABackupChangedSinceTheListing) {
    ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
    fBackup window;
    ScriptedMessages::Instance().Expect(Icon::Critical, "请先选择要校验的备份！");
    window.Command2->click();
    flipByte(folder.File("data2026-12-15.db"), 5000);
    select(window, "data2026-12-15.db");
    window.Command2->click();
    EXPECT_EQ(window.ListView1->topLevelItem(0)->text(7), "文件已改变");
}

TEST_F(fBackupTest, RestoringBringsBackExactlyTheBackupsRecordsAndKeepsTheFormerFile) {
    ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
    TestDb::Exec("delete from 训练表 where 教育训练名称='甲课程'");
    TestDb::AddCourses({"丙课程"});
    ListSearch("课程");
    ASSERT_EQ(search->ListView1->ItemCount(), 2);
    Clock::SetFixedNow(kNow.addSecs(3600));
    WhenModalShows([this](QWidget* modal) {
        auto& window = dynamic_cast<fBackup&>(*modal);
        select(window, "data2026-12-15.db");
        ScriptedMessages::Instance().Expect(Icon::Question,
                                            "确定要用备份 data2026-12-15.db 恢复数据库吗？\r\n"
                                            "当前的数据库将先另存为 data-恢复前-日期时间.db。",
                                            ui::Answer::Yes);
        ScriptedMessages::Instance().Expect(
            Icon::Information, "恢复完成！原来的数据库已另存为 data-恢复前-2026-12-15-183005.db。");
        window.Command3->click();
        window.Command5->click();
    });
    Trigger("menu备份与恢复");
    EXPECT_EQ(courses(), QStringList({"甲课程", "乙课程"}));
    EXPECT_EQ(courses(folder.File("data-恢复前-2026-12-15-183005.db")),
              QStringList({"乙课程", "丙课程"}));
    EXPECT_TRUE(BackupCheck::ReadWhole(folder.File("data-恢复前-2026-12-15-183005.db")));
    EXPECT_EQ(search->ListView1->ItemCount(), 0);
    EXPECT_EQ(search->Label1->text(), "0条");
}

TEST_F(fBackupTest, ADamagedBackupIsNeverRestored) {
    ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
    TestDb::AddCourses({"丙课程"});
    fBackup window;
    flipByte(folder.File("data2026-12-15.db"), 5000);
    select(window, "data2026-12-15.db");
    ScriptedMessages::Instance().Expect(Icon::Question,
                                        "确定要用备份 data2026-12-15.db 恢复数据库吗？\r\n"
                                        "当前的数据库将先另存为 data-恢复前-日期时间.db。",
                                        ui::Answer::Yes);
    ScriptedMessages::Instance().Expect(Icon::Critical, "备份文件校验失败，不能用它恢复！");
    window.Command3->click();
    EXPECT_EQ(courses(), QStringList({"甲课程", "乙课程", "丙课程"}));
    EXPECT_FALSE(window.Restored());
    EXPECT_EQ(QDir(folder.Path()).entryList({"data-恢复前-*"}), QStringList());
}
// The day a restore is needed most: data.db no longer opens, or is gone.
TEST_F(fBackupTest, ABackupTakesThePlaceOfAnUnreadableOrMissingDataDb) {
    struct Case {
        const char* what;
        std::function<void()> breakIt;
        QString message;
    };
    const std::vector<Case> cases = {
        {"damaged header", [this] { flipByte(folder.File("data.db"), 20); },
         "恢复完成！原来的数据库已另存为 data-恢复前-2026-12-15-173005.db。"},
        {"gone", [this] { QFile::remove(folder.File("data.db")); }, "恢复完成！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(folder.Path()).removeRecursively();
        QDir().mkpath(folder.Path());
        folder.WithDatabase();
        ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
        c.breakIt();
        fBackup window;
        select(window, "data2026-12-15.db");
        ScriptedMessages::Instance().ExpectMatching(
            Icon::Question, "确定要用备份 [^\\n]+\\n[^\\n]+", ui::Answer::Yes);
        ScriptedMessages::Instance().Expect(Icon::Information, c.message);
        window.Command3->click();
        EXPECT_TRUE(window.Restored());
        EXPECT_TRUE(BackupCheck::ReadWhole(folder.File("data.db")));
    }
}
} // namespace
