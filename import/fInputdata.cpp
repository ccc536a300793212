#include "import/fInputdata.h"

#include "import/DatabaseImport.h"
#include "import/WorkbookImport.h"
#include "platform/ado/Connection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "store/ModuleDataBase.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

fInputdata::fInputdata(QWidget* parent)
    : QDialog(parent), Label1(ui::MakeLabel(this, "Label1", QStringLiteral("数据库路径："))),
      Text1(ui::MakeTextBox(this, "Text1")),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("指定"))),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("开始导入"))),
      Label2(ui::MakeLabel(this, "Label2", QStringLiteral("导入进度："))),
      ProgressBar1(new QProgressBar(this)),
      Command4(ui::MakeButton(this, "Command4", QStringLiteral("导入1.xls数据"))),
      Label3(ui::MakeLabel(
          this, "Label3",
          QStringLiteral("(该功能需要按照客户的文件格式定制，否则导入的数据会混乱。)"))) {
    setObjectName(QStringLiteral("fInputdata"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Label1->setGeometry(12, 16, 80, 20);
    Text1->setGeometry(92, 14, 300, 24);
    Command3->setGeometry(400, 13, 60, 26);
    Command1->setGeometry(470, 13, 80, 26);
    Label2->setGeometry(12, 56, 80, 20);
    ProgressBar1->setGeometry(92, 54, 458, 22);
    Command4->setGeometry(12, 96, 120, 28);
    Label3->setGeometry(140, 100, 420, 20);
    connect(Command1, &QPushButton::clicked, this, &fInputdata::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &fInputdata::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &fInputdata::Command4_Click);
    Form_Load();
}

void fInputdata::Form_Load() {
    ui::MakeFixedDialog(*this, QStringLiteral("导入数据"), 564, 140);
    // A typed path and Enter start the import.
    Text1->setFocus();
    Command1->setDefault(true);
}

void fInputdata::reject() {
    // Closing mid-import would leave the run without its window.
    if (!running_) {
        QDialog::reject();
    }
}

void fInputdata::Command3_Click() {
    ui::FileRequest request;
    request.kind = ui::FileRequest::Kind::Open;
    request.filter = QStringLiteral("*.mdb (*.mdb);;*.db (*.db)");
    const QString chosen = ui::ChooseFile(this, request);
    if (chosen.isEmpty()) {
        return;
    }
    if (IsOwnDatabase(chosen)) {
        ui::Critical(QStringLiteral("不能导入自己！请重新选择其他文件。"), this);
        return;
    }
    Text1->setText(chosen);
}

void fInputdata::Command1_Click() {
    const QString path = Text1->text();
    if (path.isEmpty()) {
        return;
    }
    Command1->setEnabled(false);
    running_ = true;
    if (!CheckFileExists(path)) {
        ui::Critical(QStringLiteral("文件不存在！"), this);
    } else if (IsOwnDatabase(path)) {
        ui::Critical(QStringLiteral("不能导入自己！请重新选择其他文件。"), this);
    } else {
        importDatabase(path);
    }
    running_ = false;
    ProgressBar1->setValue(0);
    Command1->setEnabled(true);
}

void fInputdata::importDatabase(const QString& path) {
    ado::Connection own;
    ado::Connection source;
    const bool ownOpen = OpenDatabase(own);
    const bool sourceOpen = OpenDatabaseToRead(source, path);
    if (!ownOpen || !sourceOpen) {
        return;
    }
    reportOutcome(DatabaseImport::Run(own, source, path, progressBar()));
}

DatabaseImport::Progress fInputdata::progressBar() {
    DatabaseImport::Progress progress;
    progress.start = [this](int maximum) {
        ProgressBar1->setValue(0);
        ProgressBar1->setMaximum(maximum);
    };
    progress.step = [this](int value) {
        ProgressBar1->setValue(value);
        QCoreApplication::processEvents();
    };
    return progress;
}

void fInputdata::reportOutcome(const DatabaseImport::Result& result) {
    switch (result.outcome) {
    case DatabaseImport::Outcome::Done:
        break;
    case DatabaseImport::Outcome::WrongLayout:
        ui::Critical(QStringLiteral("所选文件的训练表与本程序的格式不一致，不能导入。"), this);
        break;
    case DatabaseImport::Outcome::Refused:
        ui::Critical(result.description, this);
        break;
    case DatabaseImport::Outcome::Failed:
        ui::Critical(QStringLiteral("导入失败，没有导入任何记录：") + result.description, this);
        break;
    }
}

void fInputdata::Command4_Click() {
    Command4->setEnabled(false);
    ProgressBar1->setValue(0);
    running_ = true;
    ado::Connection own;
    if (OpenDatabase(own)) {
        reportOutcome(WorkbookImport::Run(own, WorkbookImport::WorkbookPath(), progressBar()));
    }
    running_ = false;
    ProgressBar1->setValue(0);
    Command4->setEnabled(true);
}
