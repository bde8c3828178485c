// One realistic screen built twice with the same content and places: ours, and Qt's own widgets
// styled by one application style sheet to the same look (rounded corners, borders, colours per
// state). Measured side by side: construction to the first painted frame (with the resident
// memory the screen adds, the "MiB" counter), a full repaint, a hover sweep across the 40
// buttons, ten resize steps, and switching the whole screen from light to dark and back.
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

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int gridRows = 100000;
constexpr int gridColumns = 8;
const QSize screenSize(1200, 800);

// The same places on both screens: page-relative rectangles of the first tab's widgets.
QRect buttonAt(int i)
{
    return QRect(16 + (i % 10) * 110, 16 + (i / 10) * 40, 100, 32);
}
QRect editAt(int i)
{
    return QRect(16 + (i % 4) * 200, 200 + (i / 4) * 36, 190, 28);
}
QRect comboAt(int i)
{
    return QRect(16 + i * 180, 320, 170, 28);
}
QRect checkAt(int i)
{
    return QRect(16 + (i % 6) * 150, 370 + (i / 6) * 30, 140, 24);
}
QRect switchAt(int i)
{
    return QRect(16 + i * 120, 440, 110, 28);
}
QRect trackAt(int i)
{
    return QRect(16 + i * 220, 490, 200, 24);
}
QRect progressAt(int i)
{
    return QRect(16 + i * 300, 540, 280, 16);
}

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

QString cellText(int row, int column)
{
    return QStringLiteral("R%1 C%2").arg(row).arg(column);
}

QStringList listLines()
{
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("Shipment #%1").arg(10000 + i);
    return lines;
}

// Four schemes, each (normal, hover, press, text).
struct Scheme
{
    const char* name;
    QColor normal, hover, press, text;
};
const Scheme schemes[4] = {
    {"primary", QColor(0x25, 0x63, 0xEB), QColor(0x1D, 0x4E, 0xD8), QColor(0x1E, 0x40, 0xAF),
     Qt::white},
    {"secondary", QColor(0xF1, 0xF5, 0xF9), QColor(0xE2, 0xE8, 0xF0), QColor(0xCB, 0xD5, 0xE1),
     QColor(0x1F, 0x29, 0x37)},
    {"danger", QColor(0xDC, 0x26, 0x26), QColor(0xB9, 0x1C, 0x1C), QColor(0x99, 0x1B, 0x1B),
     Qt::white},
    {"dark", QColor(0x1F, 0x29, 0x37), QColor(0x37, 0x41, 0x51), QColor(0x11, 0x18, 0x27),
     Qt::white},
};

