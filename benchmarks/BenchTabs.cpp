// Tabs: switching the selected page among 100 pages, adding 1,000 pages to an empty control, and
// adding 10,000 pages one by one and deleting them again one by one, last first, against
// QTabWidget. Both sit shown in an offscreen window of the same size, with
// tabs captioned alike, and the posted events of each step are delivered inside the timing.
#include "BenchSupport.h"

#include "WTabControl.h"
#include "WTabPage.h"

#include <QCoreApplication>
#include <QTabWidget>

#include <memory>

namespace {

const QSize controlSize(800, 600);

QString caption(int i)
{
    return QStringLiteral("Page %1").arg(i);
}

// A shown top-level window that the tab widget is a child of, as in an application.
struct Window
{
    Window()
    {
        top.setAttribute(Qt::WA_DontShowOnScreen);
        top.resize(controlSize);
        top.show();
        WexalBench::Settle();
    }
    QWidget top;
};

WTabPage* page(int i)
{
    auto* p = new WTabPage;
    p->SetText(caption(i));
    p->SetTabBarBackColor(QColor(0xF1, 0xF5, 0xF9));
    p->SetTabBarBackColorSelected(Qt::white);
    return p;
}

WTabControl* control(QWidget* parent)
{
    auto* c = new WTabControl(parent);
    c->resize(controlSize);
    c->SetTabBarSize(QSize(80, 28));
    c->show();
    return c;
}

QTabWidget* tabWidget(QWidget* parent)
{
    auto* t = new QTabWidget(parent);
    t->resize(controlSize);
    t->show();
    return t;
}

void WexalSwitch(benchmark::State& state)
{
    const int n = int(state.range(0));
    Window window;
    WTabControl* c = control(&window.top);
    for (int i = 0; i < n; ++i)
        c->AddPage(page(i));
    WexalBench::Settle();
    int next = 0;
    for (auto _ : state) {
        next = (next + 37) % n; // far jumps and near ones
        c->SetSelectedIndex(next);
        QCoreApplication::sendPostedEvents();
    }
}

void QtSwitch(benchmark::State& state)
{
    const int n = int(state.range(0));
    Window window;
    QTabWidget* t = tabWidget(&window.top);
    for (int i = 0; i < n; ++i)
        t->addTab(new QWidget, caption(i));
    WexalBench::Settle();
    int next = 0;
    for (auto _ : state) {
        next = (next + 37) % n;
        t->setCurrentIndex(next);
        QCoreApplication::sendPostedEvents();
    }
}

// Each iteration fills a fresh, shown, empty control; making it and deleting the full one are
// outside the timing.
void WexalAdd(benchmark::State& state)
{
    const int n = int(state.range(0));
    Window window;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<WTabControl> c(control(&window.top));
        WexalBench::Settle();
        state.ResumeTiming();
        for (int i = 0; i < n; ++i)
            c->AddPage(page(i));
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        c.reset();
        WexalBench::Settle();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void QtAdd(benchmark::State& state)
{
    const int n = int(state.range(0));
    Window window;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QTabWidget> t(tabWidget(&window.top));
        WexalBench::Settle();
        state.ResumeTiming();
        for (int i = 0; i < n; ++i)
            t->addTab(new QWidget, caption(i));
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        t.reset();
        WexalBench::Settle();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

// Each page is laid out as it comes and goes; the application deletes a page to remove it.
void WexalAddRemove(benchmark::State& state)
{
    const int n = int(state.range(0));
    Window window;
    for (auto _ : state) {
        std::unique_ptr<WTabControl> c(control(&window.top));
        for (int i = 0; i < n; ++i)
            c->AddPage(page(i));
        QCoreApplication::sendPostedEvents();
        while (c->Count() > 0)
            delete c->Page(c->Count() - 1);
        QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void QtAddRemove(benchmark::State& state)
{
    const int n = int(state.range(0));
    Window window;
    for (auto _ : state) {
        std::unique_ptr<QTabWidget> t(tabWidget(&window.top));
        for (int i = 0; i < n; ++i)
            t->addTab(new QWidget, caption(i));
        QCoreApplication::sendPostedEvents();
        while (t->count() > 0)
            delete t->widget(t->count() - 1);
        QCoreApplication::sendPostedEvents();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

const int switching =
    WexalBench::RegisterPair("TabsSwitchPage", WexalSwitch, QtSwitch,
                             [](auto* b) { b->Arg(100)->Unit(benchmark::kMicrosecond); });
const int adding = WexalBench::RegisterPair(
    "TabsAddPages", WexalAdd, QtAdd, [](auto* b) { b->Arg(1000)->Unit(benchmark::kMillisecond); });

// QTabWidget takes tens of seconds for this: one round each.
const int addingAndRemoving =
    WexalBench::RegisterPair("TabsAddRemove10kPages", WexalAddRemove, QtAddRemove, [](auto* b) {
        b->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
    });

} // namespace
