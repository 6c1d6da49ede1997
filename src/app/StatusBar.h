#pragma once

#include <QFrame>
#include <QLabel>

// The status bar along the bottom of the main window, drawn with its own gradient so it looks
// the same under every desktop theme.
class TRzStatusBar : public QFrame {
    Q_OBJECT

public:
    explicit TRzStatusBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A plain text pane of the status bar that reports mouse moves, the mouse leaving and clicks.
class TRzFieldStatus : public QLabel {
    Q_OBJECT

public:
    explicit TRzFieldStatus(QWidget* parent = nullptr);

signals:
    void MouseMove();
    void MouseLeave();
    void Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
