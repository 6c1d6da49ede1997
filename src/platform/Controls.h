#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

// Building the controls of a window laid out at fixed positions, as the concrete and the steel
// windows are: each control named by its object name, placed in its parent's pixels.

// Windows' active-caption colour, the background of the fields a grade fills.
inline const QColor kActiveCaption(153, 180, 209);

// A width below zero keeps the control's own size and only moves it.
template <typename W>
W* Make(QWidget* parent, const char* name, int left, int top, int width = -1, int height = -1)
{
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    if (width >= 0)
        widget->setGeometry(left, top, width, height);
    else
        widget->move(left, top);
    return widget;
}

// A label as wide as its text.
inline QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& text)
{
    auto* label = Make<QLabel>(parent, name, left, top);
    label->setText(text);
    label->adjustSize();
    return label;
}

inline void Colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
