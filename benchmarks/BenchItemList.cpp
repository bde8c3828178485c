// Item list: painting one frame after a scroll step, against QListView on a QStringListModel
// with uniform item sizes, for 1,000 and 1,000,000 lines; and filling a list with 1,000,000
// lines, against QListWidget::addItems.
#include "BenchSupport.h"

#include "WItemList.h"

#include <QCoreApplication>
#include <QImage>
#include <QListView>
#include <QListWidget>
#include <QScrollBar>
#include <QStringListModel>

#include <map>
#include <memory>

namespace {

constexpr int frameWidth = 400;
constexpr int frameHeight = 600;
constexpr int itemHeight = 20;
constexpr int scrollStep = 10;

// Built once per size: making a million strings would otherwise dominate the run. Fixed-width
// numbers give both sizes lines of the same length, so frames differ only in the list length.
const QStringList& lines(int n)
{
    static std::map<int, QStringList> cache;
    QStringList& l = cache[n];
    if (l.isEmpty()) {
        l.reserve(n);
        for (int i = 0; i < n; ++i)
            l << QStringLiteral("Item %1 · order %2")
                     .arg(i, 7, 10, QLatin1Char('0'))
                     .arg((i * 7919) % 100000, 5, 10, QLatin1Char('0'));
    }
    return l;
}

// Both widgets scroll through the same offsets: a hundred steps around the middle of the list.
int offsetAt(int n, qint64 step)
{
    return n / 2 * itemHeight + int(step % 100) * scrollStep;
}

void WexalPaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    WItemList list;
    list.setAttribute(Qt::WA_DontShowOnScreen);
    list.resize(frameWidth, frameHeight);
    list.SetBackColor(Qt::white);
    list.SetForeColor(Qt::black);
    list.SetItemBackColorSelected(QColor(0x25, 0x63, 0xEB));
    list.SetItemForeColorSelected(Qt::white);
    list.SetSliderColor(Qt::gray);
    list.SetItems(lines(n));
    list.show();
    WexalBench::Settle();
    list.SetSelectedIndex(n / 2 + 3);
    QImage image(list.size(), QImage::Format_ARGB32_Premultiplied);
    qint64 step = 0;
    for (auto _ : state) {
        list.SetVScrollBarValue(offsetAt(n, ++step));
        list.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void QtPaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    QStringListModel model(lines(n));
    QListView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setUniformItemSizes(true);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setModel(&model);
    view.resize(frameWidth, frameHeight);
    view.show();
    WexalBench::Settle();
    QCoreApplication::processEvents();
    view.setCurrentIndex(model.index(n / 2 + 3));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    qint64 step = 0;
    for (auto _ : state) {
        view.verticalScrollBar()->setValue(offsetAt(n, ++step));
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void WexalAdd(benchmark::State& state)
{
    const QStringList& l = lines(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<WItemList>();
        list->resize(frameWidth, frameHeight);
        state.ResumeTiming();
        list->SetItems(l);
        benchmark::DoNotOptimize(list->ScrollSize());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * l.size());
}

void QtAdd(benchmark::State& state)
{
    const QStringList& l = lines(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto widget = std::make_unique<QListWidget>();
        widget->resize(frameWidth, frameHeight);
        state.ResumeTiming();
        widget->addItems(l);
        benchmark::DoNotOptimize(widget->count());
        state.PauseTiming();
        widget.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * l.size());
}

const int paint =
    WexalBench::RegisterPair("ItemListPaint400x600", WexalPaint, QtPaint, [](auto* b) {
        b->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
    });
const int add = WexalBench::RegisterPair("ItemListAdd", WexalAdd, QtAdd, [](auto* b) {
    b->Arg(1000000)->Unit(benchmark::kMillisecond);
});

} // namespace
