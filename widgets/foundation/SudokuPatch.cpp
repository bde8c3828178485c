#include "SudokuPatch.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <climits>

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
// offsets, and the target keeps untouched pixels bit for bit: a non-premultiplied image would
// round-trip every pixel under a transparent one through premultiplication and could change it.
bool blitsPiecesExactly(QPainter* painter)
{
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    if (painter->compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    const QTransform t = painter->deviceTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != qRound(t.dx()) || t.dy() != qRound(t.dy()))
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

struct SudokuPatchPrivate
{
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    QPixmap pieces[Piece::Count];

    // The last Resize: its size ((0, 0) when nothing can be drawn) and whether it left the
    // centre out.
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

    int MiddleWidth() const { return size.width() - left - right; }
    int MiddleHeight() const { return size.height() - top - bottom; }

    void Stretch(int piece, int w, int h)
    {
        stretched[piece] =
            pieces[piece].isNull() || w <= 0 || h <= 0
                ? QPixmap()
                : pieces[piece].scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

    // Draws every piece at its place onto p, in composing order.
    void DrawPieces(QPainter& p) const
    {
        const int mw = MiddleWidth(), mh = MiddleHeight();
        const auto put = [&](int piece, int x, int y) {
            if (!pieces[piece].isNull())
                p.drawPixmap(x, y, pieces[piece]);
        };
        const auto putStretched = [&](int piece, int x, int y) {
            if (!stretched[piece].isNull())
                p.drawPixmap(x, y, stretched[piece]);
        };
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
        composed.fill(Qt::transparent);
        QPainter p(&composed);
        DrawPieces(p);
    }
};

SudokuPatch::SudokuPatch(const QPixmap& source, int top, int bottom, int left, int right)
    : d(std::make_unique<SudokuPatchPrivate>())
{
    // Taken wide: margins are the caller's numbers, and any of them may be absurd.
    if (top < 0 || bottom < 0 || left < 0 || right < 0 || qint64(left) + right > source.width() ||
        qint64(top) + bottom > source.height())
        return;
    const int cw = source.width() - left - right;
    const int ch = source.height() - top - bottom;
    d->top = top;
    d->bottom = bottom;
    d->left = left;
    d->right = right;

    const auto cut = [&](int piece, int x, int y, int w, int h) {
        if (w > 0 && h > 0)
            d->pieces[piece] = source.copy(x, y, w, h);
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
    if (size.isEmpty() || qint64(size.width()) * size.height() > maxPixels) {
        d->size = QSize(0, 0);
        return;
    }
    d->size = size;
    d->skipCenter = skipCenter;
    const int mw = d->MiddleWidth(), mh = d->MiddleHeight();
    if (mw != d->stretchedWidth) {
        d->Stretch(Piece::Top, mw, d->top);
        d->Stretch(Piece::Bottom, mw, d->bottom);
        d->stretchedWidth = mw;
    }
    if (mh != d->stretchedHeight) {
        d->Stretch(Piece::Left, d->left, mh);
        d->Stretch(Piece::Right, d->right, mh);
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
    const bool tiles = d->MiddleWidth() >= 0 && d->MiddleHeight() >= 0;
    if (tiles && blitsPiecesExactly(painter)) {
        // The pieces tile the image without overlapping, so blitting them where they belong
        // gives the composed image's pixels, and a skipped centre costs nothing at all.
        d->DrawPieces(*painter);
        return;
    }
    if (d->composed.isNull())
        d->Compose();
    if (!d->composed.isNull())
        painter->drawPixmap(0, 0, d->composed);
}

QSize SudokuPatch::Size() const
{
    return d->size;
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
