#include "WRoundedLayerCache_p.h"

#include "WDrawAPI.h"

#include <QPaintDevice>
#include <QPainter>

namespace {
// A 512 x 512 layer is 1 MiB; anything larger is drawn directly every time.
constexpr qint64 maxCachedPixels = 512 * 512;
} // namespace

bool WRoundedLayerCache::Entry::Matches(const Entry& other) const
{
    return kind == other.kind && size == other.size && qFuzzyCompare(dpr, other.dpr) &&
           radius == other.radius && width == other.width && sides == other.sides &&
           color == other.color;
}

bool WRoundedLayerCache::DrawCached(QPainter* painter, const QRect& rect, Entry key)
{
    QPaintDevice* device = painter->device();
    key.dpr = device ? device->devicePixelRatioF() : 1.0;
    key.size = rect.size();
    const qint64 pixels = qint64(key.size.width()) * key.size.height() * key.dpr * key.dpr;
    if (key.size.isEmpty() || pixels > maxCachedPixels)
        return false;

    for (const Entry& e : entries) {
        if (e.Matches(key)) {
            painter->drawImage(rect.topLeft(), e.image);
            return true;
        }
    }

    key.image = QImage(key.size * key.dpr, QImage::Format_ARGB32_Premultiplied);
    key.image.setDevicePixelRatio(key.dpr);
    key.image.fill(Qt::transparent);
    {
        QPainter layer(&key.image);
        const QRect local(QPoint(0, 0), key.size);
        if (key.kind == Kind::Back)
            WDrawAPI::DrawBackColor(&layer, local, key.radius, key.color, key.width);
        else
            WDrawAPI::DrawBorder(&layer, local, key.radius, key.color,
                                 PositionFlag::Flags(key.sides), key.width);
    }
    painter->drawImage(rect.topLeft(), key.image);
    entries[nextEntry] = std::move(key);
    nextEntry = (nextEntry + 1) % entryCount;
    return true;
}

void WRoundedLayerCache::DrawBackColor(QPainter* painter, const QRect& rect, int radius,
                                       const QColor& color, int borderWidth)
{
    if (radius >= 1 && color.alpha() > 0) {
        Entry key;
        key.kind = Kind::Back;
        key.radius = radius;
        key.width = borderWidth;
        key.color = color;
        if (DrawCached(painter, rect, std::move(key)))
            return;
    }
    WDrawAPI::DrawBackColor(painter, rect, radius, color, borderWidth);
}

void WRoundedLayerCache::DrawBorder(QPainter* painter, const QRect& rect, int radius,
                                    const QColor& color, PositionFlag::Flags sides, int width)
{
    if (radius >= 1 && width >= 1 && sides != PositionFlag::None && color.alpha() != 0) {
        Entry key;
        key.kind = Kind::Border;
        key.radius = radius;
        key.width = width;
        key.sides = int(sides);
        key.color = color;
        if (DrawCached(painter, rect, std::move(key))) {
            // Callers may rely on the border's pen being left on the painter.
            painter->setPen(QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine,
                                 Qt::SquareCap, Qt::BevelJoin));
            return;
        }
    }
    WDrawAPI::DrawBorder(painter, rect, radius, color, sides, width);
}
