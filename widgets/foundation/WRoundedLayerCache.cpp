#include "WRoundedLayerCache_p.h"

#include "WDrawAPI.h"
#include "WImageCache_p.h"
#include "WRoundedLayerCachePatch_p.h"

#include <QImage>
#include <QMutex>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <iterator>

namespace {

// A whole 512 x 512 layer is 1 MiB; anything larger is drawn directly every time.
constexpr qint64 maxCachedPixels = 512 * 512;
// The cache's costs are in KiB: sixteen of the largest whole layers, or thousands of patches.
constexpr int limitKiB = 16 * 1024;

// A background, a border, or a face of both; and the coverage of a background's or a border's
// shape, shared by their patches of every colour.
enum class Kind { Back, Border, Face, BackShape, BorderShape };

// Everything that decides a layer's pixels. A patch serves every size: its key has no size.
struct LayerKey
{
    Kind kind = Kind::Back;
    QSize size;
    qreal dpr = 1;
    int radius = 0;
    int width = 0;
    int sides = 0;
    QColor color;  // the background's, or the border's
    QColor border; // a face's border, over its background

    friend bool operator==(const LayerKey& a, const LayerKey& b)
    {
        return a.kind == b.kind && a.size == b.size && a.dpr == b.dpr && a.radius == b.radius &&
               a.width == b.width && a.sides == b.sides && a.color == b.color &&
               a.border == b.border;
    }
    friend uint qHash(const LayerKey& k, uint seed)
    {
        uint h = seed;
        for (const uint part : {uint(k.kind), uint(k.size.width()), uint(k.size.height()),
                                uint(qHash(k.dpr)), uint(k.radius), uint(k.width), uint(k.sides),
                                uint(k.color.rgba()), uint(k.border.rgba())})
            h ^= part + 0x9e3779b9u + (h << 6) + (h >> 2);
        return h;
    }
};

// A whole layer drawn at one size, a patch for every size, or a shape's coverage for every
// colour. A look whose patch cannot be made is remembered as such, so that it is not tried
// again on every paint.
struct Layer
{
    QImage image;
    WRoundedLayerPatch patch;
    bool noPatch = false;
    WRoundedLayerPatch::Shape shape;

