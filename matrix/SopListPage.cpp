#include "matrix/SopListPage.h"

#include "matrix/MatrixExport.h"
#include "matrix/MatrixStore.h"
#include "matrix/SopWorkbook.h"
#include "matrix/fMatrixList.h"
#include "matrix/fMatrixSave.h"
#include "platform/ado/Connection.h"
#include "platform/clock/Clock.h"
#include "platform/excel/Error.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"
#include "store/ModuleDataBase.h"

#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {
bool untrainedOnRevision(Matrix::Status status) {
    return status == Matrix::Status::NewRevisionPending ||
           status == Matrix::Status::RevisionNotUpdated;
}

QPair<int, QString> placeOf(const Matrix::Cell& cell) {
    return {cell.employee, cell.sopNumber.trimmed().toCaseFolded()};
}

// The cells of the SOP whose status the change turns into one of the two.
std::vector<Matrix::Cell> turnedUntrained(const Matrix::Input& before, const Matrix::Input& after,
                                          const QString& number) {
    const QDate today = Clock::Today();
    QHash<QPair<int, QString>, Matrix::Status> was;
    for (const Matrix::Cell& cell : Matrix::Compute(before, today)) {
        was.insert(placeOf(cell), cell.status);
    }
    std::vector<Matrix::Cell> turned;
    for (const Matrix::Cell& cell : Matrix::Compute(after, today)) {
        const auto earlier = was.constFind(placeOf(cell));
        const bool wasUntrained = earlier != was.constEnd() && untrainedOnRevision(*earlier);
        if (cell.sopNumber.compare(number, Qt::CaseInsensitive) == 0 &&
            untrainedOnRevision(cell.status) && !wasUntrained) {
            turned.push_back(cell);
        }
    }
    return turned;
}
} // namespace

SopListPage::SopListPage(QWidget* parent)
    : QWidget(parent), List1(new QTableWidget(this)), Text1(ui::MakeTextBox(this, "Text1")),
      Text2(ui::MakeTextBox(this, "Text2")), Text3(ui::MakeTextBox(this, "Text3")),
      Date1(new ui::DatePicker(this)), Text4(ui::MakeTextBox(this, "Text4")),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("添加"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("修改"))),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("删除"))),
      Command4(ui::MakeButton(this, "Command4", QStringLiteral("从Excel导入"))) {
    setObjectName(QStringLiteral("SopListPage"));
    List1->setObjectName(QStringLiteral("List1"));
    Date1->setObjectName(QStringLiteral("Date1"));
    Date1->setDate({});
    List1->setColumnCount(5);
    List1->setHorizontalHeaderLabels({QStringLiteral("SOP编号"), QStringLiteral("SOP名称"),
                                      QStringLiteral("现行版次"), QStringLiteral("生效日期"),
                                      QStringLiteral("复训周期（月）")});
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->verticalHeader()->hide();
    List1->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(List1, 0, 0, 1, 6);
    const char* captions[] = {"SOP编号：", "SOP名称：", "现行版次：", "生效日期：",
                              "复训周期（月）："};
    QWidget* boxes[] = {Text1, Text2, Text3, Date1, Text4};
    for (int i = 0; i < 5; ++i) {
        layout->addWidget(new QLabel(QString::fromUtf8(captions[i]), this), 1 + i / 3, (i % 3) * 2);
        layout->addWidget(boxes[i], 1 + i / 3, (i % 3) * 2 + 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Command1, Command2, Command3, Command4}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons, 3, 0, 1, 6);
    connect(List1, &QTableWidget::itemSelectionChanged, this, &SopListPage::showSelected);
    connect(Command1, &QPushButton::clicked, this, &SopListPage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SopListPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SopListPage::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &SopListPage::Command4_Click);
}

void SopListPage::Reload() {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        sops_ = MatrixStore::Sops(connection);
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return;
    }
    List1->clearSelection();
    List1->setRowCount(static_cast<int>(sops_.size()));
    for (int row = 0; row < static_cast<int>(sops_.size()); ++row) {
        const Matrix::Sop& sop = sops_[static_cast<size_t>(row)];
        const QStringList fields = {sop.number, sop.name, sop.revision,
                                    sop.effective.toString(QStringLiteral("yyyy-MM-dd")),
                                    sop.refresherMonths ? QString::number(*sop.refresherMonths)
                                                        : QString()};
        for (int column = 0; column < fields.size(); ++column) {
            List1->setItem(row, column, new QTableWidgetItem(fields.at(column)));
        }
    }
    List1->resizeColumnsToContents();
}

const Matrix::Sop* SopListPage::selected() const {
    const int row = List1->currentRow();
    const bool chosen =
        row >= 0 && row < static_cast<int>(sops_.size()) && !List1->selectedItems().isEmpty();
    return chosen ? &sops_[static_cast<size_t>(row)] : nullptr;
}

void SopListPage::showSelected() {
    if (const Matrix::Sop* sop = selected()) {
        Text1->setText(sop->number);
        Text2->setText(sop->name);
        Text3->setText(sop->revision);
        Date1->setDate(sop->effective);
        Text4->setText(sop->refresherMonths ? QString::number(*sop->refresherMonths) : QString());
    }
}

