#include "reports/sSaveXLS.h"

#include "platform/app/App.h"
#include "platform/app/Error.h"
#include "platform/app/Strings.h"
#include "platform/excel/Application.h"
#include "platform/excel/CellAddress.h"
#include "platform/excel/Columns.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/Worksheets.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogStyle.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "reports/ReportLayout.h"
#include "reports/ReportRows.h"
#include "reports/SaveTarget.h"
#include "store/AuditEvents.h"
#include "store/ModuleDataBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kDefaultSheet = QStringLiteral("QA教育训练管理");
const QString kCheckSection = QStringLiteral("设置");
const QString kCheckKey = QStringLiteral("Check1");
const QString kSheetSection = QStringLiteral("sSaveXLS");
const QString kSheetKey = QStringLiteral("text2");
constexpr int kPasswordLength = 15;

QLineEdit* passwordBox(QWidget* parent, const char* name) {
    QLineEdit* box = ui::MakeTextBox(parent, name);
    box->setMaxLength(kPasswordLength);
    // Hidden passwords show as "*", whatever the style's own mask is.
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    return box;
}
} // namespace

sSaveXLS::sSaveXLS(ReportRows& list, QWidget* parent) : QDialog(parent), list_(list) {
    setObjectName(QStringLiteral("sSaveXLS"));
    buildControls();
    Form_Load();
}

