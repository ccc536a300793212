#include "shell/MDIForm1.h"

#include "helpers/DbHelpers.h"
#include "helpers/MainWindowFixture.h"
#include "helpers/ModalDriver.h"
#include "helpers/QvTest.h"
#include "helpers/RecordingShell.h"
#include "helpers/TestFolder.h"
#include "helpers/TrainingRows.h"
#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "shell/Startup.h"
#include "store/Backup.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <memory>

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
    expectMenu(form, "menu工具", "工具(&T)",
               {{"menu设置", "设置"},
                {"menu审计追踪", "审计追踪"},
                {"menu培训矩阵", "培训矩阵"},
                {"menu备份与恢复", "备份与恢复"}});
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
    TestFolder folder;
    App::SetPath(folder.Path());
    DatabasePath.clear();
    MDIForm1 form;
    EXPECT_EQ(form.windowTitle(), "Quorvane制药GMP教育训练管理 V1.0.0");
    EXPECT_EQ(DatabasePath, folder.Path() + "/data.db") << "beside the program";
    App::SetPath({});
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

TEST_F(MDIForm1Test, FileMenuOpensTheDepartmentAndEmployeeWindows) {
    TestFolder folder;
    MDIForm1 form;
    folder.WithDatabase();
    for (const char* item : {"menu添加部门", "menu添加人员"}) {
        QString opened;
        WhenModalShows([&opened](QWidget* modal) {
            opened = modal->objectName();
            modal->close();
        });
        form.findChild<QAction*>(QString::fromUtf8(item))->trigger();
        EXPECT_EQ(opened, QString::fromUtf8(item) == "menu添加部门" ? "fAddDep" : "fSelectMen");
    }
}

class MainWindowRecordsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        OpenMainWindow();
        TestDb::AddCourses({"甲课程", "乙课程", "丙课程"});
        ListSearch("课程");
    }
};

TEST_F(MainWindowRecordsTest, DeleteAsksAndRemovesTheSelectedRow) {
    search->Label1->setText("stale");
    Trigger("menu删除");
    EXPECT_EQ(search->Label1->text(), "3条") << "nothing selected: only the count";

    Select(1);
    ScriptedMessages::Instance().Expect(ui::Icon::Question, "确定要删除ID为：2 记录吗?",
                                        ui::Answer::No);
    Trigger("menu删除");
    EXPECT_EQ(TestDb::Count("训练表"), 3);

    ScriptedMessages::Instance().Expect(ui::Icon::Question, "确定要删除ID为：2 记录吗?",
                                        ui::Answer::Yes);
    Trigger("menu删除");
    EXPECT_EQ(TestDb::Column("select * from 训练表 order by id", "id"), QStringList({"1", "3"}));
    EXPECT_EQ(search->ListView1->ItemCount(), 2);
    EXPECT_EQ(search->ListView1->ItemText(1), "3");
    EXPECT_EQ(search->Label1->text(), "2条");
}

TEST_F(MainWindowRecordsTest, ModifyOpensTheEditorOnTheRecordThenAddOpensItEmpty) {
    Trigger("menu修改");
    Select(2);
    WhenModalShows([](QWidget* modal) {
        auto* editor = dynamic_cast<trainingAdd*>(modal);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle(), "修改");
        EXPECT_EQ(editor->RecordId, 3);
        EXPECT_EQ(editor->Text1->text(), "丙课程");
        EXPECT_EQ(editor->Command4->text(), "保存修改");
        EXPECT_FALSE(editor->Command3->isEnabled());
        editor->Text1->setText("丁课程");
        ScriptedMessages::Instance().Expect(ui::Icon::Information, "修改完成。请重新查询看结果！");
        editor->Command4->click();
    });
    Trigger("menu修改");
    EXPECT_EQ(TestDb::Column("select * from 训练表 where id=3", "教育训练名称"),
              QStringList({"丁课程"}));
    EXPECT_EQ(search->ListView1->SubItem(2, 11), "丙课程") << "the list waits for a new search";

    WhenModalShows([](QWidget* modal) {
        auto* editor = dynamic_cast<trainingAdd*>(modal);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->RecordId, 0);
        EXPECT_EQ(editor->Text1->text(), "");
        EXPECT_EQ(editor->Command4->text(), "保存添加");
        EXPECT_TRUE(editor->Command3->isEnabled());
        editor->close();
    });
    Trigger("menu添加");
    EXPECT_TRUE(form->isMaximized());
}

TEST_F(MainWindowRecordsTest, TheSearchMenuReusesTheOpenWindowAndExportNeedsRows) {
    Trigger("menu查询");
    EXPECT_EQ(form->SearchWindow(), search);
    EXPECT_EQ(form->Area()->subWindowList().size(), 1);
    EXPECT_TRUE(form->Area()->subWindowList().first()->isMaximized());
    search->ListView1->Model().Clear();
    ScriptedMessages::Instance().Expect(ui::Icon::Critical, "请先查询！");
    Trigger("menu导出到文件");
}

TEST_F(MDIForm1Test, EveryWindowWearsTheProgramsOwnIcon) {
    Startup::UseProgramIcon();
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().value(0), QSize(128, 128));
    TestFolder folder;
    MDIForm1 form; // before the database: its load points DatabasePath beside the program
    folder.WithDatabase();
    form.show();
    form.ShowSearch();
    const QImage expected = icon.pixmap(16).toImage();
    EXPECT_EQ(form.windowIcon().pixmap(16).toImage(), expected);
    EXPECT_EQ(form.Area()->subWindowList().value(0)->windowIcon().pixmap(16).toImage(), expected)
        << "the maximised child's menu-bar icon";
    QApplication::setWindowIcon(QIcon());
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
        WhenModalShows([&](QWidget* modal) {
            shown = modal->objectName();
            EXPECT_EQ(modal->parentWidget(), &form) << item;
            modal->close();
        });
        form.findChild<QAction*>(QString::fromUtf8(item))->trigger();
        EXPECT_EQ(shown, window) << item;
    }
}

// The program folder is a temporary one with its own data.db.
class MainWindowBackupTest : public QvTest {
protected:
    void SetUp() override {
        App::SetPath(programFolder.Path());
        programFolder.WithDatabase();
        TestDb::Exec("insert into 部门表 (部门名称) values ('质量部')");
        folder = programFolder.Path();
        day = QDate(2031, 7, 15);
        Clock::SetFixedNow(QDateTime(day, QTime(17, 0)));
    }
    void TearDown() override {
        App::SetPath({});
        QvTest::TearDown();
    }
    TestFolder programFolder;
    QString folder;
    QDate day;
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
    EXPECT_EQ(TestDb::Column("select * from 部门表", "部门名称", target), QStringList{"质量部"});

    QFile::remove(target);
    QFile(target).open(QIODevice::WriteOnly);
    {
        MDIForm1 form;
        form.show();
        form.close();
    }
    EXPECT_EQ(QFileInfo(target).size(), 0) << "a second closing that day keeps the first copy";
}
} // namespace
