#include "WIconPatch_p.h"

#include "SudokuPatch.h"
#include "WIconImage_p.h"

WIconPatch::WIconPatch(const QString& path, int margin, bool skipCenter)
    : path(path), margin(margin), skipCenter(skipCenter)
{
    // Cut at once from the 1x drawing, which is what most screens want.
    Prepare(QSize(), 1);
}

WIconPatch::~WIconPatch() = default;

void WIconPatch::Prepare(const QSize& size, qreal ratio)
{
    const int wanted = WIconImage::Scale(ratio);
    if (wanted != scale) {
        scale = wanted;
        patch = std::make_unique<SudokuPatch>(WIconImage::LoadPixmap(path, scale), margin, margin,
                                              margin, margin);
        patch->skipCenter = skipCenter;
    }
    if (size.isValid() && patch->Size() != size)
        patch->Resize(size);
}

void WIconPatch::Paint(QPainter* painter, const QSize& size)
{
    Prepare(size, WIconImage::Ratio(painter));
    patch->Paint(painter);
}

const SudokuPatch& WIconPatch::Patch() const
{
    return *patch;
}
