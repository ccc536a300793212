#pragma once

#include <QWidget>

class ClickLabel;
class QLabel;
class QPushButton;
class QTimer;
class uXMLHTTP;

// The first window and the last: the product's picture, the running version and, when the
// vendor publishes a newer one, a notice that links to the product page. It leads into the
// main window and shows itself again when the main window closes; closing it ends the program.
class flogin : public QWidget {
    Q_OBJECT

public:
    explicit flogin(QWidget* parent = nullptr);

    // The newest-version check starts when this timer fires; the about window restarts it.
    QTimer* Timer1() const { return Timer1_; }

    void Command1_Click();
    void Command2_Click();
    void Label3_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Unload();
    void Timer1_Timer();
    void uXMLHTTP2_OnDateArrived();
    void CheckNewestVersion(const QString& text);

    QLabel* Image1_ = nullptr;
    QLabel* Label2_ = nullptr;
    ClickLabel* Label3_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QTimer* Timer1_ = nullptr;
    uXMLHTTP* uXMLHTTP2_ = nullptr;
};
