#pragma once

#include "matrix/MatrixRule.h"

#include <QAbstractTableModel>
#include <QHash>

// Employees down, the SOPs their posts require across, each cell coloured by its status.
class MatrixModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // An empty filter lets every value through.
    struct Filters {
        QString department;
        QString position;
        QString sopNumber;
        QString status;
    };

    explicit MatrixModel(QObject* parent = nullptr);

    // The model reads both until the next call; the caller keeps them.
    void Show(const Matrix::Input* input, const std::vector<Matrix::Cell>* cells,
              const Filters& filters);
    // The cell at the index; nullptr where the employee's post does not require the SOP.
    const Matrix::Cell* CellAt(const QModelIndex& index) const;
    // The employee of a row, as an index into the input's employees.
    int EmployeeAt(int row) const { return rows_.value(row, -1); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool passes(const Matrix::Cell& cell, const Filters& filters) const;

    const Matrix::Input* input_ = nullptr;
    const std::vector<Matrix::Cell>* cells_ = nullptr;
    QList<int> rows_;                    // employees
    QStringList columns_;                // SOP numbers
    QHash<QPair<int, QString>, int> at_; // (employee, SOP number) -> cell
};
