// WLineEdit: editing, caret and selection by keys and mouse, scrolling, the clipboard, the
// length limit, signals, focus and blinking, painting, the update hook, and random input.
#include "WLineEdit.h"
#include "WRandomInput.h"
#include "WTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class TestWLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void typingMovesTheCaret();
    void homeAndEndHaveNoMeaning();
    void shiftArrowsSelect_data();
    void shiftArrowsSelect();
    void deleteAndBackspace_data();
    void deleteAndBackspace();
    void typingReplacesSelection();
    void maxLengthCutsInsertion();
    void maxLengthAndTheApi();
    void insertTextClampsIndex();
    void signalsOncePerChange();
    void clipboard();
    void readOnly();
    void mouseSelects();
    void rightClickAndDoubleClick();
    void disabledIgnoresInput();
    void scrollingKeepsCaretVisible();
    void selectionAcrossScroll();
    void keyCompression();
    void focusAndBlink();
    void textAreaFollowsBorder();
    void nullTextAreaDrawsNoText();
    void paintsTextSelectionAndCaret();
    void updateHook();
    void randomInput();
};

namespace {

// A shown, focused line edit; the test drives it like a user.
struct ShownEdit
{
    explicit ShownEdit(const QString& text = QString(), int width = 200)
    {
        edit.resize(width, 30);
        edit.SetText(text);
        edit.show();
        edit.activateWindow();
        edit.setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
    }
    void CaretTo(int index)
    {
        while (edit.CaretIndex() > index && edit.CaretMoveLeft()) {
        }
        while (edit.CaretIndex() < index && edit.CaretMoveRight()) {
        }
    }
    // The x, in widget coordinates, of the boundary before character index.
    int BoundaryX(int index) const
    {
        return edit.TextArea().left() - edit.ScrollOffset() +
               edit.fontMetrics().horizontalAdvance(edit.DisplayText().left(index));
    }
    void Drag(int fromIndex, int toIndex)
    {
        QTest::mousePress(&edit, Qt::LeftButton, {}, QPoint(BoundaryX(fromIndex), 15));
        QMouseEvent move(QEvent::MouseMove, QPointF(BoundaryX(toIndex), 15), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &move);
        QTest::mouseRelease(&edit, Qt::LeftButton, {}, QPoint(BoundaryX(toIndex), 15));
    }
    WLineEdit edit;
};

// A key as a keyboard sends it, with the control character a shortcut carries.
void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
}

void sendShortcut(QWidget* w, QKeySequence::StandardKey key)
{
    const int combo = QKeySequence(key)[0];
    const int k = combo & ~Qt::KeyboardModifierMask;
    // Ctrl+letter carries the matching control character, as on a real keyboard.
    const QString text =
        k >= Qt::Key_A && k <= Qt::Key_Z ? QString(QChar(k - Qt::Key_A + 1)) : QString();
    sendKey(w, k, Qt::KeyboardModifiers(combo & Qt::KeyboardModifierMask), text);
}

int countColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// Counts its own paints, to see where a line edit's repaint requests go.
class PaintCounter : public WTest
{
public:
    int paints = 0;

protected:
    void Paint(QPainter*) override { ++paints; }
};

} // namespace

