#include "ListTestSupport.h"
#include "WClassRegistry.h"
#include "WComboBoxScrollArea_p.h"
#include "WComboDropDownBox_p.h"
#include "WScrollBar_p.h"
#include "WTestSuite.h"

using BoxEdit = std::function<void(WComboBox&)>;
Q_DECLARE_METATYPE(BoxEdit)

using WexalTest::NumberedLines;

namespace {

WComboDropDownBox* openList()
{
    return qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget());
}

// The drop-down box of box, found among the top-level windows (it has no parent).
WComboDropDownBox* listOf(const WComboBox& box)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* list = qobject_cast<WComboDropDownBox*>(w); list && list->Owner() == &box)
            return list;
    return nullptr;
}

// The point at the middle of line i of the open list, in the list window's coordinates.
QPoint linePoint(WComboDropDownBox* list, int i)
{
    WComboBoxScrollArea* c = list->Content();
    return c->mapTo(list, QPoint(30, i * c->ItemHeight() + c->ItemHeight() / 2));
}

// Presses on line i of the open list, moving there first as a pointer does.
void pressLine(WComboDropDownBox* list, int i)
{
    WexalTest::MouseMove(list, linePoint(list, i));
    WexalTest::MousePress(list, linePoint(list, i));
}

// A window with one styled combo box at (20, 30), 120 x 24, holding lines.
struct Fixture
{
    explicit Fixture(const QStringList& lines = {})
    {
        window.resize(400, 300);
        window.move(100, 100);
        box = new WComboBox(&window);
        box->setGeometry(20, 30, 120, 24);
        box->SetBackColor(Qt::white);
        box->SetForeColor(Qt::black);
        box->SetBorder(PositionFlag::All);
        box->SetBorderWidth(1);
        box->SetBorderColor(Qt::blue);
        box->SetItemBackColorHover(Qt::red);
        box->SetItemForeColorHover(Qt::white);
        box->SetItems(lines);
    }
    void Show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    // Opens the list with a real press on the box and runs step inside the list's event loop.
    // Unless step is to close the list itself, the list is hidden after it. Returns false when
    // a step that was to close the list did not (it is then closed after a while).
    bool WithOpenList(const std::function<void(WComboDropDownBox*)>& step, bool stepCloses = false)
    {
        const auto click = [this] {
            WexalTest::MousePress(box, QPoint(10, 10));
            WexalTest::MouseRelease(box, QPoint(10, 10));
        };
        return ListTest::RunPopup(click, [step, stepCloses] {
            WComboDropDownBox* list = openList();
            if (!list)
                return;
            step(list);
            if (!stepCloses && list == openList())
                list->hide();
        });
    }
    // Whether a real click on the box opens its list (closed again at once).
    bool ClickOpens()
    {
        bool opened = false;
        WithOpenList([&](WComboDropDownBox*) { opened = true; });
        return opened || box->IsPopupOpen();
    }

    WPanel window;
    WComboBox* box;
};

} // namespace

