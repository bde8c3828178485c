#include "WDrawAPI.h"

#include "WIconImage_p.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <climits>

QColor WDrawAPI::ComputeAlphaColor(const QColor& back, QColor fore, int alpha)
{
    const int a = alpha <= 0 ? 0 : (alpha >= 256 ? 255 : alpha);
    const int k = 255 - a;
    return QColor((fore.red() * a + back.red() * k) / 255,
                  (fore.green() * a + back.green() * k) / 255,
                  (fore.blue() * a + back.blue() * k) / 255, 255);
}

void WDrawAPI::ImageReplaceColor(QImage& image, const QColor& from, const QColor& to)
{
    if (image.isNull() || !to.isValid())
        return;
    // The pass below reads the pixels as 0xAARRGGBB words; anything else is brought into
    // that layout first (premultiplied data would break the exact RGB match).
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb f = from.rgb() & 0xFFFFFFu;
    const QRgb t = to.rgb() & 0xFFFFFFu;
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* p = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (QRgb* end = p + w; p != end; ++p) {
            if ((*p & 0xFFFFFFu) == f)
                *p = (*p & 0xFF000000u) | t;
        }
    }
}

void WDrawAPI::ImageReplaceWhite(QImage& image, const QColor& to)
{
    ImageReplaceColor(image, QColor(255, 255, 255, 255), to);
}

// The rounded outline shared by background and border: inset by half the border width so
// that a stroke of that width lies inside rect and the fill lies inside the stroke. Empty when
// the border leaves no room, so absurd widths draw nothing instead of a stroke outside rect.
static QRectF roundedRect(const QRect& rect, int borderWidth)
{
    const int o = borderWidth % 2;
    const int h = borderWidth / 2;
    const QRectF r(rect.left() + h + o - 0.5, rect.top() + h + o - 0.5,
                   qreal(rect.width()) - borderWidth - o + 1,
                   qreal(rect.height()) - borderWidth - o + 1);
    return r.width() > 0 && r.height() > 0 ? r : QRectF();
}

static QPainterPath roundedPath(const QRectF& r, int radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius, Qt::AbsoluteSize);
    return path;
}

void WDrawAPI::DrawBackColor(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                             int borderWidth)
{
    if (color.alpha() <= 0)
        return;
    if (radius < 1) {
        painter->fillRect(rect, color);
        return;
    }
    // A negative border width would grow the fill past rect.
    const QRectF r = roundedRect(rect, qMax(borderWidth, 0));
    if (r.isNull())
        return;
    const QPainterPath path = roundedPath(r, radius);
    // The rounded fill is always antialiased, and the caller's own hint is given back as it
    // was, so a caller never inherits a hint from the background it just painted.
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->fillPath(path, QBrush(color, Qt::SolidPattern));
    painter->setRenderHint(QPainter::Antialiasing, antialiased);
}

