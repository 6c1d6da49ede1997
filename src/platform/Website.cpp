#include "platform/Website.h"

#include <QMouseEvent>
#include <QUrl>

#include "platform/Platform.h"

TMouseLabel::TMouseLabel(QWidget* parent) : QLabel(parent)
{
    // Moves are reported without a button held, which is what a hover needs.
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void TMouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove();
    QLabel::mouseMoveEvent(event);
}

void TMouseLabel::leaveEvent(QEvent* event)
{
    emit MouseLeave();
    QLabel::leaveEvent(event);
}

void TMouseLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so that the press does not travel on to the window behind the label.
    event->accept();
}

void TMouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button on the label; releasing elsewhere
    // after pressing here cancels it, as with a button.
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void SetLinkLook(QLabel* link, LinkLook look)
{
    const bool hover = look == LinkLook::Hover;

    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, hover ? QColor(0, 0, 255) : QColor(0, 0, 0));
    link->setPalette(palette);

    QFont font = link->font();
    font.setBold(true);
    font.setUnderline(hover);
    link->setFont(font);
}

void OpenWebsite()
{
    Platform::Current().OpenUrl(QUrl::fromUserInput(QString::fromLatin1(WebsiteAddress)));
}
