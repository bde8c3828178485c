// Panels: the dock layout pass against QBoxLayout, removing children one by one, and painting a
// rounded, bordered panel against a Fusion-styled QFrame.
#include "BenchSupport.h"

#include "WPanel.h"
#include "WTest.h"

#include <QCoreApplication>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

constexpr int rowHeight = 10;

// Half the children are docked Top, half anchored Left | Right | Top: both
// kinds follow a width change, which is what a vertical QBoxLayout of fixed-height rows does.
// Both containers are children of a window, so a resize is delivered at once, as in an
// application, rather than through the platform's window-geometry round trip. Shown, every
// placement also sends Move and Resize events and dirties the backing store, which costs the
// same on both sides; unshown, placement only records geometry and the passes themselves are
// what is measured.
struct Window
{
    explicit Window(bool shown) : shown(shown)
    {
        top.setAttribute(Qt::WA_DontShowOnScreen);
        top.resize(1200, 1000);
    }
    void Show()
    {
        if (shown)
            top.show();
        WexalBench::Settle();
    }
    QWidget top;
    bool shown;
};

void WexalDockLayout(benchmark::State& state, bool shown)
{
    const int n = int(state.range(0));
    Window window(shown);
    auto* panel = new WPanel(&window.top);
    panel->SetBackColor(Qt::transparent); // the Qt side paints no background either
    panel->resize(400, n * rowHeight);
    // The docked rows fill the upper half; the anchored ones sit in rows below them.
    for (int i = 0; i < n; ++i) {
        auto* c = new WTest(panel);
        c->resize(400, rowHeight);
        if (i % 2 == 0) {
            c->SetDock(DockType::Top);
        } else {
            c->move(0, (n / 2 + i / 2) * rowHeight);
            c->SetAnchor(PositionFlag::Left | PositionFlag::Right | PositionFlag::Top);
        }
    }
    window.Show();
    panel->ComputeContainerArea(); // an unshown panel has had no resize event yet
    WexalBench::Settle();
    int width = 400;
    for (auto _ : state) {
        width = width == 400 ? 401 : 400;
        panel->resize(width, n * rowHeight);
        if (!shown)
            panel->ComputeContainerArea();    // what the resize event does once shown
        QCoreApplication::sendPostedEvents(); // as the event loop does: all receivers
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void QtDockLayout(benchmark::State& state, bool shown)
{
    const int n = int(state.range(0));
    Window window(shown);
    auto* host = new QWidget(&window.top);
    auto* box = new QVBoxLayout(host);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    for (int i = 0; i < n; ++i) {
        auto* c = new QWidget(host);
        c->setFixedHeight(rowHeight);
        box->addWidget(c);
    }
    box->addStretch();
    host->resize(400, n * rowHeight);
    window.Show();
    box->activate();
    int width = 400;
    for (auto _ : state) {
        width = width == 400 ? 401 : 400;
        host->resize(width, n * rowHeight); // QLayout answers a shown resize synchronously
        if (!shown)
            box->setGeometry(QRect(0, 0, width, n * rowHeight));
        QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void WexalDockLayoutShown(benchmark::State& state)
{
    WexalDockLayout(state, true);
}
void QtDockLayoutShown(benchmark::State& state)
{
    QtDockLayout(state, true);
}
void WexalDockLayoutUnshown(benchmark::State& state)
{
    WexalDockLayout(state, false);
}
void QtDockLayoutUnshown(benchmark::State& state)
{
    QtDockLayout(state, false);
}

// 10,000 rows docked Top in a shown panel; the last 1,000 are deleted one by one, each followed
// by the event processing an application would do between two removals. Nothing else moves.
constexpr int removalRows = 10000;
constexpr int removedRows = 1000;

void WexalRemoveChildren(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(true);
        auto* panel = new WPanel(&window->top);
        panel->SetBackColor(Qt::transparent);
        panel->resize(400, removalRows * rowHeight);
        std::vector<WTest*> rows;
        for (int i = 0; i < removalRows; ++i) {
            auto* c = new WTest(panel);
            c->resize(400, rowHeight);
            c->SetDock(DockType::Top);
            rows.push_back(c);
        }
        window->Show();
        state.ResumeTiming();
        for (int i = 0; i < removedRows; ++i) {
            delete rows.back();
            rows.pop_back();
            QCoreApplication::sendPostedEvents();
        }
        state.PauseTiming();
        window.reset(); // the other 9,000 go untimed
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * removedRows);
}

void QtRemoveChildren(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>(true);
        auto* host = new QWidget(&window->top);
        auto* box = new QVBoxLayout(host);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
        std::vector<QWidget*> rows;
        for (int i = 0; i < removalRows; ++i) {
            auto* c = new QWidget(host);
            c->setFixedHeight(rowHeight);
            box->addWidget(c);
            rows.push_back(c);
        }
        box->addStretch();
        host->resize(400, removalRows * rowHeight);
        window->Show();
        box->activate();
        state.ResumeTiming();
        for (int i = 0; i < removedRows; ++i) {
            delete rows.back();
            rows.pop_back();
            QCoreApplication::sendPostedEvents();
        }
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * removedRows);
}

void WexalPanelPaint(benchmark::State& state)
{
    WPanel panel;
    panel.resize(400, 300);
    panel.SetBackColor(QColor(0xF8, 0xFA, 0xFC));
    panel.SetRadius(8);
    panel.SetBorder(PositionFlag::All);
    panel.SetBorderWidth(2);
    panel.SetBorderColor(QColor(0x25, 0x63, 0xEB));
    WexalBench::Settle();
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void QtFramePaint(benchmark::State& state)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QFrame frame;
    frame.setStyle(fusion.get());
    frame.setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    frame.setLineWidth(2);
    frame.resize(400, 300);
    WexalBench::Settle();
    QImage image(frame.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        frame.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

const auto layoutSizes = [](auto* b) {
    b->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
};
const int dockLayoutShown = WexalBench::RegisterPair("DockLayoutShown", WexalDockLayoutShown,
                                                     QtDockLayoutShown, layoutSizes);
const int dockLayoutUnshown = WexalBench::RegisterPair("DockLayoutUnshown", WexalDockLayoutUnshown,
                                                       QtDockLayoutUnshown, layoutSizes);
const int removeChildren =
    WexalBench::RegisterPair("DockRemove1000Of10000", WexalRemoveChildren, QtRemoveChildren,
                             [](auto* b) { b->Iterations(3)->Unit(benchmark::kMillisecond); });
const int panelPaint = WexalBench::RegisterPair("PanelPaint400x300", WexalPanelPaint, QtFramePaint,
                                                [](auto* b) { b->Unit(benchmark::kMicrosecond); });

} // namespace
