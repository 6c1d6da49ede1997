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

// A label that reports mouse moves over it, the mouse leaving it and clicks on it, so that a
// window can make it behave like a hyperlink.
class TMouseLabel : public QLabel {
    Q_OBJECT

public:
    explicit TMouseLabel(QWidget* parent = nullptr);

signals:
    void MouseMove();
    void MouseLeave();
    void Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A plain text pane of the status bar.
class TRzFieldStatus : public TMouseLabel {
    Q_OBJECT

public:
    explicit TRzFieldStatus(QWidget* parent = nullptr);
};

// The two looks of a website link: black bold, or blue bold underlined while the mouse is over
// it. Only the colour and the underline change, so the text never moves.
enum class LinkLook { Normal, Hover };
void SetLinkLook(QLabel* link, LinkLook look);

// Hands the author's website to the user's browser. A failure is the browser's affair and is
// not reported.
void OpenWebsite();
