#include "matrix/fMatrix.h"

#include "matrix/MatrixPage.h"
#include "matrix/RequirementPage.h"
#include "matrix/SopListPage.h"
#include "platform/app/App.h"
#include "platform/ui/DialogStyle.h"

#include <QTabWidget>
#include <QVBoxLayout>

fMatrix::fMatrix(QWidget* parent)
    : QDialog(parent), Tabs(new QTabWidget(this)), SopPage(new SopListPage(Tabs)),
      Requirements(new RequirementPage(Tabs)), Matrix(new MatrixPage(Tabs)) {
    setObjectName(QStringLiteral("fMatrix"));
    Tabs->setObjectName(QStringLiteral("Tabs"));
    Tabs->addTab(SopPage, QStringLiteral("SOP文件"));
    Tabs->addTab(Requirements, QStringLiteral("培训要求"));
    Tabs->addTab(Matrix, QStringLiteral("培训矩阵"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tabs);
    setWindowTitle(QStringLiteral("培训矩阵-") + App::Title());
    // A change on one page shows on the others.
    connect(SopPage, &SopListPage::Changed, Requirements, &RequirementPage::Reload);
    connect(SopPage, &SopListPage::Changed, Matrix, &MatrixPage::Refresh);
    connect(Requirements, &RequirementPage::Changed, Matrix, &MatrixPage::Refresh);
    SopPage->Reload();
    Requirements->Reload();
    Matrix->Refresh();
    resize(900, 600);
    ui::CentreOnScreen(*this);
}
