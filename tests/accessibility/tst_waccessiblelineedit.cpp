// The line edit's text interface: caret and selection both ways, and where characters lie
// once scrolled.
#include "AccessTestSupport.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

bool shown(WLineEdit& edit, int width = 200)
{
    edit.resize(width, 30);
    edit.show();
    return QTest::qWaitForWindowExposed(&edit);
}

} // namespace

class TestWAccessibleLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void caretAndSelection();
    void characterGeometry();
};

void TestWAccessibleLineEdit::caretAndSelection()
{
    WLineEdit edit;
    QVERIFY(shown(edit));
    edit.SetText(QStringLiteral("Hello world"));
    QAccessibleTextInterface* text = Face(&edit)->textInterface();
    QCOMPARE(text->cursorPosition(), 0);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_Right);
    QCOMPARE(text->cursorPosition(), 2);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(text->selectionCount(), 1);
    int s = 0, e = 0;
    text->selection(0, &s, &e);
    QCOMPARE(QPoint(s, e), QPoint(2, 4));
    QCOMPARE(text->text(s, e), edit.SelectedText());

    text->setCursorPosition(9);
    QCOMPARE(edit.CaretIndex(), 9);
    QCOMPARE(text->selectionCount(), 0);
    text->setCursorPosition(500);
    QCOMPARE(edit.CaretIndex(), 11);
    text->setSelection(0, 6, 11);
    QCOMPARE(edit.SelectedText(), QStringLiteral("world"));
    QCOMPARE(text->cursorPosition(), 11);
    text->addSelection(0, 5); // one selection at most: it replaces the first
    QCOMPARE(edit.SelectedText(), QStringLiteral("Hello"));
    text->removeSelection(0);
    QCOMPARE(edit.SelectedText(), QString());
    QCOMPARE(text->selectionCount(), 0);
    // Out-of-range offsets are brought to the text.
    text->setSelection(0, -10, 3);
    QCOMPARE(edit.SelectedText(), QStringLiteral("Hel"));
}

void TestWAccessibleLineEdit::characterGeometry()
{
    WLineEdit edit;
    QVERIFY(shown(edit, 80));
    edit.SetText(QStringLiteral("a long line that cannot fit in eighty pixels"));
    QTest::keyClick(&edit, Qt::Key_End);
    for (int i = 0; i < 44; ++i)
        QTest::keyClick(&edit, Qt::Key_Right);
    QVERIFY(edit.ScrollOffset() > 0);
    QAccessibleTextInterface* text = Face(&edit)->textInterface();
    // The last characters are in view where the line has scrolled them; the first are left of
    // the widget.
    const QRect last = text->characterRect(43);
    QVERIFY(QRect(edit.mapToGlobal(QPoint(0, 0)), edit.size()).contains(last.center()));
    QCOMPARE(text->offsetAtPoint(last.center()), 43);
    QVERIFY(text->characterRect(0).right() < edit.mapToGlobal(QPoint(0, 0)).x());
}

WEXAL_TEST_MAIN(TestWAccessibleLineEdit)
#include "tst_waccessiblelineedit.moc"
