#include "training/trainingAdd.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/Error.h"
#include "platform/app/Strings.h"
#include "platform/clock/Clock.h"
#include "platform/ui/ChangeReason.h"
#include "platform/ui/ComboText.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"
#include "platform/ui/UnsavedInput.h"
#include "refdata/Departments.h"
#include "refdata/fAddDep.h"
#include "refdata/fSelectMen.h"
#include "store/AuditChange.h"
#include "store/ModuleDataBase.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");
const QString kSaveModify = QStringLiteral("保存修改");
const QString kTrainingTable = QStringLiteral("训练表");

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items) {
    QComboBox* box = ui::MakeDropDownList(parent, name);
    box->addItems(items);
    return box;
}

void label(QWidget* parent, const QString& caption, int x, int y, int width = 80) {
    QLabel* text = new QLabel(caption, parent);
    text->setGeometry(x, y, width, 24);
}

} // namespace

trainingAdd::trainingAdd(int recordId, QWidget* parent) : QDialog(parent), RecordId(recordId) {
    setObjectName(QStringLiteral("trainingAdd"));
    buildControls();
    setTabOrder();
    Form_Load();
}

void trainingAdd::buildControls() {
    label(this, QStringLiteral("部门"), 12, 12);
    Combo5 = ui::MakeDropDownList(this, "Combo5");
    Combo5->setGeometry(100, 12, 220, 24);
    Command1 = ui::MakeButton(this, "Command1", QStringLiteral("增加"));
    Command1->setGeometry(330, 11, 60, 26);

    const QStringList noYes = {kNo, kYes};
    Combo1 = makeList(this, "Combo1", noYes);
    Combo2 = makeList(this, "Combo2", noYes);
    Combo3 = makeList(this, "Combo3", noYes);
    Combo4 = makeList(this, "Combo4", noYes);
    Combo6 = makeList(this, "Combo6", {QStringLiteral("内训"), QStringLiteral("外训")});
    const std::vector<std::pair<QString, QComboBox*>> flags = {{QStringLiteral("新进员工"), Combo1},
                                                               {QStringLiteral("法规"), Combo2},
                                                               {QStringLiteral("SOP"), Combo3},
                                                               {QStringLiteral("专业技术"), Combo4},
                                                               {QStringLiteral("内外训"), Combo6}};
    int x = 12;
    for (const auto& [caption, box] : flags) {
        label(this, caption, x, 48, 56);
        box->setGeometry(x + 56, 48, 52, 24);
        x += 116;
    }

    label(this, QStringLiteral("教育训练名称"), 12, 84);
    Text1 = ui::MakeTextBox(this, "Text1");
    Text1->setGeometry(100, 84, 480, 24);
    label(this, QStringLiteral("SOP名称"), 12, 116);
    Text7 = ui::MakeTextBox(this, "Text7");
    Text7->setGeometry(100, 116, 480, 24);
    label(this, QStringLiteral("主讲人"), 12, 148);
    Text2 = ui::MakeTextBox(this, "Text2");
    Text2->setGeometry(100, 148, 220, 24);
    label(this, QStringLiteral("参加人员"), 12, 180);
    Text3 = new QPlainTextEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setTabChangesFocus(true);
    Text3->setGeometry(100, 180, 410, 100);
    Command2 = ui::MakeButton(this, "Command2", QStringLiteral("选择"));
    Command2->setGeometry(520, 180, 60, 26);

    label(this, QStringLiteral("训练时间"), 12, 292);
    DTPicker1 = new ui::DatePicker(this);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setGeometry(100, 292, 120, 24);
    label(this, QStringLiteral("SOP版次"), 236, 292, 60);
    Text6 = ui::MakeTextBox(this, "Text6");
    Text6->setGeometry(296, 292, 80, 24);
    label(this, QStringLiteral("SOP编号"), 392, 292, 60);
    Text5 = ui::MakeTextBox(this, "Text5");
    Text5->setGeometry(452, 292, 128, 24);

    Command3 = ui::MakeButton(this, "Command3", QStringLiteral("重新填写"));
    Command3->setGeometry(150, 336, 90, 30);
    Command4 = ui::MakeButton(this, "Command4", QStringLiteral("保存添加"));
    Command4->setGeometry(250, 336, 90, 30);
    Command5 = ui::MakeButton(this, "Command5", QStringLiteral("关闭"));
    Command5->setGeometry(350, 336, 90, 30);

    connect(Command1, &QPushButton::clicked, this, &trainingAdd::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &trainingAdd::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &trainingAdd::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &trainingAdd::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &trainingAdd::Command5_Click);
}

