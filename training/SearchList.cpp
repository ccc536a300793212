#include "training/SearchList.h"

#include <QHeaderView>
#include <QItemSelectionModel>

SearchList::SearchList(QWidget* parent) : QTreeView(parent), model_(this) {
    setModel(&model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(false);
}

int SearchList::SelectedIndex() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool SearchList::RemoveByKey(const QString& key) {
    const int row = model_.FindKey(key);
    if (row < 0) {
        return false;
    }
    model_.RemoveRow(row);
    return true;
}
