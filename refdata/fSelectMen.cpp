#include "refdata/fSelectMen.h"

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/app/Strings.h"
#include "platform/ui/ChangeReason.h"
#include "platform/ui/ComboText.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UnsavedInput.h"
#include "refdata/Departments.h"
#include "refdata/ParticipantReceiver.h"
#include "refdata/fAddDep.h"
#include "store/AuditChange.h"
#include "store/ModuleDataBase.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString kAdd = QStringLiteral("添加");
const QString kModify = QStringLiteral("修改");
const QDate kStoredJoiningDate(2009, 2, 4);
const QString kEmployeeTable = QStringLiteral("员工表");

void placeLabelled(QWidget* frame, const char* labelName, const QString& caption, int labelLeft,
                   int labelTop, QWidget* box, int top, int height) {
    QLabel* label = ui::MakeLabel(frame, labelName, caption);
    ui::PlaceTwips(label, labelLeft, labelTop, 1095 - labelLeft, 225);
    ui::PlaceTwips(box, 1095, top, 2070, height);
}
} // namespace

fSelectMen::fSelectMen(QWidget* parent)
    : QDialog(parent), Label1(ui::MakeLabel(this, "Label1", QStringLiteral("全部人员："))),
      Lv1(new QTreeWidget(this)),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("全选"))),
      Command4(ui::MakeButton(this, "Command4", QStringLiteral("全不选"))),
      Command6(ui::MakeButton(this, "Command6", QStringLiteral("删除"))),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("选中"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("取消"))),
      Frame1(new QGroupBox(QStringLiteral("添加人员"), this)),
      Text1(ui::MakeTextBox(Frame1, "Text1")), Combo1(ui::MakeDropDownList(Frame1, "Combo1")),
      TextXL(ui::MakeTextBox(Frame1, "TextXL")), TextZW(ui::MakeTextBox(Frame1, "TextZW")),
      TextYGBH(ui::MakeTextBox(Frame1, "TextYGBH")),
      DTPicker1(new ui::DatePicker(kStoredJoiningDate, Frame1)),
      TextID(ui::MakeTextBox(Frame1, "TextID")),
      Command7(ui::MakeButton(Frame1, "Command7", QStringLiteral("清空"))),
      Command5(ui::MakeButton(Frame1, "Command5", kAdd)) {
    setObjectName(QStringLiteral("fSelectMen"));
    setWindowTitle(QStringLiteral("选择参加培训的人员"));
    ui::PlaceTwips(Label1, 150, 105, 900, 180);
    ui::PlaceTwips(Command3, 6705, 1560, 690, 630);
    ui::PlaceTwips(Command4, 6705, 2340, 690, 630);
    ui::PlaceTwips(Command6, 6705, 3120, 690, 630);
    ui::PlaceTwips(Command1, 1365, 5100, 1350, 435);
    ui::PlaceTwips(Command2, 2940, 5100, 1350, 435);
    Command1->setEnabled(false);
    buildList();
    buildFrame();
    connectHandlers();
    Form_Load();
}

void fSelectMen::buildList() {
    Lv1->setObjectName(QStringLiteral("Lv1"));
    ui::PlaceTwips(Lv1, 150, 330, 6480, 4650);
    Lv1->setHeaderLabels({QStringLiteral("姓名"), QStringLiteral("所属部门"),
                          QStringLiteral("职务"), QStringLiteral("员工编号"),
                          QStringLiteral("学历"), QStringLiteral("到职日")});
    for (int column = 0; column < Lv1->columnCount(); ++column) {
        Lv1->setColumnWidth(column, ui::Twips(1000));
    }
    Lv1->setRootIsDecorated(false);
    Lv1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lv1->header()->setSectionsClickable(true);
    Lv1->header()->setSortIndicatorShown(false);
}

void fSelectMen::buildFrame() {
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::PlaceTwips(Frame1, 7590, 270, 3780, 4815);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    placeLabelled(Frame1, "Label2", QStringLiteral("姓名："), 555, 345, Text1, 300, 285);
    placeLabelled(Frame1, "Label3", QStringLiteral("所属部门："), 195, 723, Combo1, 673, 300);
    placeLabelled(Frame1, "Label4", QStringLiteral("学历："), 555, 1101, TextXL, 1061, 285);
    placeLabelled(Frame1, "Label5", QStringLiteral("职务："), 555, 1479, TextZW, 1434, 285);
    placeLabelled(Frame1, "Label6", QStringLiteral("员工编号："), 195, 1857, TextYGBH, 1807, 285);
    placeLabelled(Frame1, "Label7", QStringLiteral("到职日："), 375, 2235, DTPicker1, 2183, 285);
    ui::PlaceTwips(TextID, 1290, 2595, 1530, 270);
    TextID->setVisible(false);
    ui::PlaceTwips(Command7, 375, 3975, 1440, 495);
    ui::PlaceTwips(Command5, 1950, 3975, 1440, 495);
}