class tst_WComboBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }

    // Every change of the lines but SetItem and an in-range SetItems clears the selection,
    // with one signal when something was selected; whenever the shown line changes, the box
    // repaints.
    void itemOperations_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("selected");
        QTest::addColumn<BoxEdit>("edit");
        const QStringList abc{"a", "b", "c"}, abcx{"a", "b", "c", "x"};
        const auto row = [](const char* name, const QStringList& lines, int sel, BoxEdit edit) {
            QTest::newRow(name) << lines << sel << edit;
        };
        row("AddItem", abcx, -1, [](WComboBox& b) { b.AddItem("x"); });
        row("InsetItem front", {"x", "a", "b", "c"}, -1,
            [](WComboBox& b) { b.InsetItem(INT_MIN, "x"); });
        row("InsetItem past end", abcx, -1, [](WComboBox& b) { b.InsetItem(INT_MAX, "x"); });
        row("RemoveItem", {"a", "c"}, -1, [](WComboBox& b) { b.RemoveItem(1); });
        row("RemoveItem outside", abc, -1, [](WComboBox& b) { b.RemoveItem(3); });
        row("SetItems as long", {"p", "q", "r"}, 2, [](WComboBox& b) {
            b.SetItems({"p", "q", "r"});
        });
        row("SetItems shorter", {"p", "q"}, -1, [](WComboBox& b) { b.SetItems({"p", "q"}); });
        row("SetItem", {"a", "b", "x"}, 2, [](WComboBox& b) { b.SetItem(2, "x"); });
        row("SetItem outside", abc, 2, [](WComboBox& b) { b.SetItem(-1, "x"), b.SetItem(3, "x"); });
    }
    void itemOperations()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, selected);
        QFETCH(BoxEdit, edit);
        Fixture f({"a", "b", "c"});
        f.box->SetSelectedIndex(2);
        f.Show();
        const WexalTest::PaintCount paints(f.box);
        QSignalSpy changed(f.box, &WComboBox::SelectedIndexChanged);
        edit(*f.box);
        QCoreApplication::sendPostedEvents();
        if (f.box->SelectedText() != QLatin1String("c"))
            QVERIFY(paints.count.value(f.box) > 0); // what the box shows has changed
        QCOMPARE(f.box->Items(), lines);
        QCOMPARE(f.box->SelectedIndex(), selected);
        QCOMPARE(changed.size(), selected == -1 ? 1 : 0);
        QCOMPARE(changed.isEmpty() ? -1 : changed.first().first().toInt(), -1);
    }

    // The list's size from its lines: at most 150 pixels of them, a bar's height more when a
    // line is wider than the box, always four pixels wider than the box for the shadow. A border so
    // wide that the list would be taller than the screen: the list is cut to the screen's height
    // where its box puts it, not moved onto the screen.
    void listSize_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<int>("height");
        QTest::newRow("3 lines") << 3 << false << 1 << 60 + 6;
        QTest::newRow("10 lines scroll") << 10 << false << 2 << 150 + 8;
        QTest::newRow("3 wide lines") << 3 << true << 1 << 70 + 6;
        const int screen = QGuiApplication::primaryScreen()->geometry().height();
        QTest::newRow("taller than the screen") << 3 << false << screen << screen;
    }
    void listSize()
    {
        QFETCH(int, count);
        QFETCH(bool, wide);
        QFETCH(int, borderWidth);
        QFETCH(int, height);
        QStringList lines = NumberedLines(count);
        if (wide)
            lines[1] = QString(60, QLatin1Char('W'));
        Fixture f(lines);
        f.box->SetBorderWidth(borderWidth);
        f.Show();
        QRect geometry;
        bool hBar = false;
        QVERIFY(f.WithOpenList([&](WComboDropDownBox* open) {
            QCoreApplication::processEvents();
            geometry = open->geometry();
            hBar = open->findChildren<WScrollBar*>().first()->isVisible();
        }));
        QCOMPARE(geometry.size(), QSize(120 + 4, height));
        // Below the box, over its bottom border.
        QCOMPARE(geometry.topLeft(), f.box->mapToGlobal(QPoint(0, 24 - borderWidth)));
        QVERIFY(!f.box->IsPopupOpen());
        if (borderWidth > 3)
            return; // no room for lines, nor for a bar
        QCOMPARE(hBar, wide);
    }

    // A real press opens the list; a press on a line chooses it, with one signal; choosing the
    // selected line again, Escape, a press outside and a press on the box itself close it with
    // no change, and the press on the box does not open it again.
    void chooseAndClose()
    {
        Fixture f(NumberedLines(5));
        f.Show();
        QSignalSpy changed(f.box, &WComboBox::SelectedIndexChanged);
        const std::function<void(WComboDropDownBox*)> closers[] = {
            [](WComboDropDownBox* list) { pressLine(list, 2); }, // chosen
            [](WComboDropDownBox* list) { pressLine(list, 2); }, // chosen again: no change
            [](WComboDropDownBox* list) { QTest::keyClick(list, Qt::Key_Escape); },
            [](WComboDropDownBox* list) {
                WexalTest::MouseMove(list,
                                     linePoint(list, 3)); // a line hovered, then a press far away
                WexalTest::MousePress(list, QPoint(-200, 300));
            },
            [&](WComboDropDownBox* list) {
                WexalTest::MousePress(list,
                                      list->mapFromGlobal(f.box->mapToGlobal(QPoint(60, 12))));
            },
        };
        for (const auto& close : closers) {
            bool openDuringLoop = false;
            QVERIFY(f.WithOpenList(
                [&](WComboDropDownBox* list) {
                    openDuringLoop = f.box->IsPopupOpen();
                    close(list);
                },
                true));
            QVERIFY(openDuringLoop);
            // Qt hands a press that closed a popup on to the widget under it, unless the popup
            // says no: for a press on the box, which would open the list again.
            QCOMPARE(listOf(*f.box)->testAttribute(Qt::WA_NoMouseReplay), &close == &closers[4]);
            QVERIFY(!openList());
            QVERIFY(!f.box->IsPopupOpen());
            QCOMPARE(f.box->SelectedIndex(), 2);
            QCOMPARE(changed.size(), 1);
        }
        QCOMPARE(changed.first().first().toInt(), 2);
        QCOMPARE(f.box->SelectedText(), QStringLiteral("Line 2"));
    }

    // Hover from pointer moves: the topmost row and leftmost column of the lines belong to no
    // line, a point below the last line keeps the one before, leaving clears. The hovered line
    // is filled and written in the hover colours. The arrow goes when it is not to show (its
    // colours, enabled and disabled: the density glyph tests). A disabled box opens nothing; nor
    // does a box without lines.
    void openFaceAndHover()
    {
        Fixture f(NumberedLines(3));
        f.Show();
        QList<int> seen;
        QImage image;
        f.WithOpenList([&](WComboDropDownBox* list) {
            WComboBoxScrollArea* c = list->Content();
            for (const QPoint& p :
                 {QPoint(10, 0), QPoint(0, 10), QPoint(10, 1), QPoint(10, 25), QPoint(10, 59)}) {
                WexalTest::MouseMove(list, c->mapTo(list, p));
                seen << c->HoverIndex();
            }
            // Below the last line (reachable only while the lines are shorter than the view).
            QHoverEvent below(QEvent::HoverMove, QPointF(10, 70), QPointF(10, 59));
            QApplication::sendEvent(c, &below);
            seen << c->HoverIndex();
            WexalTest::MouseMove(list, c->mapTo(list, QPoint(10, 25)));
            image = list->grab().toImage();
            WexalTest::MouseMove(list, QPoint(-30, -30));
            seen << c->HoverIndex();
        });
        QCOMPARE(seen, QList<int>({-1, -1, 0, 1, 2, 2, -1}));
        // Line 1 lies 20 ... 39 pixels below the top border.
        QCOMPARE(image.pixelColor(60, 1 + 21), QColor(Qt::red));
        QCOMPARE(image.pixelColor(60, 1 + 39), QColor(Qt::red));
        QCOMPARE(image.pixelColor(60, 1 + 41), QColor(Qt::white));

        const auto arrowTip = [&] {
            return f.box->grab().toImage().pixelColor(120 - 1 - 19 + 5, (24 - 9) / 2 + 1);
        };
        f.box->SetDropDownButtonColor(Qt::green);
        QCOMPARE(arrowTip(), QColor(Qt::green));
        f.box->SetShowDropDownButton(false);
        QCOMPARE(arrowTip(), QColor(Qt::white));
        f.box->setEnabled(false);
        QVERIFY(!f.ClickOpens());
        f.box->setEnabled(true);
        f.box->SetItems({}); // no lines: nothing to open
        QVERIFY(!f.ClickOpens());
        QCOMPARE(f.box->SelectedIndex(), -1);
    }

    // A box that a grid list paints into a cell opens its list below the cell on screen, and a
    // line pressed there is chosen. Or the grid is deleted while the list is open: the press
    // the grid handed to the box returns into a grid that is gone, and the box, which the
    // application owns, closes its list as a press elsewhere would.
    void inGridCell_data()
    {
        QTest::addColumn<bool>("deleteGrid");
        QTest::newRow("opens below the cell") << false;
        QTest::newRow("grid deleted while open") << true;
    }
    void inGridCell()
    {
        QFETCH(bool, deleteGrid);
        WGridListData data(2);
        auto* box = new WComboBox;
        box->SetBorderWidth(2);
        box->SetDock(DockType::Fill);
        box->SetItems(NumberedLines(4));
        QPointer<WGridList> grid = new WGridList;
        grid->move(50, 60);
        for (int i = 0; i < 2; ++i)
            data.AddRow(data.CreateRow());
        data.Rows.at(1)->Cells[1] = box;
        grid->SetColumnWidth({80, 100});
        grid->SetDataSource(&data);
        grid->UpdateData();
        grid->CellControlLayout(1);
        QVERIFY(WexalTest::ShownAt(grid, 300, 200));
        grid->repaint();
        // The second row's cell in the second column: below the 30-pixel header and one row.
        const QPoint cell = grid->mapToGlobal(QPoint(80, 30 + 20));
        const QPoint below = cell + QPoint(0, box->height() - 2);
        QPoint openedAt;
        QTimer::singleShot(0, qApp, [&] {
            const QPointer<WComboDropDownBox> list = openList();
            if (!list)
                return;
            openedAt = list->pos();
            if (deleteGrid)
                delete grid.data(), list->hide();
            else
                pressLine(list, 3);
        });
        WexalTest::MousePress(grid, grid->mapFromGlobal(cell + QPoint(20, 10)));
        QCOMPARE(openedAt, below);
        QCOMPARE(grid.isNull(), deleteGrid);
        if (grid)
            QCOMPARE(box->SelectedIndex(), 3);
        delete grid.data();
        data.Clear();
    }

    // The box deleted while its list is open, from a timer, in each way an application gets
    // rid of a widget: the press that opened the list returns, and nothing is touched after
    // it is freed.
    void deletedWhileOpen_data()
    {
        QTest::addColumn<WexalTest::Removal>("how");
        for (const auto& [removal, name] : WexalTest::Removals())
            QTest::newRow(qPrintable(name)) << removal;
    }
    void deletedWhileOpen()
    {
        QFETCH(WexalTest::Removal, how);
        WexalTest::RemovalHost host;
        QPointer<WComboBox> box = new WComboBox(host.parent);
        box->setGeometry(10, 10, 120, 24);
        box->SetItems(NumberedLines(20));
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        QPointer<WComboDropDownBox> list = listOf(*box);
        // Should the list outlive its box, the test fails instead of hanging.
        QVERIFY(ListTest::RunPopup([&] { WexalTest::MousePress(box, QPoint(10, 10)); },
                                   [&] {
                                       if (openList())
                                           WexalTest::Remove(box, how);
                                   }));
        QVERIFY(!box);
        QVERIFY(!list);
        QVERIFY(!openList());
        QTest::mouseClick(&host.window, Qt::LeftButton); // the window still takes input
    }

    // The application's last window closed, or exit() called, while the box's list or a menu
    // is open: the application's loop and the popup's both end, and the box is left closed
    // and unchanged, the menu's exec with no result.
    void applicationQuitsWhileOpen_data()
    {
        QTest::addColumn<bool>("closeWindow");
        QTest::addColumn<bool>("menu");
        QTest::newRow("last window closed") << true << false;
        QTest::newRow("exit") << false << false;
        QTest::newRow("exit, menu open") << false << true;
    }
    void applicationQuitsWhileOpen()
    {
        QFETCH(bool, closeWindow);
        QFETCH(bool, menu);
        Fixture f(NumberedLines(5));
        f.box->SetSelectedIndex(1);
        f.Show();
        WMenu popup;
        WMenuItem* result = popup.AddItem("Cut");
        bool returned = false;
        bool sawPopup = false;
        QTimer::singleShot(0, &f.window, [&] {
            QTimer::singleShot(0, &f.window, [&] {
                sawPopup = menu ? popup.isVisible() : bool(openList());
                if (closeWindow)
                    f.window.close();
                else
                    QCoreApplication::exit(7);
            });
            if (menu)
                result = popup.exec(QPoint(50, 50));
            else
                WexalTest::MousePress(f.box, QPoint(10, 10));
            returned = true;
        });
        QTimer::singleShot(10000, &f.window, [] { QCoreApplication::exit(-100); }); // no hang
        const int code = QCoreApplication::exec();
        QCOMPARE(code, closeWindow ? 0 : 7);
        QVERIFY(sawPopup);
        QVERIFY(returned);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!f.box->IsPopupOpen());
        QCOMPARE(f.box->SelectedIndex(), 1);
        QCOMPARE(result, menu ? nullptr : popup.Item(0));
    }

    // A menu opened from the box's signal, while the box's press is still being handled.
    void menuOpenedFromChoice()
    {
        Fixture f(NumberedLines(5));
        f.Show();
        WMenu menu(&f.window);
        menu.AddItem("Cut");
        WMenuItem* copy = menu.AddItem("Copy");
        WMenuItem* result = nullptr;
        connect(f.box, &WComboBox::SelectedIndexChanged, &menu, [&] {
            QTimer::singleShot(0, &menu, [&] {
                WexalTest::MouseMove(&menu, QPoint(10, 30 + 15));
                WexalTest::MousePress(&menu, QPoint(10, 30 + 15));
            });
            result = menu.exec(f.box->mapToGlobal(QPoint(0, 30)));
        });
        f.WithOpenList([](WComboDropDownBox* list) { pressLine(list, 4); });
        QCOMPARE(f.box->SelectedIndex(), 4);
        QCOMPARE(result, copy);
        QVERIFY(!f.box->IsPopupOpen());
    }
};

WEXAL_TEST_MAIN(tst_WComboBox)
#include "tst_wcombobox.moc"
