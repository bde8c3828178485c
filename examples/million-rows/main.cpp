// A million rows in a WGridList, made by a worker thread while the grid is on screen: the grid
// can be scrolled, and its columns resized, all the while.
#include "ExampleScreenshot.h"

#include <WForm.h>
#include <WGridList.h>
#include <WGridListData.h>
#include <WGridListRow.h>
#include <WLabel.h>
#include <WPanel.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <utility>

namespace {

constexpr int totalRows = 1000000;
enum Column { Number, Customer, City, Amount, Paid, ColumnCount };

QString thousands(int n)
{
    return QLocale(QLocale::English).toString(n);
}

// Fills the model on its own thread, in batches: each batch is made outside the model's lock
// and appended under it, so the lock is held only for the moments of appending and the grid,
// which paints only when it gets the lock at once, rarely finds it taken.
class RowLoader : public QThread
{
public:
    explicit RowLoader(WGridListData& data) : data(data) {}

    // A loader still running when the window goes is stopped before the model is destroyed.
    ~RowLoader() override
    {
        requestInterruption();
        wait();
    }

    int Loaded() const { return loaded; }

protected:
    void run() override
    {
        // Copies of one QString share its text, so the names and cities below cost no memory
        // per row; only the row number and the amount are new strings.
        const QStringList customers = {
            QStringLiteral("Nordlicht AB"),   QStringLiteral("Atelier Roux"),
            QStringLiteral("Kowalski & Syn"), QStringLiteral("Tallinn Tech"),
            QStringLiteral("Porto Vinhos"),   QStringLiteral("Gentse Bloem"),
            QStringLiteral("Alpenhof"),       QStringLiteral("Fjord Fisk")};
        const QStringList cities = {
            QStringLiteral("Malmö"),     QStringLiteral("Lyon"),   QStringLiteral("Kraków"),
            QStringLiteral("Tallinn"),   QStringLiteral("Porto"),  QStringLiteral("Ghent"),
            QStringLiteral("Innsbruck"), QStringLiteral("Bergen"), QStringLiteral("Utrecht")};
        constexpr int batchSize = 5000;
        QList<WGridListRow*> batch;
        batch.reserve(batchSize);
        for (int start = 0; start < totalRows && !isInterruptionRequested(); start += batchSize) {
            const int end = qMin(start + batchSize, totalRows);
            for (int r = start; r < end; ++r) {
                // Not in the model yet: this thread's alone until added.
                WGridListRow* row = data.CreateRow();
                row->Cells[Number] = QString::number(r + 1);
                row->Cells[Customer] = customers.at(r % customers.size());
                row->Cells[City] = cities.at(r % cities.size());
                row->Cells[Amount] = QString::number(10 + qint64(r) * 7919 % 99000 / 100.0, 'f', 2);
                row->Cells[Paid] = r % 3 != 0;
                batch.append(row);
            }
            data.Lock();
            for (WGridListRow* row : std::as_const(batch))
                data.AddRow(row);
            data.Unlock();
            batch.clear();
            loaded = end;
        }
    }

private:
    WGridListData& data;
    std::atomic<int> loaded{0};
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString screenshot = ExampleScreenshot::Requested(
        QStringLiteral("A million grid rows made by a worker thread."));

    WForm window;
    window.SetTitle(QStringLiteral("A million rows"));
    window.setWindowTitle(window.Title());
    window.SetBackColor(Qt::white);
    window.SetTitleBackColor(Qt::white);
    window.SetSysButtonColor(QColor("#6B7280"));
    window.resize(640, 460);

    // A status line under the grid; docked first, so the grid fills what is left above it.
    auto* statusBar = new WPanel(&window);
    statusBar->resize(640, 32);
    statusBar->SetBackColor(Qt::white);
    statusBar->SetBorder(PositionFlag::Top);
    statusBar->SetBorderWidth(1);
    statusBar->SetBorderColor(QColor("#E5E7EB"));
    statusBar->SetPadding(WPadding{0, 0, 12, 12});
    statusBar->SetDock(DockType::Bottom);
    auto* status = new WLabel(statusBar);
    status->SetForeColor(QColor("#6B7280"));
    status->SetDock(DockType::Fill);

