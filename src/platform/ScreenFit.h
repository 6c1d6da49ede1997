#pragma once

#include <QRect>
#include <QSize>

class QBoxLayout;
class QLayout;
class QScrollArea;
class QWidget;

// Windows on a laptop's screen: 1366×768, or 1280×720 logical pixels at 125 % and 150 %
// scaling, has room for every window and dialog only when each keeps to the screen's free area
// (the available geometry: the screen less its task bar and panels).

// The most a desktop's frame adds to a window's size: borders and a title bar. A window not yet
// shown has no frame to measure, and on X11 none until the window manager has put one around it.
inline constexpr QSize kWindowFrame(16, 48);

// Where a window whose frame is `frame` large goes beside the window whose frame is `main`: right
// of it when it fits within `room` there, else left of it when it fits there, else over it; level
// with its top, and always moved to lie within `room` (up to its top-left corner, should it be
// larger than `room`). All rectangles are frames in the screen's coordinates.
QRect PlaceBeside(const QRect& main, const QSize& frame, const QRect& room);

// `wanted` shrunk to what the screen `window` is on has room for, its frame included.
QSize BoundedToScreen(const QWidget* window, QSize wanted);

// The size that shows the whole of what `scroll` holds in `dialog`, shrunk to the screen's room;
// where the screen cuts one side, the other makes room for the scroll bar across it.
QSize ScrolledToScreen(const QWidget* dialog, const QScrollArea* scroll);

// A frameless scroll area at the top of `top` taking its spare room, holding a widget laid out
// by `content` (without margins, the dialog's own margins stand): the part of a dialog that
// scrolls when the screen is too small, while what `top` holds after it stays in view.
QScrollArea* AddScrollingPart(QBoxLayout* top, QLayout* content, const QString& scrollName,
                              const QString& contentName);
