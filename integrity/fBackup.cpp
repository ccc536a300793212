#include "integrity/fBackup.h"

#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "store/Backup.h"
#include "store/BackupList.h"
#include "store/BackupMirror.h"
#include "store/BackupRestore.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

namespace {
enum Column { File, Place, Time, Size, Training, Employees, Departments, Status };
constexpr int kFolderRole = Qt::UserRole;
const QString kHere = QStringLiteral("本机");
const QString kSecond = QStringLiteral("第二备份位置");

QString verdictText(BackupVerdict verdict) {
    switch (verdict) {
    case BackupVerdict::Verified:
        return QStringLiteral("已校验");
    case BackupVerdict::Changed:
        return QStringLiteral("文件已改变");
    case BackupVerdict::Failed:
        break;
    }
    return QStringLiteral("校验失败");
}

QString sizeText(qint64 bytes) {
    return QLocale().toString((bytes + 1023) / 1024) + QStringLiteral(" KB");
}

bool secondReachable(const QString& second) {
    return !second.isEmpty() && QFileInfo(second).isDir();
}

QString restoreFailure(const BackupRestore::Result& result) {
    switch (result.outcome) {
    case BackupRestore::Outcome::BackupNotWhole:
        return QStringLiteral("备份文件校验失败，不能用它恢复！");
    case BackupRestore::Outcome::InUse:
        return QStringLiteral("数据库文件正被其他程序使用，不能恢复！\r\n"
                              "请先关闭其他正在使用它的程序（包括另一个正在运行的本程序）。");
    case BackupRestore::Outcome::Restored:
    case BackupRestore::Outcome::Failed:
        break;
    }
    return QStringLiteral("恢复失败：") + result.description;
}
} // namespace

fBackup::fBackup(QWidget* parent)
    : QDialog(parent), ListView1(new QTreeWidget(this)), Label1(ui::MakeLabel(this, "Label1", {})),
      Label2(ui::MakeLabel(this, "Label2", {})),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("立即备份"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("校验"))),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("恢复"))),
      Command4(ui::MakeButton(this, "Command4", QStringLiteral("第二备份位置"))),
      Command5(ui::MakeButton(this, "Command5", QStringLiteral("关闭"))) {
    setObjectName(QStringLiteral("fBackup"));
    ui::MakeFixedDialog(*this, QStringLiteral("备份与恢复"), 820, 440);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("备份文件"), QStringLiteral("位置"),
                                QStringLiteral("备份时间"), QStringLiteral("大小"),
                                QStringLiteral("训练记录"), QStringLiteral("员工"),
                                QStringLiteral("部门"), QStringLiteral("状态")});
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setGeometry(12, 12, 796, 330);
    Label1->setGeometry(12, 350, 796, 20);
    Label2->setGeometry(12, 372, 796, 20);
    Label2->setStyleSheet(QStringLiteral("color: #c00000;"));
    int x = 12;
    for (QPushButton* button : {Command1, Command2, Command3, Command4}) {
        button->setGeometry(x, 400, 110, 28);
        x += 120;
    }
    Command5->setGeometry(698, 400, 110, 28);
    connect(Command1, &QPushButton::clicked, this, &fBackup::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &fBackup::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &fBackup::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &fBackup::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &fBackup::Command5_Click);
    Form_Load();
}

void fBackup::Form_Load() {
    显示第二备份位置();
    列出备份();
}

void fBackup::列出备份() {
    ListView1->clear();
    列出文件夹(App::Path(), kHere);
    const QString second = BackupMirror::SecondLocation();
    if (secondReachable(second)) {
        列出文件夹(second, kSecond);
    }
    // Room beside the widest text, so that no column runs into the next; the status
    // column takes what is left.
    for (int column = File; column < Status; ++column) {
        ListView1->resizeColumnToContents(column);
        ListView1->setColumnWidth(column, ListView1->columnWidth(column) + 16);
    }
}

