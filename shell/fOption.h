#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings window: the company name that heads the reports, and whether a change
// or deletion of a record asks for its reason.
class fOption : public QDialog {
    Q_OBJECT

public:
    explicit fOption(QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QCheckBox* Check1;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void Form_Load();
};
