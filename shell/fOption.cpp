#include "shell/fOption.h"

#include "platform/app/App.h"
#include "platform/app/CompanyName.h"
#include "platform/app/Strings.h"
#include "platform/settings/Settings.h"
#include "platform/ui/ChangeReason.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "store/AuditEvents.h"
#include "store/ModuleDataBase.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

fOption::fOption(QWidget* parent)
    : QDialog(parent), Label1(ui::MakeLabel(this, "Label1", QStringLiteral("公司名称："))),
      Text1(ui::MakeTextBox(this, "Text1")),
      Check1(new QCheckBox(QStringLiteral("修改或删除记录时须填写原因"), this)),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("确定"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("fOption"));
    setWindowTitle(QStringLiteral("设置"));
    setWindowFlags(ui::FixedBorder());
    setFixedSize(380, 130);
    ui::CentreOnScreen(*this);
    // Typing starts in the name, and Enter confirms it.
    Text1->setFocus();
    Command1->setDefault(true);
    Label1->setGeometry(14, 20, 70, 20);
    Text1->setGeometry(84, 17, 280, 24);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(84, 52, 280, 22);
    Command1->setGeometry(184, 90, 84, 28);
    Command2->setGeometry(280, 90, 84, 28);
    connect(Command1, &QPushButton::clicked, this, &fOption::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &fOption::Command2_Click);
    Form_Load();
}

void fOption::Form_Load() {
    Text1->setText(CompanyName);
    Check1->setChecked(ui::ReasonRequired());
}

void fOption::Command1_Click() {
    const QString before = CompanyName;
    CompanyName = Vb::Trim(Text1->text());
    Settings::SaveSetting(App::Title(), CompanyNameSection(), CompanyNameKey(), CompanyName);
    ui::SetReasonRequired(Check1->isChecked());
    if (CompanyName != before) {
        Audit::RecordCompanyNameChange(DatabasePath, before, CompanyName);
    }
    accept();
}

void fOption::Command2_Click() {
    reject();
}
