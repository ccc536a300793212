#pragma once

#include "store/AuditEntry.h"

#include <QAbstractTableModel>
#include <vector>

// The listed entries of the audit window, one row each, newest first as given.
class TrailListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetEntries(std::vector<Audit::Entry> entries);
    const std::vector<Audit::Entry>& Entries() const { return entries_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Audit::Entry> entries_;
};
