#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// Asks why a record is changed or deleted. 确定 takes a reason of at least two characters;
// 取消 abandons the change.
class ReasonDialog : public QDialog {
    Q_OBJECT

public:
    explicit ReasonDialog(QWidget* parent = nullptr);

    // The reason typed, trimmed.
    QString Reason() const;

    void Command1_Click();
    void Command2_Click();

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace ui
