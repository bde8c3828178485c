#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QVector>

#include <functional>

class QPainter;
class QRect;

// A rounded face of any size, kept as a nine-patch: its four corners are blitted, and every
// row of a straight top or bottom edge, every column of a straight side and the middle hold one
// colour each, so they are filled as rectangles. Nothing in it depends on the size of the face,
// so one patch serves every widget of a look, and it costs a few KiB where a whole layer costs
// up to a megabyte.
//
// The pixels are those of drawing the face directly: the corners and straight stretches are
// the same path segments, rasterised at the same offsets from their own edges, and a fill
// lands on every pixel the blend a blit would.
class WRoundedLayerPatch
{
public:
    // Draws a shape in a colour over a rectangle.
    using Draw = std::function<void(QPainter*, const QRect&, const QColor&)>;

    // How far a face's corners and their anti-aliasing reach in from its edges, in logical
    // pixels: past that, every row and column is straight.
    static int Band(int radius, int width);

    // How much of each pixel a shape covers, the same for every colour it is drawn in: the
    // rasterising, by far the dearest part of drawing it, done once for all colours.
    struct Shape
    {
        QByteArray corners;  // the four corners, each band pixels square, side by side
        QVector<int> partly; // where corners are partly covered: the only pixels where a
                             // colour is scaled, the rest being clear or the colour itself
        QByteArray edges[4]; // top, bottom, left, right: the straight rows or columns,
                             // band of them each, from the outside in
        uchar middle = 0;    // inside the straight edges
        int band = 0;        // in device pixels

        bool isNull() const { return corners.isEmpty(); }
        qint64 sizeInBytes() const
        {
            return corners.size() + partly.size() * qint64(sizeof(int)) + 4 * band;
        }
    };
    // The shape drawn at the smallest size with a straight stretch between its corners, at a
    // whole device pixel ratio; null when that would be absurdly large.
    static Shape MakeShape(const Draw& draw, int band, int scale);
    // The premultiplied pixel a painter makes of color.
    static QRgb Premultiplied(const QColor& color);

    // A shape and the premultiplied colour it is drawn in.
    struct Layer
    {
        Shape shape;
        QRgb color = 0;
    };
    // Draws each layer in turn (a background, then a border over it) into a patch. Where one
    // layer or the other is clear or opaque at every pixel, the layers are kept as one;
    // elsewhere they stay apart and are painted in turn, as blending them together first would
    // round differently. Null when some straight colour cannot be filled exactly.
    //
    // The sides' rims are columns as tall as the face: filled one by one, each row of each column
    // costs a call, so they are blitted together from a strip of rows instead (where there is
    // one layer to paint), which a patch to be kept owns, and one painted once borrows from
    // scratch memory, the same for every such patch, for as long as it paints.
    struct Strips
    {
        int rows = 0; // 0: no strip, the rims are filled
        QRgb* scratch = nullptr;
        qint64 scratchPixels = 0;
    };
    static WRoundedLayerPatch Build(const QVector<Layer>& layers, int scale, const Strips& strips);

    bool IsNull() const { return pieces.isEmpty(); }
    qint64 sizeInBytes() const;

    // Whether the painter maps the patch's pixels one to one onto its device: a translation
    // by whole device pixels, full opacity and plain blending.
    static bool PaintsOneToOne(const QPainter* painter, int scale);
    // Paints the face over rect, which must be larger than twice the band each way, through a
    // painter that PaintsOneToOne. A valid ground is first copied into every part of rect that
    // the face does not cover opaquely (the rest it covers anyway).
    void Paint(QPainter* painter, const QRect& rect, const QColor& ground) const;

private:
    // A distance from a face's near edge, or from its far one (right or bottom). Small, as a
    // look's pieces are what a face painted once costs in fresh memory.
    struct Edge
    {
        qint16 offset = 0;
        bool fromFar = false;
        int At(int extent) const { return fromFar ? extent - offset : offset; }
    };
    struct Piece
    {
        Edge x0, x1, y0, y1;
        qint16 image = -1; // the image a blit comes from; -1: a fill with color
        qint16 sourceX = 0, sourceY = 0;
        QColor color;
    };

    void AddCorners(int image);
    bool AddStraight(const QRgb* const edges[4], QRgb middle);

    QVector<QImage> images; // corners, in device pixels, at a ratio of 1
    QVector<Piece> pieces;  // in painting order
    int scale = 1;
    int band = 0;    // in device pixels
    uint ground = 0; // the parts the face shows through: bit 3 * row + column of the nine
    Strips strips;
};
