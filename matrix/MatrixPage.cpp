#include "matrix/MatrixPage.h"

#include "matrix/MatrixExport.h"
#include "matrix/MatrixStore.h"
#include "matrix/fMatrixList.h"
#include "matrix/fMatrixSave.h"
#include "platform/ado/Connection.h"
#include "platform/clock/Clock.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Modal.h"
#include "store/ModuleDataBase.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QThread>
#include <memory>

namespace {
const QString kAll = QStringLiteral("全部");

void fill(QComboBox* box, QStringList values) {
    values.removeAll(QString());
    values.removeDuplicates();
    std::sort(values.begin(), values.end(), Matrix::CodePointLess);
    box->blockSignals(true);
    box->clear();
    box->addItem(kAll);
    box->addItems(values);
    box->blockSignals(false);
}

QString filterOf(const QComboBox* box) {
    return box->currentIndex() <= 0 ? QString() : box->currentText();
}
} // namespace

struct MatrixPage::Computed {
    Matrix::Input input;
    std::vector<Matrix::Cell> cells;
    QString error;
};

MatrixPage::MatrixPage(QWidget* parent)
    : QWidget(parent), Combo1(ui::MakeDropDownList(this, "Combo1")),
      Combo2(ui::MakeDropDownList(this, "Combo2")), Combo3(ui::MakeDropDownList(this, "Combo3")),
      Combo4(ui::MakeDropDownList(this, "Combo4")), Label1(ui::MakeLabel(this, "Label1", {})),
      View1(new QTableView(this)),
      Command1(ui::MakeButton(this, "Command1", QStringLiteral("刷新"))),
      Command2(ui::MakeButton(this, "Command2", QStringLiteral("导出应培未培清单"))),
      Command3(ui::MakeButton(this, "Command3", QStringLiteral("个人视图"))),
      model_(new MatrixModel(this)) {
    setObjectName(QStringLiteral("MatrixPage"));
    View1->setObjectName(QStringLiteral("View1"));
    View1->setModel(model_);
    View1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    View1->horizontalHeader()->setDefaultSectionSize(96);
    auto* layout = new QGridLayout(this);
    const char* captions[] = {"部门：", "职务：", "SOP编号：", "状态："};
    QComboBox* boxes[] = {Combo1, Combo2, Combo3, Combo4};
    for (int i = 0; i < 4; ++i) {
        layout->addWidget(new QLabel(QString::fromUtf8(captions[i]), this), 0, i * 2);
        layout->addWidget(boxes[i], 0, i * 2 + 1);
        layout->setColumnStretch(i * 2 + 1, 1);
        connect(boxes[i], &QComboBox::currentIndexChanged, this, &MatrixPage::applyFilters);
    }
    layout->addWidget(View1, 1, 0, 1, 8);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    for (QPushButton* button : {Command1, Command2, Command3}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons, 2, 0, 1, 8);
    QStringList statuses;
    for (const Matrix::Status status :
         {Matrix::Status::Untrained, Matrix::Status::NewRevisionPending,
          Matrix::Status::RevisionNotUpdated, Matrix::Status::RefresherOverdue,
          Matrix::Status::Trained}) {
        statuses << Matrix::StatusText(status);
    }
    Combo4->addItem(kAll);
    Combo4->addItems(statuses);
    connect(Command1, &QPushButton::clicked, this, &MatrixPage::Refresh);
    connect(Command2, &QPushButton::clicked, this, &MatrixPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MatrixPage::Command3_Click);
    connect(View1, &QTableView::doubleClicked, this, &MatrixPage::View1_DoubleClick);
}

MatrixPage::~MatrixPage() {
    if (worker_ != nullptr) {
        worker_->wait();
    }
}

