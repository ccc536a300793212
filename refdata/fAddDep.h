#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The department list: lists, adds and deletes the rows of 部门表.
class fAddDep : public QDialog {
    Q_OBJECT

public:
    explicit fAddDep(QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    QLabel* Label1;
    QTreeWidget* Lv1;
    QPushButton* Command3;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Lookup { Exists, Added, Failed };

    void Form_Load();
    void 导入部门表();
    // Inserts the name when 部门表 has no such row yet.
    Lookup 部门名称是存在(const QString& name);
};
