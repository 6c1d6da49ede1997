#pragma once

#include <QLabel>
#include <QTest>
#include <QWindow>

// Mouse actions go through the widget's top-level window, so enter and leave events come as
// they do on a desktop.
inline void MoveTo(QWidget* widget, QPoint at = {})
{
    if (at.isNull())
        at = widget->rect().center();
    QTest::mouseMove(widget->window()->windowHandle(), widget->mapTo(widget->window(), at));
}

inline void ClickOn(QWidget* widget)
{
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(widget->window(), widget->rect().center()));
}

// The two looks of a website link: blue, bold and underlined under the mouse; black and bold
// otherwise.
inline bool IsHover(const QLabel* link)
{
    return link->palette().color(QPalette::WindowText) == QColor(0, 0, 255) &&
           link->font().bold() && link->font().underline();
}

inline bool IsNormal(const QLabel* link)
{
    return link->palette().color(QPalette::WindowText) == QColor(0, 0, 0) &&
           link->font().bold() && !link->font().underline();
}