const TextType::Types editTypes[6] = {TextType::Normal,    TextType::ASCII,
                                      TextType::Number,    TextType::Password,
                                      TextType::IPaddress, TextType::PhoneNumber};

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
                row->Cells[c] = cellText(r, c);
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
        list->SetItems(listLines());
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
            const Scheme& s = schemes[i % 4];
            auto* b = new WButton(page);
            b->setGeometry(buttonAt(i));
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
            e->setGeometry(editAt(i));
            e->SetTextType(editTypes[i % 6]);
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
            c->setGeometry(comboAt(i));
            c->SetItems({"Normal", "Express", "Freight", "Pickup"});
            c->SetSelectedIndex(i % 4);
            c->SetBorder(PositionFlag::All);
            c->SetBorderWidth(1);
            c->SetBackColor(Qt::white);
            c->SetBorderColor(QColor(0xDD, 0xE2, 0xEA));
        }
        for (int i = 0; i < 12; ++i) {
            auto* c = new WCheckBox(page);
            c->setGeometry(checkAt(i));
            c->SetText(QStringLiteral("Option %1").arg(i));
            c->SetChecked(i % 3 == 0);
        }
        for (int i = 0; i < 6; ++i) {
            auto* s = new WSwitchButton(page);
            s->setGeometry(switchAt(i));
            s->SetLeftText(QStringLiteral("Off"));
            s->SetRightText(QStringLiteral("On"));
            s->SetChecked(i % 2 == 0);
            s->SetRadius(14);
            s->SetCheckedBackColor(QColor(0x25, 0x63, 0xEB));
        }
        for (int i = 0; i < 4; ++i) {
            auto* t = new WTrackBar(page);
            t->setGeometry(trackAt(i));
            t->SetValue1(20 * (i + 1));
        }
        for (int i = 0; i < 3; ++i) {
            auto* p = new WProgressBar(page);
            p->setGeometry(progressAt(i));
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

// ---- Qt's ----------------------------------------------------------------------------------

class TableModel : public QAbstractTableModel
{
public:
    TableModel()
    {
        cells.reserve(size_t(gridRows) * gridColumns);
        for (int r = 0; r < gridRows; ++r)
            for (int c = 0; c < gridColumns; ++c)
                cells.push_back(cellText(r, c));
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : gridRows;
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : gridColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return cells[size_t(index.row()) * gridColumns + size_t(index.column())];
    }

private:
    std::vector<QString> cells;
};

QString qtSheet(bool dark)
{
    const char* page = dark ? "#0F172A" : "#F3F5F8";
    const char* field = dark ? "#1E293B" : "#FFFFFF";
    const char* ink = dark ? "#E2E8F0" : "#1F2937";
    const char* line = dark ? "#475569" : "#DDE2EA";
    QString sheet =
        QStringLiteral("QWidget#page { background: %1; }"
                       "QLabel#title { background: #0F172A; color: white; }"
                       "QLineEdit { background: %2; color: %3; border: 1px solid %4;"
                       " border-radius: 4px; } QLineEdit:hover { border-color: #2563EB; }"
                       "QComboBox { background: %2; color: %3; border: 1px solid %4; }"
                       "QCheckBox { color: %3; }"
                       "QCheckBox#switch::indicator { width: 40px; height: 20px;"
                       " border-radius: 10px; background: %4; }"
                       "QCheckBox#switch::indicator:checked { background: #2563EB; }"
                       "QSlider::groove:horizontal { background: %4; height: 4px; }"
                       "QSlider::handle:horizontal { background: #2563EB; width: 12px;"
                       " margin: -4px 0; border-radius: 6px; }"
                       "QProgressBar { background: #E2E8F0; border-radius: 8px; }"
                       "QProgressBar::chunk { background: #2563EB; border-radius: 8px; }"
                       "QTabWidget::pane { border: 1px solid %4; }"
                       "QListView, QTableView { background: %2; color: %3; }")
            .arg(QLatin1String(page), QLatin1String(field), QLatin1String(ink),
                 QLatin1String(line));
    for (const Scheme& s : schemes)
        sheet += QStringLiteral("QPushButton[scheme=\"%1\"] { background: %2; color: %5;"
                                " border: 1px solid %4; border-radius: 6px; }"
                                "QPushButton[scheme=\"%1\"]:hover { background: %3; }"
                                "QPushButton[scheme=\"%1\"]:pressed { background: %4; }")
                     .arg(QLatin1String(s.name), s.normal.name(), s.hover.name(), s.press.name(),
                          s.text.name());
    return sheet;
}

struct QtScreen
{
    std::unique_ptr<TableModel> model;
    std::unique_ptr<QWidget> window;
    QList<QPushButton*> buttons;

    QtScreen() : model(std::make_unique<TableModel>()), window(std::make_unique<QWidget>())
    {
        window->resize(screenSize);
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* title = new QLabel(QStringLiteral("Dispatch board"));
        title->setObjectName(QStringLiteral("title"));
        title->setFixedHeight(48);
        layout->addWidget(title);
        auto* tabs = new QTabWidget;
        layout->addWidget(tabs);
        tabs->addTab(controlsPage(), QStringLiteral("Controls"));
        auto* list = new QListView;
        auto* lines = new QStringListModel(listLines(), list);
        list->setModel(lines);
        tabs->addTab(list, QStringLiteral("List"));
        auto* table = new QTableView;
        table->setModel(model.get());
        for (int c = 0; c < gridColumns; ++c)
            table->setColumnWidth(c, 120);
        table->verticalHeader()->setDefaultSectionSize(20);
        tabs->addTab(table, QStringLiteral("Grid"));
    }

    QWidget* controlsPage()
    {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("page"));
        for (int i = 0; i < 40; ++i) {
            auto* b = new QPushButton(QStringLiteral("Action %1").arg(i), page);
            b->setProperty("scheme", QLatin1String(schemes[i % 4].name));
            b->setGeometry(buttonAt(i));
            buttons << b;
        }
        for (int i = 0; i < 12; ++i) {
            auto* e = new QLineEdit(QStringLiteral("1024"), page);
            e->setGeometry(editAt(i));
            switch (editTypes[i % 6]) {
            case TextType::Number:
            case TextType::PhoneNumber:
                e->setValidator(new QIntValidator(e));
                break;
            case TextType::Password:
                e->setEchoMode(QLineEdit::Password);
                break;
            case TextType::IPaddress:
            case TextType::ASCII:
                e->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), e));
                break;
            default:
                break;
            }
        }
        for (int i = 0; i < 6; ++i) {
            auto* c = new QComboBox(page);
            c->setGeometry(comboAt(i));
            c->addItems({"Normal", "Express", "Freight", "Pickup"});
            c->setCurrentIndex(i % 4);
        }
        for (int i = 0; i < 12; ++i) {
            auto* c = new QCheckBox(QStringLiteral("Option %1").arg(i), page);
            c->setGeometry(checkAt(i));
            c->setChecked(i % 3 == 0);
        }
        for (int i = 0; i < 6; ++i) {
            auto* s = new QCheckBox(QStringLiteral("On"), page);
            s->setObjectName(QStringLiteral("switch"));
            s->setGeometry(switchAt(i));
            s->setChecked(i % 2 == 0);
        }
        for (int i = 0; i < 4; ++i) {
            auto* t = new QSlider(Qt::Horizontal, page);
            t->setGeometry(trackAt(i));
            t->setValue(20 * (i + 1));
        }
        for (int i = 0; i < 3; ++i) {
            auto* p = new QProgressBar(page);
            p->setGeometry(progressAt(i));
            p->setValue(30 * (i + 1));
            p->setTextVisible(false);
        }
        return page;
    }

    QWidget* Window() const { return window.get(); }
    void Show() { showAndPaint(window.get()); }
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
            qApp->setStyleSheet(qtSheet(false));
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
                qApp->setStyleSheet(qtSheet(dark));
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
                             FirstFrame<QtScreen>, few),
    WexalBench::RegisterPair("Screen/FullRepaint", FullRepaint<WexalScreen>, FullRepaint<QtScreen>,
                             configure),
    WexalBench::RegisterPair("Screen/HoverSweep40Buttons", HoverSweep<WexalScreen>,
                             HoverSweep<QtScreen>, configure),
    WexalBench::RegisterPair("Screen/TenResizeSteps", ResizeSteps<WexalScreen>,
                             ResizeSteps<QtScreen>, configure),
    WexalBench::RegisterPair("Screen/LightToDarkAndBack", ThemeSwitch<WexalScreen>,
                             ThemeSwitch<QtScreen>, configure),
};

} // namespace
