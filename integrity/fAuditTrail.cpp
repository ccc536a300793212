#include "integrity/fAuditTrail.h"

#include "integrity/TrailCheck.h"
#include "integrity/TrailListModel.h"
#include "integrity/TrailQuery.h"
#include "integrity/TrailText.h"
#include "integrity/TrailWorkbook.h"
#include "platform/ado/Connection.h"
#include "platform/app/App.h"
#include "platform/clock/Clock.h"
#include "platform/excel/Error.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "reports/SaveTarget.h"
#include "store/AuditEvents.h"
#include "store/ModuleDataBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString kAllActions = QStringLiteral("[全部]");
// More than this many records are named by their count alone.
constexpr int kNamedRecords = 20;
constexpr int kPasswordLength = 15;
// A whole date beside the calendar arrow, in the wider Chinese fonts too.
constexpr int kDateWidth = 150;

QLineEdit* passwordBox(QWidget* parent, const char* name) {
    QLineEdit* box = ui::MakeTextBox(parent, name);
    box->setMaxLength(kPasswordLength);
    box->setEchoMode(QLineEdit::Password);
    box->setFixedWidth(120);
    return box;
}

QString entryText(const Audit::Entry& entry) {
    QStringList parts;
    const QString changes = Audit::ChangesText(entry);
    if (!changes.isEmpty()) {
        parts.push_back(changes);
    }
    const QString detail = Audit::DetailText(entry);
    if (!detail.isEmpty()) {
        parts.push_back(detail);
    }
    if (!entry.reason.isEmpty()) {
        parts.push_back(QStringLiteral("原因：") + entry.reason);
    }
    parts.push_back(QStringLiteral("版本：") + entry.version + QStringLiteral("　哈希：") +
                    entry.hash);
    return parts.join(u'\n');
}
} // namespace

fAuditTrail::fAuditTrail(QWidget* parent) : QDialog(parent), model_(new TrailListModel(this)) {
    setObjectName(QStringLiteral("fAuditTrail"));
    buildControls();
    Form_Load();
}

void fAuditTrail::buildControls() {
    ListView1 = new QTreeView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(model_);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAlternatingRowColors(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Text4 = new QPlainTextEdit(this);
    Text4->setObjectName(QStringLiteral("Text4"));
    Text4->setReadOnly(true);
    Text4->setFixedHeight(120);
    Label1 = ui::MakeLabel(this, "Label1", QString());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFilters());
    layout->addWidget(ListView1, 1);
    layout->addWidget(Text4);
    layout->addWidget(buildButtons());

    connect(Command1, &QPushButton::clicked, this, &fAuditTrail::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &fAuditTrail::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &fAuditTrail::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &fAuditTrail::Command4_Click);
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &fAuditTrail::ListView1_CurrentChanged);
    connect(Check1, &QCheckBox::toggled, DTPicker1, &QWidget::setEnabled);
    connect(Check1, &QCheckBox::toggled, DTPicker2, &QWidget::setEnabled);
}

QWidget* fAuditTrail::buildFilters() {
    auto* filters = new QWidget(this);
    Check1 = new QCheckBox(QStringLiteral("日期从"), filters);
    Check1->setObjectName(QStringLiteral("Check1"));
    DTPicker1 = new ui::DatePicker(filters);
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker2 = new ui::DatePicker(filters);
    DTPicker2->setObjectName(QStringLiteral("DTPicker2"));
    for (ui::DatePicker* picker : {DTPicker1, DTPicker2}) {
        picker->setMinimumWidth(kDateWidth);
    }
    Text1 = ui::MakeTextBox(filters, "Text1");
    Text1->setFixedWidth(70);
    Text2 = ui::MakeTextBox(filters, "Text2");
    Text2->setFixedWidth(110);
    Combo1 = ui::MakeDropDownList(filters, "Combo1");
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Text3 = ui::MakeTextBox(filters, "Text3");
    Command1 = ui::MakeButton(filters, "Command1", QStringLiteral("查找"));
    Command1->setDefault(true);

    auto* row = new QHBoxLayout(filters);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Check1);
    row->addWidget(DTPicker1);
    row->addWidget(new QLabel(QStringLiteral("至"), filters));
    row->addWidget(DTPicker2);
    row->addWidget(new QLabel(QStringLiteral("记录号"), filters));
    row->addWidget(Text1);
    row->addWidget(new QLabel(QStringLiteral("用户"), filters));
    row->addWidget(Text2);
    row->addWidget(new QLabel(QStringLiteral("操作"), filters));
    row->addWidget(Combo1);
    row->addWidget(new QLabel(QStringLiteral("内容"), filters));
    row->addWidget(Text3, 1);
    row->addWidget(Command1);
    return filters;
}

QWidget* fAuditTrail::buildButtons() {
    auto* buttons = new QWidget(this);
    TextRPW = passwordBox(buttons, "TextRPW");
    TextWPW = passwordBox(buttons, "TextWPW");
    Command2 = ui::MakeButton(buttons, "Command2", QStringLiteral("校验"));
    Command3 = ui::MakeButton(buttons, "Command3", QStringLiteral("导出"));
    Command4 = ui::MakeButton(buttons, "Command4", QStringLiteral("关闭"));

    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Label1, 1);
    row->addWidget(new QLabel(QStringLiteral("导出的读密码："), buttons));
    row->addWidget(TextRPW);
    row->addWidget(new QLabel(QStringLiteral("读写密码："), buttons));
    row->addWidget(TextWPW);
    row->addSpacing(12);
    row->addWidget(Command2);
    row->addWidget(Command3);
    row->addWidget(Command4);
    return buttons;
}

