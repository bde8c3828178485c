#include "SudokuPatch.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <climits>
#include <cmath>

namespace {
// Indices into the piece array, in composing order.
namespace Piece {
enum { TopLeft, Top, TopRight, Left, Center, Right, BottomLeft, Bottom, BottomRight, Count };
}

// 8192 x 8192: more than any screen. A widget may be sized far beyond that, but an image that
// large is never wanted, and asking for one only fails the allocation (or the process, under a
// sanitizer).
constexpr qint64 maxPixels = qint64(1) << 26;

// Whether drawing the pieces one by one at whole pixels onto this painter gives exactly the
// pixels that drawing one composed image would. It does when the pieces neither overlap nor
// leave the image (checked by the caller), the raster engine blends source-over at whole-pixel
// offsets, each source pixel lands on one device pixel (the painter scales by the pieces'
// whole ratio), and the target keeps untouched pixels bit for bit: a non-premultiplied image
// would round-trip every pixel under a transparent one through premultiplication and could
// change it.
bool blitsPiecesExactly(QPainter* painter, qreal ratio)
{
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    if (painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform t = painter->deviceTransform();
    if (t.dx() != qRound(t.dx()) || t.dy() != qRound(t.dy()))
        return false;
    if (ratio == 1 ? t.type() > QTransform::TxTranslate
                   : t.type() > QTransform::TxScale || t.m11() != ratio || t.m22() != ratio)
        return false;
    const QPaintDevice* device = painter->device();
    if (device && device->devType() == QInternal::Image) {
        switch (static_cast<const QImage*>(device)->format()) {
        case QImage::Format_ARGB32_Premultiplied:
        case QImage::Format_RGB32:
        case QImage::Format_RGBA8888_Premultiplied:
        case QImage::Format_RGBX8888:
            break;
        default:
            return false;
        }
    }
    return true;
}
} // namespace

// Everything below is in the source's own pixels. A source drawn for a dense screen (device
// pixel ratio 2, say) is cut and stretched at its full resolution, its margins and the wanted
// size counted in the larger pixels the painter works in; its corners then keep every device
// pixel, and the painter draws the result at the size asked for.
struct SudokuPatchPrivate
{
    // The margins as given, and in source pixels.
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    qreal ratio = 1;
    int deviceTop = 0;
    int deviceBottom = 0;
    int deviceLeft = 0;
    int deviceRight = 0;
    QPixmap pieces[Piece::Count];

    // The last Resize as asked, and in source pixels ((0, 0) when nothing can be drawn); and
    // whether it left the centre out.
    QSize logicalSize{0, 0};
    QSize size{0, 0};
    bool skipCenter = false;
    // The stretched pieces for that size, each kept while its own length stays the same: a
    // window dragged sideways rescales only the top and bottom edges. Corners need no copy.
    QPixmap stretched[Piece::Count];
    int stretchedWidth = -1;  // of Top and Bottom
    int stretchedHeight = -1; // of Left and Right
    QSize stretchedCenter;
    // The whole image in one pixmap. Built only for sizes at which the pieces overlap and for
    // painters onto which the pieces cannot simply be blitted one by one.
    QPixmap composed;

    int MiddleWidth() const { return size.width() - deviceLeft - deviceRight; }
    int MiddleHeight() const { return size.height() - deviceTop - deviceBottom; }

    void Stretch(int piece, int w, int h)
    {
        stretched[piece] =
            pieces[piece].isNull() || w <= 0 || h <= 0
                ? QPixmap()
                : pieces[piece].scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (ratio != 1 && !stretched[piece].isNull())
            stretched[piece].setDevicePixelRatio(ratio);
    }

    // Draws every piece at its place onto p, in composing order.
    void DrawPieces(QPainter& p) const
    {
        const int top = deviceTop, left = deviceLeft;
        const int mw = MiddleWidth(), mh = MiddleHeight();
        const auto draw = [&](const QPixmap& pixmap, int x, int y) {
            if (pixmap.isNull())
                return;
            if (ratio == 1)
                p.drawPixmap(x, y, pixmap);
            else
                p.drawPixmap(QPointF(x / ratio, y / ratio), pixmap);
        };
        const auto put = [&](int piece, int x, int y) { draw(pieces[piece], x, y); };
        const auto putStretched = [&](int piece, int x, int y) { draw(stretched[piece], x, y); };
        put(Piece::TopLeft, 0, 0);
        putStretched(Piece::Top, left, 0);
        put(Piece::TopRight, left + mw, 0);
        putStretched(Piece::Left, 0, top);
        if (!skipCenter)
            putStretched(Piece::Center, left, top);
        putStretched(Piece::Right, left + mw, top);
        put(Piece::BottomLeft, 0, top + mh);
        putStretched(Piece::Bottom, left, top + mh);
        put(Piece::BottomRight, left + mw, top + mh);
    }

    void Compose()
    {
        composed = QPixmap(size);
        if (composed.isNull())
            return; // too large to allocate: nothing is drawn
        composed.setDevicePixelRatio(ratio);
        composed.fill(Qt::transparent);
        QPainter p(&composed);
        DrawPieces(p);
    }

