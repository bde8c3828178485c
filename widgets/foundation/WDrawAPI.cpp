#include "WDrawAPI.h"

#include "WIconImage_p.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

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

void WDrawAPI::DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                          PositionFlag::Flags sides, int width)
{
    if (width == 0 || sides == PositionFlag::None || color.alpha() == 0)
        return;
    if (radius < 1) {
        painter->setPen(QPen(color));
        if (width < 1)
            return;
        const int x0 = rect.left();
        const int y0 = rect.top();
        const int w = rect.width() - 1;
        const int h = rect.height() - 1;
        // Lines past the rectangle's own extent would land outside it: a huge width costs no
        // more than a full fill.
        const int lines = qMin(width, qMax(rect.width(), rect.height()));
        for (int i = 0; i < lines; ++i) {
            if (sides & PositionFlag::Top)
                painter->drawLine(x0, y0 + i, x0 + w, y0 + i);
            if (sides & PositionFlag::Bottom)
                painter->drawLine(x0, y0 + h - i, x0 + w, y0 + h - i);
            if (sides & PositionFlag::Left)
                painter->drawLine(x0 + i, y0, x0 + i, y0 + h);
            if (sides & PositionFlag::Right)
                painter->drawLine(x0 + w - i, y0, x0 + w - i, y0 + h);
        }
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
