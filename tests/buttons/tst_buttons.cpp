// The buttons. WBaseButton, through a minimal concrete button: click recognition, hover and press
// tracking and where a mouse release goes. WButton: the Clicked signal, the face and border of
// each state as painted (through the cache of rounded layers), and the recoloured image. WCheckBox:
// checking by click with its signal and the UncheckWhenClicked rule; the box, tick, outline and
// caption as painted in each state. WSwitchButton: flipping by click with its signal, the silent
// setter, the two halves and their labels as painted.
#include "WTestSuite.h"

namespace {

constexpr auto Press = QEvent::MouseButtonPress, Release = QEvent::MouseButtonRelease,
               Move = QEvent::MouseMove, Enter = QEvent::Enter, Leave = QEvent::Leave;

// A move is sent with the left button held: the only kind of move a button sees.
void mouse(QWidget* w, QEvent::Type type, const QPoint& pos = QPoint(1, 1),
           Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent me(type, pos, w->mapToGlobal(pos), type == Move ? Qt::NoButton : button,
                   type == Release ? Qt::NoButton : button, {});
    QEnterEvent enter(pos, pos, w->mapToGlobal(pos));
    QEvent leave(Leave);
    QApplication::sendEvent(w, type == Enter ? &enter : type == Leave ? &leave : (QEvent*)&me);
}

// Whether any pixel of a snapshot's area is exactly the colour.
bool contains(const QImage& image, const QRect& area, const QColor& colour)
{
    const QImage part = image.copy(area);
    const auto* begin = reinterpret_cast<const QRgb*>(part.constBits());
    return std::count(begin, begin + part.width() * part.height(), colour.rgb()) > 0;
}

// Sees each event of a widget before the widget does, and counts its paints and the clicks it
// should recognise: left releases over the enabled widget.
struct Watcher : QObject
{
    QWidget* w;
    int paints = 0, clicks = 0;
    explicit Watcher(QWidget* w) : w(w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        if (e->type() == Release && w->isEnabled()) {
            const auto* me = static_cast<QMouseEvent*>(e);
            // Positions far beyond any widget (even beyond int, or NaN) are outside; only near
            // ones may be rounded to whole pixels.
            const QPointF p = me->localPos();
            const bool near = qAbs(p.x()) < 1e6 && qAbs(p.y()) < 1e6;
            clicks += me->button() == Qt::LeftButton && near && w->rect().contains(p.toPoint());
        }
        return false;
    }
};

// Follows CheckedChanged of a check box or switch: every change of Checked() must be announced
// once, with the new state already in place; Silently() changes it the way that must say nothing.
template <class W> struct CheckedWatch
{
    W* w;
    bool announced = w->Checked(), quiet = false;
    QString wrong;
    explicit CheckedWatch(W* w) : w(w)
    {
        QObject::connect(w, &W::CheckedChanged, w, [this](bool checked) {
            if (quiet || checked == announced || checked != this->w->Checked())
                wrong = QStringLiteral("CheckedChanged(%1) out of step").arg(checked);
            announced = checked;
        });
    }
    void Silently(bool checked)
    {
        quiet = true;
        w->SetCheckedWithoutEvent(checked);
        quiet = false;
        announced = w->Checked();
    }
    QString Error() const { return announced == w->Checked() ? wrong : "change not announced"; }
};

class ProbeButton : public WBaseButton
{
public:
    using WBaseButton::WBaseButton;
    bool Hovered() const { return hovered; }
    bool Pressed() const { return pressed; }
    int clicks = 0;

protected:
    void Paint(QPainter*) override {}
    void ClickedEvent() override { ++clicks; }
};

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

const QColor boxBack(0xFF, 0xF0, 0xC0), tick(0xC0, 0x10, 0x10), outline(0x60, 0x60, 0x60);
const QColor outlineHover(0x20, 0x60, 0xE0), outlineOff(Qt::darkGray), tickOff(Qt::gray);
const QColor switchBack(Qt::white), lit(0x25, 0x63, 0xEB), ink(0x30, 0x30, 0x30);
const QColor litInk(0xFF, 0xE0, 0x40);

} // namespace

