// The text types of the line edit: which characters each accepts, on every user input path
// (typing, input-method commits, paste), and what a password changes besides.
#include "WLineEdit.h"
#include "WTextTypeFilter_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

class TestWTextTypeFilter : public QObject
{
    Q_OBJECT

private slots:
    void filter_data();
    void filter();
    void typing_data();
    void typing();
    void pasteIsFiltered_data();
    void pasteIsFiltered();
    void pasteWithNothingAcceptedChangesNothing();
    void inputMethodCommitIsFiltered();
    void apiPathsAreNotFiltered();
    void passwordMasksAndMeasuresTheMask();
    void passwordKeepsTheClipboard();
    void passwordSwitchesInputMethodsOff();
    void switchingTypeKeepsTheText();
};

namespace {

using Types = TextType::Types;

QString u(char16_t c)
{
    return QString(QChar(c));
}

// A shown, focused line edit wide enough for every case here.
struct ShownEdit
{
    explicit ShownEdit(Types type)
    {
        edit.resize(240, 30);
        edit.SetTextType(type);
        edit.show();
        edit.activateWindow();
        edit.setFocus();
    }
    WLineEdit edit;
};

void sendShortcut(QWidget* w, QKeySequence::StandardKey key, QChar controlChar)
{
    const int combo = QKeySequence(key)[0];
    QKeyEvent press(QEvent::KeyPress, combo & ~Qt::KeyboardModifierMask,
                    Qt::KeyboardModifiers(combo & Qt::KeyboardModifierMask), QString(controlChar));
    QApplication::sendEvent(w, &press);
}

} // namespace

void TestWTextTypeFilter::filter_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");

    const QString mixed = QStringLiteral("aZ09-.:*#+ (e)") + u(0x00E9) + u(0x0661) + u(0x00BD);
    QTest::newRow("Normal keeps all") << int(TextType::Normal) << mixed << mixed;
    QTest::newRow("Password keeps all") << int(TextType::Password) << mixed << mixed;
    QTest::newRow("ASCII") << int(TextType::ASCII) << mixed << QStringLiteral("aZ09-.:*#+ (e)");
    QTest::newRow("ASCII keeps DEL and NUL")
        << int(TextType::ASCII) << (u(0x7F) + u(0x80) + QChar(0)) << (u(0x7F) + QChar(0));
    QTest::newRow("Number") << int(TextType::Number) << mixed
                            << (QStringLiteral("09-.") + u(0x0661) + u(0x00BD));
    QTest::newRow("Number: no exponent, no plus")
        << int(TextType::Number) << QStringLiteral("-3.5e+2") << QStringLiteral("-3.52");
    QTest::newRow("Number: Roman numeral, superscript")
        << int(TextType::Number) << (u(0x2163) + u(0x00B2) + u(0x00AA)) << (u(0x2163) + u(0x00B2));
    QTest::newRow("Number: ASCII letters that are not digits")
        << int(TextType::Number) << QStringLiteral("x1,000") << QStringLiteral("1000");
    QTest::newRow("IPaddress") << int(TextType::IPaddress) << QStringLiteral("300.1.2.3.4: x")
                               << QStringLiteral("300.1.2.3.4");
    QTest::newRow("IPaddress: other scripts' digits")
        << int(TextType::IPaddress) << u(0x0661) << QString();
    QTest::newRow("MACaddress") << int(TextType::MACaddress) << QStringLiteral("0a:1B:ff-gG")
                                << QStringLiteral("0a:1B:ff");
    QTest::newRow("MACaddress: F and f are the last letters")
        << int(TextType::MACaddress) << QStringLiteral("@AFGafg`") << QStringLiteral("AFaf");
    QTest::newRow("PhoneNumber") << int(TextType::PhoneNumber) << QStringLiteral("*#123 +1 (555)-0")
                                 << QStringLiteral("*#12315550");
    // 7 is the one value past the enumeration that its type can hold.
    QTest::newRow("type outside the enumeration keeps all") << 7 << mixed << mixed;
    QTest::newRow("surrogate pair dropped whole in ASCII") << int(TextType::ASCII)
                                                           << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                                "b")
                                                           << QStringLiteral("ab");
}

