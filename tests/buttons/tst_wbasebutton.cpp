// WBaseButton: caption properties, hover and press tracking, click recognition and where a
// mouse release goes, driven through a minimal concrete button.
#include "ButtonTestSupport.h"
#include "WBaseButton.h"
#include "WRandomInput.h"

#include <QMetaProperty>
#include <QPointer>
#include <QtTest>

#include <climits>
#include <functional>

using namespace ButtonTest;

namespace {

class ProbeButton : public WBaseButton
{
public:
    using WBaseButton::WBaseButton;

    bool Hovered() const { return hovered; }
    bool Pressed() const { return pressed; }

    int clicks = 0;
    int paints = 0;
    std::function<void()> onClick;

protected:
    void Paint(QPainter*) override { ++paints; }
    void ClickedEvent() override
    {
        ++clicks;
        if (onClick)
            onClick();
    }
};

// Records the mouse releases that reach it, which a button lets through only in Designer.
class ReleaseSink : public QWidget
{
public:
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

struct DesignerModeGuard
{
    explicit DesignerModeGuard(bool on) { WBase::SetDesignerMode(on); }
    ~DesignerModeGuard() { WBase::SetDesignerMode(false); }
};

} // namespace

class TestWBaseButton : public QObject
{
    Q_OBJECT

private slots:
    void propertiesInOrderWithDefaults();
    void settersRepaintOnlyOnChange();
    void alignmentKeepsNineBits_data();
    void alignmentKeepsNineBits();
    void clickRecognition_data();
    void clickRecognition();
    void pressTracking();
    void hoverTracking();
    void canHoverOffNeverHovers();
    void disabledNeitherHoversNorPresses();
    void hideClearsState();
    void doubleClickClicksTwice();
    void releasePropagatesOnlyInDesigner();
    void clickHandlerMayDeleteButton();
    void randomInput();
};

void TestWBaseButton::propertiesInOrderWithDefaults()
{
    ProbeButton b;
    const QMetaObject* mo = b.metaObject();
    const int first = WBase::staticMetaObject.propertyCount();
    const char* names[] = {"Text", "TextOffset", "alignment", "CanHover"};
    QCOMPARE(WBaseButton::staticMetaObject.propertyCount() - first, 4);
    for (int i = 0; i < 4; ++i) {
        const QMetaProperty p = mo->property(first + i);
        QCOMPARE(p.name(), names[i]);
        QVERIFY(p.isDesignable() && p.isScriptable() && p.isStored() && p.isWritable());
    }
    QVERIFY(mo->property(first + 2).isEnumType());

    QCOMPARE(b.Text(), QString());
    QCOMPARE(b.TextOffset(), QPoint(0, 0));
    QCOMPARE(int(b.Alignment()), 0x84);
    QVERIFY(b.CanHover());
    QVERIFY(!b.Hovered());
    QVERIFY(!b.Pressed());
    QCOMPARE(b.focusPolicy(), Qt::ClickFocus);
}

void TestWBaseButton::settersRepaintOnlyOnChange()
{
    ProbeButton b;
    b.resize(60, 20);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    settle();

    const auto paintsAfter = [&](const std::function<void()>& change) {
        b.paints = 0;
        change();
        settle();
        return b.paints;
    };
    QVERIFY(paintsAfter([&] { b.SetText(QStringLiteral("OK")); }) > 0);
    QCOMPARE(paintsAfter([&] { b.SetText(QStringLiteral("OK")); }), 0);
    QVERIFY(paintsAfter([&] { b.SetTextOffset(QPoint(3, 4)); }) > 0);
    QCOMPARE(paintsAfter([&] { b.SetTextOffset(QPoint(3, 4)); }), 0);
    QVERIFY(paintsAfter([&] { b.SetAlignment(Qt::AlignLeft); }) > 0);
    QCOMPARE(paintsAfter([&] { b.SetAlignment(Qt::AlignLeft); }), 0);

    // Hover dropped by CanHover stays unpainted until something else repaints.
    enter(&b);
    settle();
    QVERIFY(b.Hovered());
    QCOMPARE(paintsAfter([&] { b.SetCanHover(false); }), 0);
    QVERIFY(!b.Hovered());
    QCOMPARE(paintsAfter([&] { b.SetCanHover(true); }), 0);
}

void TestWBaseButton::alignmentKeepsNineBits_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("left|top") << int(Qt::AlignLeft | Qt::AlignTop) << 0x21;
    QTest::newRow("right|bottom") << int(Qt::AlignRight | Qt::AlignBottom) << 0x42;
    QTest::newRow("absolute|baseline") << int(Qt::AlignAbsolute | Qt::AlignBaseline) << 0x110;
    QTest::newRow("with high bits") << (0x7FFF0000 | int(Qt::AlignCenter)) << 0x84;
    QTest::newRow("all bits") << -1 << 0x1FF;
    QTest::newRow("INT_MIN") << INT_MIN << 0;
    QTest::newRow("zero") << 0 << 0;
}

