#include "DockType.h"
#include "OrientationType.h"
#include "PositionFlag.h"
#include "PositionType.h"
#include "TextType.h"
#include "WEvent.h"

#include <QMetaEnum>
#include <QtTest>

Q_DECLARE_METATYPE(QMetaEnum)

class TestWEvent : public QObject
{
    Q_OBJECT

private slots:
    void typeNumbersAreStable()
    {
        // Applications filter on these numbers; they must never move.
        QCOMPARE(int(WEvent::ChildDockChanged), 1000);
        QCOMPARE(int(WEvent::BorderChanged), 1001);
        QCOMPARE(int(WEvent::ContainerAreaChanged), 1002);
        WEvent e(WEvent::BorderChanged);
        QCOMPARE(e.type(), WEvent::BorderChanged);
    }

    // Designer lists enumeration properties by the names in these meta-objects.
    void enumerationsAreRegistered_data()
    {
        QTest::addColumn<QMetaEnum>("meta");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("values");
        const auto at = [](const QMetaObject& mo) { return mo.enumerator(0); };
        QTest::newRow("DockType") << at(DockType::staticMetaObject) << QByteArray("Types")
                                  << QStringList{"None", "Top", "Bottom", "Left", "Right", "Fill"}
                                  << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("PositionFlag")
            << at(PositionFlag::staticMetaObject) << QByteArray("Flags")
            << QStringList{"None", "Top", "Bottom", "Left", "Right", "All"}
            << QList<int>{0, 1, 2, 4, 8, 15};
        QTest::newRow("PositionType")
            << at(PositionType::staticMetaObject) << QByteArray("Types")
            << QStringList{"Top", "Bottom", "Left", "Right"} << QList<int>{0, 1, 2, 3};
        QTest::newRow("OrientationType")
            << at(OrientationType::staticMetaObject) << QByteArray("Types")
            << QStringList{"Horizontal", "Vertical"} << QList<int>{0, 1};
        QTest::newRow("TextType") << at(TextType::staticMetaObject) << QByteArray("Types")
                                  << QStringList{"Normal",     "ASCII",     "Number",
                                                 "Password",   "IPaddress", "MACaddress",
                                                 "PhoneNumber"}
                                  << QList<int>{0, 1, 2, 3, 4, 5, 6};
    }
    void enumerationsAreRegistered()
    {
        QFETCH(QMetaEnum, meta);
        QFETCH(QByteArray, name);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, values);
        QCOMPARE(QByteArray(meta.name()), name);
        QCOMPARE(meta.keyCount(), keys.size());
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(QString::fromLatin1(meta.key(i)), keys.at(i));
            QCOMPARE(meta.value(i), values.at(i));
        }
    }

    void positionFlagCombines()
    {
        const PositionFlag::Flags all =
            PositionFlag::Top | PositionFlag::Bottom | PositionFlag::Left | PositionFlag::Right;
        QCOMPARE(all, PositionFlag::Flags(PositionFlag::All));
        QVERIFY(PositionFlag::staticMetaObject.enumerator(0).isFlag());
    }
};

QTEST_MAIN(TestWEvent)
#include "tst_wevent.moc"