void trainingAdd::setTabOrder() {
    const std::vector<QWidget*> order = {Combo5,   Combo1,   Combo2,   Combo3,    Combo4,   Text1,
                                         Text7,    Text2,    Text3,    DTPicker1, Text6,    Text5,
                                         Command4, Command3, Command5, Command1,  Command2, Combo6};
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void trainingAdd::Form_Load() {
    ui::MakeFixedDialog(*this, QStringLiteral("添加教育训练记录"), 592, 380);
    ui::CentreOnScreen(*this);
    for (QComboBox* box : {Combo1, Combo2, Combo3, Combo4, Combo6}) {
        box->setCurrentIndex(0);
    }
    导入部门表();
    DTPicker1->setDate(Clock::Today());
    重置();
    if (RecordId > 0) {
        打开训练表1个记录(RecordId);
    }
    savedTexts_ = typedTexts();
}

void trainingAdd::导入部门表() {
    Combo5->clear();
    Combo5->addItems(Departments::Names(Departments::Read()));
    Combo5->setEnabled(Combo5->count() > 0);
    if (Combo5->count() > 0) {
        Combo5->setCurrentIndex(0);
    }
}

bool trainingAdd::查找部门名称(const QString& name) const {
    return ui::FindSameText(*Combo5, name) >= 0;
}

void trainingAdd::打开训练表1个记录(int id) {
    if (id == 0) {
        return;
    }
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    ado::Recordset rs;
    try {
        rs.Open(QStringLiteral("select * from 训练表 where id=%1").arg(id), connection,
                ado::adOpenKeyset, ado::adLockReadOnly);
    } catch (const ado::Error&) {
        return;
    }
    if (rs.Eof()) {
        return;
    }
    const ado::FieldList& f = rs.Fields();
    App::IgnoringErrors([&] {
        const QString department = f[QStringLiteral("部门")].Text();
        if (department.isEmpty()) {
            return;
        }
        if (!查找部门名称(department)) {
            Combo5->addItem(department);
            Combo5->setEnabled(true);
            Audit::Change change(connection, QStringLiteral("补回部门"));
            connection.Execute(QStringLiteral("insert into 部门表 (部门名称) values('") +
                               SqlQuote(department) + QStringLiteral("')"));
            change.Inserted(QStringLiteral("部门表"));
            change.Commit();
        }
        Combo5->setCurrentIndex(ui::FindSameText(*Combo5, department));
    });
    const std::vector<std::pair<const char*, QComboBox*>> flags = {
        {"新进员工", Combo1}, {"法规", Combo2}, {"SOP", Combo3}, {"专业技术", Combo4}};
    for (const auto& [field, box] : flags) {
        App::IgnoringErrors([&, field = field, box = box] {
            box->setCurrentText(f[QString::fromUtf8(field)].Value().toBool() ? kYes : kNo);
        });
    }
    App::IgnoringErrors([&] {
        const int index = Combo6->findText(f[QStringLiteral("内外训")].Text());
        if (index >= 0) {
            Combo6->setCurrentIndex(index);
        }
    });
    App::IgnoringErrors([&] {
        const QDate date = f[QStringLiteral("训练时间")].Value().toDate();
        if (date.isValid()) {
            DTPicker1->setDate(date);
        }
    });
    const std::vector<std::pair<const char*, QLineEdit*>> texts = {{"SOP编号", Text5},
                                                                   {"SOP版次", Text6},
                                                                   {"SOP名称", Text7},
                                                                   {"教育训练名称", Text1},
                                                                   {"主讲人", Text2}};
    for (const auto& [field, box] : texts) {
        App::IgnoringErrors(
            [&, field = field, box = box] { box->setText(f[QString::fromUtf8(field)].Text()); });
    }
    App::IgnoringErrors([&] { Text3->setPlainText(f[QStringLiteral("参加人员")].Text()); });
}

trainingAdd::Save trainingAdd::保存到训练表(const QString& name, int id, const QString& reason) {
    const QString quoted = SqlQuote(name);
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return Save::Failed;
    }
    try {
        ado::Recordset rs;
        const QString sql =
            id != 0 ? QStringLiteral("select * from 训练表 where id=%1").arg(id)
                    : QStringLiteral("select * from 训练表 where 教育训练名称='") + quoted + u'\'';
        rs.Open(sql, connection, ado::adOpenKeyset, ado::adLockOptimistic);
        if (id < 1) {
            if (!rs.Eof() &&
                !ui::Question(QStringLiteral("相同的【教育训练名称】已经存在，要继续保存吗？"),
                              this)) {
                return Save::Declined;
            }
        } else if (rs.Eof()) {
            ui::Critical(QStringLiteral("找不到原始记录！"), this);
            return Save::NotFound;
        }
        Audit::Change change(
            connection, id == 0 ? QStringLiteral("添加训练记录") : QStringLiteral("修改训练记录"),
            reason);
        if (id == 0) {
            rs.AddNew();
        } else {
            change.Watch(kTrainingTable, id);
        }
        ado::FieldList& f = rs.Fields();
        f[QStringLiteral("部门")].SetValue(Combo5->currentText());
        f[QStringLiteral("新进员工")].SetValue(Combo1->currentText() == kYes);
        f[QStringLiteral("法规")].SetValue(Combo2->currentText() == kYes);
        f[QStringLiteral("SOP")].SetValue(Combo3->currentText() == kYes);
        f[QStringLiteral("专业技术")].SetValue(Combo4->currentText() == kYes);
        f[QStringLiteral("训练时间")].SetValue(DTPicker1->date());
        f[QStringLiteral("SOP编号")].SetValue(Vb::Trim(Text5->text()));
        f[QStringLiteral("SOP版次")].SetValue(Vb::Trim(Text6->text()));
        f[QStringLiteral("SOP名称")].SetValue(Vb::Trim(Text7->text()));
        f[QStringLiteral("教育训练名称")].SetValue(Vb::Trim(Text1->text()));
        f[QStringLiteral("主讲人")].SetValue(Vb::Trim(Text2->text()));
        f[QStringLiteral("参加人员")].SetValue(Vb::Trim(Text3->toPlainText()));
        f[QStringLiteral("内外训")].SetValue(Combo6->currentText());
        rs.Update();
        if (id == 0) {
            change.Inserted(kTrainingTable);
        }
        change.Commit();
        return Save::Saved;
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return Save::Failed;
    }
}