void sSaveXLS::buildControls() {
    Label1 = ui::MakeLabel(this, "Label1", QStringLiteral("保存路径："));
    Label1->setGeometry(12, 16, 120, 20);
    Text1 = ui::MakeTextBox(this, "Text1");
    Text1->setReadOnly(true);
    Text1->setStyleSheet(QStringLiteral("background-color: #e6e6e6;"));
    Text1->setGeometry(132, 14, 250, 24);
    Command3 = ui::MakeButton(this, "Command3", QStringLiteral("指定"));
    Command3->setGeometry(390, 13, 60, 26);
    Label3 = ui::MakeLabel(this, "Label3", QStringLiteral("EXCEL工作表名称："));
    Label3->setGeometry(12, 50, 120, 20);
    Text2 = ui::MakeTextBox(this, "Text2");
    Text2->setGeometry(132, 48, 250, 24);
    Label4 = ui::MakeLabel(this, "Label4", QStringLiteral("设置读密码："));
    Label4->setGeometry(12, 84, 120, 20);
    TextRPW = passwordBox(this, "TextRPW");
    TextRPW->setGeometry(132, 82, 160, 24);
    Check1 = new QCheckBox(QStringLiteral("隐藏密码"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(304, 98, 100, 24);
    Label5 = ui::MakeLabel(this, "Label5", QStringLiteral("读写密码："));
    Label5->setGeometry(12, 118, 120, 20);
    TextWPW = passwordBox(this, "TextWPW");
    TextWPW->setGeometry(132, 116, 160, 24);
    Label6 = ui::MakeLabel(this, "Label6", QStringLiteral("自动换行："));
    Label6->setGeometry(12, 152, 120, 20);
    Combo1 = ui::MakeDropDownList(this, "Combo1");
    Combo1->addItems({QStringLiteral("是"), QStringLiteral("否")});
    Combo1->setGeometry(132, 150, 80, 24);

    Frame1 = new QGroupBox(QStringLiteral("表格类型"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(12, 184, 438, 80);
    Option1 = new QRadioButton(QStringLiteral("教育训练总表"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(12, 22, 130, 22);
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("个人教育训练记录表"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(12, 48, 160, 22);
    Label7 = ui::MakeLabel(Frame1, "Label7", QStringLiteral("姓名："));
    Label7->setGeometry(190, 49, 50, 20);
    Text3 = ui::MakeTextBox(Frame1, "Text3");
    Text3->setGeometry(240, 47, 180, 24);

    Label2 = ui::MakeLabel(this, "Label2", QStringLiteral("保存进度："));
    Label2->setGeometry(12, 280, 120, 20);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setGeometry(132, 278, 318, 22);
    Command1 = ui::MakeButton(this, "Command1", QStringLiteral("保存"));
    Command1->setGeometry(250, 316, 90, 30);
    Command2 = ui::MakeButton(this, "Command2", QStringLiteral("取消"));
    Command2->setGeometry(360, 316, 90, 30);

    connect(Check1, &QCheckBox::clicked, this, &sSaveXLS::Check1_Click);
    connect(Text3, &QLineEdit::textChanged, this, &sSaveXLS::Text3_Change);
    connect(Command1, &QPushButton::clicked, this, &sSaveXLS::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &sSaveXLS::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &sSaveXLS::Command3_Click);
}

void sSaveXLS::Form_Load() {
    ui::MakeFixedDialog(*this, QStringLiteral("保存查询结果到EXCEL文件"), 462, 360);
    // The file comes first; Enter anywhere saves.
    Command3->setFocus();
    Command1->setDefault(true);
    bool numeric = false;
    const int hidden =
        Settings::GetSetting(App::Title(), kCheckSection, kCheckKey, QStringLiteral("0"))
            .toInt(&numeric);
    if (numeric) {
        Check1->setChecked(hidden == 1);
        Check1_Click();
    }
    Combo1->setCurrentIndex(0);
    Text2->setText(Settings::GetSetting(App::Title(), kSheetSection, kSheetKey, kDefaultSheet));
}

void sSaveXLS::Form_Unload() {
    Settings::SaveSetting(App::Title(), kCheckSection, kCheckKey,
                          Check1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    Settings::SaveSetting(App::Title(), kSheetSection, kSheetKey, Text2->text());
}

void sSaveXLS::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void sSaveXLS::Check1_Click() {
    const QLineEdit::EchoMode mode = Check1->isChecked() ? QLineEdit::Password : QLineEdit::Normal;
    TextRPW->setEchoMode(mode);
    TextWPW->setEchoMode(mode);
}

void sSaveXLS::Text3_Change() {
    if (!Text3->text().isEmpty()) {
        Option2->setChecked(true);
    }
}

void sSaveXLS::Command3_Click() {
    ui::FileRequest request;
    request.kind = ui::FileRequest::Kind::Save;
    request.defaultExt = QStringLiteral("xls");
    request.filter = QStringLiteral("*.xls (*.xls)");
    const QString chosen = ui::ChooseFile(this, request);
    if (!chosen.isEmpty()) {
        Text1->setText(chosen);
    }
}

void sSaveXLS::Command2_Click() {
    reject();
}

bool sSaveXLS::refusedAsOpen(const QString& path) {
    if (!SaveTarget::IsOpenElsewhere(path)) {
        return false;
    }
    ui::Critical(QStringLiteral("该文件已经被打开，请关闭文件。"), this);
    return true;
}

bool sSaveXLS::refusedAsTooLong() {
    const int rows = SaveTarget::SheetRowsNeeded(list_.ItemCount(), Option2->isChecked());
    if (rows <= excel::kMaxRows) {
        return false;
    }
    ui::Critical(QStringLiteral("查询结果共%1条，超过了一个EXCEL工作表能容纳的行数，"
                                "请缩小查询范围后分批保存。")
                     .arg(list_.ItemCount()),
                 this);
    return true;
}

// A cell that cannot hold its text would silently lose it: refuse the whole report.
bool sSaveXLS::refusedForLongText() {
    const int lastSubItem = Option2->isChecked() ? 12 : 13;
    for (int row = 0; row < list_.ItemCount(); ++row) {
        for (int subItem = 1; subItem <= lastSubItem; ++subItem) {
            if (list_.SubItem(row, subItem).size() > SaveTarget::kCellCharacters) {
                ui::Critical(QStringLiteral("ID为%1的记录的“%2”超过了EXCEL单元格能容纳的%3个字符，"
                                            "不能保存。")
                                 .arg(list_.ItemText(row), list_.Heading(subItem))
                                 .arg(SaveTarget::kCellCharacters),
                             this);
                return true;
            }
        }
    }
    return false;
}

void sSaveXLS::Command1_Click() {
    const QString path = Text1->text();
    if (Vb::Trim(path).isEmpty()) {
        ui::Critical(QStringLiteral("请指定保存文件名！"), this);
        return;
    }
    if (Option2->isChecked() && Vb::Trim(Text3->text()).isEmpty()) {
        ui::Critical(QStringLiteral("请输入员工姓名！"), this);
        return;
    }
    const QString openPassword = TextRPW->text();
    const QString modifyPassword = TextWPW->text();
    AutoWrap = Combo1->currentText() == u"是" || Combo1->currentIndex() < 0;
    // The old workbook is replaced only by a complete new one, so it is not deleted first.
    if (refusedAsOpen(path) || refusedAsTooLong() || refusedForLongText()) {
        return;
    }
    Command1->setEnabled(false);
    const bool saved = 打开EXCEL插入内容(path, openPassword, modifyPassword);
    if (saved && CheckFileExists(path)) {
        Audit::RecordExport(
            DatabasePath, {path, Option2->isChecked() ? Option2->text() : Option1->text(),
                           list_.ItemCount(), !openPassword.isEmpty(), !modifyPassword.isEmpty()});
        ui::Information(QStringLiteral("保存完成。文件大小：") +
                            SaveTarget::SizeInKb(QFileInfo(path).size()) + QStringLiteral("KB"),
                        this);
        accept();
        return;
    }
    ui::Critical(QStringLiteral("保存失败！"), this);
    Command1->setEnabled(true);
}

excel::Worksheet* sSaveXLS::查找页标签(excel::Worksheets& sheets, const QString& name) {
    for (int i = 1; i <= sheets.Count(); ++i) {
        if (sheets.Item(i).Name() == name) {
            return &sheets.Item(i);
        }
    }
    return nullptr;
}

excel::Worksheet& sSaveXLS::增加页标签(excel::Worksheets& sheets, const QString& name) {
    excel::Worksheet& sheet = sheets.Count() < 1 ? sheets.Add() : sheets.Item(1);
    sheet.SetName(name);
    return sheet;
}

bool sSaveXLS::打开EXCEL插入内容(const QString& path, const QString& openPassword,
                                 const QString& modifyPassword) {
    if (path.isEmpty()) {
        return false;
    }
    QString sheetName = Vb::Trim(Text2->text());
    if (sheetName.isEmpty()) {
        sheetName = kDefaultSheet;
    }
    excel::Application application;
    excel::Workbook& book = application.Workbooks().Add();
    excel::Worksheet* sheet = 查找页标签(book.Worksheets(), sheetName);
    if (sheet == nullptr) {
        try {
            sheet = &增加页标签(book.Worksheets(), sheetName);
        } catch (const excel::Error&) {
            // An invalid sheet name: the workbook keeps its default sheets, unwritten.
        }
    }
    ReportLayout layout(list_, {Option2->isChecked(), Text3->text(), AutoWrap});
    const int count = list_.ItemCount();
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximum(std::max(count, 1));
    if (sheet != nullptr) {
        App::IgnoringErrors([&] { layout.增加表头(*sheet); });
        for (int i = 0; i < count; ++i) {
            ProgressBar1->setValue(i + 1);
            layout.增加内容(*sheet, i);
        }
        App::IgnoringErrors([&] { layout.增加结尾(*sheet); });
        sheet->Columns().AutoFit();
        App::IgnoringErrors([&] { layout.PrepareForPrinting(*sheet); });
    }
    const bool excel12 = application.Version().section(u'.', 0, 0).toInt() >= 12;
    bool saved = false;
    try {
        book.SaveAs(path, excel12 ? excel::xlExcel8 : excel::xlWorkbookNormal, openPassword,
                    modifyPassword, excel::xlNoChange);
        saved = true;
    } catch (const excel::Error& error) {
        ui::Critical(error.Description(), this);
    }
    book.Close();
    QCoreApplication::processEvents();
    application.Quit();
    QCoreApplication::processEvents();
    ProgressBar1->setValue(0);
    return saved;
}