std::optional<Matrix::Sop> SopListPage::typedSop() {
    Matrix::Sop sop;
    sop.number = Text1->text().trimmed();
    sop.name = Text2->text().trimmed();
    sop.revision = Text3->text().trimmed();
    if (sop.number.isEmpty()) {
        ui::Critical(QStringLiteral("请输入SOP编号！"), this);
        return std::nullopt;
    }
    if (!Date1->text().trimmed().isEmpty()) {
        if (!Date1->CommitTyped()) {
            return std::nullopt;
        }
        sop.effective = Date1->date();
    }
    if (const QString months = Text4->text().trimmed(); !months.isEmpty()) {
        bool whole = false;
        const int value = months.toInt(&whole);
        if (!whole || value <= 0) {
            ui::Critical(QStringLiteral("复训周期应为整月数，不复训时请留空。"), this);
            return std::nullopt;
        }
        sop.refresherMonths = value;
    }
    return sop;
}

bool SopListPage::save(const Matrix::Sop& sop) {
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return false;
    }
    try {
        if (!MatrixStore::SaveSop(connection, sop)) {
            ui::Critical(QStringLiteral("SOP编号“%1”已经存在！").arg(sop.number), this);
            return false;
        }
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return false;
    }
    Reload();
    Q_EMIT Changed();
    return true;
}

void SopListPage::Command1_Click() {
    if (const std::optional<Matrix::Sop> sop = typedSop()) {
        save(*sop);
    }
}

// A new revision in force leaves people untrained on it: they are listed before it is saved.
bool SopListPage::revisionChangeAccepted(const Matrix::Sop& before, const Matrix::Sop& after) {
    if (Matrix::SameRevision(before.revision, after.revision) &&
        before.effective == after.effective) {
        return true;
    }
    Matrix::Input input;
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return false;
    }
    try {
        input = MatrixStore::Load(connection);
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return false;
    }
    Matrix::Input changed = input;
    for (Matrix::Sop& sop : changed.sops) {
        if (sop.id == after.id) {
            sop = after;
        }
    }
    const std::vector<Matrix::Cell> turned = turnedUntrained(input, changed, after.number);
    if (turned.empty()) {
        return true;
    }
    QList<QStringList> lines;
    for (const Matrix::Cell& cell : turned) {
        lines << MatrixExport::Fields(changed, cell);
    }
    const QString title = QStringLiteral("版次变更待培训人员");
    fMatrixList list(
        title,
        QStringLiteral("将“%1”的现行版次改为“%2”后，以下 %3 名人员尚未接受新版次的培训：")
            .arg(after.number, after.revision)
            .arg(turned.size()),
        MatrixExport::Headings(), lines, this);
    list.AskToSave();
    list.OfferExport([title, changed, turned](QWidget* parent) {
        fMatrixSave::Export(parent, title, changed, turned);
    });
    return ui::ShowModal(list) == QDialog::Accepted;
}

void SopListPage::Command2_Click() {
    const Matrix::Sop* current = selected();
    if (current == nullptr) {
        ui::Critical(QStringLiteral("请先选择要修改的SOP文件！"), this);
        return;
    }
    std::optional<Matrix::Sop> sop = typedSop();
    if (!sop) {
        return;
    }
    sop->id = current->id;
    if (revisionChangeAccepted(*current, *sop)) {
        save(*sop);
    }
}

void SopListPage::Command3_Click() {
    const Matrix::Sop* current = selected();
    if (current == nullptr) {
        ui::Critical(QStringLiteral("请先选择要删除的SOP文件！"), this);
        return;
    }
    if (!ui::Question(QStringLiteral("确定要删除SOP文件“%1”吗？").arg(current->number), this)) {
        return;
    }
    ado::Connection connection;
    if (!OpenDatabase(connection)) {
        return;
    }
    try {
        MatrixStore::DeleteSop(connection, current->id);
    } catch (const ado::Error& error) {
        ReportDatabaseError(error);
        return;
    }
    Reload();
    Q_EMIT Changed();
}

void SopListPage::Command4_Click() {
    ui::FileRequest request;
    request.kind = ui::FileRequest::Kind::Open;
    request.filter = QStringLiteral("Excel 97-2003 工作簿 (*.xls)");
    const QString path = ui::ChooseFile(this, request);
    ado::Connection connection;
    if (path.isEmpty() || !OpenDatabase(connection)) {
        return;
    }
    try {
        const SopWorkbook::Result result = SopWorkbook::Import(connection, path);
        ui::Information(QStringLiteral("导入完成：新增 %1 条，更新 %2 条，跳过 %3 条。")
                            .arg(result.added)
                            .arg(result.changed)
                            .arg(result.skipped),
                        this);
    } catch (const excel::Error& error) {
        ui::Critical(QStringLiteral("导入失败：") + error.Description(), this);
    } catch (const ado::Error& error) {
        ui::Critical(QStringLiteral("导入失败，没有导入任何记录：") + error.Description(), this);
    }
    Reload();
    Q_EMIT Changed();
}
