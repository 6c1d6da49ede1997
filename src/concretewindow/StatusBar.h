#pragma once

#include <QFrame>

#include "platform/Website.h"

// The status bar along the bottom of the main window, drawn with its own gradient so it looks
// the same under every desktop theme.
class TRzStatusBar : public QFrame {
    Q_OBJECT

public:
    explicit TRzStatusBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A plain text pane of the status bar.
class TRzFieldStatus : public TMouseLabel {
    Q_OBJECT

public:
    explicit TRzFieldStatus(QWidget* parent = nullptr);
};
