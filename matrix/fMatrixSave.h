#pragma once

#include "matrix/MatrixExport.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// Where a list goes and its optional passwords, as the reports ask for them.
class fMatrixSave : public QDialog {
    Q_OBJECT

public:
    fMatrixSave(const QString& title, QWidget* parent = nullptr);

    // Asks where and with which passwords, then saves the titled list; says how it went.
    static void Export(QWidget* parent, const QString& title, const Matrix::Input& input,
                       const std::vector<Matrix::Cell>& cells);

    QString Path() const;
    MatrixExport::Passwords Passwords() const;

    QLineEdit* Text1;
    QPushButton* Command3;
    QLineEdit* TextRPW;
    QLineEdit* TextWPW;
    QPushButton* Command1;
    QPushButton* Command2;

    void Command3_Click();
    void Command1_Click();
};
