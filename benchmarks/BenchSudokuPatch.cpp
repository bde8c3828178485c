// The form's shadow: the nine-patch image against Qt's own nine-patch painter, qDrawBorderPixmap,
// with the same shadow image and margins, into a window-sized ARGB image as a translucent
// window's backing store is. Once with the size unchanged between frames (a window being
// repainted) and once with a new size every frame (a window being resized).
#include "BenchSupport.h"

#include "SudokuPatch.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtWidgets/qdrawutil.h>

namespace {

constexpr int margin = 16;

QPixmap shadowImage()
{
    return QPixmap(QStringLiteral("://Icons/WForm/ShadowActive.png"));
}

// Growing by one pixel each way per frame and starting over after 256 frames, the way a corner
// dragged across the screen changes the window's size.
QSize frameSize(const QSize& base, qint64 frame, bool changing)
{
    const int step = changing ? int(frame % 256) : 0;
    return base + QSize(step, step);
}

void WexalShadow(benchmark::State& state, bool changing)
{
    const QSize base(int(state.range(0)), int(state.range(1)));
    SudokuPatch patch(shadowImage(), margin, margin, margin, margin);
    patch.skipCenter = true; // the form paints its own face over the centre
    QImage target(base + QSize(256, 256), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    qint64 frame = 0;
    for (auto _ : state) {
        const QSize size = frameSize(base, frame++, changing);
        QPainter painter(&target);
        if (patch.Size() != size)
            patch.Resize(size);
        patch.Paint(&painter);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void QtShadow(benchmark::State& state, bool changing)
{
    const QSize base(int(state.range(0)), int(state.range(1)));
    const QPixmap shadow = shadowImage();
    const QMargins margins(margin, margin, margin, margin);
    QImage target(base + QSize(256, 256), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    qint64 frame = 0;
    for (auto _ : state) {
        const QSize size = frameSize(base, frame++, changing);
        QPainter painter(&target);
        qDrawBorderPixmap(&painter, QRect(QPoint(0, 0), size), margins, shadow);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void WexalShadowSameSize(benchmark::State& state)
{
    WexalShadow(state, false);
}
void QtShadowSameSize(benchmark::State& state)
{
    QtShadow(state, false);
}
void WexalShadowResizing(benchmark::State& state)
{
    WexalShadow(state, true);
}
void QtShadowResizing(benchmark::State& state)
{
    QtShadow(state, true);
}

const auto windowSizes = [](auto* b) {
    b->Args({432, 332})->Args({1000, 800})->Unit(benchmark::kMicrosecond);
};
const int sameSize = WexalBench::RegisterPair("FormShadowSameSize", WexalShadowSameSize,
                                              QtShadowSameSize, windowSizes);
const int resizing = WexalBench::RegisterPair("FormShadowResizing", WexalShadowResizing,
                                              QtShadowResizing, windowSizes);

} // namespace
