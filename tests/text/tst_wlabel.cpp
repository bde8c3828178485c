// WLabel: mouse selection, its highlight and copying, with selection on and off, selecting on
// screens of 1.25, 1.5 and 2 device pixels per pixel, and the random-input harness.
#include "WFarPointer.h"
#include "WScaledRun.h"
#include "WTestSuite.h"
#include "WTextGeometry.h"

namespace {

void pressCopy(QWidget* w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
    QApplication::sendEvent(w, &press);
}

} // namespace

class TestWLabel : public QObject
{
    Q_OBJECT

private slots:
    void selectAndCopy()
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

    // A synthesised or transformed event may carry any position, one that int cannot hold or
    // that overflows once the text's left edge is taken off: a press there and a drag to the
    // boundary after "Hello", or the other way, select from the nearer end of the text (NaN may
    // select anything). The text is centred, so its left edge is well inside.
    void farPointer_data() { WexalTest::AddFarPointerRows(); }
    void farPointer()
    {
        QFETCH(QPointF, far);
        WLabel l;
        l.resize(300, 30);
        l.SetAlignment(Qt::AlignCenter);
        l.SetText(QStringLiteral("Hello, world"));
        l.SetCanSelectText(true);
        l.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l));
        QVERIFY(l.TextBounding().left() > 10);
        const QPointF middle(l.TextBounding().left() + l.fontMetrics().horizontalAdvance("Hello"),
                             15);
        const QString selected = far.x() <= 10          ? QStringLiteral("Hello")
                                 : far.x() >= l.width() ? QStringLiteral(", world")
                                                        : QString();
        for (const auto& [from, to] : {qMakePair(far, middle), qMakePair(middle, far)}) {
            for (const auto& [type, at] :
                 {qMakePair(QEvent::MouseButtonPress, from), qMakePair(QEvent::MouseMove, to)}) {
                QMouseEvent e(type, at, at, Qt::LeftButton, Qt::LeftButton, {});
                QApplication::sendEvent(&l, &e);
            }
            if (!selected.isNull())
                QCOMPARE(l.SelectedText(), selected);
        }
    }

    void denseScreens_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("alignment");
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        const int centre = Qt::AlignCenter;
        QTest::newRow("1.25") << QStringLiteral("1.25") << left;
        QTest::newRow("1.5") << QStringLiteral("1.5") << left;
        QTest::newRow("2") << QStringLiteral("2") << left;
        QTest::newRow("1.5, centred") << QStringLiteral("1.5") << centre;
    }

    // On a screen of 1.25, 1.5 or 2 device pixels per pixel, with the pointer between whole pixels:
    // a selection dragged from before the text to any device pixel ends at the nearer boundary of
    // the character under it, and the selected text, drawn over the label, lies exactly where the
    // label had it.
    void denseScreens()
    {
        QFETCH(QString, scale);
        QFETCH(int, alignment);
        if (QString failure; WexalTest::RanScaled(scale, &failure))
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        if (!WexalTest::InScaledRun())
            return;
        QWidget window;
        auto* label = WexalTest::DenseLineIn<WLabel>(window);
        const QString text = WexalTest::DenseText();
        label->SetAlignment(Qt::Alignment(alignment));
        label->SetCanSelectText(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qreal dpr = label->devicePixelRatioF();
        QCOMPARE(dpr, scale.toDouble());

        const WexalTest::LineGeometry line(text, WexalTest::DenseFont());
        const qreal origin = label->TextBounding().left();
        // From the start: an empty selection, which is no selection, is not checked.
        const auto selectsTo = [&](qreal x, int expected) {
            WexalTest::DragAt(label, origin + 0.3, x);
            if (label->SelectedText() == text.left(expected))
                return QString();
            return QStringLiteral("\"%1\", not %2 characters")
                .arg(label->SelectedText())
                .arg(expected);
        };
        QCOMPARE(WexalTest::SweepDevicePixels(line, origin, dpr, 1, selectsTo), QString());

        const int from =
            line.QuietBoundary(alignment & Qt::AlignHCenter
                                   ? origin + (label->TextBounding().width() - line.Width()) / 2
                                   : origin);
        QVERIFY(from > 0);
        WexalTest::DragAt(label, origin + 0.3, origin + 0.3); // nothing selected
        QVERIFY(label->SelectedText().isEmpty());
        const QImage before = label->grab().toImage();
        WexalTest::DragAt(label, origin + line.Inside(from, 0.2),
                          origin + line.Inside(from + 6, 0.8));
        QCOMPARE(label->SelectedText(), text.mid(from, 7));
        // Inside the highlight, away from its edges, in the text's rows.
        const QRect box = label->SelectedTextBounding();
        QCOMPARE(WexalTest::SameColumnInk(before, label->grab().toImage(),
                                          qCeil(box.left() * dpr) + 2,
                                          qFloor((box.right() + 1) * dpr) - 2,
                                          qCeil(box.top() * dpr), qFloor((box.bottom() + 1) * dpr)),
                 QString());
    }
};

WEXAL_TEST_MAIN(TestWLabel)
#include "tst_wlabel.moc"
