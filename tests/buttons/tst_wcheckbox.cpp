// WCheckBox: checking by click and by code with its signal, the UncheckWhenClicked rule, the
// box's geometry, the tick from the icon bundle, and which colour changes repaint.
#include "ButtonTestSupport.h"
#include "WCheckBox.h"
#include "WDrawAPI.h"
#include "WRandomInput.h"

#include <QMetaProperty>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace ButtonTest;

namespace {

const QColor page(0x30, 0xA0, 0x30); // what lies behind the box
const QColor boxBack(0xF0, 0xF0, 0xF0);
const QColor outline(0x60, 0x60, 0x60);
const QColor outlineHover(0x20, 0x60, 0xE0);
const QColor tick(0xC0, 0x10, 0x10);
const QColor tickDisabled(0x90, 0x90, 0x90);

class CountingCheckBox : public WCheckBox
{
public:
    using WCheckBox::WCheckBox;
    int paints = 0;

protected:
    void Paint(QPainter* p) override
    {
        ++paints;
        WCheckBox::Paint(p);
    }
};

// A check box on a coloured host, so that what the box leaves unpainted can be told apart.
struct Fixture
{
    QWidget host;
    CountingCheckBox* box;
    explicit Fixture(int height = 20)
    {
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, page);
        host.setPalette(palette);
        host.setAutoFillBackground(true);
        host.resize(120, 40);
        box = new CountingCheckBox(&host);
        box->setGeometry(0, 0, 100, height);
        host.show();
    }
    QImage shot() { return snapshot(&host).copy(box->geometry()); }
};

QString checkedSpyValues(const QSignalSpy& spy)
{
    QStringList values;
    for (const auto& args : spy)
        values << (args.at(0).toBool() ? QStringLiteral("true") : QStringLiteral("false"));
    return values.join(QLatin1Char(','));
}

QRgb rgb(const QColor& c)
{
    return c.rgb() & 0xFFFFFFu;
}

} // namespace

class TestWCheckBox : public QObject
{
    Q_OBJECT

private slots:
    void propertiesInOrderWithDefaults();
    void clicksCheckAndUncheck();
    void uncheckWhenClickedOff();
    void setCheckedAnnouncesOnlyChanges();
    void disabledBoxIgnoresClicksButNotCode();
    void boxGeometry_data();
    void boxGeometry();
    void outlineFollowsHover();
    void transparentBackAndUnsetOutline();
    void tickDrawnFromBundle();
    void tickRecolouringDoesNotCompound();
    void disabledLook();
    void colourChangesRepaintOnlyWhenVisible_data();
    void colourChangesRepaintOnlyWhenVisible();
    void captionAfterTheBox();
    void randomInput();
};

void TestWCheckBox::propertiesInOrderWithDefaults()
{
    WCheckBox box;
    const int first = WBaseButton::staticMetaObject.propertyCount();
    const char* names[] = {"Checked",
                           "UncheckWhenClicked",
                           "CheckFlagColor",
                           "CheckFlagColorDisabled",
                           "CheckRectColor",
                           "CheckRectColorHover",
                           "CheckRectColorDisabled",
                           "CheckRectBackColor",
                           "CheckRectBackColorDisabled"};
    QCOMPARE(box.metaObject()->propertyCount() - first, 9);
    for (int i = 0; i < 9; ++i) {
        const QMetaProperty p = box.metaObject()->property(first + i);
        QCOMPARE(p.name(), names[i]);
        QVERIFY(p.isDesignable() && p.isScriptable() && p.isStored() && p.isWritable());
    }
    QVERIFY(!box.Checked());
    QVERIFY(box.UncheckWhenClicked());
    for (const QColor* c :
         {&box.CheckFlagColor(), &box.CheckFlagColorDisabled(), &box.CheckRectColor(),
          &box.CheckRectColorHover(), &box.CheckRectColorDisabled(), &box.CheckRectBackColor(),
          &box.CheckRectBackColorDisabled()})
        QVERIFY(!c->isValid());
    QCOMPARE(int(box.Alignment()), int(Qt::AlignVCenter)); // left, vertically centred
}

