// The value widgets. WTrackBar: the range and value setters with their signals, the button's
// place on the track, pressing and dragging with real pointer events in both orientations, and
// the fills, gradients, images and button states as painted. WHourMinutePicker: clamping setters,
// selection by click and its loss, the arrows, the wheel and the digit keys on the selected
// number, a disabled picker and the face as painted. WProgressBar: the fill and outline as
// painted, in both styles, and geometry that does not fit.
#include "WTestSuite.h"
#include "WTextTable.h"
#include "WTrackBar_p.h"

using Ints = QList<int>;

namespace {

const QColor back(0xE5, 0xE7, 0xEB), fill1(0x25, 0x63, 0xEB), fill2(0x93, 0xC5, 0xFD);
const QColor knob(0x11, 0x18, 0x27), knobHover(0xDC, 0x26, 0x26), knobOff(0x9C, 0xA3, 0xAF);

// Every signal as "name:value", in the order they came, each checked against the getter.
struct Recorder
{
    QStringList log;
    QString wrong;
    explicit Recorder(WTrackBar* t)
    {
        QObject::connect(t, &WTrackBar::Value1Changed, t, [this, t](int v) {
            log << QStringLiteral("V1:%1").arg(v);
            if (v != t->Value1())
                wrong = QStringLiteral("Value1Changed(%1) with Value1 %2").arg(v).arg(t->Value1());
        });
        QObject::connect(t, &WTrackBar::Value2Changed, t, [this, t](int v) {
            log << QStringLiteral("V2:%1").arg(v);
            if (v != t->Value2())
                wrong = QStringLiteral("Value2Changed(%1) with Value2 %2").arg(v).arg(t->Value2());
        });
        QObject::connect(t, &WTrackBar::ManuallyDragChanged, t,
                         [this](int v) { log << QStringLiteral("M:%1").arg(v); });
    }
    QStringList Take() { return std::exchange(log, {}); }
};

// A point on the track's axis at offset a, across it in the middle.
// The point a along the bar's axis; right to left a horizontal bar measures from the right.
QPoint along(const WTrackBar& t, int a)
{
    if (t.Orientation() == OrientationType::Vertical)
        return QPoint(t.width() / 2, a);
    return QPoint(t.isRightToLeft() ? t.width() - 1 - a : a, t.height() / 2);
}

bool near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// A horizontal or vertical track of the given length and thickness, shown in a window larger
// than itself so that a drag can leave it and stay in the window.
struct Stage
{
    QWidget window;
    WTrackBar* track = new WTrackBar(&window);
    Stage(OrientationType::Types orientation, int length, int thickness)
    {
        window.resize(length + 400, length + 400);
        track->SetOrientation(orientation);
        track->setGeometry(orientation == OrientationType::Vertical
                               ? QRect(100, 100, thickness, length)
                               : QRect(100, 100, length, thickness));
        window.show();
    }
    bool Exposed() { return QTest::qWaitForWindowExposed(&window); }
};

const QColor paper(Qt::white), ink(0x1F, 0x29, 0x37), pick(0x25, 0x63, 0xEB), pickInk(Qt::yellow);

Ints values(const WHourMinutePicker& p)
{
    return {p.StartHour(), p.StartMinute(), p.EndHour(), p.EndMinute()};
}

const char* const props[] = {"StartHour", "StartMinute", "EndHour", "EndMinute"};

// Sends a key press carrying exactly this text, as an input method or keyboard layout may.
bool typed(QWidget* w, const QString& text, Qt::Key k = Qt::Key_unknown)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
    return e.isAccepted();
}

