#include "WClassRegistry.h"
#include "WTestSuite.h"

namespace {

WTest* child(QWidget* parent, int w, int h, DockType::Types dock = DockType::None)
{
    auto* c = new WTest(parent);
    c->resize(w, h);
    c->SetDock(dock);
    return c;
}

} // namespace

class TestWPanel : public QObject
{
    Q_OBJECT

private slots:
    void containerArea_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<QRect>("area");
        QTest::newRow("Top|Left") << int(PositionFlag::Top | PositionFlag::Left)
                                  << QRect(9, 7, 183, 87);
        QTest::newRow("All") << int(PositionFlag::All) << QRect(9, 7, 181, 85);
    }
    void containerArea()
    {
        QFETCH(int, border);
        QFETCH(QRect, area);
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            WPanel p;
            p.setLayoutDirection(direction);
            p.resize(200, 100);
            p.SetPadding(WPadding{5, 6, 7, 8});
            p.SetBorder(PositionFlag::Flags(border));
            p.SetBorderWidth(2);
            WexalTest::Settle(); // the border reaches the area through the posted BorderChanged
            QCOMPARE(p.ContainerArea(),
                     direction == Qt::LeftToRight ? area : WexalTest::Mirrored(area, 200));
        }
    }

    // Children take their room in child order; a docked child is cut to the room it finds and
    // stays cut when the panel grows again.
    void dockPlacements_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QVector<int>>("padding"); // top, bottom, left, right
        QTest::addColumn<QVector<int>>("docks");
        QTest::addColumn<QVector<QSize>>("sizes");
        QTest::addColumn<QVector<QRect>>("placed");
        using D = DockType;
        QTest::newRow("top, left, fill")
            << QSize(300, 200) << QVector<int>{0, 0, 0, 0} << QVector<int>{D::Top, D::Left, D::Fill}
            << QVector<QSize>{{10, 40}, {50, 10}, {10, 10}}
            << QVector<QRect>{{0, 0, 300, 40}, {0, 40, 50, 160}, {50, 40, 250, 160}};
        QTest::newRow("fill first leaves nothing")
            << QSize(300, 200) << QVector<int>{0, 0, 0, 0} << QVector<int>{D::Fill, D::Top, D::Left}
            << QVector<QSize>{{10, 10}, {10, 40}, {50, 10}}
            << QVector<QRect>{{0, 0, 300, 200}, {0, 0, 0, 0}, {0, 0, 0, 0}};
        QTest::newRow("far edges, padded, cut")
            << QSize(200, 100) << QVector<int>{2, 3, 4, 5}
            << QVector<int>{D::Bottom, D::Right, D::Bottom}
            << QVector<QSize>{{10, 20}, {30, 10}, {10, 500}}
            << QVector<QRect>{{4, 77, 191, 20}, {165, 2, 30, 75}, {4, 2, 161, 75}};
    }
    void dockPlacements()
    {
        QFETCH(QSize, panel);
        QFETCH(QVector<int>, padding);
        QFETCH(QVector<int>, docks);
        QFETCH(QVector<QSize>, sizes);
        QFETCH(QVector<QRect>, placed);
        // Right to left from the start; a change of direction then moves them over.
        WPanel p;
        p.setLayoutDirection(Qt::RightToLeft);
        p.resize(panel);
        p.SetPadding(WPadding{padding[0], padding[1], padding[2], padding[3]});
        QVector<WTest*> children;
        for (int i = 0; i < docks.size(); ++i)
            children << child(&p, sizes[i].width(), sizes[i].height(), DockType::Types(docks[i]));
        p.show();
        WexalTest::Settle();
        // Where they lie in a direction.
        const auto check = [&](Qt::LayoutDirection d) {
            for (int i = 0; i < children.size(); ++i) {
                if (placed[i].isEmpty()) // no room: where it is has no meaning
                    QVERIFY(children[i]->geometry().isEmpty());
                else if (d == Qt::LeftToRight)
                    QCOMPARE(children[i]->geometry(), placed[i]);
                else
                    QCOMPARE(children[i]->geometry(),
                             WexalTest::Mirrored(placed[i], panel.width()));
            }
        };
        check(Qt::RightToLeft);
        p.setLayoutDirection(Qt::LeftToRight);
        WexalTest::Settle();
        check(Qt::LeftToRight);
        p.resize(panel + QSize(300, 300));
        WexalTest::Settle();
        for (int i = 0; i < children.size(); ++i) {
            if (docks[i] == DockType::Top || docks[i] == DockType::Bottom)
                QCOMPARE(children[i]->height(), placed[i].height());
            if (docks[i] == DockType::Left || docks[i] == DockType::Right)
                QCOMPARE(children[i]->width(), placed[i].width());
        }
    }

    void anchorsFollowGrowth_data()
    {
        QTest::addColumn<int>("grow");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<QRect>("after");
        const QRect start(100, 50, 40, 20);
        const int tl = int(PositionFlag::Top | PositionFlag::Left);
        QTest::newRow("Right +10")
            << 10 << int(PositionFlag::Top | PositionFlag::Right) << start.translated(10, 0);
        QTest::newRow("Left|Right +10")
            << 10 << int(PositionFlag::Top | PositionFlag::Left | PositionFlag::Right)
            << start.adjusted(0, 0, 10, 0);
        QTest::newRow("None +11") << 11 << int(PositionFlag::None) << start.translated(5, 5);
        QTest::newRow("Top|Left +10") << 10 << tl << start;
        QTest::newRow("All +10") << 10 << int(PositionFlag::All) << start.adjusted(0, 0, 10, 10);
        QTest::newRow("None -11") << -11 << int(PositionFlag::None) << start.translated(-5, -5);
    }
    void anchorsFollowGrowth()
    {
        QFETCH(int, grow);
        QFETCH(int, anchor);
        QFETCH(QRect, after);
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            const auto mirrored = [direction](const QRect& r, int width) {
                return direction == Qt::LeftToRight ? r : WexalTest::Mirrored(r, width);
            };
            WPanel p;
            p.setLayoutDirection(direction);
            p.resize(250, 150);
            auto* c = child(&p, 40, 20);
            c->setGeometry(mirrored(QRect(100, 50, 40, 20), 300));
            c->SetAnchor(PositionFlag::Flags(anchor));
            // Resized before anything was laid out: the first pass takes the size it finds as
            // the reference, not as growth, and moves nothing.
            p.resize(300, 200);
            p.show();
            WexalTest::Settle();
            QCOMPARE(c->geometry(), mirrored(QRect(100, 50, 40, 20), 300));
            p.resize(300 + grow, 200 + grow);
            WexalTest::Settle();
            QCOMPARE(c->geometry(), mirrored(after, 300 + grow));
        }
    }

    void oversizedPaddingLaysOutNothing()
    {
        WPanel p;
        p.resize(100, 100);
        auto* top = child(&p, 10, 20, DockType::Top);
        p.show();
        WexalTest::Settle();
        const QRect before = top->geometry();
        p.SetPadding(WPadding{60, 60, 0, 0});
        WexalTest::Settle();
        QVERIFY(p.ContainerArea().isEmpty());
        QCOMPARE(top->geometry(), before);
        p.SetPadding(WPadding{10, 0, 0, 0});
        WexalTest::Settle();
        QCOMPARE(top->geometry(), QRect(0, 10, 100, 20));

        // Absurd padding and border widths leave an empty area, not an overflow.
        p.SetBorder(PositionFlag::All);
        p.SetBorderWidth(INT_MAX);
        p.SetPadding(WPadding{INT_MAX, INT_MIN, INT_MIN, INT_MAX});
        WexalTest::Settle();
        QVERIFY(p.ContainerArea().isEmpty());
    }

    void nestedPanelsCascade()
    {
        WPanel outer;
        outer.resize(200, 200);
        auto* inner = new WPanel(&outer);
        inner->resize(200, 200);
        inner->SetDock(DockType::Fill);
        inner->SetPadding(WPadding{10, 10, 10, 10});
        auto* leaf = child(inner, 10, 10, DockType::Fill);
        auto* plain = new QWidget(inner); // not a library widget: never moved
        plain->setGeometry(7, 8, 9, 10);
        outer.show();
        WexalTest::Settle();
        QCOMPARE(leaf->geometry(), QRect(10, 10, 180, 180));
        outer.resize(300, 250);
        WexalTest::Settle();
        QCOMPARE(inner->geometry(), QRect(0, 0, 300, 250));
        QCOMPARE(leaf->geometry(), QRect(10, 10, 280, 230));
        QCOMPARE(plain->geometry(), QRect(7, 8, 9, 10));
    }

    // A removal moves only what it frees: what it leaves is what a whole pass leaves, at once
    // (before any event runs), however the child goes, and whatever else changed without asking
    // for a pass.
    void removalLeavesWhatAWholePassWould_data()
    {
        QTest::addColumn<int>("removed"); // index into the children made below
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("before"); // what happens first, without notice
        // 0 Top 30, 1 Left 40, 2 Top 20, 3 anchored, 4 Fill, 5 Bottom 15, 6 hidden Top,
        // 7 Right 25 (after the fill: nothing left), 8 a plain QWidget, 9 Top 10 (last)
        const struct
        {
            const char* name;
            int removed;
        } children[] = {{"first Top", 0}, {"Left", 1},   {"second Top", 2}, {"anchored", 3},
                        {"Fill", 4},      {"Bottom", 5}, {"hidden", 6},     {"squeezed", 7},
                        {"foreign", 8},   {"last", 9}};
        for (const auto& c : children) {
            for (const char* how : {"delete", "deleteLater", "setParent"})
                QTest::addRow("%s, %s", c.name, how) << c.removed << how << "";
        }
        for (const char* before : {"resize an earlier docked child", "raise an earlier child",
                                   "hide an earlier docked child", "re-dock without notice"})
            QTest::addRow("Bottom after: %s", before) << 5 << "delete" << before;
    }
    void removalLeavesWhatAWholePassWould()
    {
        QFETCH(int, removed);
        QFETCH(QString, how);
        QFETCH(QString, before);
        QWidget other;
        WPanel p;
        p.resize(300, 200);
        QList<QWidget*> made;
        made << child(&p, 5, 30, DockType::Top) << child(&p, 40, 5, DockType::Left)
             << child(&p, 5, 20, DockType::Top);
        WTest* anchored = child(&p, 30, 30);
        anchored->move(200, 150);
        anchored->SetAnchor(PositionFlag::Right | PositionFlag::Bottom);
        made << anchored << child(&p, 5, 5, DockType::Fill) << child(&p, 5, 15, DockType::Bottom);
        WTest* hidden = child(&p, 5, 10, DockType::Top);
        hidden->hide();
        made << hidden << child(&p, 25, 5, DockType::Right) << new QWidget(&p)
             << child(&p, 5, 10, DockType::Top);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        WexalTest::Settle();
        // Every docked child has been sized by a pass: it no longer reports its own changes.
        auto* earlier = static_cast<WTest*>(made.at(0));
        QVERIFY(earlier->IsLayoutPlaced());
        if (before == QLatin1String("resize an earlier docked child"))
            earlier->resize(earlier->width(), 45);
        else if (before == QLatin1String("raise an earlier child"))
            made.at(2)->raise();
        else if (before == QLatin1String("hide an earlier docked child"))
            made.at(1)->hide();
        else if (before == QLatin1String("re-dock without notice")) {
            earlier->SetCanReLayoutParent(false);
            earlier->SetDock(DockType::Bottom);
        }

        QWidget* gone = made.takeAt(removed);
        if (how == QLatin1String("delete")) {
            delete gone;
        } else if (how == QLatin1String("deleteLater")) {
            gone->deleteLater();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            gone->setParent(&other);
        }
        // Before any event is processed: ChildRemoved is sent, not posted.
        QList<QRect> left;
        for (QWidget* w : qAsConst(made))
            left << w->geometry();
        p.PostChildDockChangedEvent();
        WexalTest::Settle();
        for (int i = 0; i < made.size(); ++i)
            QCOMPARE(made.at(i)->geometry(), left.at(i));
    }

    // A subclass's own Paint runs even when the panel itself draws nothing, and a visible back
    // colour is drawn. (A border's sides, left to right and right to left, are the mirror
    // test's.)
    void paintsWhatItShows()
    {
        struct Marked : WPanel
        {
            int paints = 0;
            void Paint(QPainter* painter) override
            {
                ++paints;
                WPanel::Paint(painter);
            }
        };
        Marked marked;
        marked.SetBackColor(Qt::transparent);
        marked.resize(40, 40);
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        marked.render(&image);
        QCOMPARE(marked.paints, 1);
        WPanel visible; // and a visible back colour is drawn
        visible.resize(40, 40);
        visible.SetBackColor(Qt::red);
        image.fill(Qt::white);
        visible.render(&image);
        QCOMPARE(image.pixelColor(20, 20), QColor(Qt::red));
    }
};

WEXAL_TEST_MAIN(TestWPanel)
#include "tst_wpanel.moc"
