#include "matrix/fMatrixSave.h"

#include "platform/clock/Clock.h"
#include "platform/excel/Error.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kPasswordLength = 15;

QLineEdit* passwordBox(QWidget* parent, const char* name) {
    QLineEdit* box = ui::MakeTextBox(parent, name);
    box->setMaxLength(kPasswordLength);
    box->setEchoMode(QLineEdit::Password);
    return box;
}
} // namespace

fMatrixSave::fMatrixSave(const QString& title, QWidget* parent)
    : QDialog(parent), Text1(ui::MakeTextBox(this, "Text1")),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("指定"))),
      TextRPW(passwordBox(this, "TextRPW")), TextWPW(passwordBox(this, "TextWPW")),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("导出"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("取消"))) {
    setObjectName(QStringLiteral("fMatrixSave"));
    ui::MakeLabel(this, "Label1", QStringLiteral("保存到："))->setGeometry(12, 16, 90, 20);
    Text1->setGeometry(104, 14, 300, 24);
    Command3->setGeometry(412, 13, 60, 26);
    ui::MakeLabel(this, "Label2", QStringLiteral("打开密码（可不填）："))
        ->setGeometry(12, 52, 150, 20);
    TextRPW->setGeometry(164, 50, 140, 24);
    ui::MakeLabel(this, "Label3", QStringLiteral("修改密码（可不填）："))
        ->setGeometry(12, 86, 150, 20);
    TextWPW->setGeometry(164, 84, 140, 24);
    Command1->setGeometry(316, 120, 75, 28);
    Command2->setGeometry(397, 120, 75, 28);
    Command1->setDefault(true);
    connect(Command3, &QPushButton::clicked, this, &fMatrixSave::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &fMatrixSave::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    ui::MakeFixedDialog(*this, QStringLiteral("导出") + title, 486, 162);
    Text1->setFocus();
}

QString fMatrixSave::Path() const {
    return Text1->text().trimmed();
}

MatrixExport::Passwords fMatrixSave::Passwords() const {
    return {TextRPW->text(), TextWPW->text()};
}

void fMatrixSave::Command3_Click() {
    ui::FileRequest request;
    request.kind = ui::FileRequest::Kind::Save;
    request.filter = QStringLiteral("Excel 97-2003 工作簿 (*.xls)");
    request.defaultExt = QStringLiteral("xls");
    const QString chosen = ui::ChooseFile(this, request);
    if (!chosen.isEmpty()) {
        Text1->setText(chosen);
    }
}

void fMatrixSave::Command1_Click() {
    if (Path().isEmpty()) {
        ui::Critical(QStringLiteral("请指定保存的文件！"), this);
        return;
    }
    accept();
}

void fMatrixSave::Export(QWidget* parent, const QString& title, const Matrix::Input& input,
                         const std::vector<Matrix::Cell>& cells) {
    fMatrixSave dialog(title, parent);
    if (ui::ShowModal(dialog) != QDialog::Accepted) {
        return;
    }
    try {
        MatrixExport::Save(dialog.Path(), title, input, cells, Clock::Today(), dialog.Passwords());
        ui::Information(QStringLiteral("保存完成。"), parent);
    } catch (const excel::Error& error) {
        ui::Critical(error.Description(), parent);
    }
}
