// One realistic screen built twice with the same content and places: ours, and Qt's own widgets
// styled by one application style sheet to the same look (rounded corners, borders, colours per
// state). Measured side by side: construction to the first painted frame (with the resident
// memory the screen adds, the "MiB" counter), a full repaint, a hover sweep across the 40
// buttons, ten resize steps, and switching the whole screen from light to dark and back.
#include "BenchScreenQt.h"
#include "BenchScreenShared.h"
#include "BenchSupport.h"

#include "WButton.h"
#include "WCheckBox.h"
#include "WComboBox.h"
#include "WForm.h"
#include "WGridList.h"
#include "WGridListData.h"
#include "WItemList.h"
#include "WLabel.h"
#include "WLineEdit.h"
#include "WPanel.h"
#include "WProgressBar.h"
#include "WSwitchButton.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTheme.h"
#include "WTrackBar.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace {

using namespace BenchScreen;

const QSize screenSize(screenWidth, screenHeight);

// Shown, exposed by the platform and painted once: before exposure a repaint paints nothing.
void showAndPaint(QWidget* window)
{
    window->show();
    for (int i = 0; i < 200 && !(window->windowHandle() && window->windowHandle()->isExposed());
         ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    WexalBench::Settle();
    window->repaint();
}

TextType::Types textType(EditKind kind)
{
    switch (kind) {
    case EditKind::Ascii:
        return TextType::ASCII;
    case EditKind::Number:
        return TextType::Number;
    case EditKind::Password:
        return TextType::Password;
    case EditKind::IpAddress:
        return TextType::IPaddress;
    case EditKind::PhoneNumber:
        return TextType::PhoneNumber;
    case EditKind::Normal:
        break;
    }
    return TextType::Normal;
}

// ---- ours ----------------------------------------------------------------------------------

struct WexalScreen
{
    std::unique_ptr<WGridListData> data; // outlives the grid that shows it
    std::unique_ptr<WForm> form;
    QList<WButton*> buttons;

    WexalScreen()
    {
        data = std::make_unique<WGridListData>(gridColumns);
        for (int r = 0; r < gridRows; ++r) {
            WGridListRow* row = data->CreateRow();
            for (int c = 0; c < gridColumns; ++c)
                row->Cells[c] = CellText(r, c);
            data->AddRow(row);
        }
        form = std::make_unique<WForm>();
        form->SetTitle(QStringLiteral("Shipments"));
        form->resize(screenSize);
        auto* header = new WPanel(form.get());
        header->resize(screenSize.width(), 48);
        header->SetDock(DockType::Top);
        header->SetBackColor(QColor(0x0F, 0x17, 0x2A));
        auto* title = new WLabel(header);
        title->SetText(QStringLiteral("Dispatch board"));
        title->SetForeColor(Qt::white);
        title->setGeometry(16, 0, 400, 48);
        auto* tabs = new WTabControl(form.get());
        tabs->SetDock(DockType::Fill);
        tabs->SetBorder(PositionFlag::All);
        tabs->SetBorderWidth(1);
        tabs->SetBorderColor(QColor(0xDD, 0xE2, 0xEA));
        tabs->SetTabBarSize(QSize(90, 30));
        tabs->AddPage(controlsPage());
        auto* listPage = new WTabPage;
        listPage->SetText(QStringLiteral("List"));
        auto* list = new WItemList(listPage);
        list->SetDock(DockType::Fill);
        list->SetItems(ListLines());
        tabs->AddPage(listPage);
        auto* gridPage = new WTabPage;
        gridPage->SetText(QStringLiteral("Grid"));
        auto* grid = new WGridList(gridPage);
        grid->SetDock(DockType::Fill);
        for (int c = 0; c < gridColumns; ++c)
            grid->AddColumn(120, QString::number(c + 1));
        grid->SetDataSource(data.get());
        grid->UpdateData();
        tabs->AddPage(gridPage);
        tabs->SetSelectedIndex(0);
    }

    WTabPage* controlsPage()
    {
        auto* page = new WTabPage;
        page->SetText(QStringLiteral("Controls"));
        page->SetBackColor(QColor(0xF3, 0xF5, 0xF8));
        for (int i = 0; i < 40; ++i) {
            const Scheme& s = SchemeAt(i);
            auto* b = new WButton(page);
            b->setGeometry(ButtonAt(i));
            b->SetText(QStringLiteral("Action %1").arg(i));
            b->SetRadius(6);
            b->SetBackColor(s.normal);
            b->SetBackColorHover(s.hover);
            b->SetBackColorPress(s.press);
            b->SetForeColor(s.text);
            b->SetForeColorHover(s.text);
            b->SetBorder(PositionFlag::All);
            b->SetBorderWidth(1);
            b->SetBorderColor(s.press);
            b->SetBorderColorHover(s.press);
            buttons << b;
        }
        for (int i = 0; i < 12; ++i) {
            auto* e = new WLineEdit(page);
            e->setGeometry(EditAt(i));
            e->SetTextType(textType(EditKindAt(i)));
            e->SetText(QStringLiteral("1024"));
            e->SetRadius(4);
            e->SetBorder(PositionFlag::All);
            e->SetBorderWidth(1);
            e->SetBackColor(Qt::white);
            e->SetBorderColor(QColor(0xDD, 0xE2, 0xEA));
            e->SetBorderColorHover(QColor(0x25, 0x63, 0xEB));
        }
        for (int i = 0; i < 6; ++i) {
            auto* c = new WComboBox(page);
            c->setGeometry(ComboAt(i));
            c->SetItems({"Normal", "Express", "Freight", "Pickup"});
            c->SetSelectedIndex(i % 4);
            c->SetBorder(PositionFlag::All);
            c->SetBorderWidth(1);
            c->SetBackColor(Qt::white);
            c->SetBorderColor(QColor(0xDD, 0xE2, 0xEA));
        }
        for (int i = 0; i < 12; ++i) {
            auto* c = new WCheckBox(page);
            c->setGeometry(CheckAt(i));
            c->SetText(QStringLiteral("Option %1").arg(i));
            c->SetChecked(i % 3 == 0);
        }
        for (int i = 0; i < 6; ++i) {
            auto* s = new WSwitchButton(page);
            s->setGeometry(SwitchAt(i));
            s->SetLeftText(QStringLiteral("Off"));
            s->SetRightText(QStringLiteral("On"));
            s->SetChecked(i % 2 == 0);
            s->SetRadius(14);
            s->SetCheckedBackColor(QColor(0x25, 0x63, 0xEB));
        }
        for (int i = 0; i < 4; ++i) {
            auto* t = new WTrackBar(page);
            t->setGeometry(TrackAt(i));
            t->SetValue1(20 * (i + 1));
            t->SetMainLineSize(4);
            t->SetMainLineBackColor(QColor(0xDD, 0xE2, 0xEA));
            t->SetMainLineFillColor1(QColor(0x25, 0x63, 0xEB));
            t->SetButtonSize(QSize(12, 12));
            t->SetButtonColor(QColor(0x25, 0x63, 0xEB));
        }
        for (int i = 0; i < 3; ++i) {
            auto* p = new WProgressBar(page);
            p->setGeometry(ProgressAt(i));
            p->SetValue(30 * (i + 1));
            p->SetRadius(8);
            p->SetForeColor(QColor(0x25, 0x63, 0xEB));
            p->SetBackColor(QColor(0xE2, 0xE8, 0xF0));
        }
        return page;
    }

    QWidget* Window() const { return form->window(); }
    void Show()
    {
        form->show(); // shows the form's window
        showAndPaint(Window());
    }
    void Resize(const QSize& size) { form->resize(size); }
};

// ---- Qt's (built in BenchScreenQt.cpp, shared with the qss_window program) -----------------

struct QtSide : QtScreen
{
    void Show() { showAndPaint(Window()); }
    void Resize(const QSize& size) { window->resize(size); }
};

// The theme each side starts from; switched back when a case ends.
struct Light
{
    explicit Light(bool wexal) : wexal(wexal)
    {
        if (wexal)
            WTheme::Instance()->Apply(QStringLiteral("light"));
        else
            qApp->setStyleSheet(QtSheet(false));
    }
    ~Light()
    {
        if (wexal)
            WTheme::Instance()->Clear();
        else
            qApp->setStyleSheet(QString());
    }
    bool wexal;
};

template <class Screen> void FirstFrame(benchmark::State& state)
{
    const Light light(std::is_same<Screen, WexalScreen>::value);
    double grown = 0;
    for (auto _ : state) {
        const double before = WexalBench::ResidentMiB();
        auto screen = std::make_unique<Screen>();
        screen->Show();
        state.PauseTiming();
        // Freed memory stays with the process: the first screen shows what one costs.
        grown = std::max(grown, WexalBench::ResidentMiB() - before);
        screen.reset();
        WexalBench::Settle();
        state.ResumeTiming();
    }
    state.counters["MiB"] = grown;
}

template <class Screen> void FullRepaint(benchmark::State& state)
{
    const bool wexal = std::is_same<Screen, WexalScreen>::value;
    const Light light(wexal);
    Screen screen;
    screen.Show();
    // WEXAL_BENCH_SHOTS=DIR keeps a picture of each screen, to see that both show the same.
    const QString shots = qEnvironmentVariable("WEXAL_BENCH_SHOTS");
    if (!shots.isEmpty())
        screen.Window()->grab().save(shots + (wexal ? "/screen-wexal.png" : "/screen-qt.png"));
    for (auto _ : state)
        screen.Window()->repaint();
}

// The pointer enters each button in turn and leaves the one before; each change repaints.
template <class Screen> void HoverSweep(benchmark::State& state)
{
    const Light light(std::is_same<Screen, WexalScreen>::value);
    Screen screen;
    screen.Show();
    const QPointF inside(10, 10);
    const auto leave = [](QWidget* b) {
        b->setAttribute(Qt::WA_UnderMouse, false);
        QEvent left(QEvent::Leave);
        QApplication::sendEvent(b, &left);
        b->repaint();
    };
    for (auto _ : state) {
        QWidget* previous = nullptr;
        for (QWidget* b : screen.buttons) {
            if (previous)
                leave(previous);
            // What QApplication does on a real enter: the hover state, then the event.
            b->setAttribute(Qt::WA_UnderMouse, true);
            QEnterEvent enter(inside, inside, b->mapToGlobal(inside.toPoint()));
            QApplication::sendEvent(b, &enter);
            b->repaint();
            previous = b;
        }
        leave(previous);
    }
}

template <class Screen> void ResizeSteps(benchmark::State& state)
{
    const Light light(std::is_same<Screen, WexalScreen>::value);
    Screen screen;
    screen.Show();
    for (auto _ : state) {
        for (int step = 1; step <= 10; ++step) {
            screen.Resize(screenSize + QSize(step * 20, step * 12));
            WexalBench::Settle();
            screen.Window()->repaint();
        }
    }
}

// Light to dark and back, each followed by the repaint it causes.
template <class Screen> void ThemeSwitch(benchmark::State& state)
{
    const bool wexal = std::is_same<Screen, WexalScreen>::value;
    const Light light(wexal);
    Screen screen;
    screen.Show();
    for (auto _ : state) {
        for (bool dark : {true, false}) {
            if (wexal)
                WTheme::Instance()->Apply(QLatin1String(dark ? "dark" : "light"));
            else
                qApp->setStyleSheet(QtSheet(dark));
            WexalBench::Settle();
            screen.Window()->repaint();
        }
    }
}

const auto configure = [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime();
};
const auto few = [](benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
};

const int registered[] = {
    WexalBench::RegisterPair("Screen/ConstructToFirstFrame", FirstFrame<WexalScreen>,
                             FirstFrame<QtSide>, few),
    WexalBench::RegisterPair("Screen/FullRepaint", FullRepaint<WexalScreen>, FullRepaint<QtSide>,
                             configure),
    WexalBench::RegisterPair("Screen/HoverSweep40Buttons", HoverSweep<WexalScreen>,
                             HoverSweep<QtSide>, configure),
    WexalBench::RegisterPair("Screen/TenResizeSteps", ResizeSteps<WexalScreen>, ResizeSteps<QtSide>,
                             configure),
    WexalBench::RegisterPair("Screen/LightToDarkAndBack", ThemeSwitch<WexalScreen>,
                             ThemeSwitch<QtSide>, configure),
};

} // namespace
