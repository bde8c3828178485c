// Where text lies on a line and where the pointer and the arrow keys put the caret and the
// selection on it. The label's mouse selection, its highlight and copying, with selection on and
// off. On screens of 1.25, 1.5 and 2 device pixels per pixel, with the pointer between whole
// pixels: a click on any device pixel puts the line edit's caret at the nearer boundary of the
// character under it, drawn within half a pixel of where the line has that boundary, and a drag
// from before the label's text to any device pixel ends the selection at that boundary; selected
// text, drawn over the widget, lies exactly where the widget had it. Lines that mix right-to-left
// and left-to-right text in a right-to-left widget: the caret moves with the arrow keys the way
// the eye reads, and a selection of consecutive characters paints as the pieces they form on the
// line. Every expectation is a property of the picture, not a copy of the layout code.
#include "WScaledRun.h"
#include "WTestSuite.h"
#include "WTextGeometry.h"

namespace {

// Where the line edit's caret is, in widget coordinates.
int caretX(const WLineEdit& edit)
{
    return edit.TextArea().left() + edit.CaretLocation() - edit.ScrollOffset();
}

void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &e);
}

// The runs of colour along row y of the widget's picture, as (first x, length).
QList<QPair<int, int>> runsOf(QWidget* widget, const QColor& colour, int y)
{
    const QImage image = widget->grab().toImage();
    QList<QPair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != colour)
            continue;
        if (!runs.isEmpty() && runs.last().first + runs.last().second == x)
            ++runs.last().second;
        else
            runs.append({x, 1});
    }
    return runs;
}

const QColor highlight(255, 0, 255);

template <class W> void styled(W& w, Qt::LayoutDirection direction, const QString& text)
{
    w.setLayoutDirection(direction);
    w.resize(320, 34);
    w.SetBackColor(Qt::white);
    w.SetForeColor(Qt::black);
    w.SetSelectedTextBackColor(highlight);
    // Selected glyphs in the highlight's own colour: a row of the picture then shows the
    // highlight's pieces unbroken by the letters in them.
    w.SetSelectedTextForeColor(highlight);
    w.SetText(text);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

} // namespace

