#include "training/SearchListModel.h"

namespace {
// Never found in stored text; a cell that holds one shows U+FFFD instead.
constexpr QChar kSeparator = QChar(0x0000);
} // namespace

void SearchListModel::SetHeaders(const QStringList& headers) {
    beginResetModel();
    headers_ = headers;
    rows_.clear();
    endResetModel();
}

void SearchListModel::BeginFill() {
    beginResetModel();
    filling_ = true;
}

void SearchListModel::AppendRow(const QStringList& cells) {
    if (!filling_) {
        const int row = Count();
        beginInsertRows({}, row, row);
        rows_.push_back(joinCells(cells));
        endInsertRows();
        return;
    }
    rows_.push_back(joinCells(cells));
}

void SearchListModel::EndFill() {
    filling_ = false;
    endResetModel();
}

void SearchListModel::Clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

QString SearchListModel::joinCells(const QStringList& cells) {
    QString joined;
    qsizetype size = 0;
    for (const QString& cell : cells) {
        size += cell.size() + 1;
    }
    joined.reserve(size);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            joined += kSeparator;
        }
        if (cells[i].contains(kSeparator)) {
            joined += QString(cells[i]).replace(kSeparator, QChar(QChar::ReplacementCharacter));
        } else {
            joined += cells[i];
        }
    }
    return joined;
}

QString SearchListModel::Cell(int row, int column) const {
    if (row < 0 || row >= Count() || column < 0) {
        return {};
    }
    const QString& joined = rows_[static_cast<size_t>(row)];
    qsizetype start = 0;
    for (int c = 0; c < column; ++c) {
        start = joined.indexOf(kSeparator, start);
        if (start < 0) {
            return {};
        }
        ++start;
    }
    const qsizetype end = joined.indexOf(kSeparator, start);
    return joined.mid(start, end < 0 ? -1 : end - start);
}

void SearchListModel::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= Count() || column < 0 || column >= columnCount()) {
        return;
    }
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c) {
        cells.push_back(c == column ? text : Cell(row, c));
    }
    rows_[static_cast<size_t>(row)] = joinCells(cells);
    Q_EMIT dataChanged(index(row, column), index(row, column));
}

int SearchListModel::FindKey(const QString& key) const {
    if (!key.startsWith(u'K')) {
        return -1;
    }
    const QStringView id = QStringView(key).mid(1);
    for (int row = 0; row < Count(); ++row) {
        const QString& joined = rows_[static_cast<size_t>(row)];
        const qsizetype end = joined.indexOf(kSeparator);
        if (QStringView(joined).left(end < 0 ? joined.size() : end) == id) {
            return row;
        }
    }
    return -1;
}

void SearchListModel::RemoveRow(int row) {
    if (row < 0 || row >= Count()) {
        return;
    }
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void SearchListModel::ForEachCell(
    const std::function<void(int column, QStringView text)>& visit) const {
    for (const QString& joined : rows_) {
        int column = 0;
        qsizetype start = 0;
        while (true) {
            const qsizetype end = joined.indexOf(kSeparator, start);
            visit(column++,
                  QStringView(joined).mid(start, (end < 0 ? joined.size() : end) - start));
            if (end < 0) {
                break;
            }
            start = end + 1;
        }
    }
}

int SearchListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int SearchListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant SearchListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    return Cell(index.row(), index.column());
}

QVariant SearchListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= headers_.size()) {
        return {};
    }
    return headers_[section];
}

Qt::ItemFlags SearchListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