void TestWLineEdit::defaults()
{
    WLineEdit edit;
    QCOMPARE(edit.focusPolicy(), Qt::StrongFocus);
    QVERIFY(edit.testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(edit.testAttribute(Qt::WA_KeyCompression));
    QCOMPARE(edit.TextMaxLength(), 32767);
    QCOMPARE(edit.TextType(), TextType::Normal);
    QVERIFY(!edit.ReadOnly());
    QVERIFY(!edit.BackColor().isValid());
    QCOMPARE(edit.SelectionStart(), -1);
    QCOMPARE(edit.SelectionEnd(), -1);
    QVERIFY(!edit.IsCaretVisible());

    const QStringList expected = {QStringLiteral("ReadOnly"),
                                  QStringLiteral("Text"),
                                  QStringLiteral("TextType"),
                                  QStringLiteral("TextMaxLength"),
                                  QStringLiteral("BorderColorHover"),
                                  QStringLiteral("SelectedTextBackColor"),
                                  QStringLiteral("SelectedTextForeColor")};
    const QMetaObject* mo = edit.metaObject();
    QStringList names;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        names << QString::fromLatin1(mo->property(i).name());
    QCOMPARE(names, expected);
    QStringList signalNames;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
        if (mo->method(i).methodType() == QMetaMethod::Signal)
            signalNames << QString::fromLatin1(mo->method(i).methodSignature());
    QCOMPARE(signalNames,
             QStringList({QStringLiteral("TextChanged()"), QStringLiteral("RightClicked()"),
                          QStringLiteral("FocusOut()")}));
}

void TestWLineEdit::typingMovesTheCaret()
{
    ShownEdit shown;
    QTest::keyClicks(&shown.edit, QStringLiteral("hello"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("hello"));
    QCOMPARE(shown.edit.CaretIndex(), 5);
    QCOMPARE(shown.edit.CaretLocation(),
             shown.edit.fontMetrics().horizontalAdvance(QStringLiteral("hello")));
    QTest::keyClick(&shown.edit, Qt::Key_Left);
    QTest::keyClick(&shown.edit, Qt::Key_Left);
    QTest::keyClicks(&shown.edit, QStringLiteral("XY"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("helXYlo"));
    QCOMPARE(shown.edit.CaretIndex(), 5);
    // Non-printable keys insert nothing.
    sendKey(&shown.edit, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    sendKey(&shown.edit, Qt::Key_Escape, Qt::NoModifier, QString(QChar(0x1B)));
    QCOMPARE(shown.edit.Text(), QStringLiteral("helXYlo"));
}

// Only the arrows move the caret; Home, End, Up and Down have no meaning of their own.
void TestWLineEdit::homeAndEndHaveNoMeaning()
{
    ShownEdit shown(QStringLiteral("abcdef"));
    shown.CaretTo(3);
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down}) {
        QTest::keyClick(&shown.edit, key);
        QCOMPARE(shown.edit.CaretIndex(), 3);
    }
    QTest::keyClick(&shown.edit, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(shown.edit.SelectedText(), QString());
    // The arrows stop at the ends.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&shown.edit, Qt::Key_Right);
    QCOMPARE(shown.edit.CaretIndex(), 6);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&shown.edit, Qt::Key_Left);
    QCOMPARE(shown.edit.CaretIndex(), 0);
}

void TestWLineEdit::shiftArrowsSelect_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("keys"); // R, L: Shift+arrow; r, l: plain arrow; C: Ctrl+Shift+Left
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("caret");

    QTest::newRow("two right, one left") << 2 << QStringLiteral("RRL") << QStringLiteral("c") << 3;
    QTest::newRow("left twice") << 4 << QStringLiteral("LL") << QStringLiteral("cd") << 2;
    QTest::newRow("left past the anchor") << 2 << QStringLiteral("RLL") << QStringLiteral("b") << 1;
    QTest::newRow("at the start") << 0 << QStringLiteral("L") << QString() << 0;
    QTest::newRow("at the end") << 6 << QStringLiteral("R") << QString() << 6;
    QTest::newRow("plain arrow clears") << 1 << QStringLiteral("RRr") << QString() << 4;
    QTest::newRow("Ctrl+Shift clears") << 1 << QStringLiteral("RRC") << QString() << 2;
    QTest::newRow("to the end") << 3 << QStringLiteral("RRRRR") << QStringLiteral("def") << 6;
}

void TestWLineEdit::shiftArrowsSelect()
{
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(QString, selected);
    QFETCH(int, caret);
    ShownEdit shown(QStringLiteral("abcdef"));
    shown.CaretTo(start);
    for (QChar k : keys) {
        switch (k.toLatin1()) {
        case 'R':
            QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
            break;
        case 'L':
            QTest::keyClick(&shown.edit, Qt::Key_Left, Qt::ShiftModifier);
            break;
        case 'r':
            QTest::keyClick(&shown.edit, Qt::Key_Right);
            break;
        case 'l':
            QTest::keyClick(&shown.edit, Qt::Key_Left);
            break;
        default:
            QTest::keyClick(&shown.edit, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
        }
    }
    QCOMPARE(shown.edit.SelectedText(), selected);
    QCOMPARE(shown.edit.CaretIndex(), caret);
    if (!selected.isEmpty()) {
        const int from = qMin(shown.edit.SelectionStart(), shown.edit.SelectionEnd());
        QCOMPARE(shown.edit.SelectedTextBounding().left(), shown.BoundaryX(from));
        QCOMPARE(shown.edit.SelectedTextBounding().width(),
                 shown.edit.fontMetrics().horizontalAdvance(selected));
    }
}

void TestWLineEdit::deleteAndBackspace_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectRight"); // Shift+Right presses before the key
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("newCaret");
    QTest::addColumn<int>("emitted");

    QTest::newRow("backspace") << 3 << 0 << int(Qt::Key_Backspace) << QStringLiteral("abdef") << 2
                               << 1;
    QTest::newRow("backspace at 0")
        << 0 << 0 << int(Qt::Key_Backspace) << QStringLiteral("abcdef") << 0 << 0;
    QTest::newRow("delete") << 3 << 0 << int(Qt::Key_Delete) << QStringLiteral("abcef") << 3 << 1;
    QTest::newRow("delete at the end")
        << 6 << 0 << int(Qt::Key_Delete) << QStringLiteral("abcdef") << 6 << 0;
    // With a selection only the selection goes, not also the neighbouring character.
    QTest::newRow("backspace over selection")
        << 1 << 2 << int(Qt::Key_Backspace) << QStringLiteral("adef") << 1 << 1;
    QTest::newRow("delete over selection")
        << 1 << 2 << int(Qt::Key_Delete) << QStringLiteral("adef") << 1 << 1;
}

void TestWLineEdit::deleteAndBackspace()
{
    QFETCH(int, caret);
    QFETCH(int, selectRight);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, newCaret);
    QFETCH(int, emitted);
    ShownEdit shown(QStringLiteral("abcdef"));
    shown.CaretTo(caret);
    for (int i = 0; i < selectRight; ++i)
        QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    QTest::keyClick(&shown.edit, Qt::Key(key));
    QCOMPARE(shown.edit.Text(), text);
    QCOMPARE(shown.edit.CaretIndex(), newCaret);
    QCOMPARE(shown.edit.SelectedText(), QString());
    QCOMPARE(changed.count(), emitted);
}

