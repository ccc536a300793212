#pragma once

#include <QDialog>

class MatrixPage;
class QTabWidget;
class RequirementPage;
class SopListPage;

// 培训矩阵: the SOP master list, the training requirements, and the matrix they make with
// the records.
class fMatrix : public QDialog {
    Q_OBJECT

public:
    explicit fMatrix(QWidget* parent = nullptr);

    QTabWidget* Tabs;
    SopListPage* SopPage;
    RequirementPage* Requirements;
    MatrixPage* Matrix;
};
