#pragma once

#include "matrix/MatrixRule.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class QTableWidget;

// Which department and position must be trained on which SOP; an empty one stands for all.
class RequirementPage : public QWidget {
    Q_OBJECT

public:
    explicit RequirementPage(QWidget* parent = nullptr);
    void Reload();

    QTableWidget* List1;
    QComboBox* Combo1;     // 部门
    QComboBox* Combo2;     // 职务
    QComboBox* Combo3;     // SOP编号
    QPushButton* Command1; // 添加
    QPushButton* Command2; // 删除

    void Command1_Click();
    void Command2_Click();

Q_SIGNALS:
    void Changed();

private:
    std::vector<Matrix::Requirement> requirements_;
};
