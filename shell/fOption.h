#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The settings window: the company name that heads the reports.
class fOption : public QDialog {
    Q_OBJECT

public:
    explicit fOption(QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void Form_Load();
};
