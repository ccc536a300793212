#include "matrix/RequirementPage.h"

#include "matrix/MatrixStore.h"
#include "platform/ado/Connection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MessageBox.h"
#include "store/ModuleDataBase.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {
const QString kEveryDepartment = QStringLiteral("（全部部门）");
const QString kEveryPosition = QStringLiteral("（全部职务）");

// The first item stands for all and means an empty field.
void fill(QComboBox* box, const QString& every, const QStringList& values) {
    box->clear();
    if (!every.isEmpty()) {
        box->addItem(every);
    }
    box->addItems(values);
}

QString chosen(const QComboBox* box, const QString& every) {
    return box->currentText() == every ? QString() : box->currentText();
}

QString shown(const QString& value, const QString& every) {
    return value.isEmpty() ? every : value;
}
} // namespace

RequirementPage::RequirementPage(QWidget* parent)
    : QWidget(parent), List1(new QTableWidget(this)), Combo1(ui::MakeDropDownList(this, "Combo1")),
      Combo2(ui::MakeDropDownList(this, "Combo2")), Combo3(ui::MakeDropDownList(this, "Combo3")),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("添加"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("删除"))) {
    setObjectName(QStringLiteral("RequirementPage"));
    List1->setObjectName(QStringLiteral("List1"));
    List1->setColumnCount(3);
    List1->setHorizontalHeaderLabels(
        {QStringLiteral("部门"), QStringLiteral("职务"), QStringLiteral("SOP编号")});
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->verticalHeader()->hide();
    List1->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(List1, 0, 0, 1, 8);
    layout->addWidget(new QLabel(QStringLiteral("部门："), this), 1, 0);
    layout->addWidget(Combo1, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("职务："), this), 1, 2);
    layout->addWidget(Combo2, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("SOP编号："), this), 1, 4);
    layout->addWidget(Combo3, 1, 5);
    layout->addWidget(Command1, 1, 6);
    layout->addWidget(Command2, 1, 7);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    layout->setColumnStretch(5, 1);
    connect(Command1, &QPushButton::clicked, this, &RequirementPage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RequirementPage::Command2_Click);
}

void RequirementPage::Reload() {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    QStringList numbers;
    try {
        requirements_ = MatrixStore::Requirements(connection);
        fill(Combo1, kEveryDepartment,
             MatrixStore::RegisterValues(connection, QStringLiteral("部门")));
        fill(Combo2, kEveryPosition,
             MatrixStore::RegisterValues(connection, QStringLiteral("职务")));
        for (const Matrix::Sop& sop : MatrixStore::Sops(connection)) {
            numbers << sop.number;
        }
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return;
    }
    fill(Combo3, {}, numbers);
    List1->setRowCount(static_cast<int>(requirements_.size()));
    for (int row = 0; row < static_cast<int>(requirements_.size()); ++row) {
        const Matrix::Requirement& r = requirements_[static_cast<size_t>(row)];
        List1->setItem(row, 0, new QTableWidgetItem(shown(r.department, kEveryDepartment)));
        List1->setItem(row, 1, new QTableWidgetItem(shown(r.position, kEveryPosition)));
        List1->setItem(row, 2, new QTableWidgetItem(r.sopNumber));
    }
    List1->resizeColumnsToContents();
}

void RequirementPage::Command1_Click() {
    if (Combo3->currentText().isEmpty()) {
        ui::Critical(QStringLiteral("请先在“SOP文件”页添加SOP文件。"), this);
        return;
    }
    const Matrix::Requirement requirement{0, chosen(Combo1, kEveryDepartment),
                                          chosen(Combo2, kEveryPosition), Combo3->currentText()};
    for (const Matrix::Requirement& r : requirements_) {
        if (r.department.compare(requirement.department, Qt::CaseInsensitive) == 0 &&
            r.position.compare(requirement.position, Qt::CaseInsensitive) == 0 &&
            r.sopNumber.compare(requirement.sopNumber, Qt::CaseInsensitive) == 0) {
            ui::Critical(QStringLiteral("该培训要求已经存在！"), this);
            return;
        }
    }
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        MatrixStore::SaveRequirement(connection, requirement);
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return;
    }
    Reload();
    Q_EMIT Changed();
}

void RequirementPage::Command2_Click() {
    QList<int> ids;
    for (const QModelIndex& row : List1->selectionModel()->selectedRows()) {
        ids << requirements_[static_cast<size_t>(row.row())].id;
    }
    if (ids.isEmpty()) {
        ui::Critical(QStringLiteral("请先选择要删除的培训要求！"), this);
        return;
    }
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        for (const int id : ids) {
            MatrixStore::DeleteRequirement(connection, id);
        }
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
    Reload();
    Q_EMIT Changed();
}