void TestWBaseButton::alignmentKeepsNineBits()
{
    QFETCH(int, given);
    QFETCH(int, stored);
    ProbeButton b;
    b.SetAlignment(Qt::Alignment(given));
    QCOMPARE(int(b.Alignment()), stored);
    // The same value through the property system, as Designer and the harness write it.
    ProbeButton viaProperty;
    QVERIFY(viaProperty.setProperty("alignment", QVariant::fromValue(Qt::Alignment(given))));
    QCOMPARE(int(viaProperty.Alignment()), stored);
}

void TestWBaseButton::clickRecognition_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("clicks");
    const QPoint mid(30, 10);
    const int left = Qt::LeftButton;
    QTest::newRow("inside") << mid << mid << left << 1;
    QTest::newRow("dragged out") << mid << QPoint(80, 10) << left << 0;
    QTest::newRow("dragged in") << QPoint(-5, 10) << mid << left << 1;
    QTest::newRow("last column") << mid << QPoint(59, 10) << left << 1;
    QTest::newRow("last row") << mid << QPoint(30, 19) << left << 1;
    QTest::newRow("one past the right") << mid << QPoint(60, 10) << left << 0;
    QTest::newRow("one past the bottom") << mid << QPoint(30, 20) << left << 0;
    QTest::newRow("left of it") << mid << QPoint(-1, 10) << left << 0;
    QTest::newRow("top-left pixel") << mid << QPoint(0, 0) << left << 1;
    QTest::newRow("right button") << mid << mid << int(Qt::RightButton) << 0;
    QTest::newRow("middle button") << mid << mid << int(Qt::MiddleButton) << 0;
}

void TestWBaseButton::clickRecognition()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, button);
    QFETCH(int, clicks);
    ProbeButton b;
    b.resize(60, 20);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    const auto mb = Qt::MouseButton(button);
    mouse(&b, QEvent::MouseButtonPress, pressAt, mb, mb);
    drag(&b, releaseAt);
    mouse(&b, QEvent::MouseButtonRelease, releaseAt, mb);
    QCOMPARE(b.clicks, clicks);
    QVERIFY(!b.Pressed());
}

void TestWBaseButton::pressTracking()
{
    ProbeButton b;
    b.resize(60, 20);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));

    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
    QVERIFY(!b.Pressed());
    mouse(&b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton);

    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(b.Pressed());
    drag(&b, QPoint(200, 5)); // held outside: still pressed
    QVERIFY(b.Pressed());
    mouse(&b, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::LeftButton);
    QVERIFY(b.Pressed()); // another button's release does not end the left press
    mouse(&b, QEvent::MouseButtonRelease, QPoint(200, 5));
    QVERIFY(!b.Pressed());
    QCOMPARE(b.clicks, 0);

    // The click needs only the release.
    mouse(&b, QEvent::MouseButtonRelease, QPoint(5, 5));
    QCOMPARE(b.clicks, 1);
}

void TestWBaseButton::hoverTracking()
{
    ProbeButton b;
    b.resize(60, 20);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    settle();

    enter(&b);
    QVERIFY(b.Hovered());
    leave(&b);
    QVERIFY(!b.Hovered());

    // Moves with a button held follow the pointer in and out; a move that does not change the
    // state does not repaint.
    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    drag(&b, QPoint(10, 5));
    QVERIFY(b.Hovered());
    settle();
    b.paints = 0;
    drag(&b, QPoint(12, 6));
    settle();
    QCOMPARE(b.paints, 0);
    drag(&b, QPoint(60, 6));
    QVERIFY(!b.Hovered());
    drag(&b, QPoint(59, 19));
    QVERIFY(b.Hovered());
}

void TestWBaseButton::canHoverOffNeverHovers()
{
    ProbeButton b;
    b.resize(60, 20);
    b.SetCanHover(false);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    enter(&b);
    QVERIFY(!b.Hovered());
    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    drag(&b, QPoint(6, 6));
    QVERIFY(!b.Hovered());
    QVERIFY(b.Pressed()); // pressing is not hovering
    mouse(&b, QEvent::MouseButtonRelease, QPoint(6, 6));
    QCOMPARE(b.clicks, 1);
}

