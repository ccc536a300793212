#pragma once

#include "reports/ReportRows.h"
#include "training/SearchListModel.h"

#include <QTreeView>

// The search result list: a details view over SearchListModel, with the small item API
// the other windows read it through.
class SearchList : public QTreeView, public ReportRows {
    Q_OBJECT

public:
    explicit SearchList(QWidget* parent = nullptr);

    SearchListModel& Model() { return model_; }
    const SearchListModel& Model() const { return model_; }

    int ItemCount() const override { return model_.Count(); }
    // The row text: the record's id.
    QString ItemText(int row) const override { return model_.Cell(row, 0); }
    QString ItemKey(int row) const { return QStringLiteral("K") + ItemText(row); }
    // Sub-items count from 1: the fields after id.
    QString SubItem(int row, int index) const override { return model_.Cell(row, index); }
    void SetSubItem(int row, int index, const QString& text) override {
        model_.SetCell(row, index, text);
    }
    QString Heading(int index) const override { return model_.Headers().value(index); }
    // The row the user selected, or -1.
    int SelectedIndex() const;
    bool RemoveByKey(const QString& key);

private:
    SearchListModel model_;
};
