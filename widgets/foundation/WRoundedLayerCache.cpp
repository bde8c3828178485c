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
        for (const uint part :
             {uint(k.border), uint(k.size.width()), uint(k.size.height()), uint(qHash(k.dpr)),
              uint(k.radius), uint(k.width), uint(k.sides), uint(k.color.rgba())})
            h ^= part + 0x9e3779b9u + (h << 6) + (h >> 2);
        return h;
    }
};

// A drawn layer, and what its middle holds: the part more than `band` pixels from every edge,
// where a rounded face is a plain fill (or, for a border, nothing).
struct Layer
{
    QImage image;
    int band = 0; // in pixels; 0: the layer has no such middle, it is drawn whole
    bool uniformMiddle = false;
    QRgb middle = 0; // premultiplied, when uniform

    qint64 sizeInBytes() const { return image.sizeInBytes(); }
};

WImageCache<LayerKey, Layer>& shared()
{
    static WImageCache<LayerKey, Layer> layers(limitKiB);
    return layers;
}

// Whether every pixel of the image's middle (band device pixels in from each edge) is one value.
bool uniformMiddle(const QImage& image, int band, QRgb* value)
{
    const int right = image.width() - band, bottom = image.height() - band;
    const QRgb first = reinterpret_cast<const QRgb*>(image.constScanLine(band))[band];
    for (int y = band; y < bottom; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = band; x < right; ++x)
            if (line[x] != first)
                return false;
    }
    *value = first;
    return true;
}

// Blending a whole panel-sized layer costs far more than the Qt frame it stands in for: only the
// rim of a rounded face holds anti-aliased pixels. Where the painter draws 1:1 (a whole-pixel
// translation, a whole device pixel ratio, plain source-over), the rim is blitted and a middle
// that is one opaque colour is filled, one that is clear is skipped: the same pixels, cheaper.
bool drawRimAndMiddle(QPainter* painter, const QPoint& at, const Layer& layer, qreal dpr)
{
    if (layer.band == 0 || !layer.uniformMiddle)
        return false;
    const int alpha = qAlpha(layer.middle);
    if (alpha != 0 && alpha != 255)
        return false;
    const QTransform& t = painter->transform();
    if (t.type() > QTransform::TxTranslate || t.dx() != qRound(t.dx()) ||
        t.dy() != qRound(t.dy()) || painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const int scale = int(dpr);
    const int b = layer.band; // device pixels, a multiple of scale
    const int w = layer.image.width(), h = layer.image.height();
    const auto blit = [&](int x, int y, int cw, int ch) {
        painter->drawImage(QPointF(at.x() + x / dpr, at.y() + y / dpr), layer.image,
                           QRectF(x, y, cw, ch));
    };
    blit(0, 0, w, b);
    blit(0, h - b, w, b);
    blit(0, b, b, h - 2 * b);
    blit(w - b, b, b, h - 2 * b);
    if (alpha == 255)
        painter->fillRect(
            QRect(at.x() + b / scale, at.y() + b / scale, (w - 2 * b) / scale, (h - 2 * b) / scale),
            QColor::fromRgb(layer.middle));
    return true;
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

    Layer layer = shared().Find(key);
    if (layer.image.isNull()) {
        QImage& image = layer.image;
        image = QImage(key.size * key.dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(key.dpr);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            const QRect local(QPoint(0, 0), key.size);
            if (border)
                WDrawAPI::DrawBorder(&p, local, radius, color, PositionFlag::Flags(sides), width);
            else
                WDrawAPI::DrawBackColor(&p, local, radius, color, width);
        }
        // The middle starts a little beyond the corners' curve and the border's width, so that
        // what the anti-aliasing touches stays in the rim. Only for whole ratios, where the rim
        // has whole device pixels on both sides.
        const int scale = qRound(key.dpr);
        if (qFuzzyCompare(key.dpr, qreal(scale)) && scale >= 1) {
            const qint64 band = (qint64(radius) + qMax(width, 0) + 2) * scale;
            if (2 * band < image.width() && 2 * band < image.height()) {
                layer.band = int(band);
                layer.uniformMiddle = uniformMiddle(image, layer.band, &layer.middle);
            }
        }
        shared().Insert(key, layer);
    }
    if (!drawRimAndMiddle(painter, rect.topLeft(), layer, key.dpr))
        painter->drawImage(rect.topLeft(), layer.image);
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