void fSelectMen::connectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &fSelectMen::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &fSelectMen::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &fSelectMen::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &fSelectMen::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &fSelectMen::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &fSelectMen::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &fSelectMen::Command7_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &fSelectMen::Command5_Click);
    Lv1->viewport()->installEventFilter(this);
    connect(Lv1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const bool ticked = item == pressedItem_ && item->checkState(0) != pressedTick_;
        pressedItem_ = nullptr;
        if (!ticked) {
            Lv1_ItemClick(item);
        }
    });
    connect(Lv1->header(), &QHeaderView::sectionClicked, this,
            [this](int section) { Lv1_ColumnClick(section + 1); });
}

void fSelectMen::Form_Load() {
    ui::MakeFixedDialog(*this, windowTitle(), ui::Twips(11595), ui::Twips(5865));
    ui::CentreOnScreen(*this);
    Text1->setFocus();
    导入人员表();
    导入部门表();
    loadedTexts_ = frameTexts();
}

void fSelectMen::EnablePicking(ParticipantReceiver* receiver) {
    receiver_ = receiver;
    Command1->setEnabled(true);
}

void fSelectMen::导入部门表() {
    Combo1->clear();
    Combo1->addItems(Departments::Names(Departments::Read()));
    Combo1->setEnabled(Combo1->count() > 0);
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(0);
    }
}

void fSelectMen::导入人员表() {
    Lv1->clear();
    pressedItem_ = nullptr;
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 员工表"), connection, ado::adOpenKeyset,
                ado::adLockReadOnly);
        for (; !rs.Eof(); rs.MoveNext()) {
            const QString name = Vb::Trim(rs.Fields()[QStringLiteral("姓名")].Text());
            if (name.isEmpty()) {
                continue;
            }
            auto* item = new QTreeWidgetItem(Lv1);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
            item->setText(0, name);
            int column = 1;
            for (const char* field : {"部门", "职务", "员工编号", "学历", "到职日"}) {
                item->setText(column++, rs.Fields()[QString::fromUtf8(field)].Text());
            }
        }
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
    // A sort the user chose holds until the window closes.
    if (sorted_) {
        sortList();
    }
}

bool fSelectMen::人员已经存在(const QString& name, const QString& department) {
    Lv1->clear();
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return false;
    }
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 员工表 where 姓名='") + SqlQuote(name) + u'\'',
                connection, ado::adOpenKeyset, ado::adLockOptimistic);
        if (!rs.Eof()) {
            return true;
        }
        Audit::Change change(connection, QStringLiteral("添加人员"));
        rs.AddNew();
        writeEmployee(rs.Fields(), name, department);
        rs.Update();
        change.Inserted(kEmployeeTable);
        change.Commit();
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
    return false;
}

void fSelectMen::writeEmployee(ado::FieldList& fields, const QString& name,
                               const QString& department) {
    fields[QStringLiteral("姓名")].SetValue(name);
    fields[QStringLiteral("部门")].SetValue(department);
    fields[QStringLiteral("学历")].SetValue(Vb::Trim(TextXL->text()));
    fields[QStringLiteral("员工编号")].SetValue(Vb::Trim(TextYGBH->text()));
    fields[QStringLiteral("职务")].SetValue(Vb::Trim(TextZW->text()));
    fields[QStringLiteral("到职日")].SetValue(DTPicker1->date());
}

void fSelectMen::修改人员信息(int id, const QString& reason) {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    const QString name = Vb::Trim(Text1->text());
    try {
        // Names are unique: a rename onto another employee's name would make 删除 and
        // the row click act on both people.
        ado::Recordset other;
        other.Open(QStringLiteral("select * from 员工表 where 姓名='") + SqlQuote(name) +
                       QStringLiteral("' and id<>") + QString::number(id),
                   connection, ado::adOpenKeyset, ado::adLockReadOnly);
        if (!other.Eof()) {
            ui::Critical(QStringLiteral("该姓名已经存在！"), this);
            return;
        }
        other.Close();
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 员工表 where id=%1").arg(id), connection,
                ado::adOpenKeyset, ado::adLockOptimistic);
        if (rs.Eof()) {
            return;
        }
        Audit::Change change(connection, QStringLiteral("修改人员"), reason);
        change.Watch(kEmployeeTable, id);
        writeEmployee(rs.Fields(), name, Combo1->currentText());
        rs.Update();
        change.Commit();
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
}

void fSelectMen::清空() {
    Text1->clear();
    TextXL->clear();
    TextYGBH->clear();
    TextZW->clear();
    TextID->clear();
    loadedTexts_ = frameTexts();
}

QStringList fSelectMen::frameTexts() const {
    return {Text1->text(), TextXL->text(), TextYGBH->text(), TextZW->text()};
}

