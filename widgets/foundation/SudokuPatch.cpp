#include "SudokuPatch.h"

#include <QPainter>

namespace {
// Indices into the piece array, in composing order.
namespace Piece {
enum { TopLeft, Top, TopRight, Left, Center, Right, BottomLeft, Bottom, BottomRight, Count };
}
// 8192 x 8192: more than any screen, a quarter of a gigabyte.
constexpr qint64 maxPixels = qint64(1) << 26;
} // namespace

struct SudokuPatchPrivate
{
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    QPixmap pieces[Piece::Count];
    QPixmap result;
};

SudokuPatch::SudokuPatch(const QPixmap& source, int top, int bottom, int left, int right)
    : d(std::make_unique<SudokuPatchPrivate>())
{
    const int cw = source.width() - left - right;
    const int ch = source.height() - top - bottom;
    if (cw < 0 || ch < 0 || top < 0 || bottom < 0 || left < 0 || right < 0)
        return;
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
    // A widget may be sized far beyond any screen; an image that large is never wanted, and
    // asking for one only fails the allocation (or the process, under a sanitizer).
    if (qint64(size.width()) * qint64(size.height()) > maxPixels) {
        d->result = QPixmap();
        return;
    }
    d->result = QPixmap(size);
    if (d->result.isNull())
        return; // an empty size, or one too large to allocate: nothing to draw
    d->result.fill(Qt::transparent);

    const int mw = size.width() - d->left - d->right;
    const int mh = size.height() - d->top - d->bottom;
    QPainter painter(&d->result);
    const auto put = [&](int piece, int x, int y) {
        if (!d->pieces[piece].isNull())
            painter.drawPixmap(x, y, d->pieces[piece]);
    };
    const auto stretch = [&](int piece, int x, int y, int w, int h) {
        if (d->pieces[piece].isNull() || w <= 0 || h <= 0)
            return;
        painter.drawPixmap(
            x, y, d->pieces[piece].scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    };
    put(Piece::TopLeft, 0, 0);
    stretch(Piece::Top, d->left, 0, mw, d->top);
    put(Piece::TopRight, d->left + mw, 0);
    stretch(Piece::Left, 0, d->top, d->left, mh);
    if (!skipCenter)
        stretch(Piece::Center, d->left, d->top, mw, mh);
    stretch(Piece::Right, d->left + mw, d->top, d->right, mh);
    put(Piece::BottomLeft, 0, d->top + mh);
    stretch(Piece::Bottom, d->left, d->top + mh, mw, d->bottom);
    put(Piece::BottomRight, d->left + mw, d->top + mh);
}

void SudokuPatch::Paint(QPainter* painter)
{
    if (!d->result.isNull())
        painter->drawPixmap(0, 0, d->result);
}

QSize SudokuPatch::Size() const
{
    return d->result.size();
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
