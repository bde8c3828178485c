// WButton: the Clicked signal, the colours of each state as painted, the recoloured image and
// the caption's placement.
#include "ButtonTestSupport.h"
#include "WButton.h"
#include "WDrawAPI.h"
#include "WRandomInput.h"

#include <QMetaProperty>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace ButtonTest;

namespace {

const QColor back(0x20, 0x40, 0x60);
const QColor backHover(0x30, 0x60, 0x90);
const QColor backPress(0x10, 0x20, 0x30);
const QColor border(0xA0, 0xA0, 0xA0);
const QColor borderHover(0xFF, 0xC0, 0x00);
const QColor red(0xE0, 0x10, 0x10);
const QColor blue(0x10, 0x10, 0xE0);
const QColor green(0x10, 0xC0, 0x10);

class CountingButton : public WButton
{
public:
    using WButton::WButton;
    int paints = 0;

protected:
    void Paint(QPainter* p) override
    {
        ++paints;
        WButton::Paint(p);
    }
};

// A white 10 x 10 glyph with a red dot in its middle: the white part is recolourable, the dot
// must never change.
QPixmap glyph()
{
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixel(5, 5, qRgb(200, 0, 0));
    return QPixmap::fromImage(image);
}

// A shown 60 x 30 button with a square background and a one-pixel border in every state colour.
struct Fixture
{
    CountingButton b;
    Fixture()
    {
        b.resize(60, 30);
        b.SetBackColor(back);
        b.SetBackColorHover(backHover);
        b.SetBackColorPress(backPress);
        b.SetBorder(PositionFlag::All);
        b.SetBorderWidth(1);
        b.SetBorderColor(border);
        b.SetBorderColorHover(borderHover);
        b.show();
    }
    // Left of where a centred glyph lands.
    QRgb face() { return rgbAt(snapshot(&b), 10, 15); }
    QRgb edge() { return rgbAt(snapshot(&b), 0, 15); }
    QRgb glyphAt(int dx, int dy) { return rgbAt(snapshot(&b), 25 + dx, 10 + dy); }
};

} // namespace

class TestWButton : public QObject
{
    Q_OBJECT

private slots:
    void propertiesInOrderWithDefaults();
    void clickedOncePerLeftRelease();
    void stateColours_data();
    void stateColours();
    void hoverColoursHaveNoFallback();
    void roundedFaceFollowsEveryChange();
    void canHoverOffKeepsPressColour();
    void settersRepaintOnlyOnChange();
    void imageRecolouring();
    void imageRemoved();
    void captionPlacement_data();
    void captionPlacement();
    void foreColourFollowsHover();
    void randomInput();
};

void TestWButton::propertiesInOrderWithDefaults()
{
    WButton b;
    const int first = WBaseButton::staticMetaObject.propertyCount();
    const char* names[] = {"BackColorHover",   "BackColorPress", "ForeColorHover",
                           "BorderColorHover", "Image",          "ReplaceImageColor",
                           "ImageColor",       "ImageColorHover"};
    QCOMPARE(b.metaObject()->propertyCount() - first, 8);
    for (int i = 0; i < 8; ++i) {
        const QMetaProperty p = b.metaObject()->property(first + i);
        QCOMPARE(p.name(), names[i]);
        QVERIFY(p.isDesignable() && p.isScriptable() && p.isStored() && p.isWritable());
    }
    // A button made in code sets no colour at all.
    for (const QColor* c : {&b.BackColor(), &b.ForeColor(), &b.BorderColor(), &b.BackColorHover(),
                            &b.BackColorPress(), &b.ForeColorHover(), &b.BorderColorHover(),
                            &b.ImageColor(), &b.ImageColorHover()})
        QVERIFY(!c->isValid());
    QVERIFY(b.Image().isNull());
    QVERIFY(!b.ReplaceImageColor());
    QCOMPARE(int(b.Alignment()), int(Qt::AlignCenter));
}

void TestWButton::clickedOncePerLeftRelease()
{
    WButton b;
    b.resize(80, 24);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QSignalSpy clicked(&b, &WButton::Clicked);

    QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(&b, Qt::RightButton, Qt::NoModifier, QPoint(40, 12));
    QCOMPARE(clicked.count(), 1);

    QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, QPoint(120, 12));
    QCOMPARE(clicked.count(), 1);

    doubleClick(&b, QPoint(10, 10));
    QCOMPARE(clicked.count(), 3);

    b.setEnabled(false);
    QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    QCOMPARE(clicked.count(), 3);
}

