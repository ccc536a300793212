#pragma once

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMenu;
class fSearch;
namespace ado {
class Connection;
}

// The main window: a frame for the search window, with the menus that reach every
// function of the program.
class MDIForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit MDIForm1(QWidget* parent = nullptr);

    QMdiArea* Area() const { return area_; }
    // The hidden 编辑 menu, shown as the search list's pop-up menu.
    QMenu* EditMenu() const { return menu编辑_; }

    // The search window, opened (or brought to the front) on demand.
    fSearch& ShowSearch();
    fSearch* SearchWindow() const;

    void menu添加部门_Click();
    void menu添加人员_Click();
    void menu设置_Click();
    void menu审计追踪_Click();
    void menu培训矩阵_Click();
    void menu备份与恢复_Click();
    void menu导入数据_Click();
    void menu导出到文件_Click();
    void menu添加_Click();
    void menu查询_Click();
    void menu删除_Click();
    void menu修改_Click();
    void menu退出_Click();
    void menu关于_Click();
    void menu设置软件属性及权限的方法_Click();
    void menu下载微软组件_Click();
    void menu下载数据库引擎_Click();
    void menu最新版本及教程_Click();
    void menu售后服务_Click();
    void menu功能定制_Click();
    void menu软件定制_Click();
    void menu网站一_Click();
    void menu网站二_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    void 备份();
    void 删除训练记录(ado::Connection& connection, const QString& id, const QString& reason);
    void showStartupWindow();

    void buildMenus();
    QMenu* addTopMenu(const char* name, const QString& caption);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     void (MDIForm1::*handler)() = nullptr);
    void addSeparator(QMenu* menu, const char* name);
    void openPage(const QString& address);

    QMdiArea* area_ = nullptr;
    QMenu* menu编辑_ = nullptr;
    QPointer<fSearch> search_;
};
