#pragma once

#include <QDialog>
#include <QPixmap>

// The notice that shows how to give the program's file the rights it needs to run.
class Net352 : public QDialog {
    Q_OBJECT

public:
    explicit Net352(QWidget* parent = nullptr);

    // The picture drawn on the window's background.
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();

    QPixmap picture_;
};
