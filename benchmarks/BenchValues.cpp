// Track bar: one drag step (a mouse move, the value change it causes, the repaint) on a
// 300-pixel track against a Fusion QSlider, both showing a rounded groove filled up to the
// handle; and painting a hue track against a QSlider whose
// style sheet draws the groove with the same gradient stops.
#include "BenchSupport.h"

#include "WTrackBar.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace {

const QSize trackSize(300, 24);
constexpr int range = 1000; // fine enough that every one-pixel move changes the value
const QColor groove(0xE2, 0xE8, 0xF0), played(0x25, 0x63, 0xEB);
const QColor handle(0x11, 0x18, 0x27);

template <class Widget> void prepare(Widget& w)
{
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.resize(trackSize);
    w.show();
    WexalBench::Settle();
}

void mouse(QWidget* w, QEvent::Type type, int x)
{
    const QPoint pos(x, trackSize.height() / 2);
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Presses at the start of the track, where both handles rest at value 0, then drags one pixel
// per step through 200 pixels and back to the start, repainting after every move.
void dragLoop(benchmark::State& state, QWidget& w)
{
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    mouse(&w, QEvent::MouseButtonPress, 5);
    qint64 step = 0;
    for (auto _ : state) {
        mouse(&w, QEvent::MouseMove, 5 + int(++step % 200));
        w.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    mouse(&w, QEvent::MouseButtonRelease, 5);
}

void WexalDrag(benchmark::State& state)
{
    WTrackBar track;
    track.SetMaximum(range);
    track.SetMainLineSize(6);
    track.SetRadius(3);
    track.SetMainLineBackColor(groove);
    track.SetMainLineFillColor1(played);
    track.SetButtonSize(QSize(12, 18));
    track.SetButtonColor(handle);
    int changes = 0;
    QObject::connect(&track, &WTrackBar::Value1Changed, [&changes] { ++changes; });
    prepare(track);
    dragLoop(state, track);
    if (changes < state.iterations())
        state.SkipWithError("a drag step did not change the value");
}

void QtDrag(benchmark::State& state)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QSlider slider(Qt::Horizontal);
    slider.setStyle(fusion.get());
    slider.setRange(0, range);
    int changes = 0;
    QObject::connect(&slider, &QSlider::valueChanged, [&changes] { ++changes; });
    prepare(slider);
    dragLoop(state, slider);
    if (changes < state.iterations())
        state.SkipWithError("a drag step did not change the value");
}

template <class Widget> void paintLoop(benchmark::State& state, Widget& w)
{
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        w.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void WexalHuePaint(benchmark::State& state)
{
    WTrackBar track;
    track.SetType(WTrackBar::HslColorH);
    track.SetMaximum(359);
    track.SetMainLineSize(10);
    track.SetRadius(5);
    track.SetButtonSize(QSize(12, 18));
    track.SetButtonColor(handle);
    track.SetValue1(214);
    prepare(track);
    paintLoop(state, track);
}

void QtHuePaint(benchmark::State& state)
{
    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 359);
    slider.setValue(214);
    slider.setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal { height: 10px; border-radius: 5px; background: "
        "qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 #ff0000, stop: 0.166667 #ffff00, "
        "stop: 0.333333 #00ff00, stop: 0.5 #00ffff, stop: 0.666667 #0000ff, "
        "stop: 0.833333 #ff00ff, stop: 1 #ff0000); }"
        "QSlider::handle:horizontal { width: 12px; margin: -4px 0; background: #111827; }"));
    prepare(slider);
    paintLoop(state, slider);
}

const int drag = WexalBench::RegisterPair("TrackBarDragStep300", WexalDrag, QtDrag,
                                          [](auto* b) { b->Unit(benchmark::kMicrosecond); });
const int huePaint = WexalBench::RegisterPair("TrackBarHuePaint300", WexalHuePaint, QtHuePaint,
                                              [](auto* b) { b->Unit(benchmark::kMicrosecond); });

} // namespace
