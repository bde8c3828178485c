// WSwitchButton: flipping by click and by code with its signal, the silent setter, the two
// halves and their labels as painted.
#include "ButtonTestSupport.h"
#include "WRandomInput.h"
#include "WSwitchButton.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace ButtonTest;

namespace {

const QColor back(0xFF, 0xFF, 0xFF);
const QColor lit(0x25, 0x63, 0xEB);
const QColor ink(0x30, 0x30, 0x30);
const QColor litInk(0xFF, 0xE0, 0x40);

class CountingSwitch : public WSwitchButton
{
public:
    using WSwitchButton::WSwitchButton;
    int paints = 0;

protected:
    void Paint(QPainter* p) override
    {
        ++paints;
        WSwitchButton::Paint(p);
    }
};

QString values(const QSignalSpy& spy)
{
    QStringList list;
    for (const auto& args : spy)
        list << (args.at(0).toBool() ? QStringLiteral("true") : QStringLiteral("false"));
    return list.join(QLatin1Char(','));
}

QRgb rgb(const QColor& c)
{
    return c.rgb() & 0xFFFFFFu;
}

// A square-cornered, borderless switch of the given width, with both colours
// of the highlight set and large labels.
void style(WSwitchButton& s, int width)
{
    s.resize(width, 40);
    s.SetBackColor(back);
    s.SetCheckedBackColor(lit);
    s.SetForeColor(ink);
    s.SetCheckedFontColor(litInk);
    QFont font = s.font();
    font.setPixelSize(26);
    font.setBold(true);
    s.setFont(font);
}

} // namespace

class TestWSwitchButton : public QObject
{
    Q_OBJECT

private slots:
    void propertiesInOrderWithDefaults();
    void clicksFlipAndAnnounce();
    void setCheckedAnnouncesOnlyChanges();
    void settersRepaintOnlyOnChange();
    void halves_data();
    void halves();
    void labelsTakeTheirHalfsColour();
    void captionIsNotDrawn();
    void roundedHighlightStaysInItsHalf();
    void randomInput();
};

void TestWSwitchButton::propertiesInOrderWithDefaults()
{
    WSwitchButton s;
    const int first = WBaseButton::staticMetaObject.propertyCount();
    const char* names[] = {"Checked", "LeftText", "RightText", "CheckedBackColor",
                           "CheckedFontColor"};
    QCOMPARE(s.metaObject()->propertyCount() - first, 5);
    for (int i = 0; i < 5; ++i) {
        const QMetaProperty p = s.metaObject()->property(first + i);
        QCOMPARE(p.name(), names[i]);
        QVERIFY(p.isDesignable() && p.isScriptable() && p.isStored() && p.isWritable());
    }
    QVERIFY(!s.Checked());
    QVERIFY(s.LeftText().isEmpty() && s.RightText().isEmpty());
    QVERIFY(!s.CheckedBackColor().isValid());
    QVERIFY(!s.CheckedFontColor().isValid());
}

void TestWSwitchButton::clicksFlipAndAnnounce()
{
    WSwitchButton s;
    s.resize(100, 30);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QSignalSpy changed(&s, &WSwitchButton::CheckedChanged);

    QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    QVERIFY(s.Checked());
    QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15)); // either half flips
    QVERIFY(!s.Checked());
    QCOMPARE(values(changed), QStringLiteral("true,false"));

    // One flip per release: a double-click leaves it where it was.
    changed.clear();
    doubleClick(&s, QPoint(80, 15));
    QVERIFY(!s.Checked());
    QCOMPARE(values(changed), QStringLiteral("true,false"));

    changed.clear();
    QTest::mouseClick(&s, Qt::RightButton, Qt::NoModifier, QPoint(20, 15));
    QTest::mousePress(&s, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    QTest::mouseRelease(&s, Qt::LeftButton, Qt::NoModifier, QPoint(20, 45));
    s.setEnabled(false);
    QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(20, 15));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!s.Checked());
}

void TestWSwitchButton::setCheckedAnnouncesOnlyChanges()
{
    CountingSwitch s;
    s.resize(100, 30);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    settle();
    QSignalSpy changed(&s, &WSwitchButton::CheckedChanged);
    bool stateSeenInSlot = false;
    connect(&s, &WSwitchButton::CheckedChanged, this,
            [&](bool checked) { stateSeenInSlot = checked == s.Checked(); });

    s.SetChecked(false);
    QCOMPARE(changed.count(), 0);
    s.SetChecked(true);
    QVERIFY(stateSeenInSlot);
    QVERIFY(s.setProperty("Checked", true));
    QCOMPARE(values(changed), QStringLiteral("true"));

    // The silent twin changes and repaints, and says nothing.
    settle();
    s.paints = 0;
    s.SetCheckedWithoutEvent(false);
    QVERIFY(!s.Checked());
    settle();
    QVERIFY(s.paints > 0);
    s.paints = 0;
    s.SetCheckedWithoutEvent(false);
    settle();
    QCOMPARE(s.paints, 0);
    QCOMPARE(changed.count(), 1);
    // A click after a silent change flips from the state it left.
    QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(values(changed), QStringLiteral("true,true"));
}

