#include "WRoundedLayerCache_p.h"

#include "WDrawAPI.h"
#include "WImageCache_p.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace {

// A 512 x 512 layer is 1 MiB; anything larger is drawn directly every time.
constexpr qint64 maxCachedPixels = 512 * 512;
// The cache's costs are in KiB: sixteen of the largest layers, or hundreds of button faces.
constexpr int limitKiB = 16 * 1024;

// Everything that decides a layer's pixels.
struct LayerKey
{
    bool border = false;
    QSize size;
    qreal dpr = 1;
    int radius = 0;
    int width = 0;
    int sides = 0;
    QColor color;

    friend bool operator==(const LayerKey& a, const LayerKey& b)
    {
        return a.border == b.border && a.size == b.size && a.dpr == b.dpr && a.radius == b.radius &&
               a.width == b.width && a.sides == b.sides && a.color == b.color;
    }
    friend uint qHash(const LayerKey& k, uint seed)
    {
        uint h = seed;
        for (const uint part : {uint(k.border), uint(k.size.width()), uint(k.size.height()),
                                uint(qHash(k.dpr)), uint(k.radius), uint(k.width), uint(k.sides),
                                uint(k.color.rgba()), uint(k.color.spec())})
            h ^= part + 0x9e3779b9u + (h << 6) + (h >> 2);
        return h;
    }
};

WImageCache<LayerKey>& shared()
{
    static WImageCache<LayerKey> layers(limitKiB);
    return layers;
}

} // namespace

qint64 WRoundedLayerCache::CachedBytes()
{
    return shared().CachedBytes();
}

qint64 WRoundedLayerCache::LimitBytes()
{
    return shared().LimitBytes();
}

void WRoundedLayerCache::Clear()
{
    shared().Clear();
}

bool WRoundedLayerCache::DrawCached(QPainter* painter, const QRect& rect, bool border, int radius,
                                    int width, int sides, const QColor& color)
{
    LayerKey key;
    const QPaintDevice* device = painter->device();
    key.dpr = device ? device->devicePixelRatioF() : 1.0;
    key.size = rect.size();
    const qint64 pixels = qint64(key.size.width()) * key.size.height() * key.dpr * key.dpr;
    if (key.size.isEmpty() || pixels > maxCachedPixels)
        return false;
    key.border = border;
    key.radius = radius;
    key.width = width;
    key.sides = sides;
    key.color = color;

    QImage image = shared().Find(key);
    if (image.isNull()) {
        image = QImage(key.size * key.dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(key.dpr);
        image.fill(Qt::transparent);
        {
            QPainter layer(&image);
            const QRect local(QPoint(0, 0), key.size);
            if (border)
                WDrawAPI::DrawBorder(&layer, local, radius, color, PositionFlag::Flags(sides),
                                     width);
            else
                WDrawAPI::DrawBackColor(&layer, local, radius, color, width);
        }
        shared().Insert(key, image);
    }
    painter->drawImage(rect.topLeft(), image);
    return true;
}

void WRoundedLayerCache::DrawBackColor(QPainter* painter, const QRect& rect, int radius,
                                       const QColor& color, int borderWidth)
{
    if (radius >= 1 && color.alpha() > 0) {
        if (DrawCached(painter, rect, false, radius, borderWidth, 0, color))
            return;
    }
    WDrawAPI::DrawBackColor(painter, rect, radius, color, borderWidth);
}

void WRoundedLayerCache::DrawBorder(QPainter* painter, const QRect& rect, int radius,
                                    const QColor& color, PositionFlag::Flags sides, int width)
{
    if (radius >= 1 && width >= 1 && sides != PositionFlag::None && color.alpha() != 0) {
        if (DrawCached(painter, rect, true, radius, width, int(sides), color)) {
            // Callers may rely on the border's pen being left on the painter.
            painter->setPen(QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine,
                                 Qt::SquareCap, Qt::BevelJoin));
            return;
        }
    }
    WDrawAPI::DrawBorder(painter, rect, radius, color, sides, width);
}