bool fSelectMen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Lv1->viewport() && event->type() == QEvent::MouseButtonPress) {
        pressedItem_ = Lv1->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (pressedItem_ != nullptr) {
            pressedTick_ = pressedItem_->checkState(0);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void fSelectMen::keyPressEvent(QKeyEvent* event) {
    if (ui::EscapeMayClose(*event, frameTexts() != loadedTexts_, this)) {
        QDialog::keyPressEvent(event);
    }
}

void fSelectMen::Command5_Click() {
    if (Combo1->count() == 0) {
        reject();
        fAddDep departments(parentWidget());
        ui::ShowModal(departments);
        return;
    }
    const QString name = Vb::Trim(Text1->text());
    if (!name.isEmpty()) {
        if (!DTPicker1->CommitTyped()) {
            return;
        }
        if (Command5->text() != kModify) {
            if (人员已经存在(name, Combo1->currentText())) {
                ui::Critical(QStringLiteral("该姓名已经存在！"), this);
            }
        } else {
            bool numeric = false;
            const int id = TextID->text().toInt(&numeric);
            if (numeric) {
                const std::optional<QString> reason = ui::AskReasonIfRequired(this);
                if (!reason) {
                    return;
                }
                修改人员信息(id, *reason);
            }
        }
    }
    清空();
    Command5->setText(kAdd);
    导入人员表();
}

void fSelectMen::Command7_Click() {
    清空();
    Command5->setText(kAdd);
}

void fSelectMen::Command6_Click() {
    const std::optional<QString> reason =
        anyTicked() ? ui::AskReasonIfRequired(this) : std::optional<QString>(QString());
    if (!reason) {
        return;
    }
    ado::Connection connection;
    if (OpenDatabase(connection)) {
        try {
            for (int i = 0; i < Lv1->topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = Lv1->topLevelItem(i);
                if (item->checkState(0) == Qt::Checked) {
                    删除人员(connection, item->text(0), *reason);
                }
            }
        } catch (const ado::Error& error) {
            ReportDatabaseError(error);
        }
        connection.Close();
    }
    导入人员表();
}

bool fSelectMen::anyTicked() const {
    for (int i = 0; i < Lv1->topLevelItemCount(); ++i) {
        if (Lv1->topLevelItem(i)->checkState(0) == Qt::Checked) {
            return true;
        }
    }
    return false;
}

// Every row of the name goes, each with its entry, in one transaction per name.
void fSelectMen::删除人员(ado::Connection& connection, const QString& name, const QString& reason) {
    const QString where = QStringLiteral(" from 员工表 where 姓名='") + SqlQuote(name) + u'\'';
    Audit::Change change(connection, QStringLiteral("删除人员"), reason);
    ado::Recordset rows;
    rows.Open(QStringLiteral("select id") + where, connection);
    for (; !rows.Eof(); rows.MoveNext()) {
        change.Watch(kEmployeeTable, rows.Fields()[0].Value().toLongLong());
    }
    rows.Close();
    connection.Execute(QStringLiteral("delete *") + where);
    change.Commit();
}

void fSelectMen::setAllTicks(bool ticked) {
    for (int i = 0; i < Lv1->topLevelItemCount(); ++i) {
        Lv1->topLevelItem(i)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void fSelectMen::Command3_Click() {
    setAllTicks(true);
}

void fSelectMen::Command4_Click() {
    setAllTicks(false);
}

void fSelectMen::Command1_Click() {
    QStringList names;
    for (int i = 0; i < Lv1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = Lv1->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked) {
            names.push_back(item->text(0));
        }
    }
    if (receiver_ != nullptr) {
        receiver_->ReceiveParticipants(names.join(QStringLiteral("、")));
    }
    accept();
}

void fSelectMen::Command2_Click() {
    reject();
}

void fSelectMen::Lv1_ItemClick(QTreeWidgetItem* item) {
    清空();
    ado::Connection connection;
    if (item == nullptr || !OpenDatabase(connection)) {
        return;
    }
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("select * from 员工表 where 姓名='") + SqlQuote(item->text(0)) +
                    u'\'',
                connection, ado::adOpenKeyset, ado::adLockReadOnly);
        if (rs.Eof()) {
            return;
        }
        const ado::FieldList& f = rs.Fields();
        TextID->setText(f[QStringLiteral("id")].Text());
        Text1->setText(f[QStringLiteral("姓名")].Text());
        const int department = ui::FindSameText(*Combo1, f[QStringLiteral("部门")].Text());
        if (department >= 0) {
            Combo1->setCurrentIndex(department);
        }
        TextXL->setText(f[QStringLiteral("学历")].Text());
        TextYGBH->setText(f[QStringLiteral("员工编号")].Text());
        TextZW->setText(f[QStringLiteral("职务")].Text());
        const QDate joined = f[QStringLiteral("到职日")].Value().toDate();
        if (joined.isValid()) {
            DTPicker1->setDate(joined);
        }
        Command5->setText(kModify);
        loadedTexts_ = frameTexts();
    } catch (const ado::Error&) {
        // A row that cannot be read leaves the frame empty, as after 清空.
    }
}

void fSelectMen::Lv1_ColumnClick(int column) {
    if (column == sortColumn_) {
        sortDescending_ = !sortDescending_;
    } else {
        sortColumn_ = column;
        sortDescending_ = false;
    }
    sorted_ = true;
    sortList();
}

void fSelectMen::sortList() {
    Lv1->sortItems(sortColumn_ - 1, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}
