// WLabel: properties, where the text and the highlight go, mouse selection, copying, and the
// random-input harness.
#include "WLabel.h"
#include "WRandomInput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

class TestWLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultsAndProperties();
    void textBoundingFollowsEveryChange();
    void dragSelects_data();
    void dragSelects();
    void doubleClickSelectsAll();
    void copyShortcut();
    void selectionNeedsCanSelectText();
    void focusLossEndsSelection();
    void emptyTextAnchorsAtZero();
    void resizeKeepsHighlight();
    void highlightIsPainted();
    void randomInput();
};

namespace {

QFont testFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(10);
    return f;
}

// A shown, selectable label with a known font and the text at its left edge.
struct ShownLabel
{
    explicit ShownLabel(const QString& text, int width = 300)
    {
        label.setFont(testFont());
        label.resize(width, 30);
        label.SetText(text);
        label.SetCanSelectText(true);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
    }
    // The x of the boundary before character index in the label's coordinates.
    int BoundaryX(int index) const
    {
        return label.TextBounding().left() +
               label.fontMetrics().horizontalAdvance(label.Text().left(index));
    }
    void Drag(int fromIndex, int toIndex)
    {
        const int y = label.height() / 2;
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(BoundaryX(fromIndex), y));
        QMouseEvent move(QEvent::MouseMove, QPointF(BoundaryX(toIndex), y), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &move);
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(BoundaryX(toIndex), y));
    }
    WLabel label;
};

void pressCopy(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
    QApplication::sendEvent(w, &press);
}

int countColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

void TestWLabel::initTestCase()
{
    QVERIFY(QFontInfo(testFont()).family().contains(QStringLiteral("DejaVu")));
}

void TestWLabel::defaultsAndProperties()
{
    WLabel label;
    QCOMPARE(label.BackColor(), QColor(Qt::transparent));
    QCOMPARE(label.Alignment(), Qt::Alignment(Qt::AlignVCenter));
    QVERIFY(!label.CanSelectText());
    QVERIFY(!label.SelectedTextBackColor().isValid());
    QVERIFY(label.TextBounding().isNull()); // not measured before the first change

    // Only the nine alignment bits are kept.
    label.SetAlignment(Qt::Alignment(0xFFFF));
    QCOMPARE(int(label.Alignment()), 0x1FF);
    label.setProperty("alignment",
                      QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignTop)));
    QCOMPARE(label.Alignment(), Qt::AlignRight | Qt::AlignTop);

    const QStringList expected = {
        QStringLiteral("CanSelectText"), QStringLiteral("Text"), QStringLiteral("alignment"),
        QStringLiteral("SelectedTextBackColor"), QStringLiteral("SelectedTextForeColor")};
    const QMetaObject* mo = label.metaObject();
    QStringList names;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        names << QString::fromLatin1(mo->property(i).name());
    QCOMPARE(names, expected);

    label.AppendText(QStringLiteral("ab"));
    label.AppendText(QStringLiteral("cd"));
    QCOMPARE(label.Text(), QStringLiteral("abcd"));
}

void TestWLabel::textBoundingFollowsEveryChange()
{
    WLabel label;
    label.setFont(testFont());
    label.resize(200, 40);
    label.SetAlignment(Qt::AlignCenter);
    const auto expected = [&label] {
        return QFontMetrics(label.font())
            .boundingRect(QRect(0, 0, label.width() - 1, label.height() - 1),
                          int(label.Alignment()), label.Text());
    };
    label.SetText(QStringLiteral("Centred"));
    QCOMPARE(label.TextBounding(), expected());
    label.show();
    label.resize(300, 60);
    QCOMPARE(label.TextBounding(), expected());
    QFont big = testFont();
    big.setPointSize(20);
    label.setFont(big);
    QCOMPARE(label.TextBounding(), expected());
    label.SetAlignment(Qt::AlignRight | Qt::AlignBottom);
    QCOMPARE(label.TextBounding(), expected());
    QVERIFY(label.TextBounding().right() <= label.width() - 2);
    // Line breaks are honoured by the measure.
    label.SetText(QStringLiteral("two\nlines"));
    QVERIFY(label.TextBounding().height() >= 2 * QFontMetrics(big).height());
}

