// qvledger-admin audit: the scripted validation's view of the trail.
#include "helpers/DbHelpers.h"
#include "helpers/IndependentReaders.h"
#include "helpers/QvTest.h"
#include "helpers/SqlcipherCli.h"
#include "helpers/TestFolder.h"
#include "helpers/TrailEntries.h"
#include "helpers/TrainingRows.h"
#include "store/AuditTrail.h"
#include "store/ModuleDataBase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {
struct AdminRun {
    int exitCode = -1;
    QJsonObject json;
};

AdminRun admin(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QVLEDGER_ADMIN), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    EXPECT_EQ(lines.size(), 1) << "one line";
    return {process.exitCode(), QJsonDocument::fromJson(lines.last()).object()};
}

QByteArray digestOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class AuditCommandsTest : public QvTest {
protected:
    void SetUp() override {
        db = folder.WithDatabase();
        TestDb::AddCourses({"甲课程", "乙课程"});
    }

    TestFolder folder;
    QString db;
};

TEST_F(AuditCommandsTest, VerifyPrintsOneLineAndExitsByTheState) {
    EXPECT_EQ(admin({"audit", "verify", db}).exitCode, 2) << "no trail yet";
    ASSERT_TRUE(Audit::EnsureTrail(db));
    const QByteArray before = digestOf(db);

    const AdminRun whole = admin({"audit", "verify", db});
    EXPECT_EQ(whole.exitCode, 0);
    EXPECT_EQ(whole.json["ok"], true);
    EXPECT_EQ(whole.json["entries"], 3);
    EXPECT_EQ(whole.json["head"], TrailEntries::All().back().hash);
    EXPECT_TRUE(whole.json["first_bad"].isNull());
    EXPECT_EQ(whole.json["mismatched"], QJsonArray());
    EXPECT_EQ(digestOf(db), before) << "verify never writes";

    SqlcipherCli::RunKeyed(db, "UPDATE 训练表 SET 主讲人='别人' WHERE id=2;");
    const AdminRun broken = admin({"audit", "verify", db});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.json["ok"], false);
    EXPECT_EQ(broken.json["mismatched"], QJsonArray({QJsonObject{{"table", "训练表"}, {"id", 2}}}));
}

TEST_F(AuditCommandsTest, ExportWritesEveryEntryWithTheHeadBelow) {
    ASSERT_TRUE(Audit::EnsureTrail(db));
    const QString out = folder.File("审计.xls");
    const AdminRun run = admin({"audit", "export", db, out});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject book = independent::Inspect(out);
    EXPECT_EQ(independent::Cell(book, "审计追踪1", "A1")["value"], "序号");
    EXPECT_EQ(independent::Cell(book, "审计追踪1", "E3")["value"], "基线记录");
    EXPECT_EQ(independent::Cell(book, "审计追踪1", "B6")["value"], TrailEntries::All().back().hash);
}
} // namespace
