#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/RecordingShell.h"
#include "platform/ui/Modal.h"
#include "shell/Net35.h"
#include "shell/Net352.h"
#include "support/SystemInfo.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString kDownloadPage =
    QStringLiteral("https://www.microsoft.com/zh-CN/download/details.aspx?id=21");

class Net35Test : public QvTest {
protected:
    void TearDown() override {
        SystemDescription.clear();
        QvTest::TearDown();
    }
    static QString text(QDialog& dialog, const char* name) {
        return dialog.findChild<QLabel*>(name)->text();
    }
};

TEST_F(Net35Test, NamesTheMissingComponentAndThisSystem) {
    SystemDescription = "Windows 10 Pro 版本:2009 (内部版本:19045.2965)[64位]";
    Net35 notice;
    EXPECT_EQ(notice.windowTitle(), "缺少微软组件-Quorvane制药GMP教育训练管理");
    EXPECT_EQ(text(notice, "Label5"), "本软件在您的操作系统上不需要微软.NET "
                                      "Framework组件，运行所需的组件已随本软件一同安装。");
    EXPECT_EQ(text(notice, "Label4"),
              "您的操作系统是：Windows 10 Pro 版本:2009 (内部版本:19045.2965)[64位]");
    EXPECT_EQ(text(notice, "Label2"), "您无需下载或安装任何组件。");
    EXPECT_EQ(text(notice, "Label3"), "(以下下载链接来自微软网站)");
    EXPECT_EQ(notice.findChild<QPushButton*>("Command3")->text(),
              "点击进入微软.NET Framework 3.5 下载网页");

    SystemDescription.clear();
    Net35 withoutDescription;
    EXPECT_EQ(text(withoutDescription, "Label4"), "您的操作系统是：");
}

TEST_F(Net35Test, TheButtonOpensTheDownloadPageAndClosesEvenWhenNoBrowserStarts) {
    for (const bool browserStarts : {true, false}) {
        RecordingShell::Instance().Reset();
        RecordingShell::Instance().openUrlSucceeds = browserStarts;
        Net35 notice;
        bool shown = false;
        WhenModalShows([&shown](QWidget* modal) {
            shown = true;
            modal->findChild<QPushButton*>("Command3")->click();
        });
        ui::ShowModal(notice);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(notice.isVisible());
        EXPECT_EQ(RecordingShell::Instance().urls, QStringList{kDownloadPage});
    }
}

TEST(Net352, ShowsHowToLetTheFileRunWithItsPicture) {
    Net352 notice;
    EXPECT_EQ(notice.windowTitle(),
              "软件运行权限不足，请按照以下图片设置文件的属性-Quorvane制药GMP教育训练管理");
    auto* label = notice.findChild<QLabel*>("Label5");
    EXPECT_EQ(label->text(),
              "请找到安装本软件的目标文件夹，选中qvledger文件，右击鼠标，弹出菜单，点击“属性”，"
              "弹出属性窗口，切换到“权限”页标签，按照以下图片设置，点击确定。");
    EXPECT_EQ(label->font().families().value(0), "宋体");
    EXPECT_EQ(notice.Picture().size(), QSize(435, 658));
    EXPECT_TRUE(notice.rect().contains(QRect(QPoint(15, 92), notice.Picture().size())));
    EXPECT_LT(label->geometry().bottom(), 92);
    EXPECT_TRUE(notice.findChildren<QPushButton*>().isEmpty());
}
} // namespace