void TestWTextTypeFilter::filter()
{
    QFETCH(int, type);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    QString s = input;
    WTextTypeFilter::Filter(Types(type), s);
    QCOMPARE(s, kept);
    for (QChar c : input)
        QCOMPARE(WTextTypeFilter::Accepts(Types(type), c), kept.contains(c));
    // The line edit's own filter is the same one.
    WLineEdit edit;
    edit.SetTextType(Types(type));
    s = input;
    edit.CheckText(s);
    QCOMPARE(s, kept);
}

void TestWTextTypeFilter::typing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Number, signs and points unchecked")
        << int(TextType::Number) << QStringLiteral("-3.5-.e+") << QStringLiteral("-3.5-.");
    QTest::newRow("ASCII") << int(TextType::ASCII) << (QStringLiteral("ab") + u(0x00E9) + "c")
                           << QStringLiteral("abc");
    QTest::newRow("IPaddress") << int(TextType::IPaddress) << QStringLiteral("300.1.2.3.4: ")
                               << QStringLiteral("300.1.2.3.4");
    QTest::newRow("MACaddress") << int(TextType::MACaddress) << QStringLiteral("0a:1B:ff-g")
                                << QStringLiteral("0a:1B:ff");
    QTest::newRow("PhoneNumber") << int(TextType::PhoneNumber) << QStringLiteral("*#123+-( ")
                                 << QStringLiteral("*#123");
    QTest::newRow("Password") << int(TextType::Password) << QStringLiteral("s3cr#t ")
                              << QStringLiteral("s3cr#t ");
}

void TestWTextTypeFilter::typing()
{
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    ShownEdit shown{Types(type)};
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    for (QChar c : typed) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&shown.edit, &press);
    }
    QCOMPARE(shown.edit.Text(), expected);
    QCOMPARE(shown.edit.CaretIndex(), expected.size());
    // One signal per accepted character, none for a refused one.
    QCOMPARE(changed.count(), expected.size());
}

void TestWTextTypeFilter::pasteIsFiltered_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ASCII drops the accent")
        << int(TextType::ASCII) << (QStringLiteral("x") + u(0x00E9) + "y")
        << QStringLiteral("[xy]");
    QTest::newRow("Number keeps other digits")
        << int(TextType::Number) << (QStringLiteral("n") + u(0x0661) + u(0x00BD) + "-1")
        << (QStringLiteral("[") + u(0x0661) + u(0x00BD) + "-1]");
    QTest::newRow("IPaddress") << int(TextType::IPaddress) << QStringLiteral("10.0.0.1/24")
                               << QStringLiteral("[10.0.0.124]");
}

void TestWTextTypeFilter::pasteIsFiltered()
{
    QFETCH(int, type);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    ShownEdit shown{Types(type)};
    shown.edit.SetText(QStringLiteral("[]"));
    shown.edit.CaretMoveRight();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keySequence(&shown.edit, QKeySequence::Paste);
    QCOMPARE(shown.edit.Text(), expected);
    QCOMPARE(shown.edit.CaretIndex(), expected.size() - 1);
}

void TestWTextTypeFilter::pasteWithNothingAcceptedChangesNothing()
{
    ShownEdit shown(TextType::PhoneNumber);
    shown.edit.SetText(QStringLiteral("555123"));
    shown.edit.SelectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("call me (maybe)"));
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    QTest::keySequence(&shown.edit, QKeySequence::Paste);
    QCOMPARE(shown.edit.Text(), QStringLiteral("555123"));
    QCOMPARE(changed.count(), 0);
    // The selection that a pasted text would have replaced is still there.
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("555123"));
}

void TestWTextTypeFilter::inputMethodCommitIsFiltered()
{
    ShownEdit shown(TextType::MACaddress);
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("de:AD-beefXYZ"));
    QApplication::sendEvent(&shown.edit, &commit);
    QCOMPARE(shown.edit.Text(), QStringLiteral("de:ADbeef"));
    QCOMPARE(changed.count(), 1);

    QInputMethodEvent refused;
    refused.setCommitString(QStringLiteral("xyz"));
    QApplication::sendEvent(&shown.edit, &refused);
    QCOMPARE(shown.edit.Text(), QStringLiteral("de:ADbeef"));
    QCOMPARE(changed.count(), 1);
}