    // A length as given, in source pixels; wide, as the caller's numbers may be absurd.
    qint64 Device(qint64 length) const
    {
        if (ratio == 1)
            return length;
        constexpr double limit = 1e18;
        return qint64(std::llround(qBound(-limit, double(length) * ratio, limit)));
    }
};

SudokuPatch::SudokuPatch(const QPixmap& source, int top, int bottom, int left, int right)
    : d(std::make_unique<SudokuPatchPrivate>())
{
    const qreal ratio = source.devicePixelRatio();
    if (std::isfinite(ratio) && ratio > 0)
        d->ratio = ratio;
    // Taken wide: margins are the caller's numbers, and any of them may be absurd.
    if (top < 0 || bottom < 0 || left < 0 || right < 0 ||
        d->Device(left) + d->Device(right) > source.width() ||
        d->Device(top) + d->Device(bottom) > source.height())
        return;
    d->top = top;
    d->bottom = bottom;
    d->left = left;
    d->right = right;
    top = d->deviceTop = int(d->Device(top));
    bottom = d->deviceBottom = int(d->Device(bottom));
    left = d->deviceLeft = int(d->Device(left));
    right = d->deviceRight = int(d->Device(right));
    const int cw = source.width() - left - right;
    const int ch = source.height() - top - bottom;

    const auto cut = [&](int piece, int x, int y, int w, int h) {
        if (w <= 0 || h <= 0)
            return;
        d->pieces[piece] = source.copy(x, y, w, h);
        d->pieces[piece].setDevicePixelRatio(d->ratio);
    };
    cut(Piece::TopLeft, 0, 0, left, top);
    cut(Piece::Top, left, 0, cw, top);
    cut(Piece::TopRight, left + cw, 0, right, top);
    cut(Piece::Left, 0, top, left, ch);
    cut(Piece::Center, left, top, cw, ch);
    cut(Piece::Right, left + cw, top, right, ch);
    cut(Piece::BottomLeft, 0, top + ch, left, bottom);
    cut(Piece::Bottom, left, top + ch, cw, bottom);
    cut(Piece::BottomRight, left + cw, top + ch, right, bottom);
}

SudokuPatch::~SudokuPatch() = default;

void SudokuPatch::Resize(const QSize& size)
{
    d->composed = QPixmap();
    // An empty size, or one no screen has, gives a null image, as a failed allocation would.
    const qint64 w = size.isEmpty() ? 0 : d->Device(size.width());
    const qint64 h = size.isEmpty() ? 0 : d->Device(size.height());
    if (w <= 0 || h <= 0 || w > maxPixels || h > maxPixels || w * h > maxPixels) {
        d->size = d->logicalSize = QSize(0, 0);
        return;
    }
    d->logicalSize = size;
    d->size = QSize(int(w), int(h));
    d->skipCenter = skipCenter;
    const int mw = d->MiddleWidth(), mh = d->MiddleHeight();
    if (mw != d->stretchedWidth) {
        d->Stretch(Piece::Top, mw, d->deviceTop);
        d->Stretch(Piece::Bottom, mw, d->deviceBottom);
        d->stretchedWidth = mw;
    }
    if (mh != d->stretchedHeight) {
        d->Stretch(Piece::Left, d->deviceLeft, mh);
        d->Stretch(Piece::Right, d->deviceRight, mh);
        d->stretchedHeight = mh;
    }
    if (skipCenter) {
        d->stretched[Piece::Center] = QPixmap();
        d->stretchedCenter = QSize();
    } else if (d->stretchedCenter != QSize(mw, mh)) {
        d->Stretch(Piece::Center, mw, mh);
        d->stretchedCenter = QSize(mw, mh);
    }
    // Smaller than its margins, the corners overlap each other and reach past the image: only
    // a composed image gets those pixels right.
    if (mw < 0 || mh < 0)
        d->Compose();
}

void SudokuPatch::Paint(QPainter* painter)
{
    if (!painter || d->size.isEmpty())
        return;
    // Pieces of a fractional ratio would start between device pixels.
    const bool tiles =
        d->MiddleWidth() >= 0 && d->MiddleHeight() >= 0 && d->ratio == std::floor(d->ratio);
    if (tiles && blitsPiecesExactly(painter, d->ratio)) {
        // The pieces tile the image without overlapping, so blitting them where they belong
        // gives the composed image's pixels, and a skipped centre costs nothing at all.
        d->DrawPieces(*painter);
        return;
    }
    if (d->composed.isNull())
        d->Compose();
    if (d->composed.isNull())
        return;
    if (d->ratio == 1) {
        painter->drawPixmap(0, 0, d->composed);
        return;
    }
    // Drawn for another density than the painter's (between two screens, or a 2x drawing on a
    // 1.5x screen): filtered, so that the soft edges stay soft.
    const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(QPointF(0, 0), d->composed);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QSize SudokuPatch::Size() const
{
    return d->logicalSize;
}

int SudokuPatch::Top() const
{
    return d->top;
}

int SudokuPatch::Bottom() const
{
    return d->bottom;
}

int SudokuPatch::Left() const
{
    return d->left;
}

int SudokuPatch::Right() const
{
    return d->right;
}
