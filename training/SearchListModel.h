#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

// The rows of the search list: the record id as the row text, then one cell per field.
// A row is kept as one string with the cells separated, so 100,000 rows stay small.
class SearchListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetHeaders(const QStringList& headers);
    const QStringList& Headers() const { return headers_; }

    // Collects rows without telling the views; EndFill shows them all at once.
    void BeginFill();
    // cells[0] is the row text; missing cells are empty.
    void AppendRow(const QStringList& cells);
    void EndFill();
    void Clear();

    int Count() const { return static_cast<int>(rows_.size()); }
    // Column 0 is the row text; 1 … n are the sub-items.
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);
    // Index of the row whose key ("K" + text) is given, or -1.
    int FindKey(const QString& key) const;
    void RemoveRow(int row);
    // Every cell of every row, without copying the texts.
    void ForEachCell(const std::function<void(int column, QStringView text)>& visit) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static QString joinCells(const QStringList& cells);

    QStringList headers_;
    std::vector<QString> rows_;
    bool filling_ = false;
};