void TestWSwitchButton::settersRepaintOnlyOnChange()
{
    CountingSwitch s;
    s.resize(100, 30);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    settle();
    const auto paintsAfter = [&](const std::function<void()>& change) {
        s.paints = 0;
        change();
        settle();
        return s.paints;
    };
    QVERIFY(paintsAfter([&] { s.SetLeftText(QStringLiteral("Off")); }) > 0);
    QCOMPARE(paintsAfter([&] { s.SetLeftText(QStringLiteral("Off")); }), 0);
    QVERIFY(paintsAfter([&] { s.SetRightText(QStringLiteral("On")); }) > 0);
    QCOMPARE(paintsAfter([&] { s.SetRightText(QStringLiteral("On")); }), 0);
    QVERIFY(paintsAfter([&] { s.SetCheckedBackColor(lit); }) > 0);
    QCOMPARE(paintsAfter([&] { s.SetCheckedBackColor(lit); }), 0);
    QVERIFY(paintsAfter([&] { s.SetCheckedFontColor(litInk); }) > 0);
    QCOMPARE(paintsAfter([&] { s.SetCheckedFontColor(litInk); }), 0);
}

void TestWSwitchButton::halves_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("litFrom");
    QTest::addColumn<int>("litTo");
    QTest::newRow("101 wide, off") << 101 << false << 0 << 49;
    QTest::newRow("101 wide, on") << 101 << true << 50 << 99;
    QTest::newRow("100 wide, on") << 100 << true << 50 << 99;
    QTest::newRow("1 wide, off: no half") << 1 << false << 0 << -1;
    QTest::newRow("1 wide, on: no half") << 1 << true << 0 << -1;
}

void TestWSwitchButton::halves()
{
    // Empty labels: the highlighted half is painted all the same.
    QFETCH(int, width);
    QFETCH(bool, checked);
    QFETCH(int, litFrom);
    QFETCH(int, litTo);
    WSwitchButton s;
    style(s, width);
    s.SetChecked(checked);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const QImage image = snapshot(&s);
    for (int x = 0; x < width; ++x) {
        const QRgb want = x >= litFrom && x <= litTo ? rgb(lit) : rgb(back);
        for (int y : {0, 20, 39})
            QVERIFY2(rgbAt(image, x, y) == want, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

void TestWSwitchButton::labelsTakeTheirHalfsColour()
{
    WSwitchButton s;
    style(s, 200);
    s.SetLeftText(QStringLiteral("OFF"));
    s.SetRightText(QStringLiteral("ON"));
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const QRect left(0, 0, 100, 40), right(100, 0, 100, 40);

    QImage image = snapshot(&s);
    QVERIFY(contains(image, left, rgb(litInk)));
    QVERIFY(!contains(image, left, rgb(ink)));
    QVERIFY(contains(image, right, rgb(ink)));
    QVERIFY(!contains(image, right, rgb(litInk)));

    s.SetChecked(true);
    image = snapshot(&s);
    QVERIFY(contains(image, left, rgb(ink)));
    QVERIFY(!contains(image, left, rgb(litInk)));
    QVERIFY(contains(image, right, rgb(litInk)));
    QVERIFY(!contains(image, right, rgb(ink)));
}

void TestWSwitchButton::captionIsNotDrawn()
{
    WSwitchButton s;
    style(s, 160);
    s.SetLeftText(QStringLiteral("A"));
    s.SetRightText(QStringLiteral("B"));
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const QImage before = snapshot(&s);
    s.SetText(QStringLiteral("Caption that must not show"));
    s.SetTextOffset(QPoint(3, 3));
    s.SetAlignment(Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(snapshot(&s), before);
}

void TestWSwitchButton::roundedHighlightStaysInItsHalf()
{
    WSwitchButton s;
    style(s, 120);
    s.SetRadius(10);
    s.SetBorder(PositionFlag::All);
    s.SetBorderWidth(1);
    s.SetBorderColor(ink);
    s.SetChecked(true);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const QImage image = snapshot(&s);
    // The highlight rounds its own corners, also at the middle, and never enters the left half.
    QVERIFY(!contains(image, QRect(0, 0, 60, 40), rgb(lit)));
    QCOMPARE(rgbAt(image, 90, 20), rgb(lit));
    QVERIFY(rgbAt(image, 60, 2) != rgb(lit)); // rounded corner next to the middle
    QCOMPARE(rgbAt(image, 61, 20), rgb(lit));
}

void TestWSwitchButton::randomInput()
{
    WSwitchButton s;
    s.resize(120, 30);
    QSignalSpy changed(&s, &WSwitchButton::CheckedChanged);
    const ClickOracle oracle(&s);
    bool announced = false;
    int silent = 0;
    QString wrong;
    connect(&s, &WSwitchButton::CheckedChanged, &s, [&](bool checked) {
        if (checked == announced || checked != s.Checked())
            wrong = QStringLiteral("CheckedChanged(%1) out of step").arg(checked);
        announced = checked;
    });
    WexalTest::RandomInputOptions options;
    options.invariant = [&](QWidget*) -> QString {
        if (!wrong.isEmpty())
            return wrong;
        if (announced != s.Checked())
            return QStringLiteral("state changed without CheckedChanged");
        return QString();
    };
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (rng.bounded(2)) {
            s.SetCheckedWithoutEvent(!s.Checked());
            announced = s.Checked();
            ++silent;
        } else {
            s.SetLeftText(WexalTest::RandomText(rng));
            s.SetRightText(WexalTest::RandomText(rng));
        }
    };
    QCOMPARE(WexalTest::RunRandomInput(&s, options), QString());
    // Clicks flip it, and so do writes of the Checked property; with no property writes among
    // the signals, the number of flips would equal the clicks.
    QVERIFY(changed.count() >= oracle.expected);
    QVERIFY(oracle.expected > 0 && silent > 0);
}

QTEST_MAIN(TestWSwitchButton)
#include "tst_wswitchbutton.moc"
