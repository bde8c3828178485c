// The character filters of the line edit's text types, on their own and on a paste.
#include "WTestSuite.h"
#include "WTextTypeFilter_p.h"

static QString u(char16_t c)
{
    return QString(QChar(c));
}

class TestWTextTypeFilter : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        using T = TextType;
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        // Other scripts' digits, a fraction, a Roman numeral and a superscript; not an ordinal.
        const QString numbers = u(0x0661) + u(0x00BD) + u(0x2163) + u(0x00B2);
        const QString mixed = QStringLiteral("aZ09-.:*#+ (e)") + u(0x00E9) + numbers + u(0x00AA);
        QTest::newRow("ASCII") << int(T::ASCII) << mixed << mixed.left(14);
        QTest::newRow("ASCII: DEL in, U+0080 out") << int(T::ASCII) << u(0x7F) + u(0x80) << u(0x7F);
        QTest::newRow("ASCII: no surrogate") << int(T::ASCII) << u(0xD83D) + u(0xDE00) << QString();
        QTest::newRow("Number") << int(T::Number) << mixed << QStringLiteral("09-.") + numbers;
        QTest::newRow("Number: no e, +, comma")
            << int(T::Number) << "-3.5e+2,0" << QString("-3.520");
        QTest::newRow("IPaddress") << int(T::IPaddress) << mixed << QStringLiteral("09.");
        QTest::newRow("IPaddress: nothing passes") << int(T::IPaddress) << u(0x0661) << QString();
        QTest::newRow("MACaddress")
            << int(T::MACaddress) << "0a:1B:@AFGafg`-" << QString("0a:1B:AFaf");
        QTest::newRow("PhoneNumber") << int(T::PhoneNumber) << mixed << QStringLiteral("09*#");
        QTest::newRow("outside the enumeration: all") << 7 << mixed << mixed;
    }

    void filter()
    {
        QFETCH(int, type);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        QString s = input;
        WTextTypeFilter::Filter(TextType::Types(type), s);
        QCOMPARE(s, kept);
        // Pasted over a selection, the kept characters replace it (a signal for the deletion and
        // one for the insertion); when none is kept, nothing changes and the selection stays.
        WLineEdit edit;
        edit.SetTextType(TextType::Types(type));
        edit.SetText(QStringLiteral("[]"));
        edit.show();
        edit.SelectAll();
        QGuiApplication::clipboard()->setText(input);
        QSignalSpy changed(&edit, &WLineEdit::TextChanged);
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.Text(), kept.isEmpty() ? QStringLiteral("[]") : kept);
        QCOMPARE(edit.SelectedText(), kept.isEmpty() ? QStringLiteral("[]") : QString());
        QCOMPARE(changed.count(), kept.isEmpty() ? 0 : 2);
    }
};

WEXAL_TEST_MAIN(TestWTextTypeFilter)
#include "tst_wtexttypefilter.moc"
