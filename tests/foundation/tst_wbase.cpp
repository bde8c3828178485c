// WBase: its properties in order, values out of range, coalesced border and dock changes, how a
// child tells its parent until it is placed, layout rectangles beyond int, painting walked
// through a grid list, Designer's passive subtree; and PositionFlag::Flags through QVariant and
// the meta-object system, the way Designer, generated form code and QUiLoader read and write
// flags properties.
#include "WBase_p.h"
#include "WClassRegistry.h"
#include "WTestSuite.h"

namespace {

// Counts what reaches it: paints, and each of the library's own events.
class Probe : public WBase
{
public:
    using WBase::WBase;
    int paints = 0;
    int borderEvents = 0;
    int dockEvents = 0;
    QVector<QPoint> paintOrigins; // painter origin seen by each Paint, in GridListPaint tests

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == WEvent::BorderChanged)
            ++borderEvents;
        if (e->type() == WEvent::ChildDockChanged)
            ++dockEvents;
        return WBase::event(e);
    }
    void Paint(QPainter* p) override
    {
        ++paints;
        paintOrigins << p->transform().map(QPoint(0, 0));
    }
};

} // namespace

class TestWBase : public QObject
{
    Q_OBJECT

private slots:
    void outOfRangeValuesAreIgnoredOrMasked()
    {
        Probe w;
        w.SetDock(DockType::Top);
        QVERIFY(w.IsPassive()); // a docked widget's geometry belongs to its parent
        // The type holds 0..7; the values past Fill mean nothing.
        w.SetDock(DockType::Types(7));
        QCOMPARE(w.Dock(), DockType::Top);
        w.SetAnchor(PositionFlag::Flags(0xF0 | PositionFlag::Right));
        QCOMPARE(w.Anchor(), PositionFlag::Flags(PositionFlag::Right));
        w.SetBorder(PositionFlag::Flags(-1));
        QCOMPARE(w.Border(), PositionFlag::Flags(PositionFlag::All));
    }

    // Changes made in one go post one event: border ones to the widget, dock ones to its parent.
    // An unchanged value posts nothing; once delivered, a new change posts again.
    void changesCoalesce()
    {
        Probe parent;
        auto* child = new Probe(&parent);
        WexalTest::Settle();
        parent.dockEvents = 0;
        child->SetBorderWidth(2);
        child->SetBorderWidth(3);
        child->SetBorder(PositionFlag::Left);
        child->SetDock(DockType::Top);
        child->SetDock(DockType::Left);
        WexalTest::Settle();
        QCOMPARE(child->borderEvents, 1);
        QCOMPARE(parent.dockEvents, 1);
        // An equal dock; an equal border width repaints nothing: the property walker.
        child->SetDock(DockType::Left);
        WexalTest::Settle();
        QCOMPARE(parent.dockEvents, 1);
        child->SetBorderWidth(4);
        child->SetDock(DockType::Right);
        WexalTest::Settle();
        QCOMPARE(child->borderEvents, 2);
        QCOMPARE(parent.dockEvents, 2);
    }

    void childNotifiesParentUntilPlaced()
    {
        Probe parent;
        parent.resize(100, 100);
        auto* child = new WTest(&parent);
        auto* silent = new WTest(&parent);
        silent->SetCanReLayoutParent(false);
        parent.show();
        WexalTest::Settle();
        parent.dockEvents = 0;
        silent->SetDock(DockType::Fill);
        silent->resize(20, 20);
        silent->hide();
        WexalTest::Settle();
        QCOMPARE(parent.dockEvents, 0);

        child->resize(30, 30);
        WexalTest::Settle();
        QCOMPARE(parent.dockEvents, 1);
        child->hide();
        WexalTest::Settle();
        QCOMPARE(parent.dockEvents, 2);

        // A pure move keeps the child talking to its parent.
        child->LayoutSetGeometry(QRect(5, 5, 30, 30));
        QCOMPARE(child->pos(), QPoint(5, 5));
        QVERIFY(!child->IsLayoutPlaced());

        // Once a pass has sized it, the parent owns its geometry and hears nothing more.
        child->LayoutSetGeometry(QRect(0, 0, 40, 40));
        QVERIFY(child->IsLayoutPlaced());
        QCOMPARE(child->geometry(), QRect(0, 0, 40, 40));
        WexalTest::Settle();
        parent.dockEvents = 0;
        child->show();
        child->resize(10, 10);
        WexalTest::Settle();
        QCOMPARE(parent.dockEvents, 0);
    }

