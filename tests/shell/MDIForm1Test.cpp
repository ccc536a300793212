#include "shell/MDIForm1.h"

#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "store/Backup.h"
#include "store/ModuleDataBase.h"
#include "support/ModalDriver.h"
#include "support/QvTest.h"
#include "support/RecordingShell.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace {
struct MenuEntry {
    const char* name;
    const char* caption; // "-" for a separator
};

// The items of a menu in order, as name and caption.
std::vector<std::pair<QString, QString>> itemsOf(QMenu* menu) {
    std::vector<std::pair<QString, QString>> items;
    for (QAction* action : menu->actions()) {
        items.emplace_back(action->objectName(),
                           action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

void expectMenu(MDIForm1& form, const char* name, const char* caption,
                const std::vector<MenuEntry>& entries) {
    QMenu* menu = form.findChild<QMenu*>(QString::fromUtf8(name));
    ASSERT_NE(menu, nullptr) << name;
    EXPECT_EQ(menu->title(), QString::fromUtf8(caption));
    std::vector<std::pair<QString, QString>> expected;
    for (const MenuEntry& e : entries) {
        expected.emplace_back(QString::fromUtf8(e.name), QString::fromUtf8(e.caption));
    }
    EXPECT_EQ(itemsOf(menu), expected) << name;
}

class MDIForm1Test : public QvTest {};

TEST_F(MDIForm1Test, HasTheWholeMenuTree) {
    MDIForm1 form;
    QStringList topLevel;
    for (QAction* action : form.menuBar()->actions()) {
        topLevel.push_back(action->objectName());
    }
    EXPECT_EQ(topLevel, QStringList({"menu文件", "menu训练", "menu工具", "menu帮助", "menu编辑"}));
    expectMenu(form, "menu文件", "文件(&F)",
               {{"menu添加部门", "添加部门"},
                {"menu添加人员", "添加人员"},
                {"uitui8976", "-"},
                {"menu导入数据", "导入数据"},
                {"menu导出到文件", "导出到文件"},
                {"strewt34534", "-"},
                {"menu退出", "退出"}});
    expectMenu(form, "menu训练", "训练(&E)",
               {{"menu添加", "添加训练记录"}, {"menu查询", "查询和修改训练记录"}});
    expectMenu(form, "menu工具", "工具(&T)", {{"menu设置", "设置"}});
    expectMenu(form, "menu帮助", "帮助(&H)",
               {{"menu关于", "关于"},
                {"fsdgsg", "-"},
                {"menu设置软件属性及权限的方法", "设置软件属性及权限的方法"},
                {"menu下载微软组件", "下载微软组件"},
                {"menu下载数据库引擎", "下载数据库引擎"},
                {"gryhrh", "-"},
                {"menu最新版本及教程", "最新版本"},
                {"menu售后服务", "售后服务"},
                {"menu功能定制", "功能定制"},
                {"menu软件定制", "软件定制"},
                {"menu软件作者网站", "作者网站"}});
    expectMenu(form, "menu软件作者网站", "作者网站",
               {{"menu网站一", "Brisvel软件"}, {"menu网站二", "Quorvane软件"}});
    expectMenu(form, "menu编辑", "编辑", {{"menu删除", "删除"}, {"menu修改", "修改"}});
    EXPECT_FALSE(form.EditMenu()->menuAction()->isVisible());
    EXPECT_EQ(form.EditMenu()->objectName(), "menu编辑");
}

TEST_F(MDIForm1Test, LoadSetsTheVersionedCaptionAndTheDatabasePath) {
    DatabasePath.clear();
    for (int shown = 0; shown < 2; ++shown) {
        MDIForm1 form;
        EXPECT_EQ(form.windowTitle(), "Quorvane制药GMP教育训练管理 V" + App::VersionText());
        EXPECT_EQ(DatabasePath, QCoreApplication::applicationDirPath() + "/data.db");
    }
    EXPECT_FALSE(App::VersionText().contains(".0") && App::VersionText().startsWith("0"));
}

TEST_F(MDIForm1Test, WebLinksOpenTheSitesPages) {
    MDIForm1 form;
    const std::vector<std::pair<const char*, const char*>> links = {
        {"menu下载数据库引擎", "http://www.quorvane.example/components/"},
        {"menu最新版本及教程", "http://www.quorvane.example/qvledger/"},
        {"menu售后服务", "http://www.quorvane.example/afterservice.htm"},
        {"menu功能定制", "http://www.quorvane.example/customfunction.htm"},
        {"menu软件定制", "http://www.quorvane.example/customware.htm"},
        {"menu网站一", "http://www.brisvel.example/"},
        {"menu网站二", "http://www.quorvane.example/"}};
    for (const auto& [name, url] : links) {
        RecordingShell::Instance().Reset();
        form.findChild<QAction*>(QString::fromUtf8(name))->trigger();
        EXPECT_EQ(RecordingShell::Instance().urls, QStringList({QString::fromUtf8(url)})) << name;
    }
}

TEST_F(MDIForm1Test, TheHelpMenuOpensItsWindowsAsModalDialogs) {
    MDIForm1 form;
    form.show();
    const std::vector<std::pair<const char*, const char*>> items = {
        {"menu关于", "frmAbout"},
        {"menu设置软件属性及权限的方法", "Net352"},
        {"menu下载微软组件", "Net35"}};
    for (const auto& [item, window] : items) {
        QString shown;
        OnNextModal([&](QWidget* modal) {
            shown = modal->objectName();
            EXPECT_EQ(modal->parentWidget(), &form) << item;
            modal->close();
        });
        form.findChild<QAction*>(QString::fromUtf8(item))->trigger();
        EXPECT_EQ(shown, window) << item;
    }
}

// The program folder of the tests is the build's bin folder: back up its data.db aside.
class MainWindowBackupTest : public QvTest {
protected:
    void SetUp() override {
        folder = QCoreApplication::applicationDirPath();
        day = QDate(2031, 7, 15);
        Clock::SetFixedNow(QDateTime(day, QTime(17, 0)));
        QFile::remove(Backup::TargetPath(folder, day));
        hadDatabase = QFile::exists(folder + "/data.db");
        if (!hadDatabase) {
            QFile marker(folder + "/data.db");
            ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
            marker.write("stand-in");
        }
    }
    void TearDown() override {
        QFile::remove(Backup::TargetPath(folder, day));
        if (!hadDatabase) {
            QFile::remove(folder + "/data.db");
        }
        QvTest::TearDown();
    }
    QString folder;
    QDate day;
    bool hadDatabase = false;
};

TEST_F(MainWindowBackupTest, ClosingOnABackupDayTakesTheCopyOnce) {
    {
        MDIForm1 form;
        form.show();
        form.findChild<QAction*>("menu退出")->trigger();
        EXPECT_FALSE(form.isVisible());
    }
    const QString target = Backup::TargetPath(folder, day);
    ASSERT_TRUE(QFile::exists(target));
    QFile copy(target);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    QFile source(folder + "/data.db");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), source.readAll());
}
} // namespace