class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void basePointer_data()
    {
        // Pressed at (30, 10) of a 60 x 20 button, then dragged to releaseAt and released there.
        // mode: r the right button instead of the left, n CanHover off, d disabled.
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("clicks");
        QTest::newRow("inside") << QPoint(30, 10) << "" << 1;
        QTest::newRow("last column") << QPoint(59, 10) << "" << 1;
        QTest::newRow("one past the right") << QPoint(60, 10) << "" << 0;
        QTest::newRow("right button") << QPoint(30, 10) << "r" << 0;
        QTest::newRow("CanHover off") << QPoint(30, 10) << "n" << 1;
        QTest::newRow("disabled") << QPoint(30, 10) << "d" << 0;
    }

    void basePointer()
    {
        QFETCH(QPoint, releaseAt);
        QFETCH(QString, mode);
        const auto button = mode == "r" ? Qt::RightButton : Qt::LeftButton;
        const bool canHover = mode != "n", enabled = mode != "d";
        ProbeButton b;
        b.SetCanHover(canHover);
        b.setEnabled(enabled);
        QVERIFY(WexalTest::ShownAt(&b, 60, 20));
        // Hovered only while CanHover and enabled, following a held pointer; pressed only by the
        // left button of an enabled button, until the release.
        mouse(&b, Enter);
        mouse(&b, Press, QPoint(30, 10), button);
        QCOMPARE(b.Pressed(), enabled && button == Qt::LeftButton);
        mouse(&b, Move, releaseAt);
        QCOMPARE(b.Hovered(), canHover && enabled && b.rect().contains(releaseAt));
        mouse(&b, Release, releaseAt, button);
        QTEST(b.clicks, "clicks");
        QVERIFY(!b.Pressed());
    }

    void baseHoverOffAndHide()
    {
        ProbeButton b;
        QVERIFY(WexalTest::ShownAt(&b, 60, 20));
        mouse(&b, Enter);
        mouse(&b, Press);
        b.SetCanHover(false); // drops the hover at once, not the press
        QVERIFY(!b.Hovered() && b.Pressed());
        b.hide();
        QVERIFY(!b.Pressed());
    }

    void baseReleaseReachesParentOnlyInDesigner()
    {
        for (const bool designer : {false, true}) {
            QWidget parent;
            const Watcher sink(&parent);
            auto* b = new ProbeButton(&parent);
            QVERIFY(WexalTest::ShownAt(&parent, 100, 40));
            WBase::SetDesignerMode(designer);
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(sink.clicks, int(designer));
            WBase::SetDesignerMode(false);
        }
    }

    void baseRandomInput()
    {
        ProbeButton b;
        b.resize(120, 30);
        const Watcher oracle(&b);
        WexalTest::RandomInputOptions options;
        // Clicks as the oracle counts them; hovered only while CanHover and enabled, pressed only
        // while enabled; no alignment bits beyond the nine.
        options.invariant = [&](QWidget*) {
            const bool ok = b.clicks == oracle.clicks && !(int(b.Alignment()) & ~0x1FF) &&
                            !(b.Hovered() && !(b.CanHover() && b.isEnabled())) &&
                            !(b.Pressed() && !b.isEnabled());
            return ok ? QString() : QStringLiteral("clicks, hover or press out of step");
        };
        QCOMPARE(WexalTest::RunRandomInput(&b, options), QString());
        QVERIFY(oracle.clicks > 0); // the run did exercise clicking
    }

    void buttonStateLooks_data()
    {
        // e: enter, p: press, o: drag out, r: release, n: CanHover off. Rounded faces are drawn
        // once per look and reused: a later look must never show a stale one.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("hover") << "e" << backHover << borderHover;
        QTest::newRow("press") << "ep" << backPress << borderHover;
        QTest::newRow("press, drag out") << "epo" << backPress << border;
        QTest::newRow("release outside") << "epor" << back << border;
        QTest::newRow("release inside") << "epr" << backHover << borderHover;
        QTest::newRow("no hover, press") << "nep" << backPress << border;
    }

    void buttonStateLooks()
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
        QVERIFY(WexalTest::ShownAt(&b, 60, 30));
        const QSignalSpy clicked(&b, &WButton::Clicked);
        QPoint at(30, 15);
        const QHash<QChar, std::function<void()>> actions{
            {'e', [&] { mouse(&b, Enter); }},
            {'p', [&] { mouse(&b, Press, at); }},
            {'o', [&] { mouse(&b, Move, at = QPoint(100, 15)); }},
            {'r', [&] { mouse(&b, Release, at); }},
            {'n', [&] { b.SetCanHover(false); }},
        };
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
        QCOMPARE(WexalTest::Snapshot(&b), expected);
    }

    void buttonImageRecolouring()
    {
        WButton b;
        b.SetImage(glyph());
        b.SetImageColor(blue);
        b.SetImageColorHover(blue);
        QVERIFY(WexalTest::ShownAt(&b, 60, 30));
        const auto at = [&](int x, int y) { return WexalTest::Snapshot(&b).pixelColor(x, y); };
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

    void checkBoxClicksAndLook_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("top"); // of the 16 x 16 box, vertically centred
        QTest::newRow("20 high") << 20 << 2;
        QTest::newRow("10 high, partly outside") << 10 << -3;
    }

    void checkBoxClicksAndLook()
    {
        QFETCH(int, height);
        QFETCH(int, top);
        WCheckBox box;
        box.SetCheckRectBackColor(boxBack);
        box.SetCheckRectBackColorDisabled(boxBack);
        box.SetCheckRectColor(outline);
        box.SetCheckRectColorHover(outlineHover);
        box.SetCheckRectColorDisabled(outlineOff);
        box.SetText(QStringLiteral("Remember me"));
        box.SetTextOffset(QPoint(6, -2));
        QFont font = box.font();
        font.setPixelSize(14); // the reference image and the screen may differ in resolution
        box.setFont(font);
        QVERIFY(WexalTest::ShownAt(&box, 100, height));
        CheckedWatch<WCheckBox> watch(&box);
        // The box's background, the bundle's white tick in the given colour (none while unset) and
        // a one-pixel outline; the caption from x = 21 + offset to the last-but-one column and row.
        const auto expected = [&](const QColor& frame, const QColor& mark) {
            QImage image(box.size(), QImage::Format_RGB32);
            image.fill(box.palette().color(QPalette::Window));
            QImage glyph(QStringLiteral("://Icons/CheckBox/CheckFlag.png"));
            WDrawAPI::ImageReplaceWhite(glyph, mark);
            QPainter p(&image);
            p.fillRect(0, top, 16, 16, boxBack);
            if (mark.isValid())
                p.drawImage(0, top, glyph);
            p.setPen(frame);
            p.drawRect(0, top, 15, 15);
            p.setFont(font);
            p.setPen(box.ForeColor());
            p.drawText(QRect(QPoint(27, -2), QPoint(98, height - 2)), Qt::AlignVCenter, box.Text());
            return image;
        };
        // A click, on the caption too, checks; unchecks only with UncheckWhenClicked.
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(60, height / 2));
        QVERIFY(box.Checked());
        QCOMPARE(WexalTest::Snapshot(&box), expected(outline, QColor()));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, height / 2));
        QVERIFY(!box.Checked());
        box.SetUncheckWhenClicked(false);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, height / 2));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, height / 2));
        QVERIFY(box.Checked());
        box.SetCheckFlagColor(tick);
        QCOMPARE(WexalTest::Snapshot(&box), expected(outline, tick));
        mouse(&box, Enter);
        QCOMPARE(WexalTest::Snapshot(&box), expected(outlineHover, tick));
        box.SetCheckFlagColorDisabled(tickOff);
        box.setEnabled(false);
        QCOMPARE(WexalTest::Snapshot(&box), expected(outlineOff, tickOff));
        watch.Silently(false); // says nothing
        QCOMPARE(watch.Error(), QString());
    }

    void switchFlipsAndAnnounces()
    {
        WSwitchButton s;
        QVERIFY(WexalTest::ShownAt(&s, 100, 30));
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

    void switchHalves_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("litFrom");
        QTest::addColumn<int>("litTo");
        QTest::newRow("101 wide, off") << 101 << false << 0 << 49;
        QTest::newRow("101 wide, on: the last column is no half's") << 101 << true << 50 << 99;
        QTest::newRow("100 wide, on") << 100 << true << 50 << 99;
    }

    void switchHalves()
    {
        QFETCH(int, width);
        QFETCH(bool, checked);
        QFETCH(int, litFrom);
        QFETCH(int, litTo);
        for (const int radius : {0, 10}) {
            WSwitchButton s;
            s.SetBackColor(switchBack);
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
            QVERIFY(WexalTest::ShownAt(&s, width, 40));
            const QImage image = WexalTest::Snapshot(&s);
            // Square: the highlight exactly on its half along the top and bottom rows. Either way,
            // nothing of it in the other half.
            for (int x = 0; x < width && !radius; ++x)
                for (int y : {0, 39})
                    QVERIFY2(image.pixelColor(x, y) ==
                                 (x >= litFrom && x <= litTo ? lit : switchBack),
                             qPrintable(QString::number(x)));
            const QRect litHalf(litFrom, 0, 50, 40), otherHalf(50 - litFrom, 0, 50, 40);
            QVERIFY(!contains(image, otherHalf, lit));
            // Each label in its half's colour; the caption nowhere.
            QVERIFY(contains(image, litHalf, litInk) && !contains(image, litHalf, ink));
            QVERIFY(contains(image, otherHalf, ink) && !contains(image, otherHalf, litInk));
        }
    }
};

WEXAL_TEST_MAIN(TestButtons)
#include "tst_buttons.moc"