// Only what the user enters is filtered: the program's own calls take any text.
void TestWTextTypeFilter::apiPathsAreNotFiltered()
{
    WLineEdit edit;
    edit.SetTextType(TextType::Number);
    edit.SetText(QStringLiteral("abc"));
    QCOMPARE(edit.Text(), QStringLiteral("abc"));
    edit.SetTextWithoutEvent(QStringLiteral("xyz"));
    QCOMPARE(edit.Text(), QStringLiteral("xyz"));
    edit.InsertText(1, QStringLiteral("QQ"));
    edit.AppendText(QStringLiteral("!"));
    QCOMPARE(edit.Text(), QStringLiteral("xQQyz!"));
}

void TestWTextTypeFilter::passwordMasksAndMeasuresTheMask()
{
    ShownEdit shown(TextType::Password);
    QTest::keyClicks(&shown.edit, QStringLiteral("hWlMo"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("hWlMo"));
    QCOMPARE(shown.edit.DisplayText(), QStringLiteral("*****"));
    QTest::keyClick(&shown.edit, Qt::Key_Left);
    QTest::keyClick(&shown.edit, Qt::Key_Left);
    const QFontMetrics fm(shown.edit.font());
    QCOMPARE(shown.edit.CaretLocation(), fm.horizontalAdvance(QStringLiteral("***")));

    // A click lands between the stars, whatever the real characters' widths are.
    const int x = shown.edit.TextArea().left() + fm.horizontalAdvance(QStringLiteral("*")) + 1;
    QTest::mouseClick(&shown.edit, Qt::LeftButton, {}, QPoint(x, 15));
    QCOMPARE(shown.edit.CaretIndex(), 1);

    // Selecting works (from the real text); the highlight is measured as stars.
    QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&shown.edit, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("Wl"));
    QCOMPARE(shown.edit.SelectedTextBounding().width(), fm.horizontalAdvance(QStringLiteral("**")));
}

void TestWTextTypeFilter::passwordKeepsTheClipboard()
{
    ShownEdit shown(TextType::Password);
    shown.edit.SetText(QStringLiteral("secret"));
    shown.edit.SelectAll();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);

    // The shortcuts as a keyboard sends them: control characters, nothing printable.
    sendShortcut(&shown.edit, QKeySequence::Copy, QChar(0x03));
    QCOMPARE(clipboard->text(), QStringLiteral("before"));
    sendShortcut(&shown.edit, QKeySequence::Cut, QChar(0x18));
    QCOMPARE(clipboard->text(), QStringLiteral("before"));
    QCOMPARE(shown.edit.Text(), QStringLiteral("secret"));
    QCOMPARE(shown.edit.SelectedText(), QStringLiteral("secret"));
    sendShortcut(&shown.edit, QKeySequence::Paste, QChar(0x16));
    QCOMPARE(shown.edit.Text(), QStringLiteral("secret"));
    QCOMPARE(changed.count(), 0);

    // The same edit as plain text copies again.
    shown.edit.SetTextType(TextType::Normal);
    shown.edit.SelectAll();
    sendShortcut(&shown.edit, QKeySequence::Copy, QChar(0x03));
    QCOMPARE(clipboard->text(), QStringLiteral("secret"));
}

void TestWTextTypeFilter::passwordSwitchesInputMethodsOff()
{
    WLineEdit edit;
    QVERIFY(edit.testAttribute(Qt::WA_InputMethodEnabled));
    edit.SetTextType(TextType::Password);
    QVERIFY(!edit.testAttribute(Qt::WA_InputMethodEnabled));
    edit.SetTextType(TextType::PhoneNumber);
    QVERIFY(edit.testAttribute(Qt::WA_InputMethodEnabled));
}

void TestWTextTypeFilter::switchingTypeKeepsTheText()
{
    ShownEdit shown(TextType::Normal);
    shown.edit.SetText(QStringLiteral("abc123"));
    QSignalSpy changed(&shown.edit, &WLineEdit::TextChanged);
    shown.edit.SetTextType(TextType::Number);
    QCOMPARE(shown.edit.Text(), QStringLiteral("abc123")); // letters already there stay
    shown.edit.SetTextType(TextType::Password);
    QCOMPARE(shown.edit.DisplayText(), QStringLiteral("******"));
    shown.edit.SetTextType(TextType::Normal);
    QCOMPARE(shown.edit.DisplayText(), QStringLiteral("abc123"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(shown.edit.property("TextType").toInt(), int(TextType::Normal));
    QVERIFY(shown.edit.metaObject()
                ->property(shown.edit.metaObject()->indexOfProperty("TextType"))
                .isEnumType());
}

QTEST_MAIN(TestWTextTypeFilter)
#include "tst_wtexttypefilter.moc"
