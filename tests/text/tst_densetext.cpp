// The label and the line edit on screens of 1.25, 1.5 and 2 device pixels per pixel, with the
// pointer between whole pixels: a click on any device pixel puts the line edit's caret at the
// nearer boundary of the character under it, drawn within half a pixel of where the line has that
// boundary, and a drag from before the label's text to any device pixel ends the selection at that
// boundary; selected text, drawn over the widget, lies exactly where the widget had it.
#include "WScaledRun.h"
#include "WTestSuite.h"
#include "WTextGeometry.h"

class TestDenseText : public QObject
{
    Q_OBJECT

private slots:
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
};

WEXAL_TEST_MAIN(TestDenseText)
#include "tst_densetext.moc"
