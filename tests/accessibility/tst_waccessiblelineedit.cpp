// The line edit to a screen reader: editable text with its text and editable-text interfaces,
// a password only ever as its mask, the read-only state honoured by every edit, and the
// announcements of insertions, removals, caret moves and selections.
#include "AccessTestSupport.h"
#include "WLineEdit.h"
#include "WRandomInput.h"

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
    void nameValueAndStates();
    void passwordIsMasked();
    void caretAndSelection();
    void edits_data();
    void edits();
    void editThatDeletesTheLineEdit();
    void announcements();
    void characterGeometry();
    void randomInput();
};

void TestWAccessibleLineEdit::nameValueAndStates()
{
    WLineEdit edit;
    edit.SetText(QStringLiteral("Köln"));
    edit.setAccessibleName(QStringLiteral("City"));
    QAccessibleInterface* face = Face(&edit);
    QCOMPARE(face->role(), QAccessible::EditableText);
    QCOMPARE(Name(face), QStringLiteral("City"));
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("Köln"));
    QVERIFY(face->state().editable);
    QVERIFY(!face->state().readOnly);
    QVERIFY(face->state().focusable);
    QVERIFY(!face->state().passwordEdit);
    edit.SetReadOnly(true);
    QVERIFY(!face->state().editable);
    QVERIFY(face->state().readOnly);
    // The value set by a reader goes through the type's filter and is announced like typing.
    edit.SetReadOnly(false);
    edit.SetTextType(TextType::Number);
    QSignalSpy changed(&edit, &WLineEdit::TextChanged);
    face->setText(QAccessible::Value, QStringLiteral("12a3"));
    QCOMPARE(edit.Text(), QStringLiteral("123"));
    QCOMPARE(changed.count(), 1);
    edit.SetReadOnly(true);
    face->setText(QAccessible::Value, QStringLiteral("9"));
    QCOMPARE(edit.Text(), QStringLiteral("123"));
}

void TestWAccessibleLineEdit::passwordIsMasked()
{
    Recorder heard;
    WLineEdit edit;
    edit.SetTextType(TextType::Password);
    QVERIFY(shown(edit));
    QTest::keyClicks(&edit, QStringLiteral("s3cret"));
    edit.SetText(QStringLiteral("hunter2"));
    QAccessibleInterface* face = Face(&edit);
    QVERIFY(face->state().passwordEdit);
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("*******"));
    QCOMPARE(face->textInterface()->text(0, 7), QStringLiteral("*******"));
    // Nothing a reader was told holds a character of what was typed.
    QVERIFY(!heard.Of(&edit, QAccessible::TextInserted).isEmpty());
    for (const Announcement& a : qAsConst(Heard())) {
        for (const QString& said : {a.inserted, a.removed, a.value.toString()}) {
            for (QChar c : said)
                QVERIFY2(c == QLatin1Char('*') || said.isEmpty(), qPrintable(said));
        }
    }
}

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

void TestWAccessibleLineEdit::edits_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("afterInsert");
    QTest::addColumn<QString>("afterDelete");
    QTest::addColumn<QString>("afterReplace");
    // From "12345": insert "x9" at 2, delete 0..1, replace 1..3 with "7y".
    QTest::newRow("normal") << int(TextType::Normal) << false << "12x9345"
                            << "2x9345"
                            << "27y345";
    QTest::newRow("number: letters filtered") << int(TextType::Number) << false << "129345"
                                              << "29345"
                                              << "2745";
    QTest::newRow("read-only: nothing changes") << int(TextType::Normal) << true << "12345"
                                                << "12345"
                                                << "12345";
}

