#include "shell/MDIForm1.h"

#include "import/fInputdata.h"
#include "integrity/fBackup.h"
#include "integrity/TrailStart.h"
#include "integrity/fAuditTrail.h"
#include "matrix/fMatrix.h"
#include "platform/ado/Connection.h"
#include "platform/app/App.h"
#include "platform/app/WebSites.h"
#include "platform/clock/Clock.h"
#include "platform/shell/Shell.h"
#include "platform/ui/ChangeReason.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"
#include "refdata/fAddDep.h"
#include "refdata/fSelectMen.h"
#include "shell/Net35.h"
#include "shell/Net352.h"
#include "shell/fOption.h"
#include "shell/flogin.h"
#include "shell/frmAbout.h"
#include "store/AuditChange.h"
#include "store/Backup.h"
#include "store/ModuleDataBase.h"
#include "training/SearchList.h"
#include "training/fSearch.h"
#include "training/trainingAdd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent), area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    area_->setObjectName(QStringLiteral("MDIArea"));
    setCentralWidget(area_);
    resize(1024, 720);
    buildMenus();
    MDIForm_Load();
}

void MDIForm1::MDIForm_Load() {
    menu编辑_->menuAction()->setVisible(false);
    setWindowTitle(App::Title() + QStringLiteral(" V") + App::VersionText());
    DatabasePath = App::Path() + QStringLiteral("/data.db");
    Audit::StartTrail(DatabasePath, this);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    MDIForm_Unload();
    event->accept();
}

void MDIForm1::MDIForm_Unload() {
    备份();
    showStartupWindow();
}

void MDIForm1::备份() {
    Backup::Run(App::Path(), Clock::Today());
}

// The program ends only from the startup window, so it comes back when this window closes.
void MDIForm1::showStartupWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* startup = dynamic_cast<flogin*>(window)) {
            startup->show();
        }
    }
}

void MDIForm1::buildMenus() {
    QMenu* file = addTopMenu("menu文件", QStringLiteral("文件(&F)"));
    addItem(file, "menu添加部门", QStringLiteral("添加部门"), &MDIForm1::menu添加部门_Click);
    addItem(file, "menu添加人员", QStringLiteral("添加人员"), &MDIForm1::menu添加人员_Click);
    addSeparator(file, "uitui8976");
    addItem(file, "menu导入数据", QStringLiteral("导入数据"), &MDIForm1::menu导入数据_Click);
    addItem(file, "menu导出到文件", QStringLiteral("导出到文件"), &MDIForm1::menu导出到文件_Click);
    addSeparator(file, "strewt34534");
    addItem(file, "menu退出", QStringLiteral("退出"), &MDIForm1::menu退出_Click);

    QMenu* training = addTopMenu("menu训练", QStringLiteral("训练(&E)"));
    addItem(training, "menu添加", QStringLiteral("添加训练记录"), &MDIForm1::menu添加_Click);
    addItem(training, "menu查询", QStringLiteral("查询和修改训练记录"), &MDIForm1::menu查询_Click);

    QMenu* tools = addTopMenu("menu工具", QStringLiteral("工具(&T)"));
    addItem(tools, "menu设置", QStringLiteral("设置"), &MDIForm1::menu设置_Click);
    addItem(tools, "menu审计追踪", QStringLiteral("审计追踪"), &MDIForm1::menu审计追踪_Click);
    addItem(tools, "menu培训矩阵", QStringLiteral("培训矩阵"), &MDIForm1::menu培训矩阵_Click);
    addItem(tools, "menu备份与恢复", QStringLiteral("备份与恢复"), &MDIForm1::menu备份与恢复_Click);

    QMenu* help = addTopMenu("menu帮助", QStringLiteral("帮助(&H)"));
    addItem(help, "menu关于", QStringLiteral("关于"), &MDIForm1::menu关于_Click);
    addSeparator(help, "fsdgsg");
    addItem(help, "menu设置软件属性及权限的方法", QStringLiteral("设置软件属性及权限的方法"),
            &MDIForm1::menu设置软件属性及权限的方法_Click);
    addItem(help, "menu下载微软组件", QStringLiteral("下载微软组件"),
            &MDIForm1::menu下载微软组件_Click);
    addItem(help, "menu下载数据库引擎", QStringLiteral("下载数据库引擎"),
            &MDIForm1::menu下载数据库引擎_Click);
    addSeparator(help, "gryhrh");
    addItem(help, "menu最新版本及教程", QStringLiteral("最新版本"),
            &MDIForm1::menu最新版本及教程_Click);
    addItem(help, "menu售后服务", QStringLiteral("售后服务"), &MDIForm1::menu售后服务_Click);
    addItem(help, "menu功能定制", QStringLiteral("功能定制"), &MDIForm1::menu功能定制_Click);
    addItem(help, "menu软件定制", QStringLiteral("软件定制"), &MDIForm1::menu软件定制_Click);
    QMenu* sites = help->addMenu(QStringLiteral("作者网站"));
    sites->setObjectName(QStringLiteral("menu软件作者网站"));
    sites->menuAction()->setObjectName(QStringLiteral("menu软件作者网站"));
    addItem(sites, "menu网站一", QStringLiteral("Brisvel软件"), &MDIForm1::menu网站一_Click);
    addItem(sites, "menu网站二", QStringLiteral("Quorvane软件"), &MDIForm1::menu网站二_Click);

    menu编辑_ = addTopMenu("menu编辑", QStringLiteral("编辑"));
    addItem(menu编辑_, "menu删除", QStringLiteral("删除"), &MDIForm1::menu删除_Click);
    addItem(menu编辑_, "menu修改", QStringLiteral("修改"), &MDIForm1::menu修改_Click);
}