    bool isNull() const { return image.isNull() && patch.IsNull() && !noPatch && shape.isNull(); }
    qint64 sizeInBytes() const
    {
        return image.sizeInBytes() + patch.sizeInBytes() + shape.sizeInBytes();
    }
};

WImageCache<LayerKey, Layer>& shared()
{
    static WImageCache<LayerKey, Layer> layers(limitKiB);
    return layers;
}

// Whether a patch of this look was made lately and not kept. A patch is kept from the second
// time its look is painted: one painted once (a face in a colour of its own, say) is cheaper
// made again than kept, as keeping it means fresh memory, whose first touch costs more than
// making the patch. The looks seen are remembered by their hashes in a ring that never
// allocates; two looks sharing a hash only have one kept a paint early.
struct Seen
{
    uint hashes[256] = {};
    int next = 0;
    QMutex mutex;
};

Seen& seen()
{
    static Seen looks;
    return looks;
}

bool seenBefore(const LayerKey& key)
{
    Seen& looks = seen();
    const uint h = qHash(key, 0) | 1u; // 0 marks a free slot
    QMutexLocker lock(&looks.mutex);
    for (const uint s : looks.hashes)
        if (s == h)
            return true;
    looks.hashes[looks.next] = h;
    looks.next = (looks.next + 1) % int(std::size(looks.hashes));
    return false;
}

// The drawing a layer stands for: its background's or its border's shape.
WRoundedLayerPatch::Draw drawing(const LayerKey& k, bool back)
{
    if (back)
        return [k](QPainter* p, const QRect& r, const QColor& color) {
            WDrawAPI::DrawBackColor(p, r, k.radius, color, k.width);
        };
    return [k](QPainter* p, const QRect& r, const QColor& color) {
        WDrawAPI::DrawBorder(p, r, k.radius, color, PositionFlag::Flags(k.sides), k.width);
    };
}

// The layer's background's or border's part of a patch.
WRoundedLayerPatch::Layer patchLayer(const LayerKey& k, bool back, int band, int scale)
{
    LayerKey shape;
    shape.kind = back ? Kind::BackShape : Kind::BorderShape;
    shape.dpr = k.dpr;
    shape.radius = k.radius;
    shape.width = k.width;
    shape.sides = back ? 0 : k.sides;
    Layer coverage = shared().Find(shape);
    if (coverage.shape.isNull()) {
        coverage.shape = WRoundedLayerPatch::MakeShape(drawing(shape, back), band, scale);
        shared().Insert(shape, coverage);
    }
    const QColor& color = back || k.kind == Kind::Border ? k.color : k.border;
    return {coverage.shape, WRoundedLayerPatch::Premultiplied(color)};
}

// Paints the face from its patch, made now if the look has none yet; false when the look cannot
// have one.
bool drawPatched(QPainter* painter, const QRect& rect, const LayerKey& key, const QColor& ground,
                 int band, int scale)
{
    Layer layer = shared().Find(key);
    if (layer.isNull()) {
        QVector<WRoundedLayerPatch::Layer> layers;
        if (key.kind != Kind::Border)
            layers << patchLayer(key, true, band, scale);
        if (key.kind != Kind::Back)
            layers << patchLayer(key, false, band, scale);
        if (!seenBefore(key)) {
            // Painted once for now: its strip is borrowed, for this paint only.
            static QRgb scratch[64 * 1024];
            static QMutex scratchMutex;
            QMutexLocker lock(&scratchMutex);
            WRoundedLayerPatch::Strips strips;
            strips.rows = qMin(rect.height() * scale - 2 * band * scale, 1024);
            strips.scratch = scratch;
            strips.scratchPixels = qint64(std::size(scratch));
            const WRoundedLayerPatch once = WRoundedLayerPatch::Build(layers, scale, strips);
            if (!once.IsNull()) {
                once.Paint(painter, rect, ground);
                return true;
            }
        }
        WRoundedLayerPatch::Strips strips;
        strips.rows = 256; // a kilobyte a column; taller sides take a few blits
        layer.patch = WRoundedLayerPatch::Build(layers, scale, strips);
        layer.noPatch = layer.patch.IsNull();
        shared().Insert(key, layer);
    }
    if (layer.noPatch)
        return false;
    layer.patch.Paint(painter, rect, ground);
    return true;
}

// Copies the ground in under a whole face, as a window's background is.
void fillGround(QPainter* painter, const QRect& rect, const QColor& ground)
{
    if (!ground.isValid())
        return;
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(rect, ground);
    painter->setCompositionMode(mode);
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
    Seen& looks = seen();
    QMutexLocker lock(&looks.mutex);
    std::fill(std::begin(looks.hashes), std::end(looks.hashes), 0u);
}

bool WRoundedLayerCache::DrawCached(QPainter* painter, const QRect& rect, int kind, int radius,
                                    int width, int sides, const QColor& color, const QColor& border,
                                    const QColor& ground)
{
    LayerKey key;
    key.kind = Kind(kind);
    const QPaintDevice* device = painter->device();
    key.dpr = device ? device->devicePixelRatioF() : 1.0;
    key.radius = radius;
    key.width = width;
    key.sides = sides;
    key.color = color;
    key.border = border;
    if (rect.isEmpty())
        return false;

    // Where the face has straight stretches and lands on whole device pixels, its patch.
    const int scale = qRound(key.dpr);
    const int band = WRoundedLayerPatch::Band(radius, width);
    // A border one device pixel wide is stroked as lines whose ends overlap, blending twice
    // where they meet, over whatever is there: drawn anywhere else first, it would round
    // otherwise. It is cheap to draw directly anyway.
    if (key.kind != Kind::Back && key.dpr * width <= 1)
        return false;
    if (scale >= 1 && qFuzzyCompare(key.dpr, qreal(scale)) && rect.width() > 2 * band &&
        rect.height() > 2 * band && WRoundedLayerPatch::PaintsOneToOne(painter, scale) &&
        drawPatched(painter, rect, key, ground, band, scale))
        return true;

    // Otherwise the whole layer, drawn once at its size and blitted through whatever the
    // painter does. A face is two such layers, left to its callers.
    key.size = rect.size();
    const qint64 pixels = qint64(key.size.width()) * key.size.height() * key.dpr * key.dpr;
    if (key.kind == Kind::Face || pixels > maxCachedPixels)
        return false;
    fillGround(painter, rect, ground);
    Layer layer = shared().Find(key);
    if (layer.image.isNull()) {
        QImage& image = layer.image;
        image = QImage(key.size * key.dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(key.dpr);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            drawing(key, key.kind == Kind::Back)(&p, QRect(QPoint(0, 0), key.size), color);
        }
        shared().Insert(key, layer);
    }
    painter->drawImage(rect.topLeft(), layer.image);
    return true;
}

static bool fills(int radius, const QColor& color)
{
    return radius >= 1 && color.alpha() > 0;
}

static bool strokes(int radius, const QColor& color, PositionFlag::Flags sides, int width)
{
    return radius >= 1 && width >= 1 && sides != PositionFlag::None && color.alpha() != 0;
}

// Callers may rely on the border's pen being left on the painter.
static void leaveBorderPen(QPainter* painter, const QColor& color, int width)
{
    painter->setPen(
        QPen(QBrush(color, Qt::SolidPattern), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
}

void WRoundedLayerCache::DrawBackColor(QPainter* painter, const QRect& rect, int radius,
                                       const QColor& color, int borderWidth)
{
    if (fills(radius, color) && DrawCached(painter, rect, int(Kind::Back), radius, borderWidth, 0,
                                           color, QColor(), QColor()))
        return;
    WDrawAPI::DrawBackColor(painter, rect, radius, color, borderWidth);
}

void WRoundedLayerCache::DrawBorder(QPainter* painter, const QRect& rect, int radius,
                                    const QColor& color, PositionFlag::Flags sides, int width)
{
    if (strokes(radius, color, sides, width) &&
        DrawCached(painter, rect, int(Kind::Border), radius, width, int(sides), color, QColor(),
                   QColor())) {
        leaveBorderPen(painter, color, width);
        return;
    }
    WDrawAPI::DrawBorder(painter, rect, radius, color, sides, width);
}

void WRoundedLayerCache::DrawFace(QPainter* painter, const QRect& rect, int radius,
                                  const QColor& back, const QColor& border,
                                  PositionFlag::Flags sides, int borderWidth, const QColor& ground)
{
    if (fills(radius, back) && strokes(radius, border, sides, borderWidth) &&
        DrawCached(painter, rect, int(Kind::Face), radius, borderWidth, int(sides), back, border,
                   ground)) {
        leaveBorderPen(painter, border, borderWidth);
        return;
    }
    fillGround(painter, rect, ground);
    DrawBackColor(painter, rect, radius, back, borderWidth);
    DrawBorder(painter, rect, radius, border, sides, borderWidth);
}
