#pragma once

#include "matrix/MatrixRule.h"

// Lists of matrix cells on paper: Excel 97-2003 workbooks through our own engine, with the
// reports' optional passwords and their page setup.
namespace MatrixExport {

struct Passwords {
    QString open;
    QString modify;
};

inline const QString kGapsTitle = QStringLiteral("应培未培清单");

// The cells that are not 合格, for 应培未培清单.
std::vector<Matrix::Cell> Gaps(const std::vector<Matrix::Cell>& cells);

// A titled list, one line per cell. Throws excel::Error.
void Save(const QString& path, const QString& title, const Matrix::Input& input,
          const std::vector<Matrix::Cell>& cells, const QDate& today, const Passwords& passwords);

// The headings of a line, and the fields of one cell's line in their order.
QStringList Headings();
QStringList Fields(const Matrix::Input& input, const Matrix::Cell& cell);

} // namespace MatrixExport
