#include "refdata/fAddDep.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/Strings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/UnsavedInput.h"
#include "refdata/Departments.h"
#include "store/AuditChange.h"
#include "store/ModuleDataBase.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString kDepartmentTable = QStringLiteral("部门表");
}

fAddDep::fAddDep(QWidget* parent)
    : QDialog(parent), Label1(ui::MakeLabel(this, "Label1", QStringLiteral("现有部门名称："))),
      Lv1(new QTreeWidget(this)),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("删除"))),
      Label2(ui::MakeLabel(this, "Label2", QStringLiteral("新增名称："))),
      Text1(ui::MakeTextBox(this, "Text1")),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("增加"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("关闭"))) {
    setObjectName(QStringLiteral("fAddDep"));
    Lv1->setObjectName(QStringLiteral("Lv1"));
    Lv1->setHeaderLabels({QStringLiteral("名称")});
    Lv1->setRootIsDecorated(false);
    Lv1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    Label1->setGeometry(10, 10, 200, 16);
    Lv1->setGeometry(10, 30, 200, 200);
    Command3->setGeometry(220, 30, 70, 200);
    Label2->setGeometry(10, 244, 70, 16);
    Text1->setGeometry(80, 240, 130, 24);
    Command1->setGeometry(220, 240, 70, 26);
    Command2->setGeometry(220, 274, 70, 26);

    connect(Command1, &QPushButton::clicked, this, &fAddDep::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &fAddDep::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &fAddDep::Command3_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &fAddDep::Command1_Click);
    Form_Load();
}

void fAddDep::Form_Load() {
    ui::MakeFixedDialog(*this, QStringLiteral("增加部门名称"), 300, 310);
    ui::CentreOnScreen(*this);
    Text1->setFocus();
    导入部门表();
}

void fAddDep::导入部门表() {
    Lv1->clear();
    for (const Departments::Department& department : Departments::Read()) {
        auto* item = new QTreeWidgetItem(Lv1, {department.name});
        item->setData(0, Qt::UserRole, QStringLiteral("K%1").arg(department.id));
    }
}

fAddDep::Lookup fAddDep::部门名称是存在(const QString& name) {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return Lookup::Failed;
    }
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 部门表 where 部门名称='") + SqlQuote(name) + u'\'',
                connection, ado::adOpenKeyset, ado::adLockOptimistic);
        if (!rs.Eof()) {
            return Lookup::Exists;
        }
        Audit::Change change(connection, QStringLiteral("添加部门"));
        rs.AddNew();
        rs.Fields()[QStringLiteral("部门名称")].SetValue(name);
        rs.Update();
        change.Inserted(kDepartmentTable);
        change.Commit();
        return Lookup::Added;
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return Lookup::Failed;
    }
}

void fAddDep::Command1_Click() {
    const QString name = Vb::Trim(Text1->text());
    if (name.isEmpty()) {
        return;
    }
    switch (部门名称是存在(name)) {
    case Lookup::Exists:
        ui::Critical(QStringLiteral("该名称已经存在！"), this);
        break;
    case Lookup::Added:
        导入部门表();
        Text1->clear();
        break;
    case Lookup::Failed:
        // Nothing was stored: the user keeps what was typed.
        break;
    }
}

void fAddDep::Command3_Click() {
    QTreeWidgetItem* selected = Lv1->currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        return;
    }
    const QString id = selected->data(0, Qt::UserRole).toString().mid(1);
    ado::Connection connection;
    if (OpenDatabase(connection)) {
        try {
            Audit::Change change(connection, QStringLiteral("删除部门"));
            change.Watch(kDepartmentTable, id.toLongLong());
            connection.Execute(QStringLiteral("delete * from 部门表 where id=") + id);
            change.Commit();
        } catch (const ado::Error& error) {
            ReportDatabaseError(error);
        }
    }
    导入部门表();
}

void fAddDep::Command2_Click() {
    reject();
}

void fAddDep::keyPressEvent(QKeyEvent* event) {
    if (ui::EscapeMayClose(*event, !Vb::Trim(Text1->text()).isEmpty(), this)) {
        QDialog::keyPressEvent(event);
    }
}