// One pixel line per unit of width, each side inwards (a translucent colour covers the corners
// twice, as crossing lines do). Only the lines that can reach the paint device are drawn, so the
// time does not grow with the width, nor with a rectangle far larger than what is painted on.
static void drawSquareBorder(QPainter* painter, const QRect& rect, const QColor& color,
                             PositionFlag::Flags sides, int width)
{
    bool invertible = false;
    const QTransform toLogical = painter->combinedTransform().inverted(&invertible);
    const QPaintDevice* device = painter->device();
    if (!invertible || !device)
        return;
    // The device's extent in its own units covers at least what it shows (an image drawn for a
    // dense screen counts its device pixels), and a pixel more on each side allows for pens.
    const QRectF seen =
        toLogical.mapRect(QRectF(0, 0, device->width(), device->height())).adjusted(-2, -2, 2, 2);
    const qint64 seenLeft = qint64(qMax(seen.left(), qreal(INT_MIN)));
    const qint64 seenRight = qint64(qMin(seen.right(), qreal(INT_MAX)));
    const qint64 seenTop = qint64(qMax(seen.top(), qreal(INT_MIN)));
    const qint64 seenBottom = qint64(qMin(seen.bottom(), qreal(INT_MAX)));

    painter->setPen(QPen(color));
    const int x0 = rect.left(), y0 = rect.top(), x1 = rect.right(), y1 = rect.bottom();
    const qint64 lines = qMin(qint64(width), qMax(qint64(x1) - x0 + 1, qint64(y1) - y0 + 1));
    // Line i of a side lies at from + step * i; only those between low and high are drawn.
    const auto each = [lines](qint64 from, int step, qint64 low, qint64 high, auto&& draw) {
        qint64 first = step > 0 ? low - from : from - high;
        qint64 last = step > 0 ? high - from : from - low;
        first = qMax(first, qint64(0));
        last = qMin(last, lines - 1);
        for (qint64 i = first; i <= last; ++i)
            draw(int(from + step * i));
    };
    if (sides & PositionFlag::Top)
        each(y0, 1, seenTop, seenBottom, [&](int y) { painter->drawLine(x0, y, x1, y); });
    if (sides & PositionFlag::Bottom)
        each(y1, -1, seenTop, seenBottom, [&](int y) { painter->drawLine(x0, y, x1, y); });
    if (sides & PositionFlag::Left)
        each(x0, 1, seenLeft, seenRight, [&](int x) { painter->drawLine(x, y0, x, y1); });
    if (sides & PositionFlag::Right)
        each(x1, -1, seenLeft, seenRight, [&](int x) { painter->drawLine(x, y0, x, y1); });
}

void WDrawAPI::DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                          PositionFlag::Flags sides, int width)
{
    if (width == 0 || sides == PositionFlag::None || color.alpha() == 0)
        return;
    if (radius < 1) {
        if (width < 1)
            return;
        drawSquareBorder(painter, rect, color, sides, width);
        return;
    }
    if (width < 1)
        return;
    painter->setPen(
        QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const QRectF r = roundedRect(rect, width);
    if (r.isNull())
        return;
    const QPainterPath path = roundedPath(r, radius);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->drawPath(path);
    painter->setRenderHint(QPainter::Antialiasing, false);
}

// An image drawn for a dense screen (a device pixel ratio above 1) covers its size in the
// painter's pixels, which is its size in its own pixels over that ratio.
static QSize logicalSize(const QImage& image)
{
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1)
        return image.size();
    return QSize(qRound(image.width() / ratio), qRound(image.height() / ratio));
}

static void drawAt(QPainter* painter, const QPoint& at, const QImage& image)
{
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1 || ratio == WIconImage::Ratio(painter)) {
        painter->drawImage(at, image);
        return;
    }
    // Drawn for another density than the painter's (a 2x glyph on a 1.5x screen): filtered,
    // as nearest pixels would make its edges uneven.
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(at, image);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void WDrawAPI::DrawImage(QPainter* painter, const QRect& rect, const QImage& image)
{
    if (image.isNull())
        return;
    const QSize size = logicalSize(image);
    drawAt(painter, QPoint((rect.width() - size.width()) / 2, (rect.height() - size.height()) / 2),
           image);
}

void WDrawAPI::DrawImage(QPainter* painter, int x, int y, const QImage& image)
{
    if (image.isNull())
        return;
    drawAt(painter, QPoint(x, y), image);
}

QWidget* WDrawAPI::GetChildAt(QWidget* widget, QPoint& pos, bool skipHidden, bool skipDisabled)
{
    QWidget* current = widget;
    while (current) {
        QWidget* hit = nullptr;
        const QObjectList& kids = current->children();
        for (auto it = kids.crbegin(); it != kids.crend(); ++it) {
            if (!(*it)->isWidgetType())
                continue;
            auto* child = static_cast<QWidget*>(*it);
            if (skipHidden && child->testAttribute(Qt::WA_WState_Hidden))
                continue;
            if (skipDisabled && child->testAttribute(Qt::WA_Disabled))
                continue;
            if (child->geometry().contains(pos)) {
                hit = child;
                break;
            }
        }
        if (!hit)
            return current;
        pos -= hit->pos();
        current = hit;
    }
    return current;
}