void TestWButton::stateColours_data()
{
    QTest::addColumn<QString>("steps"); // e: enter, l: leave, p: press, o: drag out, r: release
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("borderColour");
    QTest::newRow("normal") << "" << back << border;
    QTest::newRow("hover") << "e" << backHover << borderHover;
    QTest::newRow("hover then leave") << "el" << back << border;
    QTest::newRow("press") << "ep" << backPress << borderHover;
    QTest::newRow("press without hover") << "p" << backPress << border;
    QTest::newRow("press dragged out") << "epo" << backPress << border;
    QTest::newRow("released outside") << "epor" << back << border;
    QTest::newRow("released inside") << "epr" << backHover << borderHover;
}

void TestWButton::stateColours()
{
    QFETCH(QString, steps);
    QFETCH(QColor, background);
    QFETCH(QColor, borderColour);
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.b));
    QPoint at(30, 15);
    for (const QChar step : steps) {
        switch (step.toLatin1()) {
        case 'e':
            enter(&f.b);
            break;
        case 'l':
            leave(&f.b);
            break;
        case 'p':
            mouse(&f.b, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            break;
        case 'o':
            at = QPoint(100, 15);
            drag(&f.b, at);
            break;
        case 'r':
            mouse(&f.b, QEvent::MouseButtonRelease, at);
            break;
        }
    }
    QCOMPARE(f.face(), background.rgb() & 0xFFFFFFu);
    QCOMPARE(f.edge(), borderColour.rgb() & 0xFFFFFFu);
}

void TestWButton::hoverColoursHaveNoFallback()
{
    // An unset hover colour is painted as it is (opaque black), not replaced by the normal one.
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.b));
    f.b.SetBackColorHover(QColor());
    f.b.SetBorderColorHover(QColor());
    enter(&f.b);
    QCOMPARE(f.face(), 0u);
    QCOMPARE(f.edge(), 0u);
    // A transparent hover colour draws nothing: the window behind shows through.
    f.b.SetBackColorHover(Qt::transparent);
    QCOMPARE(f.face(), f.b.palette().color(QPalette::Window).rgb() & 0xFFFFFFu);
}

void TestWButton::roundedFaceFollowsEveryChange()
{
    // A rounded face is drawn once per look and reused; every change of look must still show,
    // and look as the drawing functions draw it.
    WButton b;
    b.resize(80, 30);
    b.SetRadius(8);
    b.SetBackColor(back);
    b.SetBackColorHover(backHover);
    b.SetBackColorPress(backPress);
    b.SetBorder(PositionFlag::All);
    b.SetBorderWidth(2);
    b.SetBorderColor(border);
    b.SetBorderColorHover(borderHover);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));

    const auto differsFromDirect = [&](const QColor& face, const QColor& edge) {
        QImage expected(b.size(), QImage::Format_RGB32);
        expected.fill(b.palette().color(QPalette::Window));
        QPainter p(&expected);
        WDrawAPI::DrawBackColor(&p, b.rect(), b.Radius(), face, b.BorderWidth());
        WDrawAPI::DrawBorder(&p, b.rect(), b.Radius(), edge, b.Border(), b.BorderWidth());
        p.end();
        const QImage actual = snapshot(&b);
        // Blending a ready layer may round an edge pixel differently by a unit.
        for (int y = 0; y < actual.height(); ++y) {
            for (int x = 0; x < actual.width(); ++x) {
                const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
                if (qAbs(qRed(a) - qRed(e)) > 2 || qAbs(qGreen(a) - qGreen(e)) > 2 ||
                    qAbs(qBlue(a) - qBlue(e)) > 2)
                    return QStringLiteral("%1,%2: %3 instead of %4")
                        .arg(x)
                        .arg(y)
                        .arg(a, 8, 16)
                        .arg(e, 8, 16);
            }
        }
        return QString();
    };
    QCOMPARE(differsFromDirect(back, border), QString());
    enter(&b);
    QCOMPARE(differsFromDirect(backHover, borderHover), QString());
    mouse(&b, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(differsFromDirect(backPress, borderHover), QString());
    mouse(&b, QEvent::MouseButtonRelease, QPoint(5, 5));
    leave(&b);
    QCOMPARE(differsFromDirect(back, border), QString());

    b.SetBackColor(red);
    b.SetBorderColor(blue);
    QCOMPARE(differsFromDirect(red, blue), QString());
    b.resize(130, 44);
    QCOMPARE(differsFromDirect(red, blue), QString());
    b.SetRadius(3);
    QCOMPARE(differsFromDirect(red, blue), QString());
    b.SetBorderWidth(5);
    QCOMPARE(differsFromDirect(red, blue), QString());
    b.SetBorder(PositionFlag::None);
    QCOMPARE(differsFromDirect(red, Qt::transparent), QString());
    // Far larger than any cached face: drawn directly, the same way.
    b.resize(900, 400);
    QCOMPARE(differsFromDirect(red, Qt::transparent), QString());
}

