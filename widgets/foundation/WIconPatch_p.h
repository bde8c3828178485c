#pragma once

#include "wexal_export.h"

#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class SudokuPatch;

// A nine-patch of one of the library's shadow images, cut from the drawing that suits the
// density it is painted at: the patch is cut again from another drawing only when a paint needs
// it (the window moved to a screen of another density, the widget rendered into a denser
// image), and composed again only when that or the size changed.
class WEXAL_AUTOTEST_EXPORT WIconPatch
{
public:
    // The same margin on every side, in pixels of the 1x image.
    WIconPatch(const QString& path, int margin, bool skipCenter = false);
    ~WIconPatch();

    WIconPatch(const WIconPatch&) = delete;
    WIconPatch& operator=(const WIconPatch&) = delete;

    // Composes for size at ratio, unless that is what the patch holds already; a widget calls
    // it where its size changes, so that the next paint only blits.
    void Prepare(const QSize& size, qreal ratio);
    // Prepares for the painter's ratio and draws the patch at (0, 0).
    void Paint(QPainter* painter, const QSize& size);

    // The patch as last prepared, and the drawing it was cut from (1, 2 or 3).
    const SudokuPatch& Patch() const;
    int Scale() const { return scale; }

private:
    QString path;
    int margin = 0;
    bool skipCenter = false;
    int scale = 0;
    std::unique_ptr<SudokuPatch> patch;
};
