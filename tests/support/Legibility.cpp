#include "support/Legibility.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>

namespace {

QString Describe(const QWidget* widget, const QString& text, int width, const QFont& font,
                 int room)
{
    return QStringLiteral("%1: \"%2\" is %3 px wide in %4, room %5 px")
        .arg(widget->objectName(), text)
        .arg(width)
        .arg(DrawingFamilies(text, font).join(QStringLiteral(" + ")))
        .arg(room);
}

}  // namespace

QStringList DrawingFamilies(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        if (!families.contains(family))
            families << family;
    }
    return families;
}

QStringList IllegibleTexts(QWidget* window)
{
    QStringList faults;

    // A label must not run into the next control to its right in its row, nor out of its
    // parent, nor out of its own box.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        const QFontMetrics metrics(label->font());
        const int width = metrics.horizontalAdvance(label->text());
        const int textLeft = label->x() + label->contentsRect().left() + label->margin();
        int room = label->parentWidget()->width() - textLeft;
        for (QWidget* other : label->parentWidget()->findChildren<QWidget*>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            const bool sameRow = other->y() < label->y() + metrics.height() &&
                                 label->y() < other->y() + other->height();
            if (other != label && other->isVisible() && sameRow && other->x() > label->x())
                room = std::min(room, other->x() - textLeft);
        }
        if (width > room || width > label->contentsRect().width() - 2 * label->margin() ||
            std::max(metrics.height(), metrics.boundingRect(label->text()).height()) >
                label->contentsRect().height())
            faults << Describe(label, label->text(), width, label->font(), room);
    }

    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        const int width = metrics.horizontalAdvance(button->text());
        if (width > room.width() || metrics.height() > room.height())
            faults << Describe(button, button->text(), width, button->font(), room.width());
    }

    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        const QFontMetrics metrics(group->font());
        const int width = metrics.horizontalAdvance(group->title());
        if (width + 20 > group->width())
            faults << Describe(group, group->title(), width, group->font(), group->width() - 20);
    }
    return faults;
}