bool trainingAdd::inputComplete() const {
    return Combo5->count() > 0 && !Vb::Trim(Text1->text()).isEmpty() &&
           !Vb::Trim(Text2->text()).isEmpty() && !Vb::Trim(Text3->toPlainText()).isEmpty() &&
           !Vb::Trim(Text7->text()).isEmpty();
}

void trainingAdd::Command4_Click() {
    if (!inputComplete()) {
        ui::Critical(QStringLiteral("请把数据填全！"), this);
        return;
    }
    if (!DTPicker1->CommitTyped()) {
        return;
    }
    const std::optional<QString> reason =
        Command4->text() == kSaveModify ? ui::AskReasonIfRequired(this) : QString();
    if (!reason) {
        return;
    }
    const Save result = 保存到训练表(Vb::Trim(Text1->text()), RecordId, *reason);
    if (Command4->text() != kSaveModify) {
        // What was not saved stays in the boxes.
        if (result == Save::Saved) {
            重置();
        }
        return;
    }
    if (result == Save::Failed) {
        return;
    }
    accept();
    if (result == Save::Saved) {
        ui::Information(QStringLiteral("修改完成。请重新查询看结果！"), parentWidget());
    }
}

void trainingAdd::重置() {
    for (QLineEdit* box : {Text1, Text2, Text5, Text6, Text7}) {
        box->clear();
    }
    Text3->clear();
}

void trainingAdd::Command1_Click() {
    fAddDep departments(this);
    ui::ShowModal(departments);
    导入部门表();
}

void trainingAdd::Command2_Click() {
    fSelectMen picker(this);
    picker.EnablePicking(this);
    ui::ShowModal(picker);
}

void trainingAdd::ReceiveParticipants(const QString& participants) {
    Text3->setPlainText(participants);
}

void trainingAdd::Command3_Click() {
    重置();
}

void trainingAdd::Command5_Click() {
    reject();
}

QStringList trainingAdd::typedTexts() const {
    return {Text1->text(), Text2->text(), Text3->toPlainText(),
            Text5->text(), Text6->text(), Text7->text()};
}

void trainingAdd::keyPressEvent(QKeyEvent* event) {
    if (ui::EscapeMayClose(*event, typedTexts() != savedTexts_, this)) {
        QDialog::keyPressEvent(event);
    }
}
