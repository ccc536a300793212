#pragma once

#include "matrix/MatrixModel.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QThread;

// The matrix itself, computed away from the window so that it never freezes.
class MatrixPage : public QWidget {
    Q_OBJECT

public:
    explicit MatrixPage(QWidget* parent = nullptr);
    ~MatrixPage() override;

    // Reads the file and computes the matrix again; the page shows it when done.
    void Refresh();
    bool Computing() const { return worker_ != nullptr; }
    const Matrix::Input& Input() const { return input_; }
    const std::vector<Matrix::Cell>& Cells() const { return cells_; }

    QComboBox* Combo1; // 部门
    QComboBox* Combo2; // 职务
    QComboBox* Combo3; // SOP编号
    QComboBox* Combo4; // 状态
    QLabel* Label1;
    QTableView* View1;
    QPushButton* Command1; // 刷新
    QPushButton* Command2; // 导出应培未培清单
    QPushButton* Command3; // 个人视图

    void Command2_Click();
    void Command3_Click();
    void View1_DoubleClick(const QModelIndex& index);

private:
    struct Computed;
    void take(Computed& computed);
    void fillFilters();
    void applyFilters();

    MatrixModel* model_;
    QThread* worker_ = nullptr;
    Matrix::Input input_;
    std::vector<Matrix::Cell> cells_;
};
