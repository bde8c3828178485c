// WLabel: mouse selection, its highlight and copying, with selection on and off, and the
// random-input harness.
#include "WLabel.h"
#include "WRandomInput.h"
#include "WTestMouse.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

class TestWLabel : public QObject
{
    Q_OBJECT

private slots:
    void selectAndCopy();
    void randomInput();
};

namespace {

void pressCopy(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
    QApplication::sendEvent(w, &press);
}

} // namespace

void TestWLabel::selectAndCopy()
{
    WLabel l;
    l.resize(300, 30);
    l.SetText(QStringLiteral("Hello, world"));
    l.SetCanSelectText(true);
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QFontMetrics fm = l.fontMetrics();
    // The x of the boundary before character index.
    const auto x = [&](int index) {
        return l.TextBounding().left() + fm.horizontalAdvance(l.Text().left(index));
    };
    const auto drag = [&](int from, int to) {
        WexalTest::MousePress(&l, QPoint(x(from), 15));
        WexalTest::MouseMove(&l, QPoint(x(to), 15));
        WexalTest::MouseRelease(&l, QPoint(x(to), 15));
    };
    // {from, to, where the highlight starts}; from the end to the start is all of it.
    const int drags[][3] = {{2, 8, 2}, {8, 2, 2}, {12, 0, 0}, {4, 4, 4}};
    for (const auto& d : drags) {
        drag(d[0], d[1]);
        const QString selected = l.Text().mid(d[2], qAbs(d[1] - d[0]));
        QCOMPARE(l.SelectedText(), selected);
        // A press with no move has nothing to highlight.
        QCOMPARE(l.SelectedTextBounding(),
                 selected.isEmpty() ? QRect()
                                    : QRect(x(d[2]), l.TextBounding().top(),
                                            fm.horizontalAdvance(selected), fm.height()));
        pressCopy(&l); // with nothing selected, an empty text
        QCOMPARE(clipboard->text(), selected);
    }
    // A double-click selects all, painted in the highlight colour.
    l.SetSelectedTextBackColor(Qt::blue);
    const QImage plain = l.grab().toImage();
    QTest::mouseDClick(&l, Qt::LeftButton, {}, QPoint(5, 15));
    QCOMPARE(l.SelectedText(), l.Text());
    QCOMPARE(l.SelectedTextBounding(), l.TextBounding());
    const QImage selected = l.grab().toImage();
    QCOMPARE(selected.pixelColor(l.TextBounding().topLeft()), QColor(Qt::blue));
    // Turned off, selecting and copying change nothing; the highlight is hidden, not cleared.
    l.SetCanSelectText(false);
    QCOMPARE(l.grab().toImage(), plain);
    clipboard->setText(QStringLiteral("kept"));
    drag(5, 9);
    pressCopy(&l);
    QCOMPARE(clipboard->text(), QStringLiteral("kept"));
    l.SetCanSelectText(true);
    QCOMPARE(l.grab().toImage(), selected);
    // Focus loss ends the selection.
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&l, &out);
    QCOMPARE(l.SelectedText(), QString());
}

void TestWLabel::randomInput()
{
    WLabel label;
    label.resize(260, 40);
    label.SetText(QStringLiteral("Random input over a selectable label"));
    WexalTest::RandomInputOptions options;
    options.steps = 400;
    // Long and non-ASCII texts, set and appended, in any font, partly selected and copied.
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* l = static_cast<WLabel*>(w);
        const QString text = WexalTest::RandomText(rng);
        l->Text().size() > 6000 || rng.bounded(2) ? l->SetText(text) : l->AppendText(text);
        l->setFont(QFont(l->font().family(), rng.bounded(1, 40)));
        l->UpdateSelectedTextBounding(WexalTest::ExtremeInt(rng));
        // A drag over part of the text, then the copy shortcut.
        l->setEnabled(true);
        l->SetCanSelectText(true);
        const int right = qMax(0, l->TextBounding().right()) + 20;
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseMove}) {
            QMouseEvent e(type, QPointF(rng.bounded(-20, right), 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(l, &e);
        }
        pressCopy(l);
    };
    options.invariant = [](QWidget* w) -> QString {
        auto* l = static_cast<WLabel*>(w);
        const QRect area(0, 0, l->width() - 1, l->height() - 1);
        if (int(l->Alignment()) & ~0x1FF)
            return QStringLiteral("alignment keeps bits beyond the nine");
        if (l->ComputeCaretLocation(INT_MIN) != 0 ||
            l->ComputeCaretLocation(INT_MAX) != l->Text().size())
            return QStringLiteral("far offsets do not reach the ends of the text");
        // Measuring a long text on every step would dominate the run; short ones tell as much.
        if (l->isVisible() && !area.isEmpty() && l->Text().size() < 400 &&
            l->TextBounding() !=
                l->fontMetrics().boundingRect(area, int(l->Alignment()), l->Text()))
            return QStringLiteral("text bounding is stale");
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&label, options), QString());
}

QTEST_MAIN(TestWLabel)
#include "tst_wlabel.moc"
