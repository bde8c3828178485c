// WLineEdit: keys on a shown line edit (caret, selection, editing, clipboard, read-only,
// disabled, password, length limit), the mouse, the API's limits and signals, scrolling, a long
// line painted as a whole line would be, and deletion from the clipboard's signal. (Its caret on
// screens of 1.25, 1.5 and 2 device pixels per pixel is in tst_textgeometry.)
#include "WTestSuite.h"
#include "WTextGeometry.h"
#include "WTextTable.h"

namespace {

// A shown line edit; the test drives it like a user.
struct ShownEdit
{
    explicit ShownEdit(const QString& text, int width = 200)
    {
        edit.resize(width, 30);
        edit.SetText(text);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
    }
    // The x, in widget coordinates, of the boundary before character index.
    int BoundaryX(int index) const
    {
        return edit.TextArea().left() - edit.ScrollOffset() +
               edit.fontMetrics().horizontalAdvance(edit.DisplayText().left(index));
    }
    void Drag(int from, int to) { WexalTest::DragAt(&edit, BoundaryX(from), BoundaryX(to)); }
    WLineEdit edit;
};

// A key as a keyboard sends it: Ctrl+letter carries the matching control character.
void sendKey(QWidget* w, int combo, QString text = QString())
{
    const int k = combo & ~Qt::KeyboardModifierMask;
    if (combo & Qt::CTRL && k >= Qt::Key_A && k <= Qt::Key_Z)
        text = QChar(k - Qt::Key_A + 1);
    QKeyEvent e(QEvent::KeyPress, k, Qt::KeyboardModifiers(combo & Qt::KeyboardModifierMask), text);
    QApplication::sendEvent(w, &e);
}

// The text with the selection in [ ] and the caret as |, say "ab[cd]|ef".
QString state(const WLineEdit& e)
{
    const bool selected = !e.SelectedText().isEmpty();
    const int from = qMin(e.SelectionStart(), e.SelectionEnd());
    const int to = qMax(e.SelectionStart(), e.SelectionEnd());
    QString s;
    for (int i = 0; i <= e.Text().size(); ++i) {
        s += QString(selected && i == to ? "]" : "") + (i == e.CaretIndex() ? "|" : "") +
             (selected && i == from ? "[" : "") + e.Text().mid(i, 1);
    }
    return s;
}

// Paints a line edit's state as drawing the whole line does, through the same kind of paint
// event.
class WholeLine : public QWidget
{
public:
    explicit WholeLine(const WLineEdit& e) : e(e)
    {
        resize(e.size());
        setFont(e.font());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect area = e.TextArea();
        WDrawAPI::DrawBackColor(&p, e.rect(), e.Radius(), e.BackColor(), e.BorderWidth());
        WDrawAPI::DrawBorder(&p, e.rect(), e.Radius(),
                             e.hasFocus() ? e.BorderColorHover() : e.BorderColor(), e.Border(),
                             e.BorderWidth());
        p.setPen(QPen(e.ForeColor()));
        p.setClipRect(area, Qt::IntersectClip);
        p.drawText(QRect(QPoint(area.left() - e.ScrollOffset(), area.top()), area.bottomRight()),
                   Qt::AlignVCenter, e.DisplayText());
        if (!e.SelectedText().isEmpty() && e.TextType() != TextType::Password) {
            p.setPen(QPen(e.SelectedTextForeColor()));
            p.fillRect(e.SelectedTextBounding(), e.SelectedTextBackColor());
            p.drawText(e.SelectedTextBounding(), Qt::AlignVCenter, e.SelectedText());
        }
        if (e.IsCaretVisible()) {
            const int x = area.left() + e.CaretLocation() - e.ScrollOffset();
            p.drawLine(x, e.TextBounding().top(), x, e.TextBounding().bottom());
        }
    }

private:
    const WLineEdit& e;
};

} // namespace