void TestWLabel::dragSelects_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("highlightFrom");

    QTest::newRow("left to right") << 2 << 8 << QStringLiteral("llo, w") << 2;
    QTest::newRow("right to left") << 8 << 2 << QStringLiteral("llo, w") << 2;
    QTest::newRow("end to start selects all") << 12 << 0 << QStringLiteral("Hello, world") << 0;
    QTest::newRow("no movement") << 4 << 4 << QString() << 4;
}

void TestWLabel::dragSelects()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, selected);
    QFETCH(int, highlightFrom);
    ShownLabel shown(QStringLiteral("Hello, world"));
    shown.Drag(from, to);
    QCOMPARE(shown.label.SelectedText(), selected);
    const QFontMetrics fm = shown.label.fontMetrics();
    const QRect expected(shown.BoundaryX(highlightFrom), shown.label.TextBounding().top(),
                         fm.horizontalAdvance(selected), fm.height());
    QCOMPARE(shown.label.SelectedTextBounding(), expected);
}

void TestWLabel::doubleClickSelectsAll()
{
    ShownLabel shown(QStringLiteral("all of it"));
    QTest::mouseDClick(&shown.label, Qt::LeftButton, {}, QPoint(5, 15));
    QCOMPARE(shown.label.SelectedText(), QStringLiteral("all of it"));
    QCOMPARE(shown.label.SelectedTextBounding(), shown.label.TextBounding());
    // A right double-click does not.
    shown.Drag(1, 1);
    QTest::mouseDClick(&shown.label, Qt::RightButton, {}, QPoint(5, 15));
    QCOMPARE(shown.label.SelectedText(), QString());
}

void TestWLabel::copyShortcut()
{
    ShownLabel shown(QStringLiteral("copy this part"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("old"));
    shown.Drag(5, 9);
    shown.label.setFocus();
    pressCopy(&shown.label);
    QCOMPARE(clipboard->text(), QStringLiteral("this"));

    // Nothing selected: the clipboard is emptied.
    QTest::mouseClick(&shown.label, Qt::LeftButton, {}, QPoint(2, 15));
    pressCopy(&shown.label);
    QCOMPARE(clipboard->text(), QString());

    // Other keys do nothing and are swallowed.
    clipboard->setText(QStringLiteral("kept"));
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QVERIFY(QApplication::sendEvent(&shown.label, &other));
    QVERIFY(other.isAccepted());
    QCOMPARE(clipboard->text(), QStringLiteral("kept"));
}

void TestWLabel::selectionNeedsCanSelectText()
{
    ShownLabel shown(QStringLiteral("selectable"));
    shown.Drag(0, 6);
    QCOMPARE(shown.label.SelectedText(), QStringLiteral("select"));

    shown.label.SetCanSelectText(false);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("untouched"));
    pressCopy(&shown.label);
    QCOMPARE(clipboard->text(), QStringLiteral("untouched"));
    // Presses and drags change nothing; the old selection is kept, only hidden.
    shown.Drag(2, 9);
    QCOMPARE(shown.label.SelectedText(), QStringLiteral("select"));
    QTest::mouseDClick(&shown.label, Qt::LeftButton, {}, QPoint(5, 15));
    QCOMPARE(shown.label.SelectedText(), QStringLiteral("select"));

    shown.label.SetCanSelectText(true);
    pressCopy(&shown.label);
    QCOMPARE(clipboard->text(), QStringLiteral("select"));
}

void TestWLabel::focusLossEndsSelection()
{
    ShownLabel shown(QStringLiteral("focus"));
    shown.label.setFocus();
    shown.Drag(0, 3);
    QCOMPARE(shown.label.SelectedText(), QStringLiteral("foc"));
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&shown.label, &out);
    QCOMPARE(shown.label.SelectedText(), QString());
}

