// WLabel: mouse selection, its highlight and copying, with selection on and off, selecting on
// screens of 1.25, 1.5 and 2 device pixels per pixel, and the random-input harness.
#include "WTestSuite.h"

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
};

WEXAL_TEST_MAIN(TestWLabel)
#include "tst_wlabel.moc"