void TestWCheckBox::clicksCheckAndUncheck()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    QSignalSpy changed(f.box, &WCheckBox::CheckedChanged);

    QTest::mouseClick(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    QVERIFY(f.box->Checked());
    QTest::mouseClick(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(60, 10)); // on the caption
    QVERIFY(!f.box->Checked());
    QCOMPARE(checkedSpyValues(changed), QStringLiteral("true,false"));

    // A double-click is two clicks: checked and unchecked again.
    changed.clear();
    doubleClick(f.box, QPoint(8, 10));
    QVERIFY(!f.box->Checked());
    QCOMPARE(checkedSpyValues(changed), QStringLiteral("true,false"));

    // Not a click: right button, or released outside.
    changed.clear();
    QTest::mouseClick(f.box, Qt::RightButton, Qt::NoModifier, QPoint(8, 10));
    QTest::mousePress(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    QTest::mouseRelease(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 30));
    QCOMPARE(changed.count(), 0);
}

void TestWCheckBox::uncheckWhenClickedOff()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    f.box->SetUncheckWhenClicked(false);
    QSignalSpy changed(f.box, &WCheckBox::CheckedChanged);
    QTest::mouseClick(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    QTest::mouseClick(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    doubleClick(f.box, QPoint(8, 10));
    QVERIFY(f.box->Checked());
    QCOMPARE(checkedSpyValues(changed), QStringLiteral("true"));
    f.box->SetChecked(false); // the application still can
    QVERIFY(!f.box->Checked());
    QCOMPARE(checkedSpyValues(changed), QStringLiteral("true,false"));
}

void TestWCheckBox::setCheckedAnnouncesOnlyChanges()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    settle();
    QSignalSpy changed(f.box, &WCheckBox::CheckedChanged);
    // The state is already updated when the signal arrives.
    bool seen = false;
    connect(f.box, &WCheckBox::CheckedChanged, this,
            [&](bool checked) { seen = checked == f.box->Checked(); });

    f.box->SetChecked(true);
    QVERIFY(seen);
    f.box->SetChecked(true);
    QVERIFY(f.box->setProperty("Checked", true));
    QCOMPARE(checkedSpyValues(changed), QStringLiteral("true"));

    f.box->paints = 0;
    f.box->SetCheckedWithoutEvent(false);
    f.box->SetCheckedWithoutEvent(false);
    QVERIFY(!f.box->Checked());
    QCOMPARE(changed.count(), 1);
    settle();
    QVERIFY(f.box->paints > 0); // silent, but still repainted
}

void TestWCheckBox::disabledBoxIgnoresClicksButNotCode()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    f.box->setEnabled(false);
    QSignalSpy changed(f.box, &WCheckBox::CheckedChanged);
    QTest::mouseClick(f.box, Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    QVERIFY(!f.box->Checked());
    f.box->SetChecked(true);
    QCOMPARE(checkedSpyValues(changed), QStringLiteral("true"));
}

void TestWCheckBox::boxGeometry_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("top");
    QTest::newRow("20 high") << 20 << 2;
    QTest::newRow("16 high") << 16 << 0;
    QTest::newRow("10 high, partly outside") << 10 << -3;
    QTest::newRow("25 high, odd") << 25 << 4;
    QTest::newRow("15 high, rounds toward zero") << 15 << 0;
}

