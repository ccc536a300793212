#include "matrix/MatrixModel.h"

#include <QBrush>
#include <QColor>
#include <QSet>
#include <algorithm>

namespace {
QColor colourOf(Matrix::Status status) {
    switch (status) {
    case Matrix::Status::Trained:
        return QColor(0xC6, 0xEF, 0xCE);
    case Matrix::Status::NewRevisionPending:
        return QColor(0xFF, 0xEB, 0x9C);
    case Matrix::Status::RefresherOverdue:
        return QColor(0xFF, 0xD2, 0x9E);
    case Matrix::Status::RevisionNotUpdated:
    case Matrix::Status::Untrained:
        return QColor(0xFF, 0xC7, 0xCE);
    }
    return {};
}

bool matches(const QString& filter, const QString& value) {
    return filter.isEmpty() || filter.compare(value.trimmed(), Qt::CaseInsensitive) == 0;
}
} // namespace

MatrixModel::MatrixModel(QObject* parent) : QAbstractTableModel(parent) {}

bool MatrixModel::passes(const Matrix::Cell& cell, const Filters& filters) const {
    const Matrix::Employee& employee = input_->employees[static_cast<size_t>(cell.employee)];
    return matches(filters.department, employee.department) &&
           matches(filters.position, employee.position) &&
           matches(filters.sopNumber, cell.sopNumber) &&
           matches(filters.status, Matrix::StatusText(cell.status));
}

void MatrixModel::Show(const Matrix::Input* input, const std::vector<Matrix::Cell>* cells,
                       const Filters& filters) {
    beginResetModel();
    input_ = input;
    cells_ = cells;
    rows_.clear();
    columns_.clear();
    at_.clear();
    QSet<QString> sops;
    QSet<int> listed;
    for (int i = 0; i < static_cast<int>(cells->size()); ++i) {
        const Matrix::Cell& cell = (*cells)[static_cast<size_t>(i)];
        if (!passes(cell, filters)) {
            continue;
        }
        // The cells come ordered by name: the rows are too.
        if (!listed.contains(cell.employee)) {
            listed.insert(cell.employee);
            rows_.push_back(cell.employee);
        }
        sops.insert(cell.sopNumber);
        at_.insert({cell.employee, cell.sopNumber}, i);
    }
    columns_ = QStringList(sops.begin(), sops.end());
    std::sort(columns_.begin(), columns_.end(), Matrix::CodePointLess);
    endResetModel();
}

const Matrix::Cell* MatrixModel::CellAt(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rows_.size() || index.column() >= columns_.size()) {
        return nullptr;
    }
    const auto found = at_.constFind({rows_.at(index.row()), columns_.at(index.column())});
    return found == at_.constEnd() ? nullptr : &(*cells_)[static_cast<size_t>(*found)];
}

int MatrixModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MatrixModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant MatrixModel::data(const QModelIndex& index, int role) const {
    const Matrix::Cell* cell = CellAt(index);
    if (cell == nullptr) {
        return role == Qt::BackgroundRole ? QVariant(QBrush(QColor(0xF2, 0xF2, 0xF2))) : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return Matrix::StatusText(cell->status);
    case Qt::ToolTipRole:
        return cell->lastDate.isValid()
                   ? QStringLiteral("最近培训：%1，版次 %2")
                         .arg(cell->lastDate.toString(QStringLiteral("yyyy-MM-dd")),
                              cell->lastRevision)
                   : QStringLiteral("没有培训记录");
    case Qt::BackgroundRole:
        return QBrush(colourOf(cell->status));
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant MatrixModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return columns_.value(section);
    }
    const int employee = rows_.value(section, -1);
    if (employee < 0) {
        return {};
    }
    const Matrix::Employee& e = input_->employees[static_cast<size_t>(employee)];
    return e.department.isEmpty() ? e.name : QStringLiteral("%1（%2）").arg(e.name, e.department);
}