void fAuditTrail::Form_Load() {
    setWindowTitle(QStringLiteral("审计追踪-") + App::Title());
    resize(1000, 640);
    DTPicker1->setDate(Clock::Today().addMonths(-1));
    DTPicker2->setDate(Clock::Today());
    DTPicker1->setEnabled(false);
    DTPicker2->setEnabled(false);
    导入操作列表();
    Command1_Click();
    ListView1->header()->resizeSections(QHeaderView::ResizeToContents);
}

void fAuditTrail::导入操作列表() {
    Combo1->clear();
    Combo1->addItem(kAllActions);
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        Combo1->addItems(Audit::Actions(connection));
    } catch (const ado::Error&) {
        // A file without a trail lists nothing.
    }
}

Audit::Filter fAuditTrail::filter() const {
    Audit::Filter filter;
    if (Check1->isChecked()) {
        filter.from = DTPicker1->date();
        filter.to = DTPicker2->date();
    }
    bool numeric = false;
    const qint64 record = Text1->text().trimmed().toLongLong(&numeric);
    if (numeric) {
        filter.record = record;
    }
    filter.user = Text2->text().trimmed();
    filter.action = Combo1->currentText() == kAllActions ? QString() : Combo1->currentText();
    filter.text = Text3->text().trimmed();
    return filter;
}

void fAuditTrail::Command1_Click() {
    if (Check1->isChecked() && !(DTPicker1->CommitTyped() && DTPicker2->CommitTyped())) {
        return;
    }
    std::vector<Audit::Entry> entries;
    ado::Connection connection;
    if (OpenDatabase(connection)) {
        try {
            entries = Audit::ListEntries(connection, filter());
        } catch (const ado::Error&) {
            // A file without a trail lists nothing.
        }
    }
    model_->SetEntries(std::move(entries));
    Label1->setText(QStringLiteral("%1条").arg(model_->rowCount()));
    Text4->clear();
}

void fAuditTrail::ListView1_CurrentChanged() {
    const QModelIndex current = ListView1->currentIndex();
    if (!current.isValid()) {
        Text4->clear();
        return;
    }
    Text4->setPlainText(entryText(model_->Entries()[static_cast<size_t>(current.row())]));
}

void fAuditTrail::Command2_Click() {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        const Audit::Verdict verdict = Audit::Verify(connection);
        if (!verdict.hasTrail) {
            ui::Critical(QStringLiteral("数据库还没有审计追踪。"), this);
            return;
        }
        QStringList records;
        for (const Audit::Mismatch& mismatch : verdict.mismatched) {
            records.push_back(mismatch.table + QStringLiteral(" ID ") +
                              QString::number(mismatch.id));
        }
        报告校验结果(verdict.entries, verdict.firstBad, records);
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
    }
}

void fAuditTrail::报告校验结果(qint64 entries, std::optional<qint64> firstBad,
                               const QStringList& records) {
    if (!firstBad && records.isEmpty()) {
        ui::Information(QStringLiteral("审计追踪完整，共 %1 条记录。").arg(entries), this);
        return;
    }
    QString text = QStringLiteral("审计追踪不完整！");
    if (firstBad) {
        text +=
            QStringLiteral("\r\n从第 %1 条起哈希链断开，该条及以后的内容不可信。").arg(*firstBad);
    }
    if (!records.isEmpty()) {
        text += QStringLiteral("\r\n与审计追踪不符的记录（在本程序之外被修改）：") +
                records.mid(0, kNamedRecords).join(QStringLiteral("、"));
        if (records.size() > kNamedRecords) {
            text += QStringLiteral("等共 %1 条").arg(records.size());
        }
    }
    ui::Critical(text, this);
}

void fAuditTrail::Command3_Click() {
    if (model_->rowCount() == 0) {
        ui::Critical(QStringLiteral("没有可导出的审计记录！"), this);
        return;
    }
    ui::FileRequest request;
    request.kind = ui::FileRequest::Kind::Save;
    request.defaultExt = QStringLiteral("xls");
    request.filter = QStringLiteral("*.xls (*.xls)");
    const QString path = ui::ChooseFile(this, request);
    if (path.isEmpty()) {
        return;
    }
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        const QString head = Audit::HeadHash(connection);
        connection.Close();
        Audit::WriteTrailWorkbook(model_->Entries(), head, path,
                                  {TextRPW->text(), TextWPW->text()});
    } catch (const App::Error& error) {
        ui::Critical(error.Description(), this);
        return;
    }
    Audit::RecordExport(DatabasePath, {path, QStringLiteral("审计追踪"), model_->rowCount(),
                                       !TextRPW->text().isEmpty(), !TextWPW->text().isEmpty()});
    ui::Information(QStringLiteral("保存完成。文件大小：") +
                        SaveTarget::SizeInKb(QFileInfo(path).size()) + QStringLiteral("KB"),
                    this);
}

void fAuditTrail::Command4_Click() {
    reject();
}