void TestWButton::canHoverOffKeepsPressColour()
{
    Fixture f;
    f.b.SetImage(glyph());
    f.b.SetReplaceImageColor(true);
    f.b.SetImageColor(red);
    f.b.SetImageColorHover(green);
    f.b.SetForeColor(Qt::white);
    f.b.SetForeColorHover(Qt::black);
    f.b.SetCanHover(false);
    QVERIFY(QTest::qWaitForWindowExposed(&f.b));
    const QImage before = snapshot(&f.b);
    enter(&f.b);
    QCOMPARE(snapshot(&f.b), before);
    mouse(&f.b, QEvent::MouseButtonPress, QPoint(30, 15), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(f.face(), backPress.rgb() & 0xFFFFFFu);
    QCOMPARE(f.edge(), border.rgb() & 0xFFFFFFu);
    QCOMPARE(f.glyphAt(0, 0), red.rgb() & 0xFFFFFFu);
}

void TestWButton::settersRepaintOnlyOnChange()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.b));
    settle();
    const auto paintsAfter = [&](const std::function<void()>& change) {
        f.b.paints = 0;
        change();
        settle();
        return f.b.paints;
    };
    struct Setter
    {
        const char* name;
        std::function<void(const QColor&)> set;
    };
    const Setter setters[] = {
        {"BackColorHover", [&](const QColor& c) { f.b.SetBackColorHover(c); }},
        {"BackColorPress", [&](const QColor& c) { f.b.SetBackColorPress(c); }},
        {"ForeColorHover", [&](const QColor& c) { f.b.SetForeColorHover(c); }},
        {"BorderColorHover", [&](const QColor& c) { f.b.SetBorderColorHover(c); }},
        {"ImageColor", [&](const QColor& c) { f.b.SetImageColor(c); }},
        {"ImageColorHover", [&](const QColor& c) { f.b.SetImageColorHover(c); }},
    };
    for (const Setter& s : setters) {
        QVERIFY2(paintsAfter([&] { s.set(QColor(1, 2, 3)); }) > 0, s.name);
        QVERIFY2(paintsAfter([&] { s.set(QColor(1, 2, 3)); }) == 0, s.name);
    }
    QVERIFY(paintsAfter([&] { f.b.SetReplaceImageColor(true); }) > 0);
    QCOMPARE(paintsAfter([&] { f.b.SetReplaceImageColor(true); }), 0);
    // Pixmaps are never compared: every SetImage rebuilds and repaints.
    const QPixmap image = glyph();
    QVERIFY(paintsAfter([&] { f.b.SetImage(image); }) > 0);
    QVERIFY(paintsAfter([&] { f.b.SetImage(image); }) > 0);
}

void TestWButton::imageRecolouring()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.b));
    f.b.SetImage(glyph());
    const QRgb white = 0xFFFFFF, dot = qRgb(200, 0, 0) & 0xFFFFFF;
    QCOMPARE(f.glyphAt(0, 0), white);
    QCOMPARE(f.glyphAt(5, 5), dot);

    // Colours are stored but unseen until recolouring is switched on.
    f.b.SetImageColor(red);
    f.b.SetImageColorHover(green);
    QCOMPARE(f.glyphAt(0, 0), white);
    f.b.SetReplaceImageColor(true);
    QCOMPARE(f.glyphAt(0, 0), red.rgb() & 0xFFFFFF);
    QCOMPARE(f.glyphAt(9, 9), red.rgb() & 0xFFFFFF);
    QCOMPARE(f.glyphAt(5, 5), dot);

    // A second colour starts again from the white source: it does not compound.
    f.b.SetImageColor(blue);
    QCOMPARE(f.glyphAt(0, 0), blue.rgb() & 0xFFFFFF);
    f.b.SetImageColor(red);
    QCOMPARE(f.glyphAt(0, 0), red.rgb() & 0xFFFFFF);

    enter(&f.b);
    QCOMPARE(f.glyphAt(0, 0), green.rgb() & 0xFFFFFF);
    f.b.SetImageColorHover(blue);
    QCOMPARE(f.glyphAt(0, 0), blue.rgb() & 0xFFFFFF);
    leave(&f.b);
    QCOMPARE(f.glyphAt(0, 0), red.rgb() & 0xFFFFFF);

    // A new image is recoloured with the colours already set.
    QImage square(10, 10, QImage::Format_ARGB32);
    square.fill(Qt::white);
    f.b.SetImage(QPixmap::fromImage(square));
    QCOMPARE(f.glyphAt(5, 5), red.rgb() & 0xFFFFFF);

    // Off again: the image in its own colours in every state.
    f.b.SetReplaceImageColor(false);
    QCOMPARE(f.glyphAt(0, 0), white);
    enter(&f.b);
    QCOMPARE(f.glyphAt(0, 0), white);
    mouse(&f.b, QEvent::MouseButtonPress, QPoint(30, 15), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(f.glyphAt(0, 0), white);

    // Centred, also when larger than the button.
    QImage big(100, 50, QImage::Format_ARGB32);
    big.fill(Qt::white);
    big.setPixel(21, 11, qRgb(0, 0, 200)); // offset ((60 - 100) / 2, (30 - 50) / 2)
    f.b.SetImage(QPixmap::fromImage(big));
    QCOMPARE(rgbAt(snapshot(&f.b), 1, 1), qRgb(0, 0, 200) & 0xFFFFFF);
}

