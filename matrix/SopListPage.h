#pragma once

#include "matrix/MatrixRule.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableWidget;
namespace ui {
class DatePicker;
}

// The SOP master list: each SOP's revision in force, since when, and its refresher period.
class SopListPage : public QWidget {
    Q_OBJECT

public:
    explicit SopListPage(QWidget* parent = nullptr);
    void Reload();

    QTableWidget* List1;
    QLineEdit* Text1;      // SOP编号
    QLineEdit* Text2;      // SOP名称
    QLineEdit* Text3;      // 现行版次
    ui::DatePicker* Date1; // 生效日期
    QLineEdit* Text4;      // 复训周期
    QPushButton* Command1; // 添加
    QPushButton* Command2; // 修改
    QPushButton* Command3; // 删除
    QPushButton* Command4; // 从Excel导入

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

Q_SIGNALS:
    void Changed();

private:
    std::optional<Matrix::Sop> typedSop();
    const Matrix::Sop* selected() const;
    void showSelected();
    bool save(const Matrix::Sop& sop);
    bool revisionChangeAccepted(const Matrix::Sop& before, const Matrix::Sop& after);

    std::vector<Matrix::Sop> sops_;
};
