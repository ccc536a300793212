#pragma once

#include <QString>

namespace excel {

// What Excel makes of a text typed into a cell with the General number format: a number,
// a date or a time (as a serial number, with the number format Excel then gives the
// cell), or text. A leading apostrophe keeps the rest as text.
struct TypedInput {
    bool isNumber = false;
    double number = 0;
    QString numberFormat; // empty: the cell keeps its format
    QString text;
};

TypedInput ReadTypedInput(const QString& typed);

} // namespace excel
