#pragma once

#include <QDialog>

class QLabel;

// The notice that the system lacks the .NET Framework component, with its download page.
class Net35 : public QDialog {
    Q_OBJECT

public:
    explicit Net35(QWidget* parent = nullptr);

    void Command3_Click();

private:
    void buildControls();
    QLabel* addLabel(const char* name, const QString& text, const QRect& area);
    void Form_Load();

    QLabel* Label4_ = nullptr;
};
