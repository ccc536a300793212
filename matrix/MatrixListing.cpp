#include "matrix/MatrixListing.h"

namespace MatrixListing {
namespace {
// A tab or line break inside a value would split its line.
QString field(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = u' ';
        }
    }
    return text;
}
} // namespace

QStringList Lines(const Matrix::Input& input, const std::vector<Matrix::Cell>& cells) {
    QStringList lines = {
        QStringLiteral("姓名\t部门\t职务\tSOP编号\t状态\t最近培训日期\t最近培训版次")};
    for (const Matrix::Cell& cell : cells) {
        const Matrix::Employee& employee = input.employees[static_cast<size_t>(cell.employee)];
        lines << QStringList{field(employee.name),
                             field(employee.department),
                             field(employee.position),
                             field(cell.sopNumber),
                             Matrix::StatusText(cell.status),
                             cell.lastDate.toString(Qt::ISODate),
                             field(cell.lastRevision)}
                     .join(u'\t');
    }
    return lines;
}

} // namespace MatrixListing