void TestWBaseButton::disabledNeitherHoversNorPresses()
{
    ProbeButton b;
    b.resize(60, 20);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));

    enter(&b);
    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(b.Hovered() && b.Pressed());
    b.setEnabled(false); // disabling mid-press clears both
    QVERIFY(!b.Hovered());
    QVERIFY(!b.Pressed());

    enter(&b);
    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    drag(&b, QPoint(6, 6));
    mouse(&b, QEvent::MouseButtonRelease, QPoint(6, 6));
    QVERIFY(!b.Hovered());
    QVERIFY(!b.Pressed());
    QCOMPARE(b.clicks, 0);

    // A parent being disabled disables the button too.
    QWidget host;
    auto* child = new ProbeButton(&host);
    child->resize(60, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    enter(child);
    QVERIFY(child->Hovered());
    host.setEnabled(false);
    QVERIFY(!child->Hovered());
    mouse(child, QEvent::MouseButtonRelease, QPoint(5, 5));
    QCOMPARE(child->clicks, 0);
    host.setEnabled(true);
    mouse(child, QEvent::MouseButtonRelease, QPoint(5, 5));
    QCOMPARE(child->clicks, 1);
}

void TestWBaseButton::hideClearsState()
{
    QWidget host;
    auto* b = new ProbeButton(&host);
    b->resize(60, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    enter(b);
    mouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(b->Hovered() && b->Pressed());
    b->hide();
    QVERIFY(!b->Hovered());
    QVERIFY(!b->Pressed());
    b->show();
    QVERIFY(!b->Hovered() && !b->Pressed());
}

void TestWBaseButton::doubleClickClicksTwice()
{
    ProbeButton b;
    b.resize(60, 20);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    mouse(&b, QEvent::MouseButtonRelease, QPoint(5, 5));
    mouse(&b, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(!b.Pressed()); // the second press arrives as a double-click, which does not press
    mouse(&b, QEvent::MouseButtonRelease, QPoint(5, 5));
    QCOMPARE(b.clicks, 2);
}

void TestWBaseButton::releasePropagatesOnlyInDesigner()
{
    ReleaseSink parent;
    parent.resize(200, 100);
    auto* b = new ProbeButton(&parent);
    b->setGeometry(10, 10, 60, 20);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(b, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(b->clicks, 1);
    QCOMPARE(parent.releases, 0);

    {
        const DesignerModeGuard designer(true);
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseClick(b, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(b->clicks, 2);
        QCOMPARE(parent.releases, 2);
    }

    // A disabled button never swallows a release.
    b->setEnabled(false);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(b->clicks, 2);
}

void TestWBaseButton::clickHandlerMayDeleteButton()
{
    for (const bool designer : {false, true}) {
        const DesignerModeGuard guard(designer);
        ReleaseSink parent;
        QPointer<ProbeButton> b = new ProbeButton(&parent);
        b->resize(60, 20);
        b->onClick = [&] { delete b.data(); };
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        mouse(b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        mouse(b, QEvent::MouseButtonRelease, QPoint(5, 5));
        QVERIFY(b.isNull());
    }
}

void TestWBaseButton::randomInput()
{
    QWidget host;
    host.resize(300, 120);
    auto* b = new ProbeButton(&host);
    b->setGeometry(20, 20, 120, 30);
    const ClickOracle oracle(b);
    WexalTest::RandomInputOptions options;
    options.invariant = [&](QWidget*) -> QString {
        if (b->clicks != oracle.expected)
            return QStringLiteral("%1 clicks, expected %2").arg(b->clicks).arg(oracle.expected);
        if (b->Hovered() && !b->CanHover())
            return QStringLiteral("hovered while CanHover is off");
        if (b->testAttribute(Qt::WA_Disabled) && (b->Hovered() || b->Pressed()))
            return QStringLiteral("disabled but hovered or pressed");
        if (int(b->Alignment()) & ~0x1FF)
            return QStringLiteral("alignment keeps high bits");
        return QString();
    };
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        b->SetAlignment(Qt::Alignment(WexalTest::ExtremeInt(rng)));
        b->SetTextOffset(QPoint(WexalTest::ExtremeInt(rng), WexalTest::ExtremeInt(rng)));
    };
    QCOMPARE(WexalTest::RunRandomInput(&host, options), QString());
    QVERIFY(oracle.expected > 0); // the run did exercise clicking
}

QTEST_MAIN(TestWBaseButton)
#include "tst_wbasebutton.moc"