void TestWLineEdit::typingReplacesSelection()
{
    ShownEdit shown(QStringLiteral("one two"));
    shown.CaretTo(4);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    QTest::keyClick(&shown.edit, Qt::Key_3, Qt::NoModifier);
    QCOMPARE(shown.edit.Text(), QStringLiteral("one 3"));
    QCOMPARE(shown.edit.CaretIndex(), 5);
    QCOMPARE(changed.count(), 2); // the deletion, then the insertion
}

void TestWLineEdit::maxLengthCutsInsertion()
{
    ShownEdit shown(QStringLiteral("1234567"));
    shown.edit.SetTextMaxLength(10);
    shown.CaretTo(7);
    QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEFGHIJ"));
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    sendShortcut(&shown.edit, QKeySequence::Paste);
    QCOMPARE(shown.edit.Text(), QStringLiteral("1234567ABC"));
    QCOMPARE(shown.edit.CaretIndex(), 10);
    QCOMPARE(changed.count(), 1);

    // Full: typing changes nothing and says nothing.
    QTest::keyClick(&shown.edit, Qt::Key_X);
    QCOMPARE(shown.edit.Text(), QStringLiteral("1234567ABC"));
    QCOMPARE(changed.count(), 1);

    // Over a selection the deletion makes room first.
    QTest::keyClick(&shown.edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&shown.edit, Qt::Key_Z);
    QCOMPARE(shown.edit.Text(), QStringLiteral("1234567ABz"));
    QCOMPARE(changed.count(), 3);
}

