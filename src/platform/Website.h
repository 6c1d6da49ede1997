#pragma once

#include <QLabel>

// The author's website: shown after one blank in the status bar's link pane, shown as it is in
// the About dialog and handed to the browser. It has to fit the 121-pixel link pane in its bold
// 12-pixel font, which a longer address would not.
inline constexpr char WebsiteAddress[] = "www.example.org";

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

// The two looks of a website link: black bold, or blue bold underlined while the mouse is over
// it. Only the colour and the underline change, so the text never moves.
enum class LinkLook { Normal, Hover };
void SetLinkLook(QLabel* link, LinkLook look);

// Hands the author's website to the user's browser. A failure is the browser's affair and is
// not reported.
void OpenWebsite();
