#include "shell/frmAbout.h"

#include "helpers/ModalDriver.h"
#include "helpers/Mouse.h"
#include "helpers/QvTest.h"
#include "helpers/RecordingShell.h"
#include "helpers/TableSysInfo.h"
#include "platform/app/App.h"
#include "platform/ui/Modal.h"
#include "shell/flogin.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {
using sysinfo::RegRoot;

class frmAboutTest : public QvTest {
protected:
    QLabel* label(const char* name) { return about.findChild<QLabel*>(name); }
    QFrame* underline() { return about.findChild<QFrame*>("Line2"); }
    void clickSysInfo() { about.findChild<QPushButton*>("cmdSysInfo")->click(); }

    TableSysInfo system;
    frmAbout about;
};

TEST_F(frmAboutTest, LoadNamesTheProductItsVersionAndItsMaker) {
    EXPECT_EQ(about.windowTitle(), "关于『Quorvane制药GMP教育训练管理』 ");
    EXPECT_EQ(label("lsoftname")->text(), "Quorvane制药GMP教育训练管理");
    EXPECT_DOUBLE_EQ(label("lsoftname")->font().pointSizeF(), 15.75);
    EXPECT_EQ(label("lblVersion")->text(), "版本 " + App::VersionText());
    EXPECT_EQ(label("Label1")->text(), "软件制作：Quorvane软件");
    EXPECT_EQ(label("Label5")->text(), "QQ：800012345");
    EXPECT_EQ(label("Label4")->text(), "Email：support@quorvane.example");
    EXPECT_EQ(label("Label4")->toolTip(), "给软件作者写邮件");
    EXPECT_EQ(label("Label2")->text(), "Quorvane软件：http://www.quorvane.example");
    EXPECT_EQ(label("Label2")->toolTip(), "访问支持网站");
    EXPECT_EQ(label("Label7")->text(), "Brisvel软件：http://www.brisvel.example");
    for (const char* link : {"Label2", "Label4", "Label7", "Image2"}) {
        EXPECT_EQ(label(link)->cursor().shape(), Qt::PointingHandCursor) << link;
    }
    EXPECT_EQ(label("Label1")->font().family(), label("Label2")->font().family());
    EXPECT_EQ(label("Image2")->pixmap().size(), QSize(335, 61));
    EXPECT_EQ(about.findChild<QPushButton*>("cmdSysInfo")->text(), "系统信息(&S)...");
    EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->text(), "确定");
    EXPECT_TRUE(about.findChild<QPushButton*>("cmdOK")->isDefault());
    EXPECT_TRUE(underline()->isHidden());
}

TEST_F(frmAboutTest, TheUnderlineFollowsThePointerFromLinkToLinkAndLeavesOnTheBackground) {
    about.show();
    for (const char* link : {"Label2", "Label7", "Label4"}) {
        QLabel* over = label(link);
        Mouse::MoveOver(over);
        EXPECT_TRUE(underline()->isVisible()) << link;
        EXPECT_EQ(underline()->geometry(),
                  QRect(over->x(), over->y() + over->height(), over->width(), 1))
            << link;
    }
    Mouse::MoveOver(&about, {5, 5});
    EXPECT_FALSE(underline()->isVisible());
}

TEST_F(frmAboutTest, TheLinksOpenTheSitesTheShopAndTheFeedbackMail) {
    RecordingShell& shell = RecordingShell::Instance();
    Mouse::Click(label("Label2"));
    Mouse::Click(label("Label7"));
    EXPECT_EQ(shell.newWindowUrls,
              QStringList({"http://www.quorvane.example", "http://www.brisvel.example"}));
    EXPECT_TRUE(shell.urls.isEmpty());

    Mouse::Click(label("Image2"));
    Mouse::Click(label("Label4"));
    ASSERT_EQ(shell.urls.size(), 2);
    EXPECT_EQ(shell.urls[0], "http://shop.quorvane.example/");
    EXPECT_TRUE(shell.urls[1].startsWith("mailto:support@quorvane.example?subject="));
    EXPECT_TRUE(shell.programs.isEmpty());
}

TEST_F(frmAboutTest, SystemInformationStartsTheRegisteredToolElseTheFolderOneElseThePlatforms) {
    QTemporaryDir folder;
    const QString tool = folder.filePath("MSINFO32.EXE");
    system.SetString(RegRoot::LocalMachine, R"(SOFTWARE\Microsoft\Shared Tools Location)", "MSINFO",
                     folder.path());
    system.systemInformationProgram = "/usr/bin/kinfocenter";

    // The folder is named but holds no tool: the platform's own program runs.
    clickSysInfo();
    EXPECT_EQ(RecordingShell::Instance().programs, QStringList{"/usr/bin/kinfocenter"});

    QFile(tool).open(QIODevice::WriteOnly);
    RecordingShell::Instance().Reset();
    clickSysInfo();
    EXPECT_EQ(RecordingShell::Instance().programs, QStringList{tool});

    system.SetString(RegRoot::LocalMachine, R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH",
                     QString("C:\\Tools\\msinfo32.exe") + QChar(u'\0'));
    RecordingShell::Instance().Reset();
    clickSysInfo();
    EXPECT_EQ(RecordingShell::Instance().programs, QStringList{"C:\\Tools\\msinfo32.exe"});
}

TEST_F(frmAboutTest, WithoutAToolOrWhenItCannotStartTheUserIsTold) {
    ScriptedMessages::Instance().Expect(ui::Icon::None, "此时系统信息不可用");
    clickSysInfo();
    EXPECT_TRUE(RecordingShell::Instance().programs.isEmpty());

    system.systemInformationProgram = "/usr/bin/hardinfo";
    RecordingShell::Instance().startSucceeds = false;
    ScriptedMessages::Instance().Expect(ui::Icon::None, "此时系统信息不可用");
    clickSysInfo();
    EXPECT_EQ(RecordingShell::Instance().programs, QStringList{"/usr/bin/hardinfo"});
}

int closeWithKey(frmAbout& dialog, Qt::Key key) {
    WhenModalShows([key](QWidget* modal) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(modal, &press);
    });
    return ui::ShowModal(dialog);
}

TEST(frmAboutKeys, EnterAndEscapeCloseTheWindow) {
    frmAbout accepted;
    EXPECT_EQ(closeWithKey(accepted, Qt::Key_Return), QDialog::Accepted);
    frmAbout rejected;
    EXPECT_EQ(closeWithKey(rejected, Qt::Key_Escape), QDialog::Rejected);
}

TEST(frmAboutUnload, ClosingStartsTheStartupWindowsVersionCheckAgain) {
    flogin startup;
    startup.Timer1()->stop();
    {
        frmAbout about;
        about.findChild<QPushButton*>("cmdOK")->click();
    }
    EXPECT_TRUE(startup.Timer1()->isActive());
}
} // namespace