void TestWAccessibleLineEdit::edits()
{
    QFETCH(int, type);
    QFETCH(bool, readOnly);
    QFETCH(QString, afterInsert);
    QFETCH(QString, afterDelete);
    QFETCH(QString, afterReplace);
    WLineEdit edit;
    edit.SetText(QStringLiteral("12345"));
    edit.SetTextType(TextType::Types(type));
    edit.SetReadOnly(readOnly);
    QSignalSpy changed(&edit, &WLineEdit::TextChanged);
    QAccessibleEditableTextInterface* editable = Face(&edit)->editableTextInterface();
    editable->insertText(2, QStringLiteral("x9"));
    QCOMPARE(edit.Text(), afterInsert);
    editable->deleteText(0, 1);
    QCOMPARE(edit.Text(), afterDelete);
    editable->replaceText(1, 3, QStringLiteral("7y"));
    QCOMPARE(edit.Text(), afterReplace);
    QCOMPARE(changed.isEmpty(), readOnly);
    // Empty and reversed ranges delete nothing.
    const QString before = edit.Text();
    editable->deleteText(3, 3);
    editable->deleteText(4, 1);
    QCOMPARE(edit.Text(), before);
}

void TestWAccessibleLineEdit::editThatDeletesTheLineEdit()
{
    QPointer<WLineEdit> edit = new WLineEdit;
    edit->SetText(QStringLiteral("abc"));
    connect(edit, &WLineEdit::TextChanged, [&] { delete edit.data(); });
    Face(edit)->editableTextInterface()->replaceText(0, 2, QStringLiteral("zz"));
    QVERIFY(edit.isNull());
}

void TestWAccessibleLineEdit::announcements()
{
    WLineEdit edit;
    QVERIFY(shown(edit));
    Recorder heard;
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    QList<Announcement> inserted = heard.Of(&edit, QAccessible::TextInserted);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(0).inserted, QStringLiteral("a"));
    QCOMPARE(inserted.at(1).position, 1);
    QCOMPARE(inserted.at(1).inserted, QStringLiteral("b"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    const QList<Announcement> removed = heard.Of(&edit, QAccessible::TextRemoved);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first().position, 1);
    QCOMPARE(removed.first().removed, QStringLiteral("b"));
    edit.SetText(QStringLiteral("new"));
    const QList<Announcement> updated = heard.Of(&edit, QAccessible::TextUpdated);
    QCOMPARE(updated.size(), 1);
    QCOMPARE(updated.first().removed, QStringLiteral("a"));
    QCOMPARE(updated.first().inserted, QStringLiteral("new"));
    // The caret is heard where it goes, and only when it moves.
    heard.Clear();
    QTest::keyClick(&edit, Qt::Key_End);
    for (int i = 0; i < 4; ++i) // the last one at the end already
        QTest::keyClick(&edit, Qt::Key_Right);
    const QList<Announcement> caret = heard.Of(&edit, QAccessible::TextCaretMoved);
    QCOMPARE(caret.size(), 3);
    QCOMPARE(caret.last().position, 3);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    const QList<Announcement> selected = heard.Of(&edit, QAccessible::TextSelectionChanged);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().position, 2);
    QCOMPARE(selected.first().value.toInt(), 3);
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

void TestWAccessibleLineEdit::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    WLineEdit edit;
    edit.SetText(QStringLiteral("start"));
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        QAccessibleInterface* face = Face(&edit);
        const int n = face->textInterface()->characterCount();
        switch (rng.bounded(4)) {
        case 0:
            face->editableTextInterface()->insertText(rng.bounded(-2, n + 3),
                                                      WexalTest::RandomText(rng).left(20));
            break;
        case 1:
            face->editableTextInterface()->deleteText(rng.bounded(-2, n + 3),
                                                      rng.bounded(-2, n + 3));
            break;
        case 2:
            face->textInterface()->setSelection(0, rng.bounded(-2, n + 3), rng.bounded(-2, n + 3));
            break;
        default:
            face->textInterface()->setCursorPosition(rng.bounded(-2, n + 3));
            break;
        }
    };
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(&edit);
        if (edit.TextType() == TextType::Password &&
            face->text(QAccessible::Value) != QString(edit.Text().size(), QLatin1Char('*')))
            return QStringLiteral("a password's value is not its mask");
        if (face->textInterface()->cursorPosition() > face->textInterface()->characterCount())
            return QStringLiteral("the caret past the end");
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&edit, options), QString());
}

QTEST_MAIN(TestWAccessibleLineEdit)
#include "tst_waccessiblelineedit.moc"