void MatrixPage::Refresh() {
    if (worker_ != nullptr) {
        return;
    }
    Label1->setText(QStringLiteral("正在计算培训矩阵……"));
    Command1->setEnabled(false);
    auto computed = std::make_shared<Computed>();
    const QString connection =
        ConnectionString(DatabasePath, QString::fromLatin1(kDefaultDatabasePassword)) +
        QStringLiteral(";Mode=Read");
    const QDate today = Clock::Today();
    worker_ = QThread::create([computed, connection, today] {
        try {
            ado::Connection source;
            source.Open(connection);
            computed->input = MatrixStore::Load(source);
            computed->cells = Matrix::Compute(computed->input, today);
        } catch (const ado::Error& error) {
            computed->error = error.Description();
        }
    });
    // Owned by the page, so that a window closed before the deferred deletion frees it.
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, [this, computed] {
        worker_->deleteLater();
        worker_ = nullptr;
        Command1->setEnabled(true);
        take(*computed);
    });
    worker_->start();
}

void MatrixPage::take(Computed& computed) {
    if (!computed.error.isEmpty()) {
        Label1->clear();
        ReportDatabaseError(ado::Error(computed.error));
        return;
    }
    input_ = std::move(computed.input);
    cells_ = std::move(computed.cells);
    fillFilters();
    applyFilters();
}

void MatrixPage::fillFilters() {
    QStringList departments;
    QStringList positions;
    for (const Matrix::Employee& employee : input_.employees) {
        departments << employee.department.trimmed();
        positions << employee.position.trimmed();
    }
    QStringList sops;
    for (const Matrix::Cell& cell : cells_) {
        sops << cell.sopNumber;
    }
    fill(Combo1, departments);
    fill(Combo2, positions);
    fill(Combo3, sops);
}

void MatrixPage::applyFilters() {
    model_->Show(&input_, &cells_,
                 {filterOf(Combo1), filterOf(Combo2), filterOf(Combo3), filterOf(Combo4)});
    const auto gaps = MatrixExport::Gaps(cells_).size();
    Label1->setText(QStringLiteral("共 %1 名员工，%2 项应培训，其中 %3 项未合格。")
                        .arg(input_.employees.size())
                        .arg(cells_.size())
                        .arg(gaps));
}

void MatrixPage::Command2_Click() {
    fMatrixSave::Export(this, MatrixExport::kGapsTitle, input_, MatrixExport::Gaps(cells_));
}

void MatrixPage::Command3_Click() {
    const int employee = model_->EmployeeAt(View1->currentIndex().row());
    if (employee < 0) {
        ui::Critical(QStringLiteral("请先在矩阵中选择一名员工！"), this);
        return;
    }
    std::vector<Matrix::Cell> own;
    QList<QStringList> lines;
    for (const Matrix::Cell& cell : cells_) {
        if (cell.employee == employee) {
            own.push_back(cell);
            lines << MatrixExport::Fields(input_, cell);
        }
    }
    const QString name = input_.employees[static_cast<size_t>(employee)].name;
    const QString title = QStringLiteral("个人培训状态-") + name;
    fMatrixList list(title, QStringLiteral("%1 的岗位要求的全部SOP及其培训状态：").arg(name),
                     MatrixExport::Headings(), lines, this);
    list.OfferExport([title, input = input_, own](QWidget* parent) {
        fMatrixSave::Export(parent, title, input, own);
    });
    ui::ShowModal(list);
}

void MatrixPage::View1_DoubleClick(const QModelIndex& index) {
    const Matrix::Cell* cell = model_->CellAt(index);
    if (cell == nullptr) {
        return;
    }
    QList<QStringList> lines;
    for (const int r : cell->records) {
        const Matrix::TrainingRecord& record = input_.records[static_cast<size_t>(r)];
        lines << QStringList{record.date.toString(QStringLiteral("yyyy-MM-dd")), record.revision,
                             record.course, record.lecturer};
    }
    const QString name = input_.employees[static_cast<size_t>(cell->employee)].name;
    fMatrixList list(QStringLiteral("培训记录"),
                     QStringLiteral("%1 在“%2”上的培训记录（%3）：")
                         .arg(name, cell->sopNumber, Matrix::StatusText(cell->status)),
                     {QStringLiteral("训练时间"), QStringLiteral("SOP版次"),
                      QStringLiteral("教育训练名称"), QStringLiteral("主讲人")},
                     lines, this);
    ui::ShowModal(list);
}
