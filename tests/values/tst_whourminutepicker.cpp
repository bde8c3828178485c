// WHourMinutePicker: clamping setters, selection by click and its loss, the arrows, the wheel
// and the digit keys on the selected number, a disabled picker and the face as painted.
#include "WTestSuite.h"

using Ints = QList<int>;

namespace {

const QColor paper(Qt::white), ink(0x1F, 0x29, 0x37), pick(0x25, 0x63, 0xEB), pickInk(Qt::yellow);
const QColor arrowInk(0xDC, 0x26, 0x26);

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

QImage snapshot(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
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

} // namespace

class TestWHourMinutePicker : public QObject
{
    Q_OBJECT

private slots:
    // Any mouse button on a number, up to its edges, selects it and takes the focus; a click
    // elsewhere clears the selection, and an arrow with nothing selected changes nothing. A
    // disabled picker does not handle a press, nor pass it on; its arrows are not drawn in the
    // enabled colour.
    void selectionAndDisabled()
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
        // With no disabled colour set the arrows do not fall back to the enabled one.
        p.SetButtonColor(arrowInk);
        const QRect arrows =
            WHourMinutePicker::UpButtonRect().united(WHourMinutePicker::DownButtonRect());
        QCOMPARE(count(snapshot(&p), arrows, arrowInk), 0);
    }

    void editSelected_data()
    {
        // The item selected, its value, the steps, and the value after each: "up" and "down"
        // click the arrows, "wheel N" turns the wheel by N (0: sideways), anything else is typed
        // as one key event.
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Ints>("after");
        const auto l = [](const char* s) { return QString::fromUtf8(s).split(QLatin1Char(',')); };
        QTest::newRow("up past 59") << 1 << 59 << l("up") << Ints{0};
        QTest::newRow("down below 0, an hour") << 2 << 0 << l("down") << Ints{23};
        QTest::newRow("up past 23") << 2 << 23 << l("up") << Ints{0};
        QTest::newRow("wheel back") << 1 << 30 << l("wheel -120") << Ints{29};
        QTest::newRow("wheel sideways steps down") << 1 << 0 << l("wheel 0") << Ints{59};
        QTest::newRow("a small wheel step is a whole one") << 3 << 10 << l("wheel 15") << Ints{11};
        QTest::newRow("1, 5, then 9") << 0 << 0 << l("1,5,9") << Ints{1, 15, 9};
        QTest::newRow("9 on 3 is 39, at most 23") << 2 << 3 << l("9") << Ints{23};
        QTest::newRow("minutes: 5 then 9, then 7 afresh") << 1 << 0 << l("5,9,7") << Ints{5, 59, 7};
        QTest::newRow("8 on a minute of 8 is 88, at most 59") << 3 << 8 << l("8") << Ints{59};
        QTest::newRow("a two-digit value starts afresh") << 1 << 10 << l("0,4") << Ints{0, 4};
        QTest::newRow("letters and signs change nothing")
            << 0 << 7 << l("a,-,+,:") << Ints{7, 7, 7, 7};
        // What a keyboard layout or an input method may deliver in one event.
        QTest::newRow("several digits at once") << 1 << 2 << l("35,2147483647") << Ints{55, 59};
    }

    void editSelected()
    {
        QFETCH(int, item);
        QFETCH(int, value);
        QFETCH(QStringList, steps);
        QFETCH(Ints, after);
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
        Ints seen;
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
            seen << p.property(props[item]).toInt();
        }
        QCOMPARE(seen, after);
        Ints expected{11, 12, 13, 14};
        expected[item] = after.last();
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
    void face()
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
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(90, 10));
        QCOMPARE(p.SelectedItem(), 3);
        const QImage image = snapshot(&p);

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
};

WEXAL_TEST_MAIN(TestWHourMinutePicker)
#include "tst_whourminutepicker.moc"