void fBackup::列出文件夹(const QString& folder, const QString& place) {
    for (const QString& file : BackupList::Files(folder)) {
        auto* item = new QTreeWidgetItem(ListView1);
        item->setText(File, file);
        item->setText(Place, place);
        item->setData(File, kFolderRole, folder);
        显示状态(*item, BackupList::Verify(folder, file));
    }
}

void fBackup::显示状态(QTreeWidgetItem& item, const BackupState& state) {
    item.setText(Time, state.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    item.setText(Size, sizeText(state.size));
    const auto count = [&](qint64 TableCounts::*field) {
        return state.counts ? QString::number((*state.counts).*field) : QString();
    };
    item.setText(Training, count(&TableCounts::training));
    item.setText(Employees, count(&TableCounts::employees));
    item.setText(Departments, count(&TableCounts::departments));
    item.setText(Status, verdictText(state.verdict));
    for (int column : {Size, Training, Employees, Departments}) {
        item.setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void fBackup::显示第二备份位置() {
    const QString second = BackupMirror::SecondLocation();
    Label1->setText(kSecond + QStringLiteral("：") +
                    (second.isEmpty() ? QStringLiteral("未设置") : second));
    Label2->setText(second.isEmpty() || secondReachable(second)
                        ? QString()
                        : QStringLiteral("第二备份位置无法访问，备份不能复制到那里！"));
}

void fBackup::复制到第二备份位置(const QString& name) {
    const QString second = BackupMirror::SecondLocation();
    const std::optional<BackupEntry> entry = BackupManifest::Find(App::Path(), name);
    if (second.isEmpty() || !entry) {
        return;
    }
    if (!BackupMirror::CopyTo(second, App::Path(), *entry)) {
        Label2->setText(QStringLiteral("未能复制到第二备份位置：") + second);
    }
}

void fBackup::Command1_Click() {
    const QString name = Backup::OnDemandName(Clock::Now());
    if (!Backup::Take(App::Path(), name)) {
        ui::Critical(QStringLiteral("备份失败！数据库文件可能正被其他程序使用，请稍后再试。"),
                     this);
        return;
    }
    显示第二备份位置();
    复制到第二备份位置(name);
    列出备份();
    ui::Information(QStringLiteral("备份完成：") + name, this);
}

void fBackup::Command2_Click() {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) {
        ui::Critical(QStringLiteral("请先选择要校验的备份！"), this);
        return;
    }
    for (QTreeWidgetItem* item : selected) {
        显示状态(*item,
                 BackupList::Verify(item->data(File, kFolderRole).toString(), item->text(File)));
    }
}

void fBackup::Command3_Click() {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.size() != 1) {
        ui::Critical(QStringLiteral("请先选择一个要恢复的备份！"), this);
        return;
    }
    const QString file = selected.first()->text(File);
    const QString folder = selected.first()->data(File, kFolderRole).toString();
    if (!ui::Question(QStringLiteral("确定要用备份 ") + file +
                          QStringLiteral(" 恢复数据库吗？\r\n当前的数据库将先另存为 "
                                         "data-恢复前-日期时间.db。"),
                      this)) {
        return;
    }
    const BackupRestore::Result result = BackupRestore::Restore(App::Path(), folder, file);
    列出备份();
    if (result.outcome != BackupRestore::Outcome::Restored) {
        ui::Critical(restoreFailure(result), this);
        return;
    }
    restored_ = true;
    ui::Information(QStringLiteral("恢复完成！") + (result.keptAs.isEmpty()
                                                        ? QString()
                                                        : QStringLiteral("原来的数据库已另存为 ") +
                                                              result.keptAs + QStringLiteral("。")),
                    this);
}

void fBackup::Command4_Click() {
    ui::FileRequest request;
    request.kind = ui::FileRequest::Kind::Folder;
    request.caption = QStringLiteral("选择第二备份位置");
    const QString chosen = ui::ChooseFile(this, request);
    if (chosen.isEmpty()) {
        return;
    }
    BackupMirror::SetSecondLocation(chosen);
    显示第二备份位置();
    列出备份();
}

void fBackup::Command5_Click() {
    close();
}
