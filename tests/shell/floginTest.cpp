#include "shell/flogin.h"

#include "helpers/LocalHttpServer.h"
#include "helpers/Mouse.h"
#include "helpers/ProxyScope.h"
#include "helpers/QvTest.h"
#include "helpers/RecordingShell.h"
#include "helpers/TableSysInfo.h"
#include "helpers/TestFolder.h"
#include "helpers/WaitFor.h"
#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "platform/clock/Clock.h"
#include "platform/settings/Settings.h"
#include "shell/MDIForm1.h"
#include "store/Backup.h"
#include "support/SystemInfo.h"
#include "support/uXMLHTTP.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kVersionKey = QStringLiteral(R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)");
const QString kProductPage = QStringLiteral("http://www.quorvane.example/qvledger/");

// The startup window with the vendor's site served by a local proxy and the system values
// of a Windows 10 Pro machine.
class floginTest : public QvTest {
protected:
    void SetUp() override {
        system.SetString(sysinfo::RegRoot::LocalMachine, kVersionKey, "ProductName",
                         "Windows 10 Pro");
        system.SetString(sysinfo::RegRoot::LocalMachine, kVersionKey, "ReleaseId", "2009");
        system.SetString(sysinfo::RegRoot::LocalMachine, kVersionKey, "CurrentBuildNumber",
                         "19045");
        system.SetDword(sysinfo::RegRoot::LocalMachine, kVersionKey, "UBR", 2965);
        // Not a backup day: entering and leaving the main window copies nothing.
        Clock::SetFixedNow(QDateTime(QDate(2031, 7, 3), QTime(8, 0)));
    }
    void TearDown() override {
        SystemBits.clear();
        SystemDescription.clear();
        CompanyName.clear();
        QvTest::TearDown();
    }

    void publish(const QByteArray& text, int status = 200) {
        server.Respond({status, "OK", {{"Content-Type", "text/plain"}}, text});
    }
    // Waits for the version check that the window's timer starts.
    static void waitForCheck(flogin& form) {
        auto* http = form.findChild<uXMLHTTP*>("uXMLHTTP2");
        ASSERT_TRUE(WaitFor([http] { return http->DownOK(); }));
    }
    static QLabel* notice(flogin& form) { return form.findChild<QLabel*>("Label3"); }
    static MDIForm1* mainWindow() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* main = dynamic_cast<MDIForm1*>(window)) {
                return main;
            }
        }
        return nullptr;
    }

    TableSysInfo system;
    LocalHttpServer server;
    ProxyScope proxy{server.Port()};
};

TEST_F(floginTest, LoadShowsTheWindowAndPreparesTheRun) {
    publish(App::VersionText().toLatin1());
    flogin form;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Quorvane制药GMP教育训练管理");
    EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(), "版本：" + App::VersionText());
    EXPECT_EQ(notice(form)->text(), "最新版本：");
    EXPECT_FALSE(notice(form)->isVisible());
    EXPECT_EQ(form.findChild<QLabel*>("Image1")->pixmap().size(), QSize(756, 245));
    EXPECT_EQ(form.findChild<QPushButton*>("Command1")->text(), "进入管理");
    EXPECT_EQ(form.findChild<QPushButton*>("Command2")->text(), "退出软件");
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(SystemDescription, "Windows 10 Pro 版本:2009 (内部版本:19045.2965)[64位]");
    EXPECT_EQ(CompanyName, "Quorvane制药有限公司");
    EXPECT_TRUE(form.Timer1()->isActive());
    EXPECT_EQ(form.Timer1()->interval(), 100);

    waitForCheck(form);
    EXPECT_FALSE(form.Timer1()->isActive());
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests[0].method, "GET");
    EXPECT_EQ(server.requests[0].target, "http://www.quorvane.example/qvledger/newver.txt");
}

TEST_F(floginTest, TheCompanyNameComesFromTheSettings) {
    Settings::SaveSetting(App::Title(), "设置", "公司名称", "华东制药厂");
    flogin form;
    EXPECT_EQ(CompanyName, "华东制药厂");
}