void TestWLineEdit::maxLengthAndTheApi()
{
    WLineEdit edit;
    edit.SetTextMaxLength(10);
    edit.SetText(QStringLiteral("01234567890123456789"));
    QCOMPARE(edit.Text().size(), 20); // set text is not cut
    QSignalSpy changed(&edit, &WLineEdit::TextChanged);
    edit.InsertText(0, QStringLiteral("ab")); // over the limit: inserted whole
    QCOMPARE(edit.Text().size(), 22);
    QCOMPARE(edit.CaretIndex(), 2);
    QCOMPARE(changed.count(), 1);

    edit.SetTextMaxLength(22);
    edit.InsertText(0, QStringLiteral("x")); // exactly full: nothing
    QCOMPARE(edit.Text().size(), 22);
    QCOMPARE(changed.count(), 1);
    edit.SetTextMaxLength(23);
    edit.InsertText(0, QString()); // an empty insertion with room still announces itself
    QCOMPARE(changed.count(), 2);

    // Extreme limits cannot overflow the room computation.
    edit.SetTextMaxLength(INT_MIN);
    edit.AppendText(QStringLiteral("!"));
    QVERIFY(edit.Text().endsWith(QLatin1Char('!')));
    edit.SetTextMaxLength(INT_MAX);
    edit.AppendText(QStringLiteral("?"));
    QVERIFY(edit.Text().endsWith(QLatin1Char('?')));
}

void TestWLineEdit::insertTextClampsIndex()
{
    WLineEdit edit;
    edit.SetText(QStringLiteral("abc"));
    edit.InsertText(-50, QStringLiteral("<"));
    edit.InsertText(INT_MAX, QStringLiteral(">"));
    QCOMPARE(edit.Text(), QStringLiteral("<abc>"));
    QVERIFY(edit.CaretIndex() >= 0 && edit.CaretIndex() <= edit.Text().size());
}

void TestWLineEdit::signalsOncePerChange()
{
    WLineEdit edit;
    QSignalSpy changed(&edit, &WLineEdit::TextChanged);
    edit.SetText(QStringLiteral("a"));
    edit.SetText(QStringLiteral("a"));
    QCOMPARE(changed.count(), 1);
    edit.SetTextWithoutEvent(QStringLiteral("b"));
    QCOMPARE(edit.Text(), QStringLiteral("b"));
    edit.SetTextType(TextType::Password);
    edit.SetTextMaxLength(1);
    edit.SetReadOnly(true);
    QCOMPARE(changed.count(), 1);
    edit.SetTextMaxLength(100);
    edit.AppendText(QStringLiteral("cd"));
    QCOMPARE(changed.count(), 2);
    edit.TextChangeDispose();
    QCOMPARE(changed.count(), 3);
    QVERIFY(!edit.DeleteSelectedText()); // nothing selected: nothing said
    edit.SelectAll();
    QVERIFY(edit.DeleteSelectedText());
    QCOMPARE(changed.count(), 4);
    QCOMPARE(edit.Text(), QString());
    edit.DeleteText(); // at the end of an empty text
    QCOMPARE(changed.count(), 4);
}

