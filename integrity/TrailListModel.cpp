#include "integrity/TrailListModel.h"

#include "integrity/TrailText.h"

namespace {
const QStringList kHeadings = {QStringLiteral("序号"), QStringLiteral("时间"),
                               QStringLiteral("用户"), QStringLiteral("操作"),
                               QStringLiteral("表"),   QStringLiteral("记录号"),
                               QStringLiteral("原因")};

QString cellText(const Audit::Entry& entry, int column) {
    switch (column) {
    case 0:
        return QString::number(entry.id);
    case 1:
        return Audit::LocalTimeText(entry);
    case 2:
        return Audit::WhoText(entry);
    case 3:
        return entry.action;
    case 4:
        return entry.table;
    case 5:
        return entry.record ? QString::number(*entry.record) : QString();
    default:
        return entry.reason;
    }
}
} // namespace

void TrailListModel::SetEntries(std::vector<Audit::Entry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int TrailListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int TrailListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeadings.size());
}

QVariant TrailListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return cellText(entries_[static_cast<size_t>(index.row())], index.column());
}

QVariant TrailListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return kHeadings.value(section);
}
