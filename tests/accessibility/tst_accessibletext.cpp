// The text interfaces of the label and the line edit: the label's mouse selection and where its
// characters lie, and text by characters, words, sentences and lines, at offsets in the text and
// outside it. The line edit's caret and selection both ways are rows of the input table.
#include "AccessTestSupport.h"
#include "WTestSuite.h"
#include "WTextTable.h"

using namespace AccessTest;

class TestAccessibleText : public QObject
{
    Q_OBJECT

private slots:
    void selection_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("forwards") << 2 << 8 << 2 << 8;
        QTest::newRow("backwards") << 8 << 2 << 2 << 8;
        // The same letters twice: the selection is where it was made, not where they first occur.
        QTest::newRow("a repeated run") << 7 << 9 << 7 << 9;
        QTest::newRow("nothing") << 4 << 4 << -1 << -1;
    }

    void selection()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, start);
        QFETCH(int, end);
        WLabel label;
        label.resize(300, 30);
        label.SetText(QStringLiteral("abc, abc, abc"));
        label.SetCanSelectText(true);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        const QFontMetrics fm = label.fontMetrics();
        const auto x = [&](int index) {
            return label.TextBounding().left() + fm.horizontalAdvance(label.Text().left(index));
        };
        const Recorder heard;
        WexalTest::MousePress(&label, QPoint(x(from), 15));
        WexalTest::MouseMove(&label, QPoint(x(to), 15));
        WexalTest::MouseRelease(&label, QPoint(x(to), 15));
        QAccessibleTextInterface* text = Face(&label)->textInterface();
        QCOMPARE(text->selectionCount(), start < 0 ? 0 : 1);
        int s = -2, e = -2;
        text->selection(0, &s, &e);
        QCOMPARE(s, qMax(start, 0));
        QCOMPARE(e, qMax(end, 0));
        if (start >= 0) {
            QCOMPARE(text->text(s, e), label.SelectedText());
            const QStringList said = Said({&label}).split(QLatin1Char(' ')).filter("Selection");
            QVERIFY(!said.isEmpty());
            QCOMPARE(said.last(),
                     QStringLiteral("TextSelectionChanged@%1..%2").arg(start).arg(end));
        }
        // Hidden from painting and copying, the selection is hidden from readers too.
        label.SetCanSelectText(false);
        QCOMPARE(text->selectionCount(), 0);
        // Setting a selection is the mouse's business: the interface changes nothing.
        label.SetCanSelectText(true);
        text->setSelection(0, 0, 1);
        QCOMPARE(text->selectionCount(), start < 0 ? 0 : 1);
    }

    void labelCharacterGeometry()
    {
        WLabel label;
        label.resize(300, 30);
        label.SetAlignment(Qt::AlignCenter);
        label.SetText(QStringLiteral("Wide, narrow: ilW"));
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QAccessibleTextInterface* text = Face(&label)->textInterface();
        for (int i = 0; i < text->characterCount(); ++i) {
            const QRect box = text->characterRect(i);
            QVERIFY2(box.width() > 0, qPrintable(QString::number(i)));
            QCOMPARE(text->offsetAtPoint(box.center()), i);
        }
        // Left of the text and past its end there is no character.
        const QRect first = text->characterRect(0);
        QCOMPARE(text->offsetAtPoint(first.topLeft() - QPoint(3, 0)), -1);
        QCOMPARE(text->offsetAtPoint(text->characterRect(text->characterCount()).topLeft() +
                                     QPoint(3, 0)),
                 -1);
        // The text is centred in the label, on screen.
        QVERIFY(first.left() > label.mapToGlobal(QPoint(20, 0)).x());
    }

    // The rows are in tst_accessibletext.boundaries.
    void boundaries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typeValue");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("at"); // "text start end"
        QTest::addColumn<QString>("after");
        const QStringList types{"char", "word", "sentence", "paragraph", "line", "whole"};
        for (QStringList f : WexalTest::TextTable(
                 WexalTest::TestData("accessibility/tst_accessibletext.boundaries"), 7)) {
            f.replaceInStrings(QStringLiteral("\\n"), QStringLiteral("\n"));
            QTest::newRow(qPrintable(f[0]))
                << f[1] << int(types.indexOf(f[2])) << f[3].toInt() << f[4] << f[5] << f[6];
        }
    }

    void boundaries()
    {
        QFETCH(QString, text);
        QFETCH(int, typeValue);
        QFETCH(int, offset);
        QVERIFY2(typeValue >= 0, "no such boundary");
        const auto type = QAccessible::TextBoundaryType(typeValue);
        WLabel label;
        label.SetText(text);
        WLineEdit edit;
        edit.SetText(text);
        const auto answer = [](const QString& found, int start, int end) {
            return found.isEmpty() && start == -1 && end == -1
                       ? QString()
                       : QStringLiteral("%1 %2 %3").arg(found).arg(start).arg(end);
        };
        for (QWidget* w : {static_cast<QWidget*>(&label), static_cast<QWidget*>(&edit)}) {
            QAccessibleTextInterface* t = Face(w)->textInterface();
            int start = -2, end = -2;
            QString found = t->textBeforeOffset(offset, type, &start, &end);
            QTEST(answer(found, start, end), "before");
            found = t->textAtOffset(offset, type, &start, &end);
            QTEST(answer(found, start, end), "at");
            found = t->textAfterOffset(offset, type, &start, &end);
            QTEST(answer(found, start, end), "after");
        }
    }
};

WEXAL_TEST_MAIN(TestAccessibleText)
#include "tst_accessibletext.moc"