void TestWLineEdit::clipboard()
{
    ShownEdit shown(QStringLiteral("copy cut paste"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    shown.CaretTo(5);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    sendShortcut(&shown.edit, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("cut"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("copy cut paste"));

    sendShortcut(&shown.edit, QKeySequence::Cut);
    QCOMPARE(clipboard->text(), QStringLiteral("cut"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("copy  paste"));
    QCOMPARE(shown.edit.CaretIndex(), 5);

    clipboard->setText(QString::fromUtf8("Grüße 😀"));
    sendShortcut(&shown.edit, QKeySequence::Paste);
    QCOMPARE(shown.edit.Text(), QString::fromUtf8("copy Grüße 😀 paste"));

    // Nothing selected: Copy and Cut put an empty text on the clipboard.
    sendShortcut(&shown.edit, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QString());
    clipboard->setText(QStringLiteral("x"));
    sendShortcut(&shown.edit, QKeySequence::Cut);
    QCOMPARE(clipboard->text(), QString());

    sendShortcut(&shown.edit, QKeySequence::SelectAll);
    QCOMPARE(shown.edit.SelectedText(), shown.edit.Text());
    QCOMPARE(shown.edit.CaretIndex(), shown.edit.Text().size());
}

void TestWLineEdit::readOnly()
{
    ShownEdit shown(QStringLiteral("fixed text"));
    shown.edit.SetReadOnly(true);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("pasted"));
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    QTest::keyClicks(&shown.edit, QStringLiteral("abc"));
    QTest::keyClick(&shown.edit, Qt::Key_Delete);
    QTest::keyClick(&shown.edit, Qt::Key_Backspace);
    sendShortcut(&shown.edit, QKeySequence::Paste);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ime"));
    QApplication::sendEvent(&shown.edit, &commit);
    QCOMPARE(shown.edit.Text(), QStringLiteral("fixed text"));
    QCOMPARE(changed.count(), 0);

    // Keys reaching the last row are consumed, not passed on.
    QKeyEvent tabLike(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(&shown.edit, &tabLike);
    QVERIFY(tabLike.isAccepted());

    // The caret moves, keys and mouse select, Copy copies, and Cut still cuts.
    QTest::keyClick(&shown.edit, Qt::Key_Right);
    QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("ix"));
    sendShortcut(&shown.edit, QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("ix"));
    sendShortcut(&shown.edit, QKeySequence::Cut);
    QCOMPARE(shown.edit.Text(), QStringLiteral("fed text"));
    QCOMPARE(changed.count(), 1);
    shown.Drag(4, 8);
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("text"));
}

void TestWLineEdit::mouseSelects()
{
    ShownEdit shown(QStringLiteral("0123456789"));
    QTest::mouseClick(&shown.edit, Qt::LeftButton, {}, QPoint(shown.BoundaryX(7), 15));
    QCOMPARE(shown.edit.CaretIndex(), 7);
    QCOMPARE(shown.edit.SelectionStart(), 7);
    QCOMPARE(shown.edit.SelectionEnd(), -1);

    shown.Drag(5, 2);
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("234"));
    QCOMPARE(shown.edit.CaretIndex(), 2);
    QCOMPARE(shown.edit.SelectedTextBounding().left(), shown.BoundaryX(2));

    shown.Drag(3, 6);
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("345"));
    QCOMPARE(shown.edit.CaretIndex(), 6);
    // A click ends the selection.
    QTest::mouseClick(&shown.edit, Qt::LeftButton, {}, QPoint(shown.BoundaryX(1), 15));
    QCOMPARE(shown.edit.SelectedText(), QString());

    // Far outside on either side: the ends of the text.
    QTest::mouseClick(&shown.edit, Qt::LeftButton, {}, QPoint(-500, 15));
    QCOMPARE(shown.edit.CaretIndex(), 0);
    QTest::mouseClick(&shown.edit, Qt::LeftButton, {}, QPoint(5000, 15));
    QCOMPARE(shown.edit.CaretIndex(), 10);
}

void TestWLineEdit::rightClickAndDoubleClick()
{
    ShownEdit shown(QStringLiteral("both"));
    QSignalSpy right(&shown.edit, &WLineEdit::RightClicked);
    QTest::mouseClick(&shown.edit, Qt::RightButton, {}, QPoint(10, 15));
    QCOMPARE(right.count(), 1);
    QTest::mouseClick(&shown.edit, Qt::MiddleButton, {}, QPoint(10, 15));
    QCOMPARE(right.count(), 1);
    QTest::mouseDClick(&shown.edit, Qt::LeftButton, {}, QPoint(10, 15));
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("both"));
    QCOMPARE(shown.edit.CaretIndex(), 4);
}

