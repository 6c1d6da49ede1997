#include "platform/ScreenFit.h"

#include <QBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

QRect PlaceBeside(const QRect& main, const QSize& frame, const QRect& room)
{
    const auto fitsAcross = [&](int left) {
        return left >= room.left() && left + frame.width() <= room.left() + room.width();
    };
    QRect placed(main.topLeft(), frame);
    if (fitsAcross(main.left() + main.width()))
        placed.moveLeft(main.left() + main.width());
    else if (fitsAcross(main.left() - frame.width()))
        placed.moveLeft(main.left() - frame.width());
    // std::max first: a frame larger than the room keeps its top-left corner in view.
    placed.moveLeft(std::max(room.left(), std::min(placed.left(),
                                                   room.left() + room.width() - frame.width())));
    placed.moveTop(std::max(room.top(), std::min(placed.top(),
                                                 room.top() + room.height() - frame.height())));
    return placed;
}

QSize BoundedToScreen(const QWidget* window, QSize wanted)
{
    if (const QScreen* display = window->screen())
        wanted = wanted.boundedTo(display->availableGeometry().size() - kWindowFrame);
    return wanted;
}

QSize ScrolledToScreen(const QWidget* dialog, const QScrollArea* scroll)
{
    const QSize wanted = (dialog->sizeHint() - scroll->sizeHint() + scroll->widget()->sizeHint())
                             .expandedTo(dialog->minimumSize());
    QSize size = BoundedToScreen(dialog, wanted);
    if (size.height() < wanted.height())
        size.rwidth() += scroll->verticalScrollBar()->sizeHint().width();
    if (size.width() < wanted.width())
        size.rheight() += scroll->horizontalScrollBar()->sizeHint().height();
    return BoundedToScreen(dialog, size);
}

QScrollArea* AddScrollingPart(QBoxLayout* top, QLayout* content, const QString& scrollName,
                              const QString& contentName)
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(scrollName);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* part = new QWidget;
    part->setObjectName(contentName);
    content->setContentsMargins(0, 0, 0, 0);
    part->setLayout(content);
    scroll->setWidget(part);
    top->addWidget(scroll, 1);
    return scroll;
}