TEST_F(floginTest, ANewerVersionShowsTheNoticeAndOpensTheProductPageOnEachFind) {
    const QString newer =
        QStringLiteral("%1.%2.%3").arg(App::Major()).arg(App::Minor()).arg(App::Revision() + 1);
    publish(" " + newer.toLatin1() + "\r\n");
    flogin form;
    waitForCheck(form);
    EXPECT_TRUE(notice(form)->isVisible());
    EXPECT_EQ(notice(form)->text(), "最新版本：V" + newer);
    EXPECT_EQ(RecordingShell::Instance().urls, QStringList{kProductPage});

    // The about window starts the check again when it closes.
    form.Timer1()->start();
    ASSERT_TRUE(WaitFor([&] { return server.requests.size() == 2; }));
    waitForCheck(form);
    EXPECT_EQ(RecordingShell::Instance().urls, QStringList({kProductPage, kProductPage}));
}

TEST_F(floginTest, OtherPublishedTextsShowNothingButSomeSetTheCaption) {
    const QString running = App::VersionText();
    const QString older =
        QStringLiteral("%1.%2.%3").arg(App::Major() - 1).arg(App::Minor()).arg(App::Revision());
    struct Case {
        QByteArray published;
        int status;
        QString caption;
    };
    const std::vector<Case> cases = {
        {running.toLatin1(), 200, "最新版本：V" + running},
        {older.toLatin1(), 200, "最新版本：V" + older},
        {"2.6", 200, "最新版本：V2.6"},
        {"2.6.0.1", 200, "最新版本：V2.6.0.1"},
        {"V2.6.0", 200, "最新版本：VV2.6.0"},
        {"1e39.0.0", 200, "最新版本：V1e39.0.0"},
        {"10.100.1000", 200, "最新版本："},
        {"  \r\n", 200, "最新版本："},
        {"99.0.0", 404, "最新版本："},
    };
    for (const Case& c : cases) {
        publish(c.published, c.status);
        flogin form;
        waitForCheck(form);
        EXPECT_FALSE(notice(form)->isVisible()) << c.published.constData();
        EXPECT_EQ(notice(form)->text(), c.caption) << c.published.constData();
        EXPECT_TRUE(RecordingShell::Instance().urls.isEmpty()) << c.published.constData();
    }
}

TEST_F(floginTest, ClickingTheNoticeOpensTheProductPage) {
    flogin form;
    auto* label = notice(form);
    Mouse::Click(label);
    EXPECT_EQ(RecordingShell::Instance().urls, QStringList{kProductPage});
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(floginTest, EnteringShowsAFreshMainWindowAndLeavingItShowsThisWindowAgain) {
    flogin form;
    for (int round = 0; round < 2; ++round) {
        form.findChild<QPushButton*>("Command1")->click();
        EXPECT_FALSE(form.isVisible());
        MDIForm1* main = mainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(main->windowTitle(), "Quorvane制药GMP教育训练管理 V" + App::VersionText());

        main->findChild<QAction*>("menu退出")->trigger();
        EXPECT_TRUE(form.isVisible());
        ASSERT_TRUE(WaitFor([] { return mainWindow() == nullptr; }));
    }
}

TEST_F(floginTest, ClosingThisWindowEndsTheProgramWithoutABackup) {
    const QDate backupDay(2031, 7, 15);
    Clock::SetFixedNow(QDateTime(backupDay, QTime(17, 0)));
    TestFolder programFolder;
    App::SetPath(programFolder.Path());
    programFolder.WithDatabase();
    const QString backup = Backup::TargetPath(App::Path(), backupDay);
    flogin form;
    // Even with the main window open, ending here closes no window and so runs no backup.
    QTimer::singleShot(0, [&] {
        form.findChild<QPushButton*>("Command1")->click();
        form.close();
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(QFile::exists(backup));
    App::SetPath({});
    MDIForm1* main = mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    delete main;
}

} // namespace
