#pragma once

#include "training/SearchQuery.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QPushButton;
class QStatusBar;
class SearchList;
namespace ui {
class DatePicker;
}
namespace ado {
class Recordset;
}

// The search over the training records, a child window of the main window.
class fSearch : public QWidget {
    Q_OBJECT

public:
    // popup: the menu shown on a right click over the list.
    explicit fSearch(QMenu* popup, QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void 查询训练表(const QString& column, const QString& keywordText);
    // Label1 = the number of rows + "条".
    void ShowCount();

    QFrame* Frame1;
    QCheckBox* Check1;
    ui::DatePicker* DTPicker1;
    ui::DatePicker* DTPicker2;
    QLabel* L1;
    QComboBox* Combo1;
    QLineEdit* Text1;
    QComboBox* Combo2;
    QPushButton* Command1;
    QLabel* Label4;
    QLabel* Label2;
    QLabel* Label1;
    QPushButton* Command4;
    QPushButton* Command2;
    SearchList* ListView1;
    QFrame* Picture1;
    QLabel* Label3;
    QStatusBar* StatusBar1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSearchBar();
    void buildListArea();
    void Form_Load();
    void Form_Resize();
    void placeHint();
    void ListView1_MouseDown(QMouseEvent* event);
    void 导入训练表所有字段();
    void fillList(ado::Recordset& rs);

    QMenu* popup_;
};