void TestWCheckBox::boxGeometry()
{
    QFETCH(int, height);
    QFETCH(int, top);
    Fixture f(height);
    f.box->SetCheckRectBackColor(boxBack);
    f.box->SetCheckRectColor(outline);
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    const QImage image = f.shot();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inBox = x < 16 && y >= top && y < top + 16;
            const bool onOutline = inBox && (x == 0 || x == 15 || y == top || y == top + 15);
            const QRgb want = onOutline ? rgb(outline) : (inBox ? rgb(boxBack) : rgb(page));
            QVERIFY2(rgbAt(image, x, y) == want, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestWCheckBox::outlineFollowsHover()
{
    for (const bool canHover : {true, false}) {
        Fixture f;
        f.box->SetCheckRectColor(outline);
        f.box->SetCheckRectColorHover(outlineHover);
        f.box->SetCanHover(canHover);
        QVERIFY(QTest::qWaitForWindowExposed(&f.host));
        QCOMPARE(rgbAt(f.shot(), 0, 10), rgb(outline));
        enter(f.box);
        QCOMPARE(rgbAt(f.shot(), 0, 10), canHover ? rgb(outlineHover) : rgb(outline));
        // Pressing has no look of its own.
        mouse(f.box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(rgbAt(f.shot(), 0, 10), canHover ? rgb(outlineHover) : rgb(outline));
        leave(f.box);
        QCOMPARE(rgbAt(f.shot(), 0, 10), rgb(outline));
    }
}

void TestWCheckBox::transparentBackAndUnsetOutline()
{
    Fixture f;
    f.box->SetCheckRectBackColor(Qt::transparent);
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    const QImage image = f.shot();
    QCOMPARE(rgbAt(image, 8, 10), rgb(page)); // the host shows through the square
    QCOMPARE(rgbAt(image, 0, 10), 0u);        // an unset outline colour is opaque black
    QCOMPARE(rgbAt(image, 16, 10), rgb(page));
    f.box->SetCheckRectColor(Qt::transparent);
    QCOMPARE(rgbAt(f.shot(), 0, 10), rgb(page));
}

void TestWCheckBox::tickDrawnFromBundle()
{
    Fixture f;
    f.box->SetCheckRectBackColor(boxBack);
    f.box->SetCheckRectColor(Qt::transparent);
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    settle();

    // Without a tick colour a checked box shows no tick.
    f.box->SetChecked(true);
    QVERIFY(!contains(f.shot(), QRect(0, 2, 16, 16), rgb(Qt::white)));
    QCOMPARE(rgbAt(f.shot(), 6, 13), rgb(boxBack));

    // Setting the colour on an unchecked box stores the tick without a repaint.
    f.box->SetChecked(false);
    settle();
    f.box->paints = 0;
    f.box->SetCheckFlagColor(tick);
    settle();
    QCOMPARE(f.box->paints, 0);

    // Checked, the box shows the bundle's tick in that colour, pixel for pixel.
    f.box->SetChecked(true);
    QImage expected(16, 16, QImage::Format_RGB32);
    expected.fill(boxBack);
    QImage glyph(QStringLiteral("://Icons/CheckBox/CheckFlag.png"));
    QVERIFY(!glyph.isNull());
    WDrawAPI::ImageReplaceWhite(glyph, tick);
    QPainter(&expected).drawImage(0, 0, glyph);
    QCOMPARE(f.shot().copy(0, 2, 16, 16), expected);
}

void TestWCheckBox::tickRecolouringDoesNotCompound()
{
    Fixture f;
    f.box->SetCheckRectBackColor(boxBack);
    f.box->SetCheckRectColor(Qt::transparent);
    f.box->SetChecked(true);
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    const QRect square(0, 2, 16, 16);
    f.box->SetCheckFlagColor(tick);
    QVERIFY(contains(f.shot(), square, rgb(tick)));
    f.box->SetCheckFlagColor(Qt::blue);
    QVERIFY(contains(f.shot(), square, rgb(Qt::blue)));
    QVERIFY(!contains(f.shot(), square, rgb(tick)));
    f.box->SetCheckFlagColor(tick);
    QVERIFY(contains(f.shot(), square, rgb(tick)));
    QVERIFY(!contains(f.shot(), square, rgb(Qt::blue)));
}

void TestWCheckBox::disabledLook()
{
    Fixture f;
    f.box->SetCheckRectBackColor(boxBack);
    f.box->SetCheckRectBackColorDisabled(Qt::lightGray);
    f.box->SetCheckRectColor(outline);
    f.box->SetCheckRectColorDisabled(Qt::darkGray);
    f.box->SetCheckFlagColor(tick);
    f.box->SetCheckFlagColorDisabled(tickDisabled);
    f.box->SetChecked(true);
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    const QRect inside(1, 3, 14, 14);
    QVERIFY(contains(f.shot(), inside, rgb(tick)));

    f.box->setEnabled(false);
    const QImage image = f.shot();
    QCOMPARE(rgbAt(image, 0, 10), rgb(Qt::darkGray));
    QCOMPARE(rgbAt(image, 1, 3), rgb(Qt::lightGray));
    QVERIFY(contains(image, inside, rgb(tickDisabled)));
    QVERIFY(!contains(image, inside, rgb(tick)));
}

void TestWCheckBox::colourChangesRepaintOnlyWhenVisible_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("repaints");
    struct Row
    {
        const char* property;
        bool enabled, checked, repaints;
    };
    const Row rows[] = {
        {"CheckFlagColor", true, true, true},
        {"CheckFlagColor", true, false, false},
        {"CheckFlagColor", false, true, false},
        {"CheckFlagColorDisabled", false, true, true},
        {"CheckFlagColorDisabled", false, false, false},
        {"CheckFlagColorDisabled", true, true, false},
        {"CheckRectColor", true, false, true},
        {"CheckRectColor", false, false, false},
        {"CheckRectColorHover", true, false, true},
        {"CheckRectColorHover", false, false, false},
        {"CheckRectColorDisabled", false, false, true},
        {"CheckRectColorDisabled", true, false, false},
        {"CheckRectBackColor", true, false, true},
        {"CheckRectBackColor", false, false, false},
        {"CheckRectBackColorDisabled", false, false, true},
        {"CheckRectBackColorDisabled", true, false, false},
    };
    for (const Row& r : rows)
        QTest::addRow("%s %s %s", r.property, r.enabled ? "enabled" : "disabled",
                      r.checked ? "checked" : "unchecked")
            << QString::fromLatin1(r.property) << r.enabled << r.checked << r.repaints;
}

void TestWCheckBox::colourChangesRepaintOnlyWhenVisible()
{
    QFETCH(QString, property);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    QFETCH(bool, repaints);
    Fixture f;
    f.box->SetChecked(checked);
    f.box->setEnabled(enabled);
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    settle();
    const QByteArray name = property.toLatin1();

    f.box->paints = 0;
    QVERIFY(f.box->setProperty(name, QColor(10, 20, 30)));
    settle();
    QCOMPARE(f.box->paints > 0, repaints);
    QCOMPARE(f.box->property(name).value<QColor>(), QColor(10, 20, 30));

    f.box->paints = 0;
    QVERIFY(f.box->setProperty(name, QColor(10, 20, 30))); // unchanged: never repaints
    settle();
    QCOMPARE(f.box->paints, 0);
}

void TestWCheckBox::captionAfterTheBox()
{
    Fixture f;
    f.box->SetCheckRectColor(Qt::transparent);
    f.box->SetCheckRectBackColor(Qt::transparent);
    f.box->SetForeColor(Qt::black);
    QFont font = f.box->font();
    font.setPixelSize(14);
    f.box->setFont(font);
    f.box->SetText(QStringLiteral("Remember me"));
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));

    // From x = 21 + offset to the last-but-one column and row, left and vertically centred.
    for (const QPoint& offset : {QPoint(0, 0), QPoint(6, -2)}) {
        f.box->SetTextOffset(offset);
        QImage expected(f.box->size(), QImage::Format_RGB32);
        expected.fill(page);
        QPainter p(&expected);
        p.setFont(f.box->font());
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(21, 0) + offset, QPoint(98, 18)), Qt::AlignVCenter,
                   QStringLiteral("Remember me"));
        p.end();
        QCOMPARE(f.shot(), expected);
    }
}

void TestWCheckBox::randomInput()
{
    QWidget host;
    host.resize(260, 80);
    auto* box = new WCheckBox(&host);
    box->setGeometry(10, 10, 180, 24);
    box->SetCheckFlagColor(tick);
    // Every change of state must be announced, and announced with the new state.
    bool announced = box->Checked();
    QString wrong;
    connect(box, &WCheckBox::CheckedChanged, box, [&](bool checked) {
        if (checked == announced || checked != box->Checked())
            wrong = QStringLiteral("CheckedChanged(%1) out of step").arg(checked);
        announced = checked;
    });
    WexalTest::RandomInputOptions options;
    options.invariant = [&](QWidget*) -> QString {
        if (!wrong.isEmpty())
            return wrong;
        if (announced != box->Checked())
            return QStringLiteral("state changed without CheckedChanged");
        return QString();
    };
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (rng.bounded(2)) {
            box->SetChecked(rng.bounded(2));
        } else {
            box->SetCheckedWithoutEvent(rng.bounded(2));
            announced = box->Checked();
        }
    };
    QCOMPARE(WexalTest::RunRandomInput(&host, options), QString());
}

QTEST_MAIN(TestWCheckBox)
#include "tst_wcheckbox.moc"
