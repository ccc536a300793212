#include "store/BackupManifest.h"

#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "platform/clock/Clock.h"
#include "store/AuditTrail.h"
#include "store/Backup.h"
#include "store/BackupList.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace {
const QDateTime kNow(QDate(2026, 12, 15), QTime(17, 30, 5));

class BackupManifestTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        Clock::SetFixedNow(kNow);
        TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
        TestDb::Exec("insert into 员工表 (姓名) values ('张三')");
        TestDb::Exec("insert into 员工表 (姓名) values ('李四')");
    }

    QByteArray manifestText() const {
        QFile file(BackupManifest::Path(folder.Path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestFolder folder;
};

QByteArray sha256Of(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}

void rewriteManifestOf(const QString& backup, const QByteArray& from, const QByteArray& to) {
    QFile file(BackupManifest::Path(QFileInfo(backup).path()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray text = file.readAll().replace(from, to);
    file.resize(0);
    file.write(text);
}

void overwriteByte(const QString& path, qint64 at) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(at);
    char byte = 0;
    file.getChar(&byte);
    file.seek(at);
    file.putChar(static_cast<char>(byte ^ 0x5a));
}

TEST_F(BackupManifestTest, EachBackupHasOneLineWithItsTimeSizeHashAndRows) {
    ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
    ASSERT_TRUE(Backup::Take(folder.Path(), "data2026-12-15-173005.db"));
    const QString day = folder.File("data2026-12-15.db");
    const QString manual = folder.File("data2026-12-15-173005.db");
    EXPECT_EQ(manifestText(), "# 文件\t时间\t字节\tSHA-256\t训练表\t员工表\t部门表\t审计链头\n"
                              "data2026-12-15.db\t2026-12-15 17:30:05\t" +
                                  QByteArray::number(QFile(day).size()) + '\t' + sha256Of(day) +
                                  "\t0\t2\t1\t-\n"
                                  "data2026-12-15-173005.db\t2026-12-15 17:30:05\t" +
                                  QByteArray::number(QFile(manual).size()) + '\t' +
                                  sha256Of(manual) + "\t0\t2\t1\t" + Audit::HeadOf(manual) + '\n')
        << "the first backup entered itself in the trail: the second copy has one";
}

TEST_F(BackupManifestTest, AnEntryWrittenAgainReplacesItsLineAndKeepsTheOthers) {
    ASSERT_TRUE(Backup::Take(folder.Path(), "data2026-12-15-173005.db"));
    BackupEntry entry{"data2026-12-05.db", kNow, 10, "ab", {1, 2, 3}, "头"};
    ASSERT_TRUE(BackupManifest::Record(folder.Path(), entry));
    entry.counts = {4, 5, 6};
    ASSERT_TRUE(BackupManifest::Record(folder.Path(), entry));
    const QList<BackupEntry> entries = BackupManifest::Read(folder.Path());
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].file, "data2026-12-15-173005.db");
    EXPECT_EQ(entries[1].counts, (TableCounts{4, 5, 6}));
    EXPECT_EQ(entries[1].auditHead, "头");
    EXPECT_EQ(entries[1].time, kNow);
}

struct VerdictCase {
    const char* what;
    std::function<void(const QString& backup)> afterwards;
    BackupVerdict verdict;
};

TEST_F(BackupManifestTest, VerificationFindsChangedAndDamagedBackups) {
    const std::vector<VerdictCase> cases = {
        {"untouched", [](const QString&) {}, BackupVerdict::Verified},
        {"one byte changed", [](const QString& b) { overwriteByte(b, 5000); },
         BackupVerdict::Changed},
        {"rows other than written",
         [](const QString& b) { rewriteManifestOf(b, "\t0\t2\t1\t", "\t0\t3\t1\t"); },
         BackupVerdict::Failed},
        {"damaged, never entered",
         [](const QString& b) {
             QFile::remove(BackupManifest::Path(QFileInfo(b).path()));
             overwriteByte(b, 5000);
         },
         BackupVerdict::Failed},
        {"whole, never entered",
         [](const QString& b) { QFile::remove(BackupManifest::Path(QFileInfo(b).path())); },
         BackupVerdict::Verified},
    };
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(BackupManifest::Path(folder.Path()));
        QFile::remove(folder.File("data2026-12-15.db"));
        ASSERT_TRUE(Backup::Run(folder.Path(), kNow.date()));
        c.afterwards(folder.File("data2026-12-15.db"));
        const BackupState state = BackupList::Verify(folder.Path(), "data2026-12-15.db");
        EXPECT_EQ(state.verdict, c.verdict);
        if (c.verdict == BackupVerdict::Verified) {
            EXPECT_EQ(state.counts, (TableCounts{0, 2, 1}));
        }
    }
}

TEST_F(BackupManifestTest, TheListHoldsTheBackupsAloneOldestFirst) {
    for (const char* name : {"data2026-12-15.db", "data2026-12-05-090000.db", "data.db",
                             "data-恢复前-2026-12-01-080000.db", "data2026-12-05.db", "datax.db"}) {
        QFile(folder.File(name)).open(QIODevice::Append);
    }
    EXPECT_EQ(BackupList::Files(folder.Path()),
              QStringList({"data2026-12-05.db", "data2026-12-05-090000.db", "data2026-12-15.db"}));
}
} // namespace
