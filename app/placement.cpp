#include "placement.h"

#include <QtGlobal>

QPoint framePosition(const QSize& frame, const QRect& available) {
    const int spareWidth = qMax(0, available.width() - frame.width());
    const int spareHeight = qMax(0, available.height() - frame.height());
    return available.topLeft() + QPoint(spareWidth / 2, spareHeight / 2);
}
