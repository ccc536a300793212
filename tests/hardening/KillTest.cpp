#include "CustomerWorkbook.h"
#include "KilledChild.h"
#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "integrity/TrailCheck.h"
#include "platform/ado/Connection.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
constexpr int kSourceRecords = 3000;
// Kill points from before the first record to after the last; which of them falls inside
// the import depends on the machine, so none is asserted to.
const std::vector<int> kKillAfterMs = {0, 30, 100, 250, 600, 1500};

QString integrity(const QString& file) {
    return TestDb::Column("PRAGMA integrity_check", "integrity_check", file).join(u' ');
}

class KillTest : public QvTest {
protected:
    void SetUp() override { empty = folder.WithDatabase(); }

    static void run(const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(QVLEDGER_BENCH), arguments);
        ASSERT_TRUE(process.waitForFinished(300000));
        ASSERT_EQ(process.exitCode(), 0);
    }

    QString copyOfEmpty(const QString& name) const {
        const QString copy = folder.File(name);
        QFile::copy(empty, copy);
        return copy;
    }

    TestFolder folder;
    QString empty;
};

TEST_F(KillTest, ADatabaseImportKilledPartWayLeavesNoneOrAllOfItsRecords) {
    const QString source = folder.File("source.db");
    run({"seed", "--db", source, "--records", QString::number(kSourceRecords)});
    const int records = TestDb::Count("训练表", source);
    ASSERT_GT(records, 0);
    for (const int ms : kKillAfterMs) {
        SCOPED_TRACE(ms);
        const QString target = copyOfEmpty(QStringLiteral("target%1.db").arg(ms));
        KillAfter(QStringLiteral(QVLEDGER_HARDENING_CHILD), {"import-db", target, source}, ms);
        const int imported = TestDb::Count("训练表", target);
        EXPECT_TRUE(imported == 0 || imported == records) << imported << " of " << records;
        EXPECT_EQ(integrity(target), "ok");
    }
}

TEST_F(KillTest, AWorkbookImportKilledPartWayLeavesNoneOrAllOfItsRecords) {
    const QString workbook = folder.File("1.xls");
    ASSERT_TRUE(WriteCustomerWorkbook(workbook, 30, 100));
    constexpr int kRecords = 100;
    for (const int ms : kKillAfterMs) {
        SCOPED_TRACE(ms);
        const QString program = folder.File(QStringLiteral("program%1").arg(ms));
        QDir().mkpath(program);
        QFile::copy(empty, program + "/data.db");
        QFile::copy(workbook, program + "/1.xls");
        KillAfter(QStringLiteral(QVLEDGER_HARDENING_CHILD), {"import-xls", program}, ms);
        const QString db = program + "/data.db";
        const int imported = TestDb::Count("训练表", db);
        EXPECT_TRUE(imported == 0 || imported == kRecords) << imported;
        const QStringList participants =
            TestDb::Column("select * from 训练表 where 教育训练名称='课程8'", "参加人员", db);
        EXPECT_TRUE(participants.isEmpty() || participants.first().count(u'、') == 29)
            << "every sheet or none of them";
        EXPECT_EQ(integrity(db), "ok");
    }
}

TEST_F(KillTest, AnExportKilledPartWayLeavesTheOldWorkbookOrACompleteNewOne) {
    const QString db = folder.File("records.db");
    run({"seed", "--db", db, "--records", "4000"});
    const QString out = folder.File("导出.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls"), out));
    QFile oldFile(out);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
    const QByteArray old = oldFile.readAll();
    oldFile.close();
    for (const int ms : kKillAfterMs) {
        SCOPED_TRACE(ms);
        KillAfter(QStringLiteral(QVLEDGER_HARDENING_CHILD), {"export", db, out, "部"}, ms);
        QFile written(out);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        if (written.readAll() == old) {
            continue;
        }
        excel::Application excel;
        try {
            excel.Workbooks().Open(out);
        } catch (const excel::Error& error) {
            ADD_FAILURE() << "a damaged workbook under the target name: "
                          << error.Description().toStdString();
        }
        QFile::remove(out);
        ASSERT_TRUE(QFile::copy(QStringLiteral(QVLEDGER_XLS_CORPUS "/xlwt-two-sheets.xls"), out));
    }
}
TEST_F(KillTest, AnEditorKilledWhileSavingLeavesEveryRecordWithItsEntry) {
    for (const int ms : kKillAfterMs) {
        SCOPED_TRACE(ms);
        const QString db = copyOfEmpty(QStringLiteral("saving%1.db").arg(ms));
        TestDb::Exec("insert into 部门表 (部门名称) values('质量部')", db);
        ASSERT_TRUE(Audit::EnsureTrail(db));
        KillAfter(QStringLiteral(QVLEDGER_HARDENING_CHILD), {"save", db}, ms);
        ado::Connection connection;
        connection.Open(ConnectionString(db, QString::fromLatin1(kDefaultDatabasePassword)));
        const Audit::Verdict verdict = Audit::Verify(connection);
        EXPECT_TRUE(verdict.Whole()) << verdict.mismatched.size() << " records without entry";
        EXPECT_EQ(integrity(db), "ok");
    }
}
} // namespace
