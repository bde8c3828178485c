// PositionFlag::Flags through QVariant and the meta-object system, the way Designer, generated
// form code and QUiLoader read and write flags properties.
#include "WTestSuite.h"

class TestPositionFlag : public QObject
{
    Q_OBJECT

private slots:
    void variantConversions();
    void propertiesAsNumbers();
};

void TestPositionFlag::variantConversions()
{
    const PositionFlag::Flags topRight = PositionFlag::Top | PositionFlag::Right;
    const QVariant flags = QVariant::fromValue(topRight);
    QVERIFY(flags.canConvert<int>());
    bool ok = false;
    QCOMPARE(flags.toInt(&ok), 9);
    QVERIFY(ok);
    QCOMPARE(QVariant(6).value<PositionFlag::Flags>(), PositionFlag::Bottom | PositionFlag::Left);
    // Bits outside the four sides survive the trip; the widgets decide what they mean.
    QCOMPARE(QVariant::fromValue(PositionFlag::Flags(0x70)).toInt(), 0x70);
}

void TestPositionFlag::propertiesAsNumbers()
{
    WTest w;
    const QMetaObject* meta = w.metaObject();
    const QMetaProperty anchor = meta->property(meta->indexOfProperty("Anchor"));
    QVERIFY(anchor.isFlagType());
    // A tool that knows only that the property is a flag set reads and writes plain numbers.
    QVERIFY(w.setProperty("Anchor", 10));
    QCOMPARE(w.Anchor(), PositionFlag::Bottom | PositionFlag::Right);
    QCOMPARE(anchor.read(&w).toInt(), 10);
    QVERIFY(w.setProperty("Border", QVariant::fromValue(PositionFlag::Flags(PositionFlag::All))));
    QCOMPARE(w.property("Border").toInt(), 15);
    QCOMPARE(w.property("Border").value<PositionFlag::Flags>(),
             PositionFlag::Flags(PositionFlag::All));
}

WEXAL_TEST_MAIN(TestPositionFlag)
#include "tst_positionflag.moc"
