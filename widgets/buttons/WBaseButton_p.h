#pragma once

#include <QRect>
#include <QtGlobal>

// The caption rectangle of a button: from (left, top) to (right, bottom), inclusive. An
// application may put the caption offset anywhere an int reaches; such offsets are pulled in to
// a range far beyond any widget first, so that the rectangle's width and height stay
// representable and the arithmetic leading to them cannot overflow.
inline QRect ButtonCaptionRect(qint64 left, qint64 top, int right, int bottom)
{
    constexpr qint64 limit = 1 << 24;
    return QRect(QPoint(int(qBound(-limit, left, limit)), int(qBound(-limit, top, limit))),
                 QPoint(right, bottom));
}
