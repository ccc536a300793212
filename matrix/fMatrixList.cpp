#include "matrix/fMatrixList.h"

#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

fMatrixList::fMatrixList(const QString& title, const QString& note, const QStringList& headings,
                         const QList<QStringList>& lines, QWidget* parent)
    : QDialog(parent), Label1(ui::MakeLabel(this, "Label1", note)), List1(new QTableWidget(this)),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("保存修改"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("导出"))),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("关闭"))) {
    setObjectName(QStringLiteral("fMatrixList"));
    setWindowTitle(title);
    Label1->setWordWrap(true);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setColumnCount(static_cast<int>(headings.size()));
    List1->setHorizontalHeaderLabels(headings);
    List1->setRowCount(static_cast<int>(lines.size()));
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->verticalHeader()->hide();
    for (int row = 0; row < lines.size(); ++row) {
        for (int column = 0; column < lines.at(row).size(); ++column) {
            List1->setItem(row, column, new QTableWidgetItem(lines.at(row).at(column)));
        }
    }
    List1->resizeColumnsToContents();
    Command1->hide();
    Command2->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(List1);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 420);
    ui::CentreOnScreen(*this);
}

void fMatrixList::OfferExport(std::function<void(QWidget*)> exportList) {
    Command2->show();
    connect(Command2, &QPushButton::clicked, this, [this, exportList] { exportList(this); });
}

void fMatrixList::AskToSave() {
    Command1->show();
    Command1->setDefault(true);
    Command3->setText(QStringLiteral("取消"));
}