    // A layout pass may hand over rectangles that int cannot describe the size of: the widget
    // is placed as far as a widget can go, at most QWIDGETSIZE_MAX in each direction.
    void layoutSetGeometryOutOfRange_data()
    {
        QTest::addColumn<QRect>("given");
        QTest::addColumn<QRect>("placed");
        constexpr int far = 1 << 28;
        const int max = QWIDGETSIZE_MAX;
        QTest::newRow("the whole int range")
            << QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX))
            << QRect(-far, -far, max, max);
        QTest::newRow("from the origin to the end")
            << QRect(QPoint(0, 0), QPoint(INT_MAX, INT_MAX)) << QRect(0, 0, max, max);
        QTest::newRow("from the start to the origin")
            << QRect(QPoint(INT_MIN, 3), QPoint(0, 9)) << QRect(-far, 3, max, 7);
        QTest::newRow("far out, small")
            << QRect(INT_MAX - 9, INT_MIN, 5, 5) << QRect(far, -far, 5, 5);
        QTest::newRow("upside down")
            << QRect(QPoint(10, 10), QPoint(INT_MIN, INT_MIN)) << QRect(10, 10, 0, 0);
    }
    void layoutSetGeometryOutOfRange()
    {
        QFETCH(QRect, given);
        QFETCH(QRect, placed);
        WTest w;
        w.LayoutSetGeometry(given);
        QCOMPARE(w.geometry(), placed);
    }

    void gridListPaintWalksTheTree()
    {
        Probe root;
        auto* a = new Probe(&root);
        a->move(10, 20);
        auto* b = new Probe(a);
        b->move(3, 4);
        b->hide();          // hidden descendants are painted too
        new QWidget(&root); // a foreign widget is skipped, not cast

        QImage image(100, 100, QImage::Format_ARGB32);
        QPainter painter(&image);
        root.GridListPaint(&painter, QPoint(100, 200));
        painter.end();
        QCOMPARE(root.paintOrigins, QVector<QPoint>{QPoint(100, 200)});
        QCOMPARE(a->paintOrigins, QVector<QPoint>{QPoint(110, 220)});
        QCOMPARE(b->paintOrigins, QVector<QPoint>{QPoint(113, 224)});
    }

    void markPassiveRenamesTheWholeSubtree()
    {
        QObject root;
        root.setObjectName(QStringLiteral("root"));
        auto* child = new QObject(&root);
        child->setObjectName(QStringLiteral("child"));
        auto* grandChild = new QObject(child);
        MarkPassive(&root);
        QCOMPARE(root.objectName(), QStringLiteral("__qt__passive_root"));
        QCOMPARE(child->objectName(), QStringLiteral("__qt__passive_child"));
        QCOMPARE(grandChild->objectName(), QStringLiteral("__qt__passive_"));
        MarkPassive(nullptr);
    }

    // In the order Designer lists them, the enumeration and flag ones registered so that it
    // shows them by name; flags as plain numbers through QVariant, as a tool that knows only that
    // a property is a flag set takes them. Each written through the meta-object as a number:
    // tst_properties.
    void propertiesAsDesignerSeesThem()
    {
        const QMetaObject& mo = WBase::staticMetaObject;
        QStringList names;
        for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i)
            names << QString::fromLatin1(mo.property(i).name());
        QCOMPARE(names,
                 (QStringList{"IsPassive", "Dock", "Anchor", "Radius", "BackColor", "ForeColor",
                              "Border", "BorderWidth", "BorderColor", "UserFlag"}));
        QVERIFY(!mo.property(mo.indexOfProperty("IsPassive")).isWritable());
        QVERIFY(mo.property(mo.indexOfProperty("Dock")).isEnumType());
        QVERIFY(mo.property(mo.indexOfProperty("Anchor")).isFlagType());
        QVERIFY(mo.property(mo.indexOfProperty("Border")).isFlagType());

        const PositionFlag::Flags topRight = PositionFlag::Top | PositionFlag::Right;
        const QVariant flags = QVariant::fromValue(topRight);
        bool ok = false;
        QCOMPARE(flags.toInt(&ok), 9);
        QVERIFY(ok);
        QCOMPARE(QVariant(6).value<PositionFlag::Flags>(),
                 PositionFlag::Bottom | PositionFlag::Left);
        // Bits outside the four sides survive the trip; the widgets decide what they mean.
        QCOMPARE(QVariant::fromValue(PositionFlag::Flags(0x70)).toInt(), 0x70);
    }
};

WEXAL_TEST_MAIN(TestWBase)
#include "tst_wbase.moc"