void TestWLineEdit::disabledIgnoresInput()
{
    ShownEdit shown(QStringLiteral("off"));
    shown.edit.setEnabled(false);
    QSignalSpy right(&shown.edit, &WLineEdit::RightClicked);
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    sendKey(&shown.edit, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    sendKey(&shown.edit, Qt::Key_Backspace, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 15), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&shown.edit, &press);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(10, 15), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(&shown.edit, &dbl);
    QCOMPARE(shown.edit.Text(), QStringLiteral("off"));
    QCOMPARE(shown.edit.SelectedText(), QString());
    QCOMPARE(right.count(), 0);
    QCOMPARE(changed.count(), 0);

    // Drawn in the fixed grey, whatever ForeColor says.
    shown.edit.SetText(QStringLiteral("WWWWWW"));
    shown.edit.SetForeColor(Qt::black);
    shown.edit.SetBackColor(Qt::white);
    const QImage image = shown.edit.grab().toImage();
    QVERIFY(countColour(image, qRgb(200, 200, 200)) > 10);
    QCOMPARE(countColour(image, qRgb(0, 0, 0)), 0);
}

void TestWLineEdit::scrollingKeepsCaretVisible()
{
    ShownEdit shown(QString(), 120);
    const int areaWidth = shown.edit.TextArea().width();
    QCOMPARE(areaWidth, 120 - 8);
    QTest::keyClicks(&shown.edit, QStringLiteral("a long line that cannot fit"));
    const QFontMetrics fm = shown.edit.fontMetrics();
    QCOMPARE(shown.edit.CaretLocation(), fm.horizontalAdvance(shown.edit.Text()));
    QVERIFY(shown.edit.CaretLocation() > areaWidth);
    // The caret sits on the area's last column.
    QCOMPARE(shown.edit.ScrollOffset(), shown.edit.CaretLocation() - areaWidth + 1);

    // Back to the start: the caret sits on the first column.
    shown.CaretTo(0);
    QCOMPARE(shown.edit.ScrollOffset(), 0);
    shown.CaretTo(shown.edit.Text().size());

    // Deleting shrinks the scroll by the widths removed, down to 0.
    int last = shown.edit.ScrollOffset();
    while (!shown.edit.Text().isEmpty()) {
        const QChar gone = shown.edit.Text().back();
        QTest::keyClick(&shown.edit, Qt::Key_Backspace);
        int expected = qMax(0, last - fm.horizontalAdvance(gone));
        // Rounded prefix widths can shrink by a pixel less than the character's own width;
        // the caret then stays on the last column.
        if (shown.edit.CaretLocation() - expected >= areaWidth)
            expected = shown.edit.CaretLocation() - areaWidth + 1;
        QCOMPARE(shown.edit.ScrollOffset(), expected);
        const int visible = shown.edit.CaretLocation() - shown.edit.ScrollOffset();
        QVERIFY(visible >= 0 && visible < areaWidth);
        last = shown.edit.ScrollOffset();
    }
    QCOMPARE(last, 0);
}

// A highlight made by Shift+Right while the text scrolls stays on the characters it covers.
void TestWLineEdit::selectionAcrossScroll()
{
    ShownEdit shown(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), 100);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(shown.edit.ScrollOffset() > 0);
    QCOMPARE(shown.edit.SelectedTextBounding().left(), shown.BoundaryX(0));
    QCOMPARE(shown.edit.SelectedTextBounding().right(), shown.BoundaryX(20) - 1);
}

