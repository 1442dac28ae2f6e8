#pragma once

#include <QLabel>

// A label that opens a web page: underlined, coloured, with a hand pointer.
// One clicked() per single left click released over it, and on Enter or
// Space when it has the keyboard focus, which only Tab gives it, so a mouse
// click never moves the focus. Assistive technology sees a link with a
// press action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};
