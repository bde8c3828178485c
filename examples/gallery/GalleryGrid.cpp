// Grid list: three thousand shipments with check, image, text, combo-box and line-edit cells,
// loaded by a worker thread while the grid is on screen.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WComboBox.h"
#include "WGridList.h"
#include "WGridListData.h"
#include "WLineEdit.h"
#include "WPanel.h"
#include "WTest.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace GalleryTheme;

constexpr int totalRows = 3000;
constexpr int batchRows = 100;
// The worker waits here until the page has been up for a moment, so that a screenshot always
// finds the same part of the load done.
constexpr int firstPart = 600;
constexpr int rowHeight = 26;
enum Column { Priority, Carrier, Order, Customer, Status, Note, Amount, ColumnCount };
constexpr int widths[ColumnCount] = {26, 22, 64, 108, 92, 118, 90};

QString thousands(int n)
{
    return QLocale(QLocale::English).toString(n);
}

// Status dots for the carrier column, made once in the GUI thread before the worker starts;
// cells only point at them.
const QImage* carrierDot(int i)
{
    static const std::array<QImage, 3> dots = [] {
        const QColor colours[3] = {success, warning, accent};
        std::array<QImage, 3> made;
        for (int k = 0; k < 3; ++k) {
            made[k] = QImage(12, 12, QImage::Format_ARGB32_Premultiplied);
            made[k].fill(Qt::transparent);
            QPainter p(&made[k]);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(colours[k]);
            p.drawEllipse(QRectF(1, 1, 10, 10));
        }
        return made;
    }();
    return &dots[size_t(i % 3)];
}

// A status picker for one row: a combo box drawn by the grid in its cell, whose list opens
// below the cell on screen.
WComboBox* statusBox(int row)
{
    static const QStringList statuses = {QStringLiteral("Queued"), QStringLiteral("Packed"),
                                         QStringLiteral("Shipped"), QStringLiteral("Delivered"),
                                         QStringLiteral("Returned")};
    auto* box = new WComboBox;
    box->SetDock(DockType::Fill);
    box->SetBackColor(Qt::transparent); // the row's colour shows through
    box->SetItemHeight(24);
    box->SetItems(statuses);
    box->SetSelectedIndex((row * 7) % 4);
    return box;
}

// Fills rows on a worker thread in batches, each made outside the lock and added under it,
// while the GUI thread gives the new rows their line edits and tells the grid about them.
// Owned by the card's body and created before the grid, so it is destroyed first: the worker
// is stopped and the rows (with their widgets) go while the application still runs.
class ShipmentLoader : public QObject
{
public:
    explicit ShipmentLoader(QObject* parent) : QObject(parent)
    {
        for (int i = 0; i < 3; ++i)
            carrierDot(i);
        worker = std::thread([this] { Load(); });
    }

    ~ShipmentLoader() override
    {
        cancel = true;
        go = true;
        worker.join();
        if (grid)
            grid->SetDataSource(nullptr);
        data.Clear();
    }

