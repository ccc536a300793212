#include "platform/ui/ReasonDialog.h"

#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {
constexpr int kShortestReason = 2;
}

ReasonDialog::ReasonDialog(QWidget* parent)
    : QDialog(parent), Label1(MakeLabel(this, "Label1", QStringLiteral("修改或删除的原因："))),
      Text1(MakeTextBox(this, "Text1")),
      Command1(MakeButton(this, "Command1", QStringLiteral("确定"))),
      Command2(MakeButton(this, "Command2", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("ReasonDialog"));
    MakeFixedDialog(*this, QStringLiteral("填写原因"), 420, 112);
    Label1->setGeometry(14, 14, 392, 20);
    Text1->setGeometry(14, 38, 392, 24);
    Command1->setGeometry(226, 74, 84, 28);
    Command2->setGeometry(322, 74, 84, 28);
    Text1->setFocus();
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ReasonDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ReasonDialog::Command2_Click);
}

QString ReasonDialog::Reason() const {
    return Text1->text().trimmed();
}

void ReasonDialog::Command1_Click() {
    if (Reason().size() < kShortestReason) {
        Critical(QStringLiteral("请填写原因，至少%1个字！").arg(kShortestReason), this);
        Text1->setFocus();
        return;
    }
    accept();
}

void ReasonDialog::Command2_Click() {
    reject();
}

} // namespace ui
