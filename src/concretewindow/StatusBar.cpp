#include "concretewindow/StatusBar.h"

#include <QLinearGradient>
#include <QPainter>

TRzStatusBar::TRzStatusBar(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void TRzStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
    gradient.setColorAt(1, QColor(0xC9, 0xD3, 0xE2));
    painter.fillRect(rect(), gradient);
}

TRzFieldStatus::TRzFieldStatus(QWidget* parent) : TMouseLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}
