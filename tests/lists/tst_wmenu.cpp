#include "ListTestSupport.h"
#include "WTestSuite.h"

namespace {

// A styled menu of three items ("Open", "Save as", a disabled "Delete"), 30 pixels each,
// with padding top 5, bottom 5, left 10, right 10.
struct Fixture
{
    Fixture()
    {
        menu.SetPadding(WPadding{5, 5, 10, 10});
        menu.SetBackColor(Qt::white);
        menu.SetForeColor(Qt::black);
        menu.SetItemBackColorHover(Qt::red);
        menu.SetItemForeColorHover(Qt::white);
        menu.SetItemForeColorDisable(Qt::gray);
        open = menu.AddItem("Open");
        save = menu.AddItem("Save as");
        remove = menu.AddItem("Delete");
        remove->Enabled = false;
    }

    // Runs menu.exec(at) with step called inside its event loop. A step that leaves the menu
    // open fails the test and the menu is closed after a while instead of hanging.
    WMenuItem* Exec(const QPoint& at, const std::function<void()>& step)
    {
        WMenuItem* result = nullptr;
        if (!ListTest::RunPopup([&] { result = menu.exec(at); }, step))
            QTest::qFail("the menu stayed open", __FILE__, __LINE__);
        return result;
    }

    // The middle of item i, in the menu's coordinates.
    QPoint ItemPoint(int i) const { return QPoint(20, 5 + 30 * i + 15); }
    void Move(const QPoint& p) { WexalTest::MouseMove(&menu, p); }
    void Press(const QPoint& p) { WexalTest::MousePress(&menu, p); }
    // A press on item i, moved onto first as a pointer is.
    void PressItem(int i)
    {
        Move(ItemPoint(i));
        Press(ItemPoint(i));
    }

