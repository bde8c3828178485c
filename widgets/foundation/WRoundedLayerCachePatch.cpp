#include "WRoundedLayerCachePatch_p.h"

#include <QPainter>
#include <QRgba64>
#include <QVarLengthArray>

#include <array>
#include <cstring>

namespace {

// Past this (in device pixels) the patch would cost more than the whole faces it stands in for.
constexpr int maxSide = 1024;

QRgb pixelAt(const QImage& image, int x, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

// A painter's product of a premultiplied pixel and an alpha, channel by channel (x * a / 255,
// rounded its way).
QRgb byteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    uint u = ((x >> 8) & 0xff00ffu) * a;
    u = (u + ((u >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return t | u;
}

// A painter fills an anti-aliased shape by blending its colour, scaled by each pixel's
// coverage, over what is there: on a clear pixel that leaves the scaled colour.
QRgb covered(QRgb color, uint coverage)
{
    return coverage == 255 ? color : coverage == 0 ? 0 : byteMul(color, coverage);
}

// What blending `over` onto `under` leaves, as a painter blends.
QRgb blended(QRgb over, QRgb under)
{
    const uint alpha = qAlpha(over);
    return alpha == 255 ? over : alpha == 0 ? under : over + byteMul(under, 255 - alpha);
}

// Blending b over a over what lies beneath gives what blending their union does, when at every
// pixel one of them is clear or opaque.
bool mergeable(QRgb a, QRgb b)
{
    return a == 0 || b == 0 || qAlpha(a) == 255 || qAlpha(b) == 255;
}

// The colour whose fill leaves the premultiplied pixel p on a clear pixel, and so blends like a
// blit of p anywhere (the same source-over of the same premultiplied value). Invalid when no
// colour does: one with 16-bit channels gets back every value a painter produces, and the
// fill is tried to be sure.
QColor fillFor(QRgb p)
{
    const int a = qAlpha(p);
    if (a == 255)
        return QColor::fromRgb(p);
    const auto channel = [a](int c) { return quint16(qMin(65535, (c * 65535 + a / 2) / a)); };
    const QColor color = QColor::fromRgba64(QRgba64::fromRgba64(
        channel(qRed(p)), channel(qGreen(p)), channel(qBlue(p)), quint16(a * 257)));
    return WRoundedLayerPatch::Premultiplied(color) == p ? color : QColor();
}

// The corners of a shape in a colour: the colour where covered, clear where not, and scaled
// only where partly covered, which is along the curves alone.
QImage colouredCorners(const WRoundedLayerPatch::Shape& shape, QRgb color)
{
    const int side = 2 * shape.band;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QRgb* to = reinterpret_cast<QRgb*>(image.bits()); // packed: lines of whole pixels
    const uchar* cover = reinterpret_cast<const uchar*>(shape.corners.constData());
    for (int i = 0; i < side * side; ++i)
        to[i] = cover[i] == 255 ? color : 0;
    for (const int i : shape.partly)
        to[i] = byteMul(color, cover[i]);
    return image;
}

} // namespace

int WRoundedLayerPatch::Band(int radius, int width)
{
    return int(qMin<qint64>(maxSide, qint64(qMax(radius, 0)) + qMax(width, 0) + 2));
}

WRoundedLayerPatch::Shape WRoundedLayerPatch::MakeShape(const Draw& draw, int band, int scale)
{
    Shape shape;
    const qint64 side = (2 * qint64(band) + 1) * scale;
    if (scale < 1 || side > maxSide)
        return shape;
    const int s = int(side), b = band * scale;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(scale);
    {
        QPainter painter(&image);
        draw(&painter, QRect(0, 0, s / scale, s / scale), Qt::white);
    }
    // The straight stretch is the patch's middle rows and columns (from b on); the corners are
    // the rest, closed up.
    shape.band = b;
    shape.corners.resize(4 * b * b);
    for (int y = 0; y < 2 * b; ++y) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(image.constScanLine(y < b ? y : y + s - 2 * b));
        for (int x = 0; x < 2 * b; ++x) {
            const int a = qAlpha(from[x < b ? x : x + s - 2 * b]);
            shape.corners[2 * b * y + x] = char(a);
            if (a != 0 && a != 255)
                shape.partly << 2 * b * y + x;
        }
    }
    for (QByteArray& edge : shape.edges)
        edge.resize(b);
    for (int i = 0; i < b; ++i) {
        shape.edges[0][i] = char(qAlpha(pixelAt(image, b, i)));
        shape.edges[1][i] = char(qAlpha(pixelAt(image, b, s - 1 - i)));
        shape.edges[2][i] = char(qAlpha(pixelAt(image, i, b)));
        shape.edges[3][i] = char(qAlpha(pixelAt(image, s - 1 - i, b)));
    }
    shape.middle = uchar(qAlpha(pixelAt(image, b, b)));
    return shape;
}

QRgb WRoundedLayerPatch::Premultiplied(const QColor& color)
{
    if (color.alpha() == 255)
        return color.rgba();
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    {
        QPainter painter(&probe);
        painter.fillRect(QRect(0, 0, 1, 1), color);
    }
    return pixelAt(probe, 0, 0);
}

qint64 WRoundedLayerPatch::sizeInBytes() const
{
    qint64 bytes = qint64(pieces.size()) * qint64(sizeof(Piece));
    for (const QImage& image : images)
        bytes += image.sizeInBytes();
    return bytes;
}

WRoundedLayerPatch WRoundedLayerPatch::Build(const QVector<Layer>& layers, int scale,
                                             const Strips& strips)
{
    WRoundedLayerPatch patch;
    patch.strips = strips;
    if (layers.isEmpty() || layers.size() > 2)
        return patch;
    const int b = layers[0].shape.band, n = layers.size();
    for (const Layer& layer : layers)
        if (layer.shape.isNull() || layer.shape.band != b)
            return patch;
    patch.scale = scale;
    patch.band = b;
    patch.pieces.reserve(24);

    // The straight stretch, layer by layer and as their union.
    QVarLengthArray<QRgb, 64> straight[3][4];
    QRgb middle[3];
    bool straightMerge = true;
    for (int k = 0; k < n; ++k) {
        for (int e = 0; e < 4; ++e) {
            straight[k][e].resize(b);
            for (int i = 0; i < b; ++i)
                straight[k][e][i] = covered(layers[k].color, uchar(layers[k].shape.edges[e][i]));
        }
        middle[k] = covered(layers[k].color, layers[k].shape.middle);
    }
    for (int e = 0; e < 4; ++e) {
        straight[2][e].resize(b);
        for (int i = 0; i < b; ++i) {
            const QRgb under = straight[0][e][i], over = n == 2 ? straight[1][e][i] : 0;
            straight[2][e][i] = blended(over, under);
            straightMerge = straightMerge && mergeable(under, over);
        }
    }
    middle[2] = blended(n == 2 ? middle[1] : 0, middle[0]);
    straightMerge = straightMerge && (n == 1 || mergeable(middle[0], middle[1]));

    // The corners, likewise.
    QImage corners[2];
    for (int k = 0; k < n; ++k)
        corners[k] = colouredCorners(layers[k].shape, layers[k].color);
    bool cornersMerge = true;
    if (n == 2) {
        const QRgb* under = reinterpret_cast<const QRgb*>(corners[0].constBits());
        const QRgb* over = reinterpret_cast<const QRgb*>(corners[1].constBits());
        const auto check = [&](int i) {
            cornersMerge = cornersMerge && mergeable(under[i], over[i]);
        };
        // An opaque top layer is clear or opaque but where its shape is partly covered.
        if (qAlpha(layers[1].color) == 255) {
            for (const int i : layers[1].shape.partly)
                check(i);
        } else {
            for (int i = 0; i < 4 * b * b; ++i)
                check(i);
        }
    }
    QImage whole = corners[0];
    if (n == 2 && cornersMerge) {
        whole = QImage(corners[0].size(), QImage::Format_ARGB32_Premultiplied);
        const QRgb* under = reinterpret_cast<const QRgb*>(corners[0].constBits());
        const QRgb* over = reinterpret_cast<const QRgb*>(corners[1].constBits());
        QRgb* to = reinterpret_cast<QRgb*>(whole.bits());
        for (int i = 0; i < 4 * b * b; ++i)
            to[i] = blended(over[i], under[i]);
    }

    // Where what lies beneath shows through: the corners (a rounded face leaves at least its
    // very corners uncovered), and the edges and middle by the union of the layers.
    const auto opaque = [](const QRgb* p, int count) {
        for (int i = 0; i < count; ++i)
            if (qAlpha(p[i]) != 255)
                return false;
        return true;
    };
    patch.ground = 1u << 0 | 1u << 2 | 1u << 6 | 1u << 8;
    const int edgeParts[4] = {1, 7, 3, 5}; // top, bottom, left, right among the nine
    for (int e = 0; e < 4; ++e)
        if (!opaque(straight[2][e].constData(), b))
            patch.ground |= 1u << edgeParts[e];
    if (qAlpha(middle[2]) != 255)
        patch.ground |= 1u << 4;

    if (cornersMerge) {
        patch.images << whole;
        patch.AddCorners(0);
    } else {
        patch.images << corners[0] << corners[1];
        patch.AddCorners(0);
        patch.AddCorners(1);
    }
    const auto edges = [&](int k) {
        static_assert(sizeof(straight[0]) / sizeof(straight[0][0]) == 4, "four edges");
        return std::array<const QRgb*, 4>{straight[k][0].constData(), straight[k][1].constData(),
                                          straight[k][2].constData(), straight[k][3].constData()};
    };
    bool ok = true;
    if (straightMerge || n == 1) {
        ok = patch.AddStraight(edges(2).data(), middle[2]);
    } else {
        patch.strips.rows = 0; // two layers' rims blend in turn
        ok = patch.AddStraight(edges(0).data(), middle[0]) &&
             patch.AddStraight(edges(1).data(), middle[1]);
    }
    patch.pieces.squeeze();
    return ok ? patch : WRoundedLayerPatch();
}

void WRoundedLayerPatch::AddCorners(int image)
{
    const int b = band;
    for (const bool right : {false, true})
        for (const bool bottom : {false, true}) {
            Piece corner;
            corner.image = qint16(image);
            corner.sourceX = qint16(right ? b : 0);
            corner.sourceY = qint16(bottom ? b : 0);
            corner.x0 = Edge{qint16(right ? b : 0), right};
            corner.x1 = Edge{qint16(right ? 0 : b), right};
            corner.y0 = Edge{qint16(bottom ? b : 0), bottom};
            corner.y1 = Edge{qint16(bottom ? 0 : b), bottom};
            pieces << corner;
        }
}

bool WRoundedLayerPatch::AddStraight(const QRgb* const edges[4], QRgb middle)
{
    const int b = band;
    const auto near = [](int offset) { return Edge{qint16(offset), false}; };
    const auto far = [](int offset) { return Edge{qint16(offset), true}; };
    bool fillable = true;
    const auto fill = [&](QRgb p, Edge x0, Edge x1, Edge y0, Edge y1) {
        if (p == 0)
            return; // a clear fill changes nothing
        Piece piece;
        piece.x0 = x0;
        piece.x1 = x1;
        piece.y0 = y0;
        piece.y1 = y1;
        piece.color = fillFor(p);
        fillable = fillable && piece.color.isValid();
        pieces << piece;
    };
    // Each edge's rows (or columns) that hold the middle's colour join the middle's fill.
    int depth[4];
    for (int e = 0; e < 4; ++e) {
        depth[e] = b;
        while (depth[e] > 0 && edges[e][depth[e] - 1] == middle)
            --depth[e];
    }
    // The sides' rims are columns as tall as the face: filled one by one, each row of each
    // column costs a call, so a patch that is kept has them blitted together from a tall
    // strip instead (where there is one layer to paint).
    const int count = depth[2] + depth[3];
    const bool strip = strips.rows > 0 && count > 0 &&
                       (!strips.scratch || qint64(count) * strips.rows <= strips.scratchPixels);
    if (strip) {
        QVarLengthArray<QRgb, 64> row(count);
        bool opaque = true;
        for (int i = 0; i < count; ++i) {
            row[i] = i < depth[2] ? edges[2][i] : edges[3][count - 1 - i];
            opaque = opaque && qAlpha(row[i]) == 255;
        }
        // An opaque strip is copied rather than blended, with the same pixels.
        const QImage::Format format =
            opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
        QImage image = strips.scratch ? QImage(reinterpret_cast<uchar*>(strips.scratch), count,
                                               strips.rows, count * int(sizeof(QRgb)), format)
                                      : QImage(count, strips.rows, format);
        uchar* bits = image.bits();
        // Every row alike, and the lines packed: the first row, then twice as many at a time.
        const size_t line = size_t(image.bytesPerLine());
        memcpy(bits, row.constData(), size_t(count) * sizeof(QRgb));
        for (size_t done = 1; done < size_t(strips.rows);) {
            const size_t more = qMin(done, size_t(strips.rows) - done);
            memcpy(bits + done * line, bits, more * line);
            done += more;
        }
        images << image;
        for (const bool right : {false, true}) {
            if (depth[right ? 3 : 2] == 0)
                continue;
            Piece piece;
            piece.image = qint16(images.size() - 1);
            piece.sourceX = qint16(right ? depth[2] : 0);
            piece.x0 = right ? far(depth[3]) : near(0);
            piece.x1 = right ? far(0) : near(depth[2]);
            piece.y0 = near(b);
            piece.y1 = far(b);
            pieces << piece;
        }
    }
    // The rest of each edge as runs of one colour, from its outside in.
    for (int e = 0; e < (strip ? 2 : 4); ++e) {
        for (int i = 0; i < depth[e];) {
            int j = i + 1;
            while (j < depth[e] && edges[e][j] == edges[e][i])
                ++j;
            const QRgb p = edges[e][i];
            if (e == 0)
                fill(p, near(b), far(b), near(i), near(j));
            else if (e == 1)
                fill(p, near(b), far(b), far(j), far(i));
            else if (e == 2)
                fill(p, near(i), near(j), near(b), far(b));
            else
                fill(p, far(j), far(i), near(b), far(b));
            i = j;
        }
    }
    // The middle: the full width between the sides' rims, and what the top and bottom rims
    // leave between the corners.
    fill(middle, near(depth[2]), far(depth[3]), near(b), far(b));
    if (depth[0] < b)
        fill(middle, near(b), far(b), near(depth[0]), near(b));
    if (depth[1] < b)
        fill(middle, near(b), far(b), far(b), far(depth[1]));
    return fillable;
}

bool WRoundedLayerPatch::PaintsOneToOne(const QPainter* painter, int scale)
{
    if (painter->opacity() != 1.0 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform t = painter->combinedTransform();
    if (t.type() > QTransform::TxTranslate)
        return false;
    const qreal dx = t.dx() * scale, dy = t.dy() * scale;
    return dx == qRound(dx) && dy == qRound(dy);
}

void WRoundedLayerPatch::Paint(QPainter* painter, const QRect& rect, const QColor& ground) const
{
    const int x = rect.x() * scale, y = rect.y() * scale;
    const int w = rect.width() * scale, h = rect.height() * scale;
    // Device pixels as the painter's units, so that every piece lands on whole pixels.
    const QTransform world = painter->worldTransform();
    if (scale != 1)
        painter->setWorldTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale) * world);
    if (ground.isValid() && this->ground) {
        // Copied in, as a window's background is, wherever the face lets it show.
        const int xs[4] = {x, x + band, x + w - band, x + w};
        const int ys[4] = {y, y + band, y + h - band, y + h};
        painter->setCompositionMode(QPainter::CompositionMode_Source);
        for (int part = 0; part < 9; ++part)
            if (this->ground & (1u << part)) {
                const int r = part / 3, c = part % 3;
                painter->fillRect(QRect(xs[c], ys[r], xs[c + 1] - xs[c], ys[r + 1] - ys[r]),
                                  ground);
            }
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    for (const Piece& piece : pieces) {
        const int left = x + piece.x0.At(w), top = y + piece.y0.At(h);
        const QRect area(left, top, x + piece.x1.At(w) - left, y + piece.y1.At(h) - top);
        if (piece.image < 0) {
            painter->fillRect(area, piece.color);
            continue;
        }
        // A side's strip is shorter than a tall face's side: laid down as often as needed.
        const QImage& image = images.at(piece.image);
        for (int done = 0; done < area.height(); done += image.height()) {
            const int rows = qMin(image.height(), area.height() - done);
            painter->drawImage(QPoint(area.left(), area.top() + done), image,
                               QRect(piece.sourceX, piece.sourceY, area.width(), rows));
        }
    }
    if (scale != 1)
        painter->setWorldTransform(world);
}