int count(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

struct Shown
{
    QWidget window;
    WHourMinutePicker* picker = new WHourMinutePicker(&window);
    QWidget* other = new QWidget(&window); // somewhere for the focus to go
    Shown()
    {
        window.resize(300, 100);
        picker->move(10, 10);
        other->setGeometry(10, 50, 50, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        window.show();
        window.activateWindow();
    }
    bool Ready() { return QTest::qWaitForWindowActive(&window); }
    void Click(const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
    {
        WexalTest::MousePress(picker, pos, button);
        WexalTest::MouseRelease(picker, pos, button);
    }
};

// The bar drawn on a transparent image: only what the bar paints is there.
QImage render(WProgressBar& bar)
{
    QImage image(bar.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void style(WProgressBar& bar, const QSize& size, int radius, int borderWidth)
{
    bar.resize(size);
    bar.SetBackColor(Qt::white);
    bar.SetForeColor(Qt::red);
    bar.SetBorderColor(Qt::blue);
    bar.SetBorder(PositionFlag::All);
    bar.SetRadius(radius);
    bar.SetBorderWidth(borderWidth);
}

} // namespace

class TestValues : public QObject
{
    Q_OBJECT

private slots:
    void trackPlacement_data()
    {
        // in: track length, button length, minimum, maximum, value1, value2;
        // out: button location, Value2 fill length.
        QTest::addColumn<Ints>("in");
        QTest::addColumn<Ints>("out");
        QTest::newRow("middle") << Ints{100, 10, 0, 100, 50, 50} << Ints{45, 50};
        QTest::newRow("ends") << Ints{100, 10, 0, 100, 100, 0} << Ints{90, 0};
        QTest::newRow("offset range, truncating") << Ints{300, 20, 10, 40, 20, 39} << Ints{93, 290};
        QTest::newRow("button as long as the track") << Ints{30, 30, 0, 100, 70, 70} << Ints{0, 21};
        QTest::newRow("button longer than the track")
            << Ints{30, 50, 0, 100, 100, 100} << Ints{0, 30};
        QTest::newRow("no button size") << Ints{100, -1, 0, 100, 100, 25} << Ints{100, 25};
        // (length - button) * value overflows int here.
        QTest::newRow("large") << Ints{4000, 0, 0, INT_MAX, INT_MAX / 2, INT_MAX}
                               << Ints{1999, 4000};
    }

    // Placed at once by every setter the place depends on, in both orientations, whatever order
    // the properties come in.
    void trackPlacement()
    {
        QFETCH(Ints, in);
        QFETCH(Ints, out);
        for (const auto orientation : {OrientationType::Horizontal, OrientationType::Vertical}) {
            const bool vertical = orientation == OrientationType::Vertical;
            for (const bool sizeFirst : {true, false}) {
                WTrackBar t;
                t.resize(vertical ? QSize(20, in[0]) : QSize(in[0], 20));
                if (sizeFirst)
                    t.show();
                t.SetOrientation(orientation);
                t.SetMaximum(in[3]);
                t.SetValue1(in[4]);
                t.SetValue2(in[5]);
                t.SetMinimum(in[2]);
                t.SetButtonSize(vertical ? QSize(12, in[1]) : QSize(in[1], 12));
                if (!sizeFirst)
                    t.show();
                QVERIFY(QTest::qWaitForWindowExposed(&t));
                QCOMPARE((Ints{t.ButtonLocation(), t.MainLine2Length()}), out);
            }
        }
    }

    void trackPressAndDrag_data()
    {
        QTest::addColumn<OrientationType::Types>("orientation");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("horizontal") << OrientationType::Horizontal << Qt::LeftToRight;
        QTest::newRow("horizontal, right to left")
            << OrientationType::Horizontal << Qt::RightToLeft;
        QTest::newRow("vertical") << OrientationType::Vertical << Qt::LeftToRight;
    }

    void trackPressAndDrag()
    {
        QFETCH(OrientationType::Types, orientation);
        QFETCH(Qt::LayoutDirection, direction);
        Stage s(orientation, 100, 20);
        WTrackBar& t = *s.track;
        t.setLayoutDirection(direction);
        t.SetButtonSize(QSize(10, 10));
        QVERIFY(s.Exposed());
        Recorder rec(&t);

        // Beside the button: a jump, then the end of the gesture; the release says nothing more.
        WexalTest::MousePress(&t, along(t, 95));
        QCOMPARE(t.ButtonLocation(), 90);
        QCOMPARE(rec.Take(), QString::fromLatin1("V1:100 M:100").split(QLatin1Char(' ')));
        WexalTest::MouseRelease(&t, along(t, 95));
        QVERIFY(rec.Take().isEmpty());
        // Other buttons neither jump nor drag.
        WexalTest::MousePress(&t, along(t, 10), Qt::RightButton);
        WexalTest::MouseRelease(&t, along(t, 10), Qt::RightButton);
        QCOMPARE(t.Value1(), 100);

        t.SetValue1(50);
        rec.Take();
        // On the button (both edges count): a drag, with no signal yet.
        for (const int at : {45, 55}) {
            WexalTest::MousePress(&t, along(t, at));
            QVERIFY(t.IsDragging());
            QVERIFY(rec.Take().isEmpty());
            WexalTest::MouseRelease(&t, along(t, at));
            QCOMPARE(rec.Take(), QStringList(QStringLiteral("M:50")));
        }

        // Past the far end and on: held at the end; then back, and the button follows the pointer
        // at once (230 to 190 moves it 40). The same past the near end. A move that does not move
        // the button says nothing.
        WexalTest::MousePress(&t, along(t, 50));
        const int moves[] = {200, 230, 190, -300, -295, -295};
        for (const int at : moves)
            WexalTest::MouseMove(&t, along(t, at));
        QCOMPARE(t.ButtonLocation(), 5);
        QCOMPARE(rec.Take(), QString::fromLatin1("V1:100 V1:55 V1:0 V1:5").split(QLatin1Char(' ')));

        // While dragging, code cannot move the button; a range change leaves Value1 beyond it
        // until a setter after the drag clamps it.
        t.SetValue1(70);
        t.SetValue1WithoutEvent(70);
        t.SetMaximum(3);
        QCOMPARE(t.Value1(), 5);
        QCOMPARE(t.ButtonLocation(), 5);
        WexalTest::MouseRelease(&t, along(t, -295));
        QVERIFY(!t.IsDragging());
        QCOMPARE(rec.Take(), QStringList(QStringLiteral("M:5")));
        t.SetValue1(9);
        QCOMPARE(t.Value1(), 3);
        QCOMPARE(t.ButtonLocation(), 90);
        QCOMPARE(rec.Take(), QStringList(QStringLiteral("V1:3")));

        // A disabled track ignores the pointer.
        t.setEnabled(false);
        WexalTest::MousePress(&t, along(t, 20));
        QVERIFY(!t.IsDragging() && rec.Take().isEmpty());
        QCOMPARE(rec.wrong, QString());
    }

    void trackFills_data()
    {
        QTest::addColumn<OrientationType::Types>("orientation");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("value2");
        const auto H = OrientationType::Horizontal, V = OrientationType::Vertical;
        QTest::newRow("horizontal") << H << 0 << 50;
        QTest::newRow("vertical, rounded") << V << 4 << 50;
        QTest::newRow("rounded, second fill shorter") << H << 4 << 10;
    }

    // Value2 fills the line from its start in the second colour, over the back colour; Value1 = 20
    // puts the button at 18 and covers 0-17 in the first colour, over both. Only the main line is
    // painted.
    void trackFills()
    {
        QFETCH(OrientationType::Types, orientation);
        QFETCH(int, radius);
        QFETCH(int, value2);
        const bool vertical = orientation == OrientationType::Vertical;
        Stage s(orientation, 100, 20);
        WTrackBar& t = *s.track;
        t.SetMainLineBackColor(back);
        t.SetMainLineFillColor1(fill1);
        t.SetMainLineFillColor2(fill2);
        t.SetButtonColor(knob);
        t.SetButtonSize(vertical ? QSize(4, 10) : QSize(10, 4));
        t.SetRadius(radius);
        t.SetValue2(value2);
        t.SetValue1(20);
        QVERIFY(s.Exposed());
        const QImage image = WexalTest::Snapshot(&t);
        const auto at = [&](int a, int across) {
            return image.pixelColor(vertical ? QPoint(across, a) : QPoint(a, across));
        };
        // The first fill over the second over the back colour.
        const auto layered = [&](int a) { return a < 18 ? fill1 : a < value2 ? fill2 : back; };
        // The line is 10 thick, centred: 5 to 14 across; the button 4 thick: 8 to 11.
        const QColor outside = at(50, 4);
        QVERIFY(outside != back && outside != fill2 && at(50, 15) == outside);
        for (int a = radius; a < 100 - radius; ++a) {
            const QColor expected = layered(a);
            QVERIFY2(at(a, 6) == expected && at(a, 13) == expected, qPrintable(QString::number(a)));
            const QColor middle = a >= 18 && a < 28 ? knob : expected;
            QVERIFY2(at(a, 9) == middle, qPrintable(QString::number(a)));
        }
        // Rounded: the corners are cut away, the button is not.
        QVERIFY(!radius || (at(0, 5) != layered(0) && at(99, 14) != back));
    }

    void trackGradients_data()
    {
        // The type, the colour given to MainLineBackColor, and the stops the line must show.
        QTest::addColumn<WTrackBar::TrackType>("type");
        QTest::addColumn<QColor>("base");
        QTest::addColumn<OrientationType::Types>("orientation");
        QTest::addColumn<QList<QColor>>("stops");
        const auto hsl = [](int h, int s, int l) { return QColor::fromHsl(h, s, l); };
        const auto H = OrientationType::Horizontal, V = OrientationType::Vertical;
        const QList<QColor> hues{Qt::red,  Qt::yellow,  Qt::green, Qt::cyan,
                                 Qt::blue, Qt::magenta, Qt::red};
        QTest::newRow("hue") << WTrackBar::HslColorH << QColor() << H << hues;
        QTest::newRow("lightness")
            << WTrackBar::HslColorL << QColor(Qt::red) << V << QList<QColor>{Qt::black, Qt::white};
        QTest::newRow("saturation of a blue")
            << WTrackBar::HslColorS << hsl(240, 60, 100) << H
            << QList<QColor>{hsl(240, 0, 100), hsl(240, 255, 100)};
    }

    // The line between evenly spaced stops, along the whole widget, as a linear RGB blend at each
    // pixel's centre; rounded, the rainbow is cut to the line's corners.
    void trackGradients()
    {
        QFETCH(WTrackBar::TrackType, type);
        QFETCH(QColor, base);
        QFETCH(OrientationType::Types, orientation);
        QFETCH(QList<QColor>, stops);
        const bool vertical = orientation == OrientationType::Vertical;
        const int length = 121;
        const auto blend = [&](int a) {
            const double t = (a + 0.5) / length * (stops.size() - 1);
            const int i = qMin(int(t), stops.size() - 2);
            const double f = t - i;
            const QColor &p = stops[i], &q = stops[i + 1];
            return QColor(qRound(p.red() + (q.red() - p.red()) * f),
                          qRound(p.green() + (q.green() - p.green()) * f),
                          qRound(p.blue() + (q.blue() - p.blue()) * f));
        };
        for (const int radius : {0, 6}) {
            Stage s(orientation, length, 20);
            WTrackBar& t = *s.track;
            t.SetMainLineSize(12);
            t.SetMainLineFillColor1(Qt::black); // not painted by a gradient type
            t.SetValue1(60);
            // Coming from the hue type must leave none of its stops behind.
            t.SetType(WTrackBar::HslColorH);
            t.SetMainLineBackColor(base);
            t.setProperty("Type", QVariant::fromValue(type));
            t.SetRadius(radius);
            QVERIFY(s.Exposed());
            const QImage image = WexalTest::Snapshot(&t);
            const auto at = [&](int a, int across) {
                return image.pixelColor(vertical ? QPoint(across, a) : QPoint(a, across));
            };
            for (int a = radius; a < length - radius; ++a)
                QVERIFY2(near(at(a, 10), blend(a), 3), qPrintable(at(a, 10).name()));
            // The line is 4 to 15 across; rounded, its corners show what lies beneath.
            const QColor beneath = at(60, 1);
            QVERIFY(at(60, 4) != beneath);
            QCOMPARE(at(0, 4) == beneath, radius > 0);
        }
    }

    // A nine-patch line keeps its margins unscaled at the widget's edges, also after a resize, with
    // the margins read from the rectangle as top, bottom, left, right; a plain image is stretched
    // over the whole widget; margins that do not fit the image draw nothing.
    void trackImages()
    {
        QImage source(16, 16, QImage::Format_ARGB32);
        source.fill(Qt::blue);
        {
            QPainter p(&source);
            p.fillRect(0, 0, 16, 2, Qt::red);     // top 2
            p.fillRect(0, 13, 16, 3, Qt::yellow); // bottom 3
            p.fillRect(0, 2, 4, 11, Qt::green);   // left 4
            p.fillRect(11, 2, 5, 11, Qt::cyan);   // right 5
        }
        WTrackBar t;
        t.SetMainLineImage(QPixmap::fromImage(source));
        t.SetSudokuTBLR(QRect(2, 3, 4, 5));
        t.SetSudokuDraw(true);
        QVERIFY(WexalTest::ShownAt(&t, 60, 20));
        t.resize(100, 30);
        QTRY_COMPARE(WexalTest::Snapshot(&t).size(), QSize(100, 30));
        QImage image = WexalTest::Snapshot(&t);
        const auto column = [&](int x, int from, int to) {
            for (int y = from; y <= to; ++y)
                if (image.pixelColor(x, y) != image.pixelColor(x, from))
                    return QColor();
            return image.pixelColor(x, from);
        };
        QCOMPARE(column(50, 0, 1), QColor(Qt::red));
        QCOMPARE(column(50, 2, 26), QColor(Qt::blue));
        QCOMPARE(column(50, 27, 29), QColor(Qt::yellow));
        QCOMPARE(column(3, 2, 26), QColor(Qt::green));
        QCOMPARE(column(4, 2, 26), QColor(Qt::blue));
        QCOMPARE(column(94, 2, 26), QColor(Qt::blue));
        QCOMPARE(column(95, 2, 26), QColor(Qt::cyan));

        t.SetSudokuTBLR(QRect(9, 9, 4, 5)); // top and bottom taller than the image
        image = WexalTest::Snapshot(&t);
        QVERIFY(image.pixelColor(50, 15) != QColor(Qt::blue));

        QImage halves(2, 1, QImage::Format_RGB32);
        halves.setPixelColor(0, 0, Qt::red);
        halves.setPixelColor(1, 0, Qt::green);
        t.SetSudokuDraw(false);
        t.SetMainLineImage(QPixmap::fromImage(halves));
        image = WexalTest::Snapshot(&t);
        QCOMPARE(image.pixelColor(0, 29), QColor(Qt::red));
        QCOMPARE(image.pixelColor(99, 0), QColor(Qt::green));
    }

    // The button in its three states, as a filled rectangle and as a recoloured image; disabled
    // wins over hover; without recolouring the image is drawn as it is.
    void trackButtonStates()
    {
        QImage glyph(8, 8, QImage::Format_ARGB32);
        glyph.fill(Qt::white);
        WTrackBar t;
        t.SetMainLineBackColor(back);
        t.SetButtonSize(QSize(8, 8));
        t.SetButtonColor(knob);
        t.SetButtonColorHover(knobHover);
        t.SetButtonColorDisabled(knobOff);
        QVERIFY(WexalTest::ShownAt(&t, 100, 20));
        const auto centre = [&] {
            return WexalTest::Snapshot(&t).pixelColor(4 + t.ButtonLocation(), 10);
        };
        const auto states = [&] {
            QList<QColor> seen{centre()};
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(&t, &enter);
            seen << centre();
            t.setEnabled(false);
            seen << centre();
            QEvent leave(QEvent::Leave);
            t.setEnabled(true);
            seen << centre();
            QApplication::sendEvent(&t, &leave);
            seen << centre();
            return seen;
        };
        const QList<QColor> expected{knob, knobHover, knobOff, knobHover, knob};
        QCOMPARE(states(), expected);
        t.SetButtonImage(QPixmap::fromImage(glyph));
        QCOMPARE(states(), (QList<QColor>{Qt::white, Qt::white, Qt::white, Qt::white, Qt::white}));
        t.SetReplaceImageWhite(true);
        QCOMPARE(states(), expected);
    }

    void trackRangeAndValues_data()
    {
        // Each step is "Setter:argument"; after all of them: minimum, maximum, value1, value2 and
        // the signals in order.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Ints>("result");
        QTest::addColumn<QStringList>("announced");
        const auto l = [](const char* s) { return QString::fromLatin1(s).split(QLatin1Char(' ')); };
        QTest::newRow("negative minimum") << l("Min:-5") << Ints{0, 100, 0, 0} << QStringList();
        QTest::newRow("minimum up to the maximum pulls both values")
            << l("Min:100") << Ints{99, 100, 99, 99} << l("V1:99 V2:99");
        QTest::newRow("maximum down to the minimum")
            << l("Max:0") << Ints{0, 1, 0, 0} << QStringList();
        QTest::newRow("maximum below both values")
            << l("V1:80 V2:90 Max:50") << Ints{0, 50, 50, 50} << l("V1:80 V2:90 V1:50 V2:50");
        QTest::newRow("same value, and one that clamps to it")
            << l("V1:100 V1:100 V1:250 V2:0 V2:-7") << Ints{0, 100, 100, 0} << l("V1:100");
        QTest::newRow("silent setter")
            << l("Quiet:40 Quiet:-3 V1:0") << Ints{0, 100, 0, 0} << QStringList();
        QTest::newRow("extremes")
            << l("Max:2147483647 V1:2147483647 Min:2147483647 Max:-2147483648")
            << Ints{INT_MAX - 1, INT_MAX, INT_MAX, INT_MAX - 1} << l("V1:2147483647 V2:2147483646");
    }

    void trackRangeAndValues()
    {
        QFETCH(QStringList, steps);
        QFETCH(Ints, result);
        QFETCH(QStringList, announced);
        WTrackBar t;
        Recorder rec(&t);
        const QHash<QString, void (WTrackBar::*)(int)> setters{
            {QStringLiteral("Min"), &WTrackBar::SetMinimum},
            {QStringLiteral("Max"), &WTrackBar::SetMaximum},
            {QStringLiteral("V1"), &WTrackBar::SetValue1},
            {QStringLiteral("V2"), &WTrackBar::SetValue2},
            {QStringLiteral("Quiet"), &WTrackBar::SetValue1WithoutEvent}};
        for (const QString& step : steps)
            (t.*setters.value(step.section(QLatin1Char(':'), 0, 0)))(
                step.section(QLatin1Char(':'), 1).toInt());
        QCOMPARE((Ints{t.Minimum(), t.Maximum(), t.Value1(), t.Value2()}), result);
        QCOMPARE(rec.log, announced);
        QCOMPARE(rec.wrong, QString());
    }

    // Any mouse button on a number, up to its edges, selects it and takes the focus; a click
    // elsewhere clears the selection, and an arrow with nothing selected changes nothing. A
    // disabled picker does not handle a press, nor pass it on.
    void pickerSelectionAndDisabled()
    {
        Shown s;
        QVERIFY(s.Ready());
        WHourMinutePicker& p = *s.picker;
        s.other->setFocus();
        s.Click(QPoint(5, 3), Qt::RightButton);
        QCOMPARE(p.SelectedItem(), 0);
        QVERIFY(p.hasFocus());
        s.Click(QPoint(21, 21));
        QCOMPARE(p.SelectedItem(), 0);
        s.Click(QPoint(22, 12));
        QCOMPARE(p.SelectedItem(), -1);
        s.Click(WHourMinutePicker::UpButtonRect().center());
        QCOMPARE(p.SelectedItem(), -1);
        QCOMPARE(values(p), (Ints{0, 0, 0, 0}));

        p.SetStartHour(5);
        s.Click(WHourMinutePicker::ItemRect(0).center());
        p.setEnabled(false);
        const int selected = p.SelectedItem();
        for (const QPoint& at : {WHourMinutePicker::ItemRect(1).center(),
                                 WHourMinutePicker::UpButtonRect().center(), QPoint(110, 23)}) {
            QMouseEvent press(QEvent::MouseButtonPress, at, p.mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QVERIFY(!static_cast<QObject&>(p).event(&press));
            QCOMPARE(p.SelectedItem(), selected);
        }
        QCOMPARE(p.StartHour(), 5);
    }

    // The rows are in tst_values.picker, with what the steps mean.
    void pickerEditSelected_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("after");
        for (const QStringList& f :
             WexalTest::TextTable(WexalTest::TestData("values/tst_values.picker"), 5)) {
            QTest::newRow(qPrintable(f[0]))
                << f[1].toInt() << f[2].toInt() << f[3].split(QLatin1Char(',')) << f[4];
        }
    }

    void pickerEditSelected()
    {
        QFETCH(int, item);
        QFETCH(int, value);
        QFETCH(QStringList, steps);
        QFETCH(QString, after);
        QVERIFY2(!QByteArray(QTest::currentDataTag()).startsWith('<'), QTest::currentDataTag());
        Shown s;
        QVERIFY(s.Ready());
        WHourMinutePicker& p = *s.picker;
        for (int i = 0; i < 4; ++i)
            p.setProperty(props[i], 11 + i);
        p.setProperty(props[item], value);
        // Without a selection every key is taken and nothing changes.
        QVERIFY(typed(&p, QStringLiteral("4"), Qt::Key_4));
        QCOMPARE(p.property(props[item]).toInt(), value);
        s.Click(WHourMinutePicker::ItemRect(item).center());
        QStringList seen;
        for (const QString& step : steps) {
            const int delta = step.section(QLatin1Char(' '), 1).toInt();
            // Sideways scrolling arrives as a horizontal delta with no vertical one.
            if (step.startsWith(QLatin1String("wheel ")))
                QVERIFY(WexalTest::Wheel(&p, QPoint(50, 10),
                                         delta ? QPoint(0, delta) : QPoint(120, 0)));
            else if (step == QLatin1String("up"))
                s.Click(WHourMinutePicker::UpButtonRect().center());
            else if (step == QLatin1String("down"))
                s.Click(WHourMinutePicker::DownButtonRect().center());
            else
                QVERIFY(typed(&p, step));
            seen << p.property(props[item]).toString();
        }
        QCOMPARE(seen.join(QLatin1Char(',')), after);
        Ints expected{11, 12, 13, 14};
        expected[item] = after.section(QLatin1Char(','), -1).toInt();
        QCOMPARE(values(p), expected);
        // The picker keeps every key while a number is selected, Tab included.
        QTest::keyClick(&p, Qt::Key_Tab);
        QVERIFY(p.hasFocus());
        QCOMPARE(p.SelectedItem(), item);
        // The focus leaving ends the selection, and the wheel is left to the parent.
        s.other->setFocus();
        QCOMPARE(p.SelectedItem(), -1);
        QVERIFY(!WexalTest::Wheel(&p, QPoint(50, 10), QPoint(0, 120)));
        QCOMPARE(values(p), expected);
    }

    // Two-digit numbers in their places, the selected one on its own background in its own ink, the
    // separators: compared with the same texts drawn by hand. The end may lie before the start.
    void pickerFace()
    {
        WHourMinutePicker p;
        p.SetBackColor(paper);
        p.SetForeColor(ink);
        p.SetSelectedItemBackColor(pick);
        p.SetSelectedItemForeColor(pickInk);
        p.SetStartHour(18);
        p.SetStartMinute(45);
        p.SetEndHour(7);
        p.SetEndMinute(5);
        QFont font = p.font(); // in pixels, so that the picture does not depend on the screen
        font.setPixelSize(13);
        p.setFont(font);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(90, 10)); // selects the end minute
        const QImage image = WexalTest::Snapshot(&p);

        QImage expected(p.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(paper);
        {
            QPainter painter(&expected);
            painter.setFont(p.font());
            const QString texts[] = {QStringLiteral("18"), QStringLiteral("45"),
                                     QStringLiteral("07")};
            painter.setPen(ink);
            for (int i = 0; i < 3; ++i)
                painter.drawText(WHourMinutePicker::ItemRect(i), Qt::AlignCenter, texts[i]);
            painter.drawText(QRect(22, 3, 7, 19), Qt::AlignCenter, QStringLiteral(":"));
            painter.drawText(QRect(46, 3, 14, 19), Qt::AlignCenter, QStringLiteral("-"));
            painter.drawText(QRect(77, 3, 7, 19), Qt::AlignCenter, QStringLiteral(":"));
            painter.fillRect(WHourMinutePicker::ItemRect(3), pick);
            painter.setPen(pickInk);
            painter.drawText(WHourMinutePicker::ItemRect(3), Qt::AlignCenter, QStringLiteral("05"));
        }
        const QRect text(0, 0, 104, 25);
        QCOMPARE(image.copy(text), expected.convertToFormat(QImage::Format_RGB32).copy(text));
    }

    // The fill is width * value / 100 pixels, rounded down, in both styles; a square one starts
    // inside the border.
    void progressFillWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("filled");
        for (int radius : {0, 6}) {
            const QByteArray style = radius ? " rounded" : " square";
            QTest::newRow("200 at 33" + style) << 200 << 33 << radius << 0 << 66;
            QTest::newRow("50 at 1" + style) << 50 << 1 << radius << 0 << 0;
        }
        QTest::newRow("200 at 100 square") << 200 << 100 << 0 << 0 << 200;
        QTest::newRow("100 at 50 square, border 2") << 100 << 50 << 0 << 2 << 50;
    }
    void progressFillWidth()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(int, radius);
        QFETCH(int, border);
        QFETCH(int, filled);
        WProgressBar bar;
        style(bar, QSize(width, 20), radius, border);
        bar.SetValue(value);
        const QImage image = render(bar);
        if (border) {
            QCOMPARE(image.pixelColor(border, border), QColor(Qt::red));
            QCOMPARE(image.pixelColor(border - 1, 10), QColor(Qt::blue));
        }
        // The middle row: square fill pixels are exact; a rounded fill ends in one blended
        // pixel where its half-pixel edge lies.
        const int red = count(image, QRect(0, 10, width, 1), Qt::red);
        if (radius == 0) {
            QCOMPARE(red, filled);
        } else {
            QVERIFY2(qAbs(red - filled) <= 1, qPrintable(QString::number(red)));
            QVERIFY(image.pixelColor(0, 0).alpha() < 255); // rounded corner
        }
    }

    // Rounded style: the outline is stroked whatever the border sides say.
    void progressRoundedOutline()
    {
        WProgressBar bar;
        style(bar, QSize(200, 20), 6, 2);
        bar.SetBorder(PositionFlag::None);
        QCOMPARE(render(bar).pixelColor(150, 0), QColor(Qt::blue));
        // Each look is drawn once and reused: another fill colour is another look.
        bar.SetValue(50);
        QCOMPARE(render(bar).pixelColor(50, 10), QColor(Qt::red));
        bar.SetForeColor(Qt::green);
        QCOMPARE(render(bar).pixelColor(50, 10), QColor(Qt::green));
    }

    // Borders too wide for the bar, negative widths and huge radii: drawn without a fault.
    void progressAbsurdGeometry()
    {
        WProgressBar bar;
        for (int radius : {0, 1, 6, INT_MAX})
            for (int bw : {-3, 9, 11, 1000, INT_MAX, INT_MIN}) {
                style(bar, QSize(60, 20), radius, bw);
                bar.SetValue(70);
                render(bar);
            }
        bar.resize(0, 0);
        render(bar);
    }
};

WEXAL_TEST_MAIN(TestValues)
#include "tst_values.moc"