    // The model belongs to the application, not to the grid; it outlives both the grid and the
    // loader (declared after it, so destroyed first).
    WGridListData data(ColumnCount);
    RowLoader loader(data);

    auto* grid = new WGridList(&window);
    grid->resize(640, 460 - window.TitleHeight() - statusBar->height());
    grid->SetDock(DockType::Fill);
    grid->SetColumnHeaderHeight(30);
    grid->SetRowHeight(26);
    grid->SetColumnHeaderBackColor(QColor("#F3F4F6"));
    grid->SetColumnHeaderForeColor(QColor("#374151"));
    grid->SetColumnHeaderGridLineColor(QColor("#E5E7EB"));
    grid->SetSingleRowBackColor(Qt::white);
    grid->SetDoubleRowBackColor(QColor("#F9FAFB"));
    grid->SetSelectedRowBackColor(QColor("#DBEAFE"));
    grid->SetRowForeColor(QColor("#1F2937"));
    grid->SetCheckFlagColor(QColor("#16A34A")); // check cells show nothing until it is set
    grid->SetCanChangeColumnWidth(true);
    grid->SetSliderColor(QColor("#9CA3AF"));
    grid->SetSliderColorHover(QColor("#6B7280"));
    grid->SetSliderMinimumSize(24);
    grid->AddColumn(100, QStringLiteral("Row"));
    grid->AddColumn(170, QStringLiteral("Customer"));
    grid->AddColumn(130, QStringLiteral("City"));
    grid->AddColumn(120, QStringLiteral("Amount (€)"));
    grid->AddColumn(60, QStringLiteral("Paid"));
    grid->ApplyColumn();
    grid->SetDataSource(&data);
    grid->UpdateData();

    // The grid learns of new rows from the GUI thread. UpdateData() would also take the view
    // back to the top and drop the selection; growing the scrolled height under the lock leaves
    // both where the user has them while rows arrive.
    QElapsedTimer clock;
    int shown = 0;
    const auto takeNewRows = [&] {
        // Asked first: once the thread has finished, its last count is in.
        const bool finished = loader.isFinished();
        const int loaded = loader.Loaded();
        if (loaded != shown) {
            shown = loaded;
            data.Lock();
            grid->ComputeRowTotalHeight();
            data.Unlock();
            grid->update();
        }
        status->SetText(finished ? QStringLiteral("%1 rows, made on a worker thread in %2 s")
                                       .arg(thousands(shown))
                                       .arg(clock.elapsed() / 1000.0, 0, 'f', 1)
                                 : QStringLiteral("Loading on a worker thread… %1 of %2 rows")
                                       .arg(thousands(shown), thousands(totalRows)));
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, takeNewRows);
    // Delivered in the GUI thread, after the last batch is in: one last look, and no more.
    QObject::connect(&loader, &QThread::finished, &window, [&] {
        poll.stop();
        takeNewRows();
    });

    if (!screenshot.isEmpty())
        ExampleScreenshot::KeepOffScreen(&window);
    window.show();
    clock.start();
    loader.start();
    poll.start(200);
    if (screenshot.isEmpty())
        return app.exec();

    // Headless: wait for the last row (a slow, instrumented build takes a while), then show the
    // end of the list, which only a complete load has.
    const bool complete = ExampleScreenshot::WaitUntil(
        [&] { return shown == totalRows && !poll.isActive(); }, 300000);
    if (!complete)
        qWarning("only %d of %d rows arrived in time", shown, totalRows);
    grid->SetVScrollBarValue(grid->ScrollSize().height());
    const bool saved = ExampleScreenshot::Save(&window, screenshot);
    return complete && saved ? 0 : 1;
}
