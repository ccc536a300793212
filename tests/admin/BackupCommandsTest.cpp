#include "helpers/DbHelpers.h"
#include "helpers/QvTest.h"
#include "helpers/TestFolder.h"
#include "platform/settings/Settings.h"
#include "store/BackupList.h"
#include "store/BackupMirror.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {
struct Answer {
    int exitCode = -1;
    QJsonObject line;
};

class BackupCommandsTest : public QvTest {
protected:
    void SetUp() override {
        folder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
        // The tool reads its settings where this test writes them.
        Settings::SetFolder(config.filePath("qvledger"));
    }

    Answer admin(const QStringList& arguments) const {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(QVLEDGER_ADMIN), arguments);
        EXPECT_TRUE(tool.waitForFinished(60000));
        const QList<QByteArray> lines = tool.readAllStandardOutput().trimmed().split('\n');
        return {tool.exitCode(), QJsonDocument::fromJson(lines.last()).object()};
    }

    TestFolder folder;
    QTemporaryDir config;
};

QStringList statusesOf(const QJsonObject& line) {
    QStringList statuses;
    for (const QJsonValue& backup : line["backups"].toArray()) {
        statuses.push_back(backup["file"].toString() + ':' + backup["status"].toString());
    }
    return statuses;
}

TEST_F(BackupCommandsTest, NowTakesACheckedBackupAlsoInTheSecondLocation) {
    QTemporaryDir second;
    BackupMirror::SetSecondLocation(second.path());
    const Answer answer = admin({"backup", "now", folder.Path()});
    EXPECT_EQ(answer.exitCode, 0);
    const QString file = answer.line["file"].toString();
    EXPECT_TRUE(QRegularExpression(R"(^data\d{4}-\d\d-\d\d-\d{6}\.db$)").match(file).hasMatch());
    EXPECT_EQ(answer.line["whole"], true);
    EXPECT_EQ(answer.line["departments"], 1);
    EXPECT_EQ(answer.line["second"], "ok");
    EXPECT_EQ(BackupList::Verify(folder.Path(), file).verdict, BackupVerdict::Verified);
    EXPECT_EQ(BackupList::Verify(second.path(), file).verdict, BackupVerdict::Verified);
}

TEST_F(BackupCommandsTest, VerifySucceedsOnlyWhenEveryBackupIsWhole) {
    EXPECT_EQ(admin({"backup", "verify", folder.Path()}).exitCode, 1) << "no backup at all";
    const QString first = admin({"backup", "now", folder.Path()}).line["file"].toString();
    QFile::copy(folder.File(first), folder.File("data2026-12-05.db"));
    Answer answer = admin({"backup", "verify", folder.Path()});
    EXPECT_EQ(answer.exitCode, 0);
    EXPECT_EQ(answer.line["whole"], true);

    QFile changed(folder.File(first));
    ASSERT_TRUE(changed.open(QIODevice::Append));
    changed.write("x");
    changed.close();
    answer = admin({"backup", "verify", folder.Path()});
    EXPECT_EQ(answer.exitCode, 1);
    EXPECT_EQ(answer.line["whole"], false);
    EXPECT_EQ(statusesOf(answer.line),
              QStringList({"data2026-12-05.db:verified", first + ":changed"}));
}

TEST_F(BackupCommandsTest, AWrongCommandLineIsRefused) {
    for (const QStringList& arguments :
         {QStringList{"backup"}, QStringList{"backup", "later", folder.Path()},
          QStringList{"backup", "now", folder.File("无此文件夹")}, QStringList{"restore"}}) {
        EXPECT_EQ(admin(arguments).exitCode, 64) << arguments.join(' ').toStdString();
    }
}
} // namespace