class TestWLineEdit : public QObject
{
    Q_OBJECT

private slots:
    // The rows are in tst_wlineedit.keys, with the key letters' meanings.
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("changes"); // TextChanged signals
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboard");
        for (const QStringList& f :
             WexalTest::TextTable(WexalTest::TestData("text/tst_wlineedit.keys"), 5)) {
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2].toInt() << f[3] << f[4];
        }
    }

    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(int, changes);
        QFETCH(QString, after);
        QVERIFY2(!QByteArray(QTest::currentDataTag()).startsWith('<'), QTest::currentDataTag());
        ShownEdit shown(QStringLiteral("abcdef"));
        WLineEdit& e = shown.edit;
        QGuiApplication::clipboard()->setText(QStringLiteral("12"));
        e.SetReadOnly(keys.startsWith('R'));
        e.setEnabled(!keys.startsWith('N'));
        e.SetTextType(keys.startsWith('P') ? TextType::Password : TextType::Normal);
        e.SetTextMaxLength(keys.startsWith('M') ? 7 : 100);
        QSignalSpy changed(&e, &WLineEdit::TextChanged);
        const QStringList names =
            QStringLiteral("Left Right Shift+Left Shift+Right Ctrl+Shift+Left Home "
                           "Shift+End Up Backspace Del Ctrl+C Ctrl+X Ctrl+V Ctrl+A")
                .split(' ');
        for (QChar k : keys.mid(QStringLiteral("RNPM").contains(keys.at(0)) ? 1 : 0)) {
            const int i = QStringLiteral("<>{}^HEUBDCXVA").indexOf(k);
            if (i >= 0)
                sendKey(&e, QKeySequence(names.at(i))[0]);
            else
                QTest::keyClick(&e, k.toLatin1());
        }
        QCOMPARE(state(e), after);
        QTEST(QGuiApplication::clipboard()->text(), "clipboard");
        QCOMPARE(changed.count(), changes);
    }

    void mouse()
    {
        ShownEdit shown(QStringLiteral("0123456789"));
        WLineEdit& e = shown.edit;
        shown.Drag(5, 2);
        QCOMPARE(state(e), QStringLiteral("01|[234]56789"));
        shown.Drag(3, 6);
        QCOMPARE(state(e), QStringLiteral("012[345]|6789"));
        // A click ends the selection.
        QTest::mouseClick(&e, Qt::LeftButton, {}, QPoint(shown.BoundaryX(4), 15));
        QCOMPARE(state(e), QStringLiteral("0123|456789"));
        QTest::mouseDClick(&e, Qt::LeftButton, {}, QPoint(10, 15));
        QCOMPARE(state(e), QStringLiteral("[0123456789]|"));
    }

    void insertText_data()
    {
        QTest::addColumn<QString>("text"); // set as it is, whatever the limit
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cut to the room") << "1234567" << 10 << "ABCDEFGHIJ" << 7 << "1234567ABC";
        QTest::newRow("over the limit: taken whole")
            << "0123456789ab" << 10 << "xy" << 0 << "xy0123456789ab";
        QTest::newRow("index below 0") << "abc" << 10 << "<" << -50 << "<abc";
        QTest::newRow("index past the end") << "abc" << 10 << ">" << INT_MAX << "abc>";
        QTest::newRow("INT_MIN limit") << "abc" << INT_MIN << "!" << 3 << "abc!";
    }

    void insertText()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, inserted);
        QFETCH(int, index);
        QFETCH(QString, expected);
        WLineEdit edit;
        edit.SetTextMaxLength(limit);
        edit.SetText(text);
        QSignalSpy changed(&edit, &WLineEdit::TextChanged);
        edit.InsertText(index, inserted);
        QCOMPARE(edit.Text(), expected);
        QCOMPARE(changed.count(), expected == text ? 0 : 1);
    }

    void signalsOncePerChange()
    {
        WLineEdit edit;
        edit.SetText(QStringLiteral("a"));
        QSignalSpy changed(&edit, &WLineEdit::TextChanged);
        edit.SetTextWithoutEvent(QString());
        edit.SetTextType(TextType::Number);
        edit.SetTextMaxLength(5);
        QVERIFY(!edit.DeleteSelectedText()); // nothing selected: nothing said
        QCOMPARE(changed.count(), 0);
        // A key event may carry several characters: its first decides whether any is typed, the
        // type's filter which; one insertion, one signal.
        for (const char* typed : {"1a2b3", "\t45", "\r6", "\x1b"})
            sendKey(&edit, Qt::Key_unknown, QString::fromLatin1(typed));
        QCOMPARE(edit.Text(), QStringLiteral("123"));
        edit.TextChangeDispose();
        QCOMPARE(changed.count(), 2);
    }

    // A highlight made from the start while the text scrolls stays on the characters it covers.
    // (That the caret stays in view is a rule of the random-input run for every line edit.)
    void highlightWhileScrolling()
    {
        ShownEdit shown(QString(), 120);
        WLineEdit& e = shown.edit;
        QTest::keyClicks(&e, QStringLiteral("WWWWWWWWWWWWWWWWWWWW and a line that cannot fit"));
        while (e.CaretMoveLeft()) {
        }
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(&e, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(e.ScrollOffset() > 0);
        QCOMPARE(e.SelectedTextBounding().left(), shown.BoundaryX(0));
        QCOMPARE(e.SelectedTextBounding().right(), shown.BoundaryX(20) - 1);
    }

    void paintsWhatTheWholeLineWould_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("back");     // Left presses from the end, after selecting all
        QTest::addColumn<int>("selected"); // then Shift+Left presses
        QString latin, mixed;
        while (latin.size() < 5000)
            latin += QStringLiteral("AVAWAY office affluent To. Wa Ty fifteen ");
        while (mixed.size() < 5000)
            mixed += QString::fromUtf8("\xd0\x96\xd0\xb6, \"T\" \xe4\xb8\xad\xe6\x96\x87 "
                                       "e\xcc\x81 \xf0\x9f\x98\x80 \xe2\x80\x94 Wa. ");
        QTest::newRow("short") << QStringLiteral("Short, To.") << int(TextType::Normal) << 3 << 4;
        QTest::newRow("latin, everything selected") << latin << int(TextType::Normal) << -1 << 0;
        QTest::newRow("latin, selection in view") << latin << int(TextType::Normal) << 40 << 12;
        QTest::newRow("latin, selection past the left edge")
            << latin << int(TextType::Normal) << 2500 << 300;
        QTest::newRow("mixed scripts, selection") << mixed << int(TextType::Normal) << 700 << 45;
        QTest::newRow("password") << latin << int(TextType::Password) << 300 << 20;
    }

    // However long the text, the line edit looks as if it drew the whole of it: the text, the
    // highlight with its own text, and the caret, where they always were.
    void paintsWhatTheWholeLineWould()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(int, back);
        QFETCH(int, selected);
        ShownEdit shown(QString(), 220);
        WLineEdit& e = shown.edit;
        e.SetBackColor(Qt::white);
        e.SetForeColor(Qt::black);
        e.SetSelectedTextBackColor(QColor(0x25, 0x63, 0xEB));
        e.SetSelectedTextForeColor(Qt::white);
        e.SetBorder(PositionFlag::All);
        e.SetBorderWidth(1);
        e.SetBorderColor(Qt::gray);
        e.SetTextType(TextType::Types(type));
        e.SetText(text);
        e.SelectAll();
        for (int i = 0; i < back; ++i)
            sendKey(&e, Qt::Key_Left);
        for (int i = 0; i < selected; ++i)
            sendKey(&e, Qt::SHIFT | Qt::Key_Left);
        if (text.size() > 100)
            QVERIFY(e.ScrollOffset() > 0 || back > 2000);

        const auto render = [](QWidget& w) {
            QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            w.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
            return image;
        };
        WholeLine reference(e);
        QCOMPARE(render(e), render(reference));
    }

    // The line edit's own signals are in the removal table of every class; here the
    // application deletes it from the clipboard's signal, in the middle of a copy or a cut.
    void deletedFromTheClipboardsSignal_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<WexalTest::Removal>("how");
        for (const auto& [how, name] : WexalTest::Removals()) {
            QTest::newRow(qPrintable("copy, " + name)) << int(Qt::Key_C) << how;
            QTest::newRow(qPrintable("cut, " + name)) << int(Qt::Key_X) << how;
        }
    }

    void deletedFromTheClipboardsSignal()
    {
        QFETCH(int, key);
        QFETCH(WexalTest::Removal, how);
        WexalTest::RemovalHost host;
        QPointer<WLineEdit> edit = new WLineEdit(host.parent);
        edit->setGeometry(10, 10, 200, 30);
        edit->SetText(QStringLiteral("abcdef"));
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        edit->setFocus();
        sendKey(edit, Qt::Key_Right | Qt::SHIFT);
        int heard = 0;
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &host.window, [&] {
            if (heard++ == 0 && edit)
                WexalTest::Remove(edit, how);
        });
        sendKey(edit, Qt::CTRL | key);
        host.Settle();
        QCOMPARE(heard, 1);
        QVERIFY(edit.isNull());
        QTest::keyClick(&host.window, Qt::Key_A); // what is left goes on working
    }
};

WEXAL_TEST_MAIN(TestWLineEdit)
#include "tst_wlineedit.moc"
