// WSwitchButton: flipping by click with its signal, the silent setter, the two halves and their
// labels as painted.
#include "ButtonTestSupport.h"
#include "WTestSuite.h"

using namespace ButtonTest;

const QColor back(Qt::white), lit(0x25, 0x63, 0xEB), ink(0x30, 0x30, 0x30);
const QColor litInk(0xFF, 0xE0, 0x40);

class TestWSwitchButton : public QObject
{
    Q_OBJECT

private slots:
    void flipsAndAnnounces()
    {
        WSwitchButton s;
        QVERIFY(shown(&s, 100, 30));
        const Watcher watcher(&s);
        CheckedWatch<WSwitchButton> watch(&s);
        QSignalSpy changed(&s, &WSwitchButton::CheckedChanged);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(20, 15));
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(80, 15)); // either half flips it
        // A double-click as the window system sends it: one flip per release.
        for (const auto type : {Press, Release, QEvent::MouseButtonDblClick, Release})
            mouse(&s, type, QPoint(80, 15));
        QCOMPARE(changed.count(), 4);
        // The silent setter says nothing but still repaints.
        const int paints = watcher.paints;
        watch.Silently(!s.Checked());
        QTRY_VERIFY(watcher.paints > paints);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(5, 5)); // flips from the state it left
        QCOMPARE(changed.count(), 5);
        QCOMPARE(watch.Error(), QString());
    }

    void halves_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("litFrom");
        QTest::addColumn<int>("litTo");
        QTest::newRow("101 wide, off") << 101 << false << 0 << 49;
        QTest::newRow("101 wide, on: the last column is no half's") << 101 << true << 50 << 99;
        QTest::newRow("100 wide, on") << 100 << true << 50 << 99;
        QTest::newRow("1 wide: no half") << 1 << true << 0 << -1;
    }

    void halves()
    {
        QFETCH(int, width);
        QFETCH(bool, checked);
        QFETCH(int, litFrom);
        QFETCH(int, litTo);
        for (const int radius : {0, 10}) {
            WSwitchButton s;
            s.SetBackColor(back);
            s.SetCheckedBackColor(lit);
            s.SetForeColor(ink);
            s.SetCheckedFontColor(litInk);
            s.SetLeftText(QStringLiteral("A"));
            s.SetRightText(QStringLiteral("B"));
            s.SetText(QStringLiteral("The inherited caption is not drawn"));
            s.SetChecked(checked);
            s.SetRadius(radius);
            QFont font = s.font();
            font.setPixelSize(26);
            s.setFont(font);
            QVERIFY(shown(&s, width, 40));
            const QImage image = snapshot(&s);
            // Square: the highlight exactly on its half along the top and bottom rows. Rounded: its
            // own corners, at the middle too, and nothing of it in the other half.
            for (int x = 0; x < width && !radius; ++x)
                for (int y : {0, 39})
                    QVERIFY2(image.pixelColor(x, y) == (x >= litFrom && x <= litTo ? lit : back),
                             qPrintable(QString::number(x)));
            if (litTo < 0)
                continue;
            const QRect litHalf(litFrom, 0, 50, 40), otherHalf(50 - litFrom, 0, 50, 40);
            const int middle = litFrom ? 50 : 49, step = litFrom ? 3 : -3; // its edge at the middle
            QVERIFY(!radius ||
                    (!contains(image, otherHalf, lit) && image.pixelColor(middle, 1) != lit &&
                     image.pixelColor(middle + step, 20) == lit));
            // Each label in its half's colour; the caption nowhere.
            QVERIFY(contains(image, litHalf, litInk) && !contains(image, litHalf, ink));
            QVERIFY(contains(image, otherHalf, ink) && !contains(image, otherHalf, litInk));
        }
    }
};

WEXAL_TEST_MAIN(TestWSwitchButton)
#include "tst_wswitchbutton.moc"
