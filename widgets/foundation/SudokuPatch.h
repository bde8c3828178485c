#pragma once

#include "wexal_export.h"

#include <QPixmap>
#include <QSize>

#include <memory>

class QPainter;
struct SudokuPatchPrivate;

/// A nine-patch image: a small source cut into a 3 x 3 grid by four margins, composed on demand
/// at any size with the corners copied unscaled, the edges stretched along their side and the
/// centre stretched both ways. Window shadows and frame images use it.
///
/// Call Resize() only when the wanted size changes: it stretches the edges once, and Paint()
/// then only blits (with #skipCenter, nothing at all where the centre would be).
///
/// A source with a device pixel ratio (drawn for a dense screen) is cut and composed in its own
/// device pixels: margins and sizes are counted in the pixels the painter works in, as for any
/// other image, and the corners keep their full resolution.
///
/// \image html SudokuPatch.png
class WEXAL_EXPORT SudokuPatch
{
public:
    /// Cuts source by the four margins, in pixels. Margins that do not fit the source
    /// (left + right wider than it, top + bottom taller, or any of them negative) are all taken
    /// as 0, and nothing is cut: the image then composes to transparent.
    SudokuPatch(const QPixmap& source, int top, int bottom, int left, int right);
    ~SudokuPatch();

    SudokuPatch(const SudokuPatch&) = delete;
    SudokuPatch& operator=(const SudokuPatch&) = delete;

    /// Composes the image at size, in pixels. An empty size, or one too large to allocate,
    /// gives a null image.
    void Resize(const QSize& size);
    /// Draws the last composed image with its top-left corner at (0, 0); draws nothing before
    /// the first Resize().
    void Paint(QPainter* painter);
    /// The size of the last composed image, in pixels; (0, 0) before the first Resize() or
    /// when it composed nothing.
    QSize Size() const;

    /// The top margin, in pixels (0 when the margins did not fit the source).
    int Top() const;
    /// The bottom margin, in pixels (0 when the margins did not fit the source).
    int Bottom() const;
    /// The left margin, in pixels (0 when the margins did not fit the source).
    int Left() const;
    /// The right margin, in pixels (0 when the margins did not fit the source).
    int Right() const;

    /// When set, Resize() leaves the centre out and it stays transparent, for a frame drawn
    /// around something opaque. Default false; read at the next Resize().
    bool skipCenter = false;

private:
    const std::unique_ptr<SudokuPatchPrivate> d;
};