void TestWLabel::emptyTextAnchorsAtZero()
{
    ShownLabel shown{QString()};
    shown.Drag(0, 0);
    QTest::mousePress(&shown.label, Qt::LeftButton, {}, QPoint(150, 15));
    QMouseEvent move(QEvent::MouseMove, QPointF(250, 15), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&shown.label, &move);
    QCOMPARE(shown.label.SelectedText(), QString());
    QCOMPARE(shown.label.ComputeCaretLocation(9999), 0);
    // Nothing but the background: a transparent label on white stays white.
    shown.label.SetBackColor(Qt::white);
    const QImage image = shown.label.grab().toImage();
    QCOMPARE(countColour(image, qRgb(255, 255, 255)), image.width() * image.height());
}

void TestWLabel::resizeKeepsHighlight()
{
    ShownLabel shown(QStringLiteral("middle"), 200);
    shown.label.SetAlignment(Qt::AlignCenter);
    shown.Drag(1, 4);
    const QRect highlight = shown.label.SelectedTextBounding();
    const QRect before = shown.label.TextBounding();
    shown.label.resize(400, 30);
    QCOMPARE(shown.label.TextBounding().left(), before.left() + 100);
    QCOMPARE(shown.label.SelectedTextBounding(), highlight);
    // The next drag measures from the moved text.
    shown.Drag(1, 4);
    QCOMPARE(shown.label.SelectedTextBounding(), highlight.translated(100, 0));
}

void TestWLabel::highlightIsPainted()
{
    ShownLabel shown(QStringLiteral("WWWW WWWW"));
    const QRgb highlight = qRgb(0x25, 0x63, 0xEB);
    shown.label.SetSelectedTextBackColor(QColor(highlight));
    shown.label.SetSelectedTextForeColor(Qt::white);
    shown.label.SetForeColor(Qt::black);
    shown.label.SetBackColor(Qt::white);
    QCOMPARE(countColour(shown.label.grab().toImage(), highlight), 0);
    shown.Drag(0, 4);
    const int painted = countColour(shown.label.grab().toImage(), highlight);
    QVERIFY(painted > shown.label.SelectedTextBounding().width() * 4);
    // Hidden, not cleared, by switching selection off.
    shown.label.SetCanSelectText(false);
    QCOMPARE(countColour(shown.label.grab().toImage(), highlight), 0);
    shown.label.SetCanSelectText(true);
    QCOMPARE(countColour(shown.label.grab().toImage(), highlight), painted);
}

void TestWLabel::randomInput()
{
    WLabel label;
    label.resize(260, 40);
    label.SetCanSelectText(true);
    label.SetText(QStringLiteral("Random input over a selectable label"));
    WexalTest::RandomInputOptions options;
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* l = static_cast<WLabel*>(w);
        switch (rng.bounded(4)) {
        case 0:
            l->AppendText(WexalTest::RandomText(rng));
            break;
        case 1:
            l->SetText(WexalTest::RandomText(rng));
            break;
        case 2:
            l->UpdateSelectedTextBounding(WexalTest::ExtremeInt(rng));
            break;
        default:
            pressCopy(l);
            break;
        }
        if (l->Text().size() > 6000)
            l->SetText(QString());
    };
    options.invariant = [](QWidget* w) -> QString {
        auto* l = static_cast<WLabel*>(w);
        if (int(l->Alignment()) & ~0x1FF)
            return QStringLiteral("alignment keeps bits beyond the nine");
        for (int x : {INT_MIN, -1, 0, 7, 5000, INT_MAX}) {
            const int i = l->ComputeCaretLocation(x);
            if (i < 0 || i > l->Text().size())
                return QStringLiteral("caret index %1 outside the text for x %2").arg(i).arg(x);
        }
        // Measuring a long text on every step would dominate the run; short ones tell as much.
        if (l->isVisible() && l->width() > 1 && l->height() > 1 && l->Text().size() < 400) {
            const QRect expected = QFontMetrics(l->font()).boundingRect(
                QRect(0, 0, l->width() - 1, l->height() - 1), int(l->Alignment()), l->Text());
            if (l->TextBounding() != expected)
                return QStringLiteral("text bounding is stale");
        }
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&label, options), QString());
}

QTEST_MAIN(TestWLabel)
#include "tst_wlabel.moc"