QMenu* MDIForm1::addTopMenu(const char* name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* MDIForm1::addItem(QMenu* menu, const char* name, const QString& caption,
                           void (MDIForm1::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromUtf8(name));
    if (handler != nullptr) {
        connect(action, &QAction::triggered, this, handler);
    }
    return action;
}

void MDIForm1::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromUtf8(name));
}

void MDIForm1::openPage(const QString& address) {
    Shell::OpenUrl(address);
}

void MDIForm1::menu添加部门_Click() {
    fAddDep window(this);
    ui::ShowModal(window);
}

void MDIForm1::menu添加人员_Click() {
    fSelectMen window(this);
    ui::ShowModal(window);
}

fSearch& MDIForm1::ShowSearch() {
    if (search_ == nullptr) {
        search_ = new fSearch(menu编辑_);
        QMdiSubWindow* window = area_->addSubWindow(search_);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->showMaximized();
    }
    area_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(search_->parentWidget()));
    return *search_;
}

fSearch* MDIForm1::SearchWindow() const {
    return search_;
}

void MDIForm1::menu查询_Click() {
    ShowSearch();
}

void MDIForm1::menu设置_Click() {
    fOption window(this);
    ui::ShowModal(window);
}

void MDIForm1::menu审计追踪_Click() {
    fAuditTrail window(this);
    ui::ShowModal(window);
}

void MDIForm1::menu培训矩阵_Click() {
    fMatrix window(this);
    ui::ShowModal(window);
}

// The listed records may no longer be those of the restored data.db.
void MDIForm1::menu备份与恢复_Click() {
    fBackup window(this);
    ui::ShowModal(window);
    if (window.Restored() && search_ != nullptr) {
        search_->ListView1->Model().Clear();
        search_->ShowCount();
    }
}

void MDIForm1::menu导入数据_Click() {
    fInputdata window(this);
    ui::ShowModal(window);
}

void MDIForm1::menu导出到文件_Click() {
    ShowSearch().Command2_Click();
}

void MDIForm1::menu添加_Click() {
    showMaximized();
    trainingAdd editor(0, this);
    ui::ShowModal(editor);
}

void MDIForm1::menu删除_Click() {
    if (search_ == nullptr) {
        return;
    }
    SearchList& list = *search_->ListView1;
    const int row = list.SelectedIndex();
    if (row >= 0) {
        const QString id = list.ItemText(row);
        if (ui::Question(QStringLiteral("确定要删除ID为：") + id + QStringLiteral(" 记录吗?"),
                         this)) {
            const std::optional<QString> reason = ui::AskReasonIfRequired(this);
            ado::Connection connection;
            if (reason && OpenDatabase(connection)) {
                try {
                    删除训练记录(connection, id, *reason);
                    connection.Close();
                    list.RemoveByKey(list.ItemKey(row));
                } catch (const ado::Error& error) {
                    ReportDatabaseError(error);
                }
            }
        }
    }
    search_->ShowCount();
}

void MDIForm1::删除训练记录(ado::Connection& connection, const QString& id, const QString& reason) {
    Audit::Change change(connection, QStringLiteral("删除训练记录"), reason);
    change.Watch(QStringLiteral("训练表"), id.toLongLong());
    connection.Execute(QStringLiteral("delete * from 训练表 where id=") + id);
    change.Commit();
}

void MDIForm1::menu修改_Click() {
    if (search_ == nullptr) {
        return;
    }
    const int row = search_->ListView1->SelectedIndex();
    if (row < 0) {
        return;
    }
    trainingAdd editor(search_->ListView1->ItemText(row).toInt(), this);
    editor.setWindowTitle(QStringLiteral("修改"));
    editor.Command4->setText(QStringLiteral("保存修改"));
    editor.Command3->setEnabled(false);
    ui::ShowModal(editor);
}

void MDIForm1::menu退出_Click() {
    close();
}

void MDIForm1::menu关于_Click() {
    frmAbout about(this);
    ui::ShowModal(about);
}

void MDIForm1::menu设置软件属性及权限的方法_Click() {
    Net352 notice(this);
    ui::ShowModal(notice);
}

void MDIForm1::menu下载微软组件_Click() {
    Net35 notice(this);
    ui::ShowModal(notice);
}

void MDIForm1::menu下载数据库引擎_Click() {
    openPage(WebSites::Vendor() + QStringLiteral("/components/"));
}

void MDIForm1::menu最新版本及教程_Click() {
    openPage(WebSites::Vendor() + QStringLiteral("/qvledger/"));
}

void MDIForm1::menu售后服务_Click() {
    openPage(WebSites::Vendor() + QStringLiteral("/afterservice.htm"));
}

void MDIForm1::menu功能定制_Click() {
    openPage(WebSites::Vendor() + QStringLiteral("/customfunction.htm"));
}

void MDIForm1::menu软件定制_Click() {
    openPage(WebSites::Vendor() + QStringLiteral("/customware.htm"));
}

void MDIForm1::menu网站一_Click() {
    openPage(WebSites::SecondBrand() + QStringLiteral("/"));
}

void MDIForm1::menu网站二_Click() {
    openPage(WebSites::Vendor() + QStringLiteral("/"));
}