void TestWButton::imageRemoved()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.b));
    f.b.SetImage(glyph());
    f.b.SetReplaceImageColor(true);
    f.b.SetImageColorHover(green);
    f.b.SetImage(QPixmap());
    QCOMPARE(f.glyphAt(0, 0), back.rgb() & 0xFFFFFF);
    enter(&f.b);
    QCOMPARE(f.glyphAt(0, 0), backHover.rgb() & 0xFFFFFF);
}

void TestWButton::captionPlacement_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("alignment");
    QTest::newRow("centred") << QPoint(0, 0) << int(Qt::AlignCenter);
    QTest::newRow("offset 10, centred") << QPoint(10, 0) << int(Qt::AlignCenter);
    QTest::newRow("left, top") << QPoint(4, 3) << int(Qt::AlignLeft | Qt::AlignTop);
    QTest::newRow("right, bottom") << QPoint(0, 0) << int(Qt::AlignRight | Qt::AlignBottom);
    QTest::newRow("negative offset") << QPoint(-20, -5) << int(Qt::AlignLeft | Qt::AlignVCenter);
}

void TestWButton::captionPlacement()
{
    QFETCH(QPoint, offset);
    QFETCH(int, alignment);
    WButton b;
    b.resize(120, 30);
    b.SetBackColor(Qt::white);
    b.SetForeColor(Qt::black);
    b.SetText(QStringLiteral("Save"));
    b.SetTextOffset(offset);
    b.SetAlignment(Qt::Alignment(alignment));
    QFont font = b.font();
    font.setPixelSize(14); // the reference image and the screen may differ in resolution
    b.setFont(font);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));

    // The caption's rectangle runs from the offset to the last-but-one column and row.
    const auto render = [&](const QRect& area) {
        QImage image(b.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(b.font());
        p.setPen(Qt::black);
        p.drawText(area, alignment, QStringLiteral("Save"));
        return image;
    };
    const QImage actual = snapshot(&b);
    QCOMPARE(actual, render(QRect(offset, QPoint(118, 28))));
    // The comparison can tell: the same rectangle two pixels further on does not match.
    QVERIFY(actual != render(QRect(offset + QPoint(2, 2), QPoint(120, 30))));
}

void TestWButton::foreColourFollowsHover()
{
    WButton b;
    b.resize(120, 40);
    b.SetBackColor(Qt::white);
    b.SetForeColor(red);
    b.SetForeColorHover(blue);
    QFont font = b.font();
    font.setPixelSize(30);
    font.setBold(true);
    b.setFont(font);
    b.SetText(QStringLiteral("MW"));
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QVERIFY(contains(snapshot(&b), b.rect(), red.rgb()));
    QVERIFY(!contains(snapshot(&b), b.rect(), blue.rgb()));
    enter(&b);
    QVERIFY(contains(snapshot(&b), b.rect(), blue.rgb()));
    QVERIFY(!contains(snapshot(&b), b.rect(), red.rgb()));
}

void TestWButton::randomInput()
{
    WButton b;
    b.resize(140, 36);
    QSignalSpy clicked(&b, &WButton::Clicked);
    const ClickOracle oracle(&b);
    WexalTest::RandomInputOptions options;
    options.invariant = [&](QWidget*) -> QString {
        if (clicked.count() != oracle.expected)
            return QStringLiteral("%1 Clicked, expected %2")
                .arg(clicked.count())
                .arg(oracle.expected);
        if (b.ReplaceImageColor() != b.property("ReplaceImageColor").toBool())
            return QStringLiteral("property and getter disagree");
        return QString();
    };
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        // Toggle recolouring and images between paints, the way a theme switch would.
        switch (rng.bounded(3)) {
        case 0:
            b.SetReplaceImageColor(!b.ReplaceImageColor());
            break;
        case 1:
            b.SetImage(rng.bounded(2) ? glyph() : QPixmap());
            break;
        default:
            b.grab();
            break;
        }
    };
    QCOMPARE(WexalTest::RunRandomInput(&b, options), QString());
    QVERIFY(oracle.expected > 0);
}

QTEST_MAIN(TestWButton)
#include "tst_wbutton.moc"
