// Where the window opens: a rule of rectangles, apart from any screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of a window frame of the given size in a screen's available area:
// centred where it fits, and never above or left of the area, so that the title bar and the
// menu stay on the screen when the frame is larger than the area.
QPoint framePosition(const QSize& frame, const QRect& available);