class TestTextGeometry : public QObject
{
    Q_OBJECT

private slots:
    void labelSelectAndCopy()
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
        const auto drag = [&](int from, int to) { WexalTest::DragAt(&l, x(from), x(to)); };
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
            press(&l, Qt::Key_C, Qt::ControlModifier); // with nothing selected, an empty text
            QCOMPARE(clipboard->text(), selected);
        }
        // A double-click selects all, painted in the highlight colour.
        l.SetSelectedTextBackColor(Qt::blue);
        const QImage plain = l.grab().toImage();
        QTest::mouseDClick(&l, Qt::LeftButton, {}, QPoint(5, 15));
        QCOMPARE(l.SelectedText(), l.Text());
        QCOMPARE(l.SelectedTextBounding(), l.TextBounding());
        QCOMPARE(l.grab().toImage().pixelColor(l.TextBounding().topLeft()), QColor(Qt::blue));
        // Turned off, selecting and copying change nothing, and the highlight is not drawn.
        l.SetCanSelectText(false);
        QCOMPARE(l.grab().toImage(), plain);
        clipboard->setText(QStringLiteral("kept"));
        drag(5, 9);
        press(&l, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("kept"));
        l.SetCanSelectText(true);
        // Focus loss ends the selection.
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(&l, &out);
        QCOMPARE(l.SelectedText(), QString());
    }

    void pointerBetweenPixels_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("alignment"); // the label's
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        for (const char* scale : {"1.25", "1.5", "2"}) {
            QTest::addRow("label, %s", scale) << QString::fromLatin1(scale) << false << left;
            QTest::addRow("line edit, %s", scale) << QString::fromLatin1(scale) << true << left;
        }
        QTest::newRow("label, 1.5, centred")
            << QStringLiteral("1.5") << false << int(Qt::AlignCenter);
    }

    void pointerBetweenPixels()
    {
        QFETCH(QString, scale);
        QFETCH(bool, edit);
        QFETCH(int, alignment);
        if (QString failure; WexalTest::RanScaled(scale, &failure))
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        if (!WexalTest::InScaledRun())
            return;
        QWidget window;
        WLineEdit* const lineEdit = edit ? WexalTest::DenseLineIn<WLineEdit>(window) : nullptr;
        WLabel* const label = edit ? nullptr : WexalTest::DenseLineIn<WLabel>(window);
        QWidget* const w = edit ? static_cast<QWidget*>(lineEdit) : label;
        if (label) {
            label->SetAlignment(Qt::Alignment(alignment));
            label->SetCanSelectText(true);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qreal dpr = w->devicePixelRatioF();
        QCOMPARE(dpr, scale.toDouble());

        const QString text = WexalTest::DenseText();
        const WexalTest::LineGeometry line(text, WexalTest::DenseFont());
        QVERIFY(!edit || line.Width() < lineEdit->TextArea().width());
        const qreal origin = edit ? lineEdit->TextArea().left() - lineEdit->ScrollOffset()
                                  : label->TextBounding().left();
        const auto selected = [&] {
            return edit ? lineEdit->SelectedText() : label->SelectedText();
        };
        // The label selects from the start of its text: an empty selection, which is no
        // selection, is not checked there.
        const auto lands = [&](qreal x, int expected) {
            if (label) {
                WexalTest::DragAt(label, origin + 0.3, x);
                if (selected() == text.left(expected))
                    return QString();
                return QStringLiteral("\"%1\", not %2 characters").arg(selected()).arg(expected);
            }
            WexalTest::DragAt(lineEdit, x, x);
            const qreal caret = lineEdit->CaretLocation() - lineEdit->ScrollOffset();
            if (lineEdit->CaretIndex() != expected)
                return QStringLiteral("caret %1, not %2").arg(lineEdit->CaretIndex()).arg(expected);
            if (qAbs(caret - (line.boundaries[expected] - lineEdit->ScrollOffset())) > 0.5 + 1e-9)
                return QStringLiteral("caret %1 drawn at %2, the line has it at %3")
                    .arg(expected)
                    .arg(caret)
                    .arg(line.boundaries[expected]);
            return QString();
        };
        QCOMPARE(WexalTest::SweepDevicePixels(line, origin, dpr, edit ? 0 : 1, lands), QString());

        const qreal spare = label && (alignment & Qt::AlignHCenter)
                                ? (label->TextBounding().width() - line.Width()) / 2
                                : 0;
        const int from = line.QuietBoundary(origin + spare);
        QVERIFY(from > 0);
        // Nothing selected: the line edit's caret after the last character, the label's nowhere.
        const qreal none = edit ? origin + line.Width() + 5 : origin + 0.3;
        WexalTest::DragAt(w, none, none);
        QVERIFY(selected().isEmpty());
        const QImage before = w->grab().toImage();
        WexalTest::DragAt(w, origin + line.Inside(from, 0.2), origin + line.Inside(from + 6, 0.8));
        QCOMPARE(selected(), text.mid(from, 7));
        // Inside the highlight, away from its edges and the line edit's caret at its end, in the
        // text's rows.
        const QRect box = edit ? lineEdit->SelectedTextBounding() : label->SelectedTextBounding();
        QCOMPARE(WexalTest::SameColumnInk(before, w->grab().toImage(), qCeil(box.left() * dpr) + 2,
                                          qFloor((box.right() + 1) * dpr) - (edit ? 3 : 2),
                                          qCeil(box.top() * dpr), qFloor((box.bottom() + 1) * dpr)),
                 QString());
    }

    void arrowsMoveInReadingOrderOnScreen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Hebrew with a Latin word") << QStringLiteral("שלום world עולם");
        QTest::newRow("Arabic with digits") << QStringLiteral("مرحبا 2026 عالم");
        QTest::newRow("Latin with a Hebrew word") << QStringLiteral("abc אבג def");
    }

    // From the left end, Right walks the caret across the line to the right end and never
    // back, one character's width at most at a time, and visits every boundary; Left walks it
    // back the same way. (Where the direction changes a boundary has two places on screen, so
    // a walk takes more steps than there are boundaries; presses past the end change nothing.)
    void arrowsMoveInReadingOrderOnScreen()
    {
        QFETCH(QString, text);
        WLineEdit edit;
        styled(edit, Qt::RightToLeft, text);
        edit.setFocus();
        const int widest = edit.fontMetrics().maxWidth() + 1;
        WexalTest::MousePress(&edit, QPoint(1, 17));
        WexalTest::MouseRelease(&edit, QPoint(1, 17));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left}) {
            const int sign = key == Qt::Key_Right ? 1 : -1;
            QSet<int> visited{edit.CaretIndex()};
            int x = caretX(edit);
            for (int step = 0; step < 3 * text.size(); ++step) {
                press(&edit, key);
                const int next = caretX(edit);
                QVERIFY2(
                    sign * (next - x) >= 0 && sign * (next - x) <= widest,
                    qPrintable(QStringLiteral("step %1: x %2 to %3").arg(step).arg(x).arg(next)));
                x = next;
                visited.insert(edit.CaretIndex());
            }
            QCOMPARE(visited.size(), text.size() + 1);
        }
    }

    // "ם wo" of "שלום world עולם" is one stretch of the text, but on the line the Latin word
    // reads left to right between the Hebrew ones: "wo" is at its left end and "ם" beyond its
    // right end. The highlight is two pieces, in the line edit and in the label, selected with
    // the pointer from before "ם" to after "wo".
    void selectionPaintsAsPieces()
    {
        const QString text = QStringLiteral("שלום world עולם");
        WLineEdit edit;
        styled(edit, Qt::RightToLeft, text);
        WLabel label;
        label.SetCanSelectText(true);
        styled(label, Qt::RightToLeft, text);
        for (QWidget* w : {static_cast<QWidget*>(&edit), static_cast<QWidget*>(&label)}) {
            const QFontMetrics fm = w->fontMetrics();
            const auto width = [&fm](const char* s) {
                return fm.horizontalAdvance(QString::fromUtf8(s));
            };
            // Right to left the line ends (its first character) at the text's right edge.
            const int right = w == &edit ? edit.TextArea().right()
                                         : label.TextBounding().left() + width(text.toUtf8());
            const int from = right - width("שלו");
            const int wordLeft = right - width("שלום ") - width("world");
            const int to = wordLeft + width("wo");
            WexalTest::MousePress(w, QPoint(from, 17));
            WexalTest::MouseMove(w, QPoint(to, 17));
            const QString selected = w == &edit ? edit.SelectedText() : label.SelectedText();
            QCOMPARE(selected, QStringLiteral("ם wo"));
            const auto pieces = runsOf(w, highlight, 17);
            QCOMPARE(pieces.size(), 2);
            QVERIFY2(qAbs(pieces.first().first - wordLeft) <= 2,
                     qPrintable(QString::number(pieces.first().first)));
            QVERIFY2(qAbs(pieces.last().first + pieces.last().second - from) <= 2,
                     qPrintable(QString::number(pieces.last().first)));
            WexalTest::MouseRelease(w, QPoint(to, 17));
        }
    }
};

WEXAL_TEST_MAIN(TestTextGeometry)
#include "tst_textgeometry.moc"
