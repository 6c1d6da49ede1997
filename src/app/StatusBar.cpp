#include "app/StatusBar.h"

#include <QLinearGradient>
#include <QMouseEvent>
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

TRzFieldStatus::TRzFieldStatus(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TRzFieldStatus::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove();
    QLabel::mouseMoveEvent(event);
}

void TRzFieldStatus::leaveEvent(QEvent* event)
{
    emit MouseLeave();
    QLabel::leaveEvent(event);
}

void TRzFieldStatus::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}
