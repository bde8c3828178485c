// Memory that painting keeps: 200 rounded 500x500 panels painted once against 200 Fusion-styled
// QFrames, and scrolling a grid through 6,000 rows of long texts against QTableView. Each case
// reports, besides its time, how far the process's resident memory grew while the widgets were
// painted (the "MiB" counter), measured with the widgets still alive.
#include "BenchSupport.h"

#include "WGridList.h"
#include "WGridListData.h"
#include "WPanel.h"

#include <QAbstractTableModel>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>

#include <memory>
#include <vector>

namespace {

constexpr int panelCount = 200;
constexpr int panelSide = 500;

// Same look for all (shared layers), or one colour per panel (as many looks as panels), colours
// that no run before has painted, so that each run paints looks the process has never seen.
void WexalPanels(benchmark::State& state, bool distinctLooks)
{
    QImage target(panelSide, panelSide, QImage::Format_ARGB32_Premultiplied);
    double grown = 0;
    static int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int first = panelCount * runs++;
        const double before = WexalBench::ResidentMiB();
        std::vector<std::unique_ptr<WPanel>> panels;
        for (int i = 0; i < panelCount; ++i) {
            auto panel = std::make_unique<WPanel>();
            panel->resize(panelSide, panelSide);
            panel->SetRadius(12);
            const int look = (first + i) % (1 << 24);
            panel->SetBackColor(distinctLooks ? QColor(look & 255, (look >> 8) & 255, look >> 16)
                                              : QColor(0xF8, 0xFA, 0xFC));
            panel->SetBorder(PositionFlag::All);
            panel->SetBorderWidth(2);
            panel->SetBorderColor(QColor(0x25, 0x63, 0xEB));
            panels.push_back(std::move(panel));
        }
        WexalBench::Settle();
        state.ResumeTiming();
        for (auto& panel : panels)
            panel->render(&target);
        state.PauseTiming();
        grown = WexalBench::ResidentMiB() - before;
        panels.clear();
        state.ResumeTiming();
    }
    state.counters["MiB"] = grown;
}

void QtFrames(benchmark::State& state)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QImage target(panelSide, panelSide, QImage::Format_ARGB32_Premultiplied);
    double grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = WexalBench::ResidentMiB();
        std::vector<std::unique_ptr<QFrame>> frames;
        for (int i = 0; i < panelCount; ++i) {
            auto frame = std::make_unique<QFrame>();
            frame->setStyle(fusion.get());
            frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
            frame->setLineWidth(2);
            frame->resize(panelSide, panelSide);
            frames.push_back(std::move(frame));
        }
        WexalBench::Settle();
        state.ResumeTiming();
        for (auto& frame : frames)
            frame->render(&target);
        state.PauseTiming();
        grown = WexalBench::ResidentMiB() - before;
        frames.clear();
        state.ResumeTiming();
    }
    state.counters["MiB"] = grown;
}

void WexalPanelsSameLook(benchmark::State& state)
{
    WexalPanels(state, false);
}
void WexalPanelsManyLooks(benchmark::State& state)
{
    WexalPanels(state, true);
}

// The grid: 6,000 rows of four long texts, scrolled through a page at a time.
constexpr int gridRows = 6000;
constexpr int gridColumns = 4;
constexpr int gridRowHeight = 20;
constexpr int gridWidth = 800;
constexpr int gridHeight = 600;

QString longText(int row, int column)
{
    return QStringLiteral("Row %1, column %2: the quick brown fox jumps over the lazy dog "
                          "while the grid keeps scrolling")
        .arg(row)
        .arg(column);
}

class LongTextModel : public QAbstractTableModel
{
public:
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
        if (!index.isValid() || role != Qt::DisplayRole)
            return QVariant();
        return longText(index.row(), index.column());
    }
};

void WexalGridScroll(benchmark::State& state)
{
    double grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        WGridListData data(gridColumns);
        for (int r = 0; r < gridRows; ++r) {
            WGridListRow* row = data.CreateRow();
            for (int c = 0; c < gridColumns; ++c)
                row->Cells[c] = longText(r, c);
            data.AddRow(row);
        }
        auto grid = std::make_unique<WGridList>();
        grid->setAttribute(Qt::WA_DontShowOnScreen);
        grid->resize(gridWidth, gridHeight);
        grid->SetBackColor(Qt::white);
        grid->SetRowForeColor(Qt::black);
        grid->show();
        WexalBench::Settle();
        for (int c = 0; c < gridColumns; ++c)
            grid->AddColumn(gridWidth / gridColumns, QStringLiteral("Column %1").arg(c + 1));
        grid->ApplyColumn();
        grid->SetDataSource(&data);
        grid->UpdateData();
        QImage image(grid->size(), QImage::Format_ARGB32_Premultiplied);
        const double before = WexalBench::ResidentMiB();
        state.ResumeTiming();
        for (int offset = 0; offset < gridRows * gridRowHeight; offset += gridHeight / 2) {
            grid->SetVScrollBarValue(offset);
            grid->render(&image);
        }
        state.PauseTiming();
        grown = WexalBench::ResidentMiB() - before;
        grid->SetDataSource(nullptr);
        grid.reset();
        state.ResumeTiming();
    }
    state.counters["MiB"] = grown;
}

void QtGridScroll(benchmark::State& state)
{
    double grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LongTextModel model;
        auto view = std::make_unique<QTableView>();
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setDefaultSectionSize(gridRowHeight);
        view->verticalHeader()->hide();
        view->horizontalHeader()->setDefaultSectionSize(gridWidth / gridColumns);
        view->setModel(&model);
        view->resize(gridWidth, gridHeight);
        view->show();
        WexalBench::Settle();
        QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
        const double before = WexalBench::ResidentMiB();
        state.ResumeTiming();
        for (int offset = 0; offset < gridRows * gridRowHeight; offset += gridHeight / 2) {
            view->verticalScrollBar()->setValue(offset);
            view->render(&image);
        }
        state.PauseTiming();
        grown = WexalBench::ResidentMiB() - before;
        view.reset();
        state.ResumeTiming();
    }
    state.counters["MiB"] = grown;
}

const auto once = [](auto* b) { b->Iterations(1)->Unit(benchmark::kMillisecond); };
const int sameLook =
    WexalBench::RegisterPair("RoundedPanels200x500SameLook", WexalPanelsSameLook, QtFrames, once);
const int manyLooks =
    WexalBench::RegisterPair("RoundedPanels200x500ManyLooks", WexalPanelsManyLooks, QtFrames, once);
const int gridScroll =
    WexalBench::RegisterPair("GridScroll6000LongRows", WexalGridScroll, QtGridScroll, once);

} // namespace
