#include "store/BackupMirror.h"

#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "store/Backup.h"
#include "store/BackupList.h"

#include <QDir>
#include <QTemporaryDir>

namespace {
const QDate kBackupDay(2026, 12, 25);

class BackupMirrorTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
    }

    TestFolder folder;
    QTemporaryDir second;
};

TEST_F(BackupMirrorTest, TheDaysBackupIsAlsoCopiedToTheSecondLocationAndChecksThere) {
    BackupMirror::SetSecondLocation(second.path());
    ASSERT_TRUE(Backup::Run(folder.Path(), kBackupDay));
    EXPECT_EQ(BackupList::Files(second.path()), QStringList{"data2026-12-25.db"});
    const BackupState there = BackupList::Verify(second.path(), "data2026-12-25.db");
    EXPECT_EQ(there.verdict, BackupVerdict::Verified);
    EXPECT_EQ(there.counts, (TableCounts{0, 0, 1}));
    EXPECT_EQ(BackupManifest::Find(second.path(), "data2026-12-25.db")->sha256,
              BackupManifest::Find(folder.Path(), "data2026-12-25.db")->sha256);
}

TEST_F(BackupMirrorTest, AnUnreachableSecondLocationLeavesTheBackupHereWithoutAWord) {
    BackupMirror::SetSecondLocation(second.filePath("U盘/未插入"));
    EXPECT_TRUE(Backup::Run(folder.Path(), kBackupDay));
    EXPECT_EQ(BackupList::Verify(folder.Path(), "data2026-12-25.db").verdict,
              BackupVerdict::Verified);
    EXPECT_FALSE(QDir(second.filePath("U盘")).exists());
}

TEST_F(BackupMirrorTest, ACopyThatDiffersFromTheEntryIsNotKept) {
    const std::optional<BackupEntry> entry =
        Backup::Take(folder.Path(), "data2026-12-25-080000.db");
    ASSERT_TRUE(entry);
    BackupEntry other = *entry;
    other.sha256 = QByteArray(64, '0');
    EXPECT_FALSE(BackupMirror::CopyTo(second.path(), folder.Path(), other));
    EXPECT_TRUE(QDir(second.path()).isEmpty());
    EXPECT_TRUE(BackupMirror::CopyTo(second.path(), folder.Path(), *entry));
}
} // namespace
