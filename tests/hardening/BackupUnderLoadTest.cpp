#include "KilledChild.h"
#include "WriteLock.h"
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "integrity/fBackup.h"
#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "shell/MDIForm1.h"
#include "store/Backup.h"
#include "store/BackupCheck.h"
#include "store/ModuleDataBase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>

namespace {
constexpr int kSourceRecords = 3000;
const QDate kBackupDay(2026, 12, 15);
// From before the import's first record to after its commit.
const std::vector<int> kDelaysMs = {0, 20, 60, 150, 300, 600, 1000, 2000};

class BackupUnderLoadTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        Clock::SetFixedNow(QDateTime(kBackupDay, QTime(17, 30)));
    }

    QString programFolder(const QString& name) const {
        const QString program = folder.File(name);
        QDir().mkpath(program);
        QFile::copy(folder.File("data.db"), program + "/data.db");
        return program;
    }

    QString seededSource() const {
        const QString source = folder.File("source.db");
        QProcess bench;
        bench.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        bench.start(QStringLiteral(QVLEDGER_BENCH),
                    {"seed", "--db", source, "--records", QString::number(kSourceRecords)});
        EXPECT_TRUE(bench.waitForFinished(300000));
        return source;
    }

    // Closes the main window of the program in the folder, which takes the day's backup.
    static void closeMainWindowIn(const QString& program) {
        App::SetPath(program);
        MDIForm1 form;
        form.close();
    }

    // Every backup that exists is whole and holds the records of before or after the import.
    static void expectBeforeOrAfter(const QString& program, int records) {
        const QString backup = Backup::TargetPath(program, kBackupDay);
        if (!QFile::exists(backup)) {
            return;
        }
        const std::optional<TableCounts> counts = BackupCheck::ReadWhole(backup);
        ASSERT_TRUE(counts.has_value()) << "a damaged backup";
        EXPECT_TRUE(counts->training == 0 || counts->training == records) << counts->training;
    }

    TestFolder folder;
};

TEST_F(BackupUnderLoadTest, ABackupTakenDuringAnImportHoldsTheStateBeforeOrAfterIt) {
    const QString source = seededSource();
    const int records = TestDb::Count("训练表", source);
    ASSERT_GT(records, 0);
    int taken = 0;
    for (const int ms : kDelaysMs) {
        SCOPED_TRACE(ms);
        const QString program = programFolder(QStringLiteral("during%1").arg(ms));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(QVLEDGER_HARDENING_CHILD),
                    {"import-db", program + "/data.db", source});
        ASSERT_TRUE(child.waitForReadyRead(30000));
        QThread::msleep(ms);
        closeMainWindowIn(program);
        ASSERT_TRUE(child.waitForFinished(120000));
        expectBeforeOrAfter(program, records);
        taken += QFile::exists(Backup::TargetPath(program, kBackupDay)) ? 1 : 0;
    }
    EXPECT_GT(taken, 0);
}

TEST_F(BackupUnderLoadTest, ABackupAfterAKilledImportHoldsTheStateBeforeOrAfterIt) {
    const QString source = seededSource();
    const int records = TestDb::Count("训练表", source);
    for (const int ms : kDelaysMs) {
        SCOPED_TRACE(ms);
        const QString program = programFolder(QStringLiteral("killed%1").arg(ms));
        KillAfter(QStringLiteral(QVLEDGER_HARDENING_CHILD),
                  {"import-db", program + "/data.db", source}, ms);
        closeMainWindowIn(program);
        ASSERT_TRUE(QFile::exists(Backup::TargetPath(program, kBackupDay)));
        expectBeforeOrAfter(program, records);
    }
}

// A writer killed with part of its transaction already in the file leaves a hot journal:
// the file alone is a mixture, and only the rollback gives back the committed state.
TEST_F(BackupUnderLoadTest, ABackupOverAHotJournalHoldsTheCommittedState) {
    const QString program = programFolder("hot");
    QProcess shell;
    shell.start(QStringLiteral("sqlcipher"), {program + "/data.db"});
    ASSERT_TRUE(shell.waitForStarted());
    shell.write(SqlcipherCli::KeyLines(kDefaultDatabasePassword).toUtf8() +
                "PRAGMA cache_size = 2;\nBEGIN;\n"
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000)\n"
                "INSERT INTO 部门表 (部门名称) SELECT '未提交的部门' || i FROM n;\n"
                "SELECT 'written';\n");
    QByteArray output;
    while (!output.contains("written") && shell.waitForReadyRead(30000)) {
        output += shell.readAllStandardOutput();
    }
    shell.kill();
    shell.waitForFinished();
    ASSERT_TRUE(QFile::exists(program + "/data.db-journal"));

    closeMainWindowIn(program);
    const std::optional<TableCounts> counts =
        BackupCheck::ReadWhole(Backup::TargetPath(program, kBackupDay));
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ(counts->departments, 0);
}

TEST_F(BackupUnderLoadTest, ABackupTakenWhileAnotherProgramWritesHoldsTheCommittedState) {
    TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
    const WriteLock lock(folder.File("data.db"), kDefaultDatabasePassword);
    ASSERT_TRUE(lock.Held());
    ASSERT_TRUE(Backup::Run(folder.Path(), kBackupDay));
    EXPECT_EQ(TestDb::Column("select * from 部门表", "部门名称",
                             Backup::TargetPath(folder.Path(), kBackupDay)),
              QStringList{"质量部"});
}

TEST_F(BackupUnderLoadTest, AFileLockedLongerThanTheBusyTimeoutIsBackedUpAtTheNextClosing) {
    {
        const WriteLock lock(folder.File("data.db"), kDefaultDatabasePassword,
                             WriteLock::Readers::Barred);
        ASSERT_TRUE(lock.Held());
        EXPECT_FALSE(Backup::Run(folder.Path(), kBackupDay));
        EXPECT_EQ(QDir(folder.Path()).entryList({"data2*"}, QDir::Files), QStringList());
    }
    EXPECT_TRUE(Backup::Run(folder.Path(), kBackupDay));
    EXPECT_TRUE(BackupCheck::ReadWhole(Backup::TargetPath(folder.Path(), kBackupDay)));
}
TEST_F(BackupUnderLoadTest, RestoringWhileAnotherProgramUsesTheFileIsRefused) {
    ASSERT_TRUE(Backup::Run(folder.Path(), kBackupDay));
    TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
    App::SetPath(folder.Path());
    fBackup window;
    window.ListView1->topLevelItem(0)->setSelected(true);
    const WriteLock lock(folder.File("data.db"), kDefaultDatabasePassword);
    ASSERT_TRUE(lock.Held());
    ScriptedMessages::Instance().ExpectMatching(
        ui::Icon::Question, "确定要用备份 data2026-12-15.db [^\\n]+\\n.+", ui::Answer::Yes);
    ScriptedMessages::Instance().Expect(
        ui::Icon::Critical, "数据库文件正被其他程序使用，不能恢复！\r\n"
                            "请先关闭其他正在使用它的程序（包括另一个正在运行的本程序）。");
    window.Command3->click();
    EXPECT_FALSE(window.Restored());
    EXPECT_EQ(QDir(folder.Path()).entryList({"data-恢复前-*"}), QStringList());
    EXPECT_EQ(TestDb::Count("部门表"), 1);
}
} // namespace