    // Waits (boundedly) until the worker has made its first part of the rows.
    void WaitForFirstPart()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (loaded.load() < firstPart && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    void Continue() { go = true; }

    // Gives rows that arrived since the last call their line edit, and lets the grid take in
    // the new extent without moving its view.
    void Adopt()
    {
        const int count = loaded.load();
        if (count == adopted || !grid)
            return;
        data.Lock();
        for (int r = adopted; r < count; ++r) {
            auto* note = new WLineEdit;
            note->SetDock(DockType::Fill);
            note->SetBackColor(Qt::transparent); // the row's colour shows through
            note->SetBorder(PositionFlag::Bottom);
            note->SetBorderWidth(1);
            if (r % 7 == 2)
                note->SetTextWithoutEvent(QStringLiteral("Call first"));
            else if (r % 11 == 4)
                note->SetTextWithoutEvent(QStringLiteral("Gate 4417"));
            else if (r % 13 == 9)
                note->SetTextWithoutEvent(QStringLiteral("Fragile"));
            data.Rows.at(r)->Cells[Note] = note;
            data.Rows.at(r)->Cells[Status] = statusBox(r);
        }
        adopted = count;
        grid->ComputeRowTotalHeight();
        grid->CellControlLayout(Note);
        grid->CellControlLayout(Status);
        data.Unlock();
        grid->update();
        if (status)
            status->SetText(count < totalRows
                                ? QStringLiteral("Loading on a worker thread… %1 of %2 rows")
                                      .arg(thousands(count), thousands(totalRows))
                                : QStringLiteral("%1 shipments · loaded on a worker thread")
                                      .arg(thousands(totalRows)));
    }

    WGridListData data{ColumnCount};
    QPointer<WGridList> grid;
    QPointer<GalleryText> status;

private:
    void Load()
    {
        static const char* const customers[] = {
            "Nordlicht AB", "Atelier Roux", "Kowalski & Syn", "Tallinn Tech",  "Porto Vinhos",
            "Gentse Bloem", "Alpenhof",     "Fjord Fisk",     "Utrecht Bikes", "Lyon Soieries"};
        for (int start = 0; start < totalRows && !cancel; start += batchRows) {
            if (start == firstPart) {
                while (!go)
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                if (cancel)
                    return;
            }
            QList<WGridListRow*> batch;
            for (int r = start; r < start + batchRows; ++r) {
                WGridListRow* row = data.CreateRow(); // not in the model yet: ours alone
                row->Cells[Priority] = r % 5 == 1;
                row->Cells[Carrier] = carrierDot(r * 7 % 3);
                row->Cells[Order] = QStringLiteral("#%1").arg(20400 + r);
                row->Cells[Customer] = QString::fromUtf8(customers[(r * 3) % 10]);
                row->Cells[Amount] = QStringLiteral("€ %1.%2")
                                         .arg(thousands(40 + (r * 7919) % 4800))
                                         .arg((r * 37) % 100, 2, 10, QLatin1Char('0'));
                batch.append(row);
            }
            data.Lock();
            for (WGridListRow* row : qAsConst(batch))
                data.AddRow(row);
            data.Unlock();
            loaded += batchRows;
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
        }
    }

    std::thread worker;
    std::atomic<int> loaded{0};
    std::atomic<bool> go{false};
    std::atomic<bool> cancel{false};
    int adopted = 0;
};

void clickAt(QWidget* w, const QPoint& pos)
{
    QHoverEvent hover(QEvent::HoverMove, pos, pos);
    QApplication::sendEvent(w, &hover);
    QMouseEvent press(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void buildGrid(WPanel* body)
{
    auto* loader = new ShipmentLoader(body);

    auto* status = SetVariant(new GalleryText(QString(), body, 8), "muted");
    status->resize(body->width(), 22);
    status->SetDock(DockType::Bottom);
    loader->status = status;

    auto* grid = new WGridList(body);
    grid->setAccessibleName(QStringLiteral("Shipments"));
    grid->resize(body->width(), body->height() - 22);
    grid->SetBorder(PositionFlag::All);
    grid->SetBorderWidth(1);
    grid->SetColumnHeaderHeight(30);
    grid->SetRowHeight(rowHeight);
    grid->SetScrollBarSize(8);
    grid->SetSliderRadius(4);
    const char* const titles[ColumnCount] = {"",       "",     "Order", "Customer",
                                             "Status", "Note", "Amount"};
    for (int c = 0; c < ColumnCount; ++c)
        grid->AddColumn(widths[c], QString::fromLatin1(titles[c]));
    grid->SetDataSource(&loader->data);
    grid->SetDock(DockType::Fill);
    loader->grid = grid;

    auto* timer = new QTimer(grid);
    QObject::connect(timer, &QTimer::timeout, loader, [loader, timer] {
        loader->Adopt();
        if (loader->data.Rows.size() >= totalRows)
            timer->stop();
    });

    GallerySection::AfterFirstLayout([loader, grid, timer] {
        grid->ApplyColumn();
        loader->WaitForFirstPart();
        loader->Adopt();
        WGridListData& data = loader->data;
        data.Lock();
        grid->SetSelectedRow(data.Rows.at(3));
        grid->SetLockedRow(data.Rows.at(6)); // on hold: drawn in the alert colour
        data.Unlock();
        // A click into a note: its line edit takes the grid's keys and shows its caret.
        const int noteLeft =
            widths[Priority] + widths[Carrier] + widths[Order] + widths[Customer] + widths[Status];
        clickAt(grid, QPoint(1 + noteLeft + 30, 1 + 30 + 4 * rowHeight + 12));
        QTimer::singleShot(600, loader, [loader] { loader->Continue(); });
        timer->start(80);
    });
}

const GallerySection::Registrar
    grid({QStringLiteral("Grid list"),
          QStringLiteral("Check, image, text, combo-box and "
                         "line-edit cells"),
          50,
          330,
          buildGrid,
          {QStringLiteral("WGridList"), QStringLiteral("WGridListColumn"),
           QStringLiteral("WGridListRow"), QStringLiteral("WGridListCell"),
           QStringLiteral("WGridListData")}});

} // namespace
