#include "WScreenClamp_p.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

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
    QScreen* nearest = QGuiApplication::primaryScreen();
    double best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        // In floating point: a point far outside int's middle must not wrap into looking near.
        const double dx =
            std::max({0.0, double(area.left()) - point.x(), double(point.x()) - area.right()});
        const double dy =
            std::max({0.0, double(area.top()) - point.y(), double(point.y()) - area.bottom()});
        const double distance = dx * dx + dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    return nearest;
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
