#pragma once

#include <QLabel>

// A label that answers the mouse: a click (press and release over it with the left button)
// and the pointer moving over it.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void Clicked();
    void MouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
