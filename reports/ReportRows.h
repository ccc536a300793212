#pragma once

#include <QString>

// The listed rows a report is written from, in list order: each row's text (the record's
// id) and its sub-items from 1, the fields after id. A report writes back only a sub-item
// it trimmed of a trailing line break, so that the list shows what the report holds.
class ReportRows {
public:
    virtual ~ReportRows() = default;

    virtual int ItemCount() const = 0;
    virtual QString ItemText(int row) const = 0;
    virtual QString SubItem(int row, int index) const = 0;
    virtual void SetSubItem(int row, int index, const QString& text) = 0;
    // The field a sub-item shows, as its column is headed.
    virtual QString Heading(int index) const = 0;
};
