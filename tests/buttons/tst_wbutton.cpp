// WButton: the Clicked signal, the face and border of each state as painted (through the cache
// of rounded layers), and the recoloured image.
#include "ButtonTestSupport.h"
#include "WTestSuite.h"

using namespace ButtonTest;

const QColor back(0x20, 0x40, 0x60), backHover(0x30, 0x60, 0x90), backPress(0x10, 0x20, 0x30);
const QColor border(0xA0, 0xA0, 0xA0), borderHover(0xFF, 0xC0, 0x00), red(0xE0, 0x10, 0x10);
const QColor green(0x10, 0xC0, 0x10), blue(0x10, 0x10, 0xE0), dot(200, 0, 0);

// A white glyph with a dot in its middle: the white part is recolourable, the dot never changes.
QPixmap glyph(int width = 10, int height = 10)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixelColor(width / 2, height / 2, dot);
    return QPixmap::fromImage(image);
}

class TestWButton : public QObject
{
    Q_OBJECT

private slots:
    void stateLooks_data()
    {
        // e: enter, l: leave, p: press, o: drag out, r: release, n: CanHover off, c: recolour the
        // hover face, s: resize, b: far too large to cache. Rounded faces are drawn once per look
        // and reused: a later look must never show a stale one.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("hover") << "e" << backHover << borderHover;
        QTest::newRow("press") << "ep" << backPress << borderHover;
        QTest::newRow("press without hover") << "p" << backPress << border;
        QTest::newRow("press, drag out") << "epo" << backPress << border;
        QTest::newRow("release outside") << "epor" << back << border;
        QTest::newRow("release inside") << "epr" << backHover << borderHover;
        QTest::newRow("no hover, press") << "nep" << backPress << border;
        QTest::newRow("hover face recoloured") << "elce" << red << borderHover;
        QTest::newRow("resized") << "else" << backHover << borderHover;
        QTest::newRow("too large") << "elbe" << backHover << borderHover;
    }

    void stateLooks()
    {
        QFETCH(QString, steps);
        QFETCH(QColor, face);
        QFETCH(QColor, edge);
        WButton b;
        b.SetBackColor(back);
        b.SetBackColorHover(backHover);
        b.SetBackColorPress(backPress);
        b.SetBorderColor(border);
        b.SetBorderColorHover(borderHover);
        b.SetBorder(PositionFlag::All);
        b.SetBorderWidth(2);
        b.SetRadius(8);
        QVERIFY(shown(&b, 60, 30));
        const QSignalSpy clicked(&b, &WButton::Clicked);
        QPoint at(30, 15);
        const QHash<QChar, std::function<void()>> actions{{'e', [&] { mouse(&b, Enter); }},
                                                          {'l', [&] { mouse(&b, Leave); }},
                                                          {'p', [&] { mouse(&b, Press, at); }},
                                                          {'o', [&] { mouse(&b, Move, at = QPoint(100, 15)); }},
                                                          {'r', [&] { mouse(&b, Release, at); }},
                                                          {'n', [&] { b.SetCanHover(false); }},
                                                          {'c', [&] { b.SetBackColorHover(red); }},
                                                          {'s', [&] { b.resize(130, 44); }},
                                                          {'b', [&] { b.resize(900, 400); }}};
        for (const QChar step : steps) {
            actions[step]();
            b.grab(); // paints each look on the way, and so fills the cache
        }
        QCOMPARE(clicked.count(), int(steps.contains("pr"))); // released where pressed
        // Exactly as the drawing functions draw it directly.
        QImage expected(b.size(), QImage::Format_RGB32);
        expected.fill(b.palette().color(QPalette::Window));
        QPainter p(&expected);
        WDrawAPI::DrawBackColor(&p, b.rect(), b.Radius(), face, b.BorderWidth());
        WDrawAPI::DrawBorder(&p, b.rect(), b.Radius(), edge, b.Border(), b.BorderWidth());
        p.end();
        QCOMPARE(snapshot(&b), expected);
    }

    void imageRecolouring()
    {
        WButton b;
        b.SetImage(glyph());
        b.SetImageColor(blue);
        b.SetImageColorHover(blue);
        QVERIFY(shown(&b, 60, 30));
        const auto at = [&](int x, int y) { return snapshot(&b).pixelColor(x, y); };
        QCOMPARE(at(25, 10), QColor(Qt::white)); // centred, its own colours until recolouring is on
        b.SetReplaceImageColor(true);
        b.SetImageColor(red); // starts again from the white source: recolouring does not compound
        b.SetImageColorHover(green);
        QCOMPARE(at(25, 10), red);
        mouse(&b, Enter);
        QCOMPARE(at(25, 10), green);
        mouse(&b, Leave);
        // A new image takes the colours already set, and is centred also when larger than the
        // button.
        b.SetImage(glyph(100, 50));
        QCOMPARE(at(0, 0), red);
        QCOMPARE(at(30, 15), dot);
    }

    void randomInput();
};

void TestWButton::randomInput()
{
    WButton b;
    b.resize(140, 36);
    QSignalSpy clicked(&b, &WButton::Clicked);
    const Watcher oracle(&b);
    WexalTest::RandomInputOptions options;
    options.invariant = [&](QWidget*) {
        return clicked.count() == oracle.clicks ? QString() : QStringLiteral("Clicked miscounted");
    };
    QCOMPARE(WexalTest::RunRandomInput(&b, options), QString());
    QVERIFY(oracle.clicks > 0);
}

WEXAL_TEST_MAIN(TestWButton)
#include "tst_wbutton.moc"