void TestWLineEdit::keyCompression()
{
    ShownEdit shown;
    shown.edit.SetTextType(TextType::Number);
    sendKey(&shown.edit, Qt::Key_1, Qt::NoModifier, QStringLiteral("1a2b3"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("123"));
    // The first character decides whether the text is typed at all.
    sendKey(&shown.edit, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\t45"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("123"));
}

void TestWLineEdit::focusAndBlink()
{
    WTest other;
    other.resize(50, 50);
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    ShownEdit shown(QStringLiteral("blink"));
    QTRY_VERIFY(shown.edit.hasFocus());
    QVERIFY(shown.edit.IsCaretVisible());
    // The timer toggles the caret both ways.
    QTRY_VERIFY(!shown.edit.IsCaretVisible());
    QTRY_VERIFY(shown.edit.IsCaretVisible());

    shown.edit.SelectAll();
    QSignalSpy focusOut(&shown.edit, &WLineEdit::FocusOut);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&shown.edit, &out);
    QCOMPARE(focusOut.count(), 1);
    QVERIFY(!shown.edit.IsCaretVisible());
    QCOMPARE(shown.edit.SelectedText(), QString());
    QCOMPARE(shown.edit.SelectionStart(), -1);
    // Stopped: no blink comes back on its own.
    QTest::qWait(1200);
    QVERIFY(!shown.edit.IsCaretVisible());
}

void TestWLineEdit::textAreaFollowsBorder()
{
    ShownEdit shown(QStringLiteral("x"), 200);
    QCOMPARE(shown.edit.TextArea(), QRect(4, 4, 192, 22));
    shown.edit.SetBorder(PositionFlag::Left | PositionFlag::Top);
    shown.edit.SetBorderWidth(3);
    QTRY_COMPARE(shown.edit.TextArea(), QRect(7, 7, 189, 19));
    shown.edit.SetBorder(PositionFlag::All);
    QTRY_COMPARE(shown.edit.TextArea(), QRect(7, 7, 186, 16));
    shown.edit.SetBorderWidth(INT_MAX);
    QTRY_VERIFY(shown.edit.TextArea().width() < 0);
    shown.edit.SetBorderWidth(INT_MIN);
    QTRY_VERIFY(shown.edit.TextArea().left() < 0);
    shown.edit.grab(); // paints without trouble
    // The reference glyph is centred vertically in the area.
    shown.edit.SetBorderWidth(0);
    QTRY_COMPARE(shown.edit.TextArea(), QRect(4, 4, 192, 22));
    const QRect glyph = shown.edit.TextBounding();
    QVERIFY(qAbs(glyph.center().y() - shown.edit.TextArea().center().y()) <= 1);
}

void TestWLineEdit::nullTextAreaDrawsNoText()
{
    WLineEdit edit;
    edit.SetText(QStringLiteral("WWWW"));
    edit.SetForeColor(Qt::black);
    edit.SetBackColor(Qt::white);
    QVERIFY(edit.TextArea().isNull());
    QImage image(200, 30, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    edit.GridListPaint(&painter, QPoint(0, 0));
    painter.end();
    QCOMPARE(countColour(image, qRgb(255, 255, 255)), 200 * 30);
}

void TestWLineEdit::paintsTextSelectionAndCaret()
{
    ShownEdit shown(QStringLiteral("WWW WWW"));
    const QRgb back = qRgb(0xDB, 0xEA, 0xFE), hover = qRgb(0x25, 0x63, 0xEB),
               plain = qRgb(0xDD, 0xE2, 0xEA);
    shown.edit.SetBackColor(Qt::white);
    shown.edit.SetForeColor(Qt::black);
    shown.edit.SetBorder(PositionFlag::All);
    shown.edit.SetBorderWidth(1);
    shown.edit.SetBorderColor(QColor(plain));
    shown.edit.SetBorderColorHover(QColor(hover));
    shown.edit.SetSelectedTextBackColor(QColor(back));
    shown.edit.SetSelectedTextForeColor(Qt::white);
    QTRY_VERIFY(shown.edit.hasFocus());
    // Focused: the hover colour on the border.
    QImage image = shown.edit.grab().toImage();
    QCOMPARE(image.pixel(0, 15), hover);
    QCOMPARE(countColour(image, back), 0);
    shown.edit.SelectAll();
    image = shown.edit.grab().toImage();
    QVERIFY(countColour(image, back) > shown.edit.SelectedTextBounding().width());
    // A password's selection is not highlighted.
    shown.edit.SetTextType(TextType::Password);
    QCOMPARE(countColour(shown.edit.grab().toImage(), back), 0);

    // Without focus or hover: the normal border, and no caret.
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    shown.edit.clearFocus();
    QApplication::sendEvent(&shown.edit, &out);
    image = shown.edit.grab().toImage();
    QCOMPARE(image.pixel(0, 15), plain);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&shown.edit, &enter);
    QCOMPARE(shown.edit.grab().toImage().pixel(0, 15), hover);
}

void TestWLineEdit::updateHook()
{
    PaintCounter host;
    host.resize(50, 50);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    WLineEdit* edit = new WLineEdit;
    edit->resize(100, 30);
    edit->SetUpdateHook(&host);
    QTRY_VERIFY(host.paints > 0);
    host.paints = 0;
    edit->SetText(QStringLiteral("routed"));
    QTRY_VERIFY(host.paints > 0);
    host.paints = 0;
    edit->UpdateCaret();
    QTRY_VERIFY(host.paints > 0);
    // A host that goes away leaves the line edit repainting itself.
    PaintCounter* gone = new PaintCounter;
    edit->SetUpdateHook(gone);
    delete gone;
    edit->Update();
    edit->SetUpdateHook(nullptr);
    edit->Update();
    delete edit;
}

void TestWLineEdit::randomInput()
{
    WLineEdit edit;
    edit.resize(220, 32);
    edit.SetText(QStringLiteral("Random input"));
    edit.SetBorder(PositionFlag::All);
    edit.SetBorderWidth(1);
    WexalTest::RandomInputOptions options;
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* e = static_cast<WLineEdit*>(w);
        switch (rng.bounded(9)) {
        case 0:
        case 1: { // typing, sometimes several characters in one compressed event
            const QString text = WexalTest::RandomText(rng).left(rng.bounded(1, 6));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(e, &press);
            break;
        }
        case 2: { // pasting long and non-ASCII strings
            QGuiApplication::clipboard()->setText(WexalTest::RandomText(rng));
            sendShortcut(e, QKeySequence::Paste);
            break;
        }
        case 3:
            sendShortcut(e, rng.bounded(2) ? QKeySequence::Cut : QKeySequence::Copy);
            break;
        case 4: {
            QInputMethodEvent commit;
            commit.setCommitString(WexalTest::RandomText(rng));
            QApplication::sendEvent(e, &commit);
            break;
        }
        case 5:
            e->InsertText(WexalTest::ExtremeInt(rng), WexalTest::RandomText(rng));
            break;
        case 6:
            e->ComputeCaretIndex(WexalTest::ExtremeInt(rng));
            break;
        case 7:
            e->UpdateSelectedTextBounding(WexalTest::ExtremeInt(rng));
            break;
        default: {
            static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace,
                                           Qt::Key_Delete};
            sendKey(e, keys[rng.bounded(4)], rng.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        }
        }
        if (e->Text().size() > 6000)
            e->SetText(QString());
    };
    options.invariant = [](QWidget* w) -> QString {
        auto* e = static_cast<WLineEdit*>(w);
        const int length = e->Text().size();
        if (e->CaretIndex() < 0 || e->CaretIndex() > length)
            return QStringLiteral("caret %1 outside 0..%2").arg(e->CaretIndex()).arg(length);
        const QString shown =
            e->TextType() == TextType::Password ? QString(length, QLatin1Char('*')) : e->Text();
        if (e->DisplayText() != shown)
            return QStringLiteral("display text does not match the text and type");
        // The remembered widths must agree with a fresh measure.
        const int fresh =
            e->fontMetrics().horizontalAdvance(e->DisplayText().left(e->CaretIndex()));
        if (e->CaretLocation() != fresh)
            return QStringLiteral("caret location %1, measured %2")
                .arg(e->CaretLocation())
                .arg(fresh);
        if (e->ScrollOffset() < 0)
            return QStringLiteral("negative scroll offset");
        const int visible = e->CaretLocation() - e->ScrollOffset();
        if (e->isVisible() && e->TextArea().width() > 0 &&
            (visible < 0 || visible >= e->TextArea().width()))
            return QStringLiteral("caret out of view: %1 in %2")
                .arg(visible)
                .arg(e->TextArea().width());
        if (e->TextType() == TextType::Password && e->testAttribute(Qt::WA_InputMethodEnabled))
            return QStringLiteral("input methods on for a password");
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&edit, options), QString());
}

QTEST_MAIN(TestWLineEdit)
#include "tst_wlineedit.moc"