    WMenu menu;
    WMenuItem* open;
    WMenuItem* save;
    WMenuItem* remove;
};

// A menu that an application subclassed to refuse every close.
class StubbornMenu : public WMenu
{
public:
    using WMenu::WMenu;

protected:
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

} // namespace

class tst_WMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }

    // The size from the items, the padding and the widest text, four pixels wider and higher
    // for the shadow. The text width follows wider texts at once, and narrower ones once the
    // wider item is removed.
    void sizeFromItems()
    {
        WMenu menu;
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(15); // in pixels, as the menu measures, whatever the screen's DPI
        const QFontMetrics fm(font);
        const auto width = [&](int n) {
            return fm.horizontalAdvance(QString(n, QLatin1Char('0')));
        };
        menu.setFont(font);
        menu.SetPadding(WPadding{5, 5, 10, 10});
        menu.AddItem("0");
        WMenuItem* widest = menu.AddItem("0000");
        menu.AddItem("00");
        QCOMPARE(menu.TextWidth(), width(4));
        QSize shown;
        QTimer::singleShot(0, &menu, [&] {
            shown = menu.size();
            menu.close();
        });
        QCOMPARE(menu.exec(QPoint(100, 100)), nullptr);
        QCOMPARE(shown, QSize(10 + width(4) + 10 + 4, 3 * 30 + 5 + 5 + 4));

        menu.SetItemText(widest, "0");
        menu.SetItemText(2, "00000000");
        QCOMPARE(menu.TextWidth(), width(8));
        for (int outside : {3, -1}) // no such item
            menu.SetItemText(outside, "0000000000");
        WMenu other;
        WMenuItem* foreign = other.AddItem("x");
        menu.SetItemText(foreign, "0000000000"); // not this menu's item
        QCOMPARE(menu.TextWidth(), width(8));
        QCOMPARE(foreign->Text, QStringLiteral("x"));
        menu.RemoveItem(5);
        menu.RemoveItem(-1);
        QCOMPARE(menu.ItemCount(), 3);
        menu.RemoveItem(2);
        QCOMPARE(menu.TextWidth(), width(1));
        QCOMPARE(menu.IndexOf(foreign), -1);
    }

    // Right-down from the point, flipped left near the right edge and up near the bottom edge
    // of the point's screen; a point outside every screen is taken on the primary screen.
    // Right to left, a menu opens left of the point unless the screen ends there. A right
    // padding wider than the screen: the menu is cut to the screen's width, yet flipped left by
    // all the width it asked for, as far as a window position may go (right to left it fits on
    // neither side, and opens right of the point).
    void flipsAtScreenEdges_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("right");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("leftMirrored");
        QTest::addColumn<bool>("up");
        const QRect s = QGuiApplication::primaryScreen()->geometry();
        QTest::newRow("middle") << s.center() << 10 << false << true << false;
        QTest::newRow("outside every screen")
            << QPoint(-5000, -5000) << 10 << false << false << false;
        QTest::newRow("far beyond")
            << QPoint(INT_MAX / 2, INT_MAX / 2) << 10 << true << true << true;
        QTest::newRow("padding INT_MAX") << s.center() << INT_MAX << true << false << false;
    }
    void flipsAtScreenEdges()
    {
        QFETCH(QPoint, at);
        QFETCH(int, right);
        QFETCH(bool, left);
        QFETCH(bool, leftMirrored);
        QFETCH(bool, up);
        const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            Fixture f;
            f.menu.setLayoutDirection(direction);
            f.menu.SetPadding(WPadding{5, 5, 10, right});
            QRect shown;
            QCOMPARE(f.Exec(at,
                            [&] {
                                shown = f.menu.geometry();
                                QTest::keyClick(&f.menu, Qt::Key_Escape);
                            }),
                     nullptr);
            QVERIFY(!f.menu.isVisible());
            const qint64 asked = qint64(10) + f.menu.TextWidth() + right + 4;
            const QSize size(int(qMin<qint64>(asked, screenWidth)), 3 * 30 + 5 + 5 + 4);
            QCOMPARE(shown.size(), size);
            const bool leftward = direction == Qt::LeftToRight ? left : leftMirrored;
            const qint64 leftOf = qMax(at.x() - asked, -(qint64(1) << 30));
            QCOMPARE(shown.topLeft(),
                     QPoint(leftward ? int(leftOf) : at.x(), up ? at.y() - size.height() : at.y()));
        }
    }

    // Presses: on an enabled item it is the result; on a disabled one the menu stays open;
    // outside, or with nothing hovered, the result is null. The same menu runs again after.
    void pressesChooseOrDismiss()
    {
        Fixture f;
        const QPoint at(200, 150);
        QCOMPARE(f.Exec(at, [&] { f.PressItem(1); }), f.save);
        bool openAfterDisabled = false;
        QCOMPARE(f.Exec(at,
                        [&] {
                            f.PressItem(2);
                            openAfterDisabled = f.menu.isVisible();
                            f.Move(f.ItemPoint(0));
                            f.Press(QPoint(-100, 40)); // outside, an item still hovered
                        }),
                 nullptr);
        QVERIFY(openAfterDisabled);
        QCOMPARE(f.Exec(at, [&] { f.Press(QPoint(5, 2)); }), nullptr); // top padding
        QCOMPARE(f.Exec(at, [&] { f.PressItem(0); }), f.open);
        // Empty: padding and shadow only; any press closes it.
        f.menu.Clear();
        QCOMPARE(f.Exec(at, [&] { f.Press(QPoint(3, 3)); }), nullptr);
    }

    // Hover: one signal per change of item, disabled items included; the padding and the
    // shadow band keep the item hovered before. Leaving clears it, and with AutoHide dismisses.
    // Disabled items are never filled, also when hovered.
    void hoverAndAutoHide()
    {
        Fixture f;
        QSignalSpy hovered(&f.menu, &WMenu::HoverItemChanged);
        QList<WMenuItem*> seen;
        QImage image, disabledHovered;
        f.Exec(QPoint(100, 100), [&] {
            for (const QPoint& p : {f.ItemPoint(0), QPoint(20, 40), f.ItemPoint(2), QPoint(20, 2),
                                    QPoint(20, 100 - 1), QPoint(0, 50), f.ItemPoint(1)}) {
                f.Move(p);
                seen << f.menu.HoverItem();
                if (p == f.ItemPoint(2))
                    disabledHovered = f.menu.grab().toImage();
            }
            image = f.menu.grab().toImage();
            f.Move(QPoint(-20, -20));
            seen << f.menu.HoverItem();
            QTest::keyClick(&f.menu, Qt::Key_Escape);
        });
        QCOMPARE(seen, QList<WMenuItem*>({f.open, f.save, f.remove, f.remove, f.remove, f.remove,
                                          f.save, nullptr}));
        QCOMPARE(hovered.size(), 4);
        QCOMPARE(hovered.at(2).at(0).toInt(), 2);
        QCOMPARE(hovered.at(2).at(1).value<WMenuItem*>(), f.remove);
        QCOMPARE(image.pixelColor(12, 5 + 30 + 2), QColor(Qt::red));
        QCOMPARE(disabledHovered.pixelColor(12, 5 + 60 + 2), QColor(Qt::white));

        f.menu.SetAutoHide(true);
        QCOMPARE(f.Exec(QPoint(100, 100),
                        [&] {
                            f.Move(f.ItemPoint(0));
                            f.Move(QPoint(-30, 20));
                        }),
                 nullptr);
        QVERIFY(!f.menu.isVisible());
    }

    // The menu deleted during its own exec (from a timer or from its own signal), its items
    // cleared while open, and exec called again while open (an item removed while open, the
    // random-input run's menu calls): exec returns, and
    // nothing freed is read. The menu is an application's subclass that refuses every close:
    // closing it, and choosing from it afterwards, still end exec.
    void changedWhileOpen_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("deleted from a timer") << 0;
        QTest::newRow("deleted from HoverItemChanged") << 1;
        QTest::newRow("deleteLater") << 2;
        QTest::newRow("cleared") << 3;
        QTest::newRow("exec again while open") << 4;
        QTest::newRow("parent deleted") << 5;
    }
    void changedWhileOpen()
    {
        QFETCH(int, how);
        auto* parent = new QWidget;
        QPointer<WMenu> menu = new StubbornMenu(parent);
        menu->AddItem("One");
        menu->AddItem("Two");
        WMenuItem* nested = reinterpret_cast<WMenuItem*>(1);
        connect(menu.data(), &WMenu::HoverItemChanged, menu.data(), [&] {
            if (how == 1)
                delete menu.data();
        });
        // 1: deleted from HoverItemChanged, above.
        const std::function<void()> changes[] = {
            [&] { delete menu.data(); },
            [] {},
            [&] { menu->deleteLater(); },
            [&] {
                menu->Clear();
                WexalTest::MousePress(menu, QPoint(20, 15));
            },
            [&] {
                nested = menu->exec(QPoint(0, 0));
                menu->close();
            },
            [&] { delete parent; },
        };
        WMenuItem* result = nullptr;
        QVERIFY(ListTest::RunPopup([&] { result = menu->exec(QPoint(100, 100)); },
                                   [&] {
                                       // From elsewhere: Qt drops a move to where the pointer
                                       // already is.
                                       WexalTest::MouseMove(menu, QPoint(-50, -50));
                                       WexalTest::MouseMove(menu, QPoint(20, 45));
                                       changes[how]();
                                   },
                                   3000));
        QCOMPARE(result, nullptr);
        QCOMPARE(bool(menu), how == 3 || how == 4);
        if (how == 4)
            QCOMPARE(nested, nullptr);
        if (menu) {
            QVERIFY(!menu->isVisible());
            menu->AddItem("Three");
            QTimer::singleShot(0, menu, [&] {
                WexalTest::MouseMove(menu, QPoint(-50, -50));
                WexalTest::MouseMove(menu, QPoint(20, 15));
                WexalTest::MousePress(menu, QPoint(20, 15));
            });
            QCOMPARE(menu->exec(QPoint(100, 100)), menu->Item(0)); // runs again
        }
        if (how != 5)
            delete parent;
    }
};

WEXAL_TEST_MAIN(tst_WMenu)
#include "tst_wmenu.moc"
