#include "helpers/LocalHttpServer.h"
#include "helpers/RecordingShell.h"
#include "helpers/ScriptedMessages.h"
#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "platform/clock/Clock.h"
#include "platform/settings/Settings.h"
#include "platform/shell/Shell.h"
#include "store/ModuleDataBase.h"
#include "support/SystemInfo.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QNetworkProxy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Nothing one test scripted, fixed or saved leaks into the next.
class ResetBetweenTests : public testing::EmptyTestEventListener {
public:
    explicit ResetBetweenTests(QString settingsFolder)
        : settingsFolder_(std::move(settingsFolder)) {}

private:
    // The program's globals start every test as the program starts: nothing set yet.
    void OnTestStart(const testing::TestInfo&) override {
        DatabasePath.clear();
        CompanyName = DefaultCompanyName();
        SystemBits.clear();
        SystemDescription.clear();
        App::SetPath({});
    }

    void OnTestEnd(const testing::TestInfo&) override {
        ScriptedMessages::Instance().VerifyAndReset();
        RecordingShell::Instance().Reset();
        Clock::SetFixedNow({});
        QDir(settingsFolder_).removeRecursively();
        Settings::SetFolder(settingsFolder_);
    }
    QString settingsFolder_;
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QLocale::setDefault(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    ui::SetMessageService(&ScriptedMessages::Instance());
    Shell::SetShellService(&RecordingShell::Instance());
    const QTemporaryDir settings;
    Settings::SetFolder(settings.path());
    // Any request that is not for 127.0.0.1 goes to a proxy that refuses it: no test
    // reaches beyond this machine.
    QNetworkProxy::setApplicationProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), RefusingPort()));
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ResetBetweenTests(settings.path()));
    return RUN_ALL_TESTS();
}
