#include "WScreenClamp_p.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

int position(qint64 v)
{
    constexpr qint64 limit = qint64(1) << 30;
    return int(qBound(-limit, v, limit));
}

} // namespace

namespace WScreenClamp {

QScreen* ScreenAt(const QPoint& point)
{
    if (QScreen* screen = QGuiApplication::screenAt(point))
        return screen;
    return QGuiApplication::primaryScreen();
}

QSize BoundedTo(const QSize& size, const QScreen* screen)
{
    return screen ? size.boundedTo(screen->geometry().size()) : size;
}

QPoint FlippedInto(const QPoint& point, qint64 width, qint64 height, const QRect& area,
                   bool leftward)
{
    qint64 x = point.x();
    qint64 y = point.y();
    // Measured from the area's own corner, in 64 bits: neither a far point nor a huge window
    // wraps around into looking as if it fitted.
    if (leftward) {
        if (x - width >= area.left())
            x -= width;
    } else if (area.width() < width + (x - area.left())) {
        x -= width;
    }
    if ((y - area.top()) + height > area.height())
        y -= height;
    return QPoint(position(x), position(y));
}

QPoint FlippedInto(const QPoint& point, qint64 width, qint64 height, const QScreen* screen,
                   bool leftward)
{
    if (screen)
        return FlippedInto(point, width, height, screen->geometry(), leftward);
    return QPoint(position(point.x() - (leftward ? width : 0)), position(point.y()));
}

} // namespace WScreenClamp
