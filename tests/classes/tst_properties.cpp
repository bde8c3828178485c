// Every writable property of every class, from the class rows: written through the meta-object,
// it reads back as written (or clamped as the row says), repaints the widget once when it
// changed and not at all for an equal write, says so once through its signal and to a screen
// reader where the row says it must, and leaves the widget looking exactly like a fresh one made
// with that value, so that no cached picture outlives the value it was drawn from.
#include "AccessTestSupport.h"
#include "WClassRegistry.h"
#include "WTestSuite.h"

using namespace WexalTest;

namespace {

// The paints a widget and its parts get, and what a screen reader hears of the widget.
struct Witness : PaintCount
{
    QWidget* widget;
    const AccessTest::Recorder heard;

    explicit Witness(QWidget* w) : PaintCount(w), widget(w) {}
    // Paints in all, or 100 when a part was painted more often than allowed.
    int paints(int allowed = 1) const
    {
        int all = 0;
        for (const int c : count)
            all += c > allowed ? 100 : c;
        return all;
    }
    // Announcements of the widget of that type, or of any type for InvalidEvent.
    int announced(QAccessible::Event type) const
    {
        const QString name =
            type == QAccessible::InvalidEvent
                ? QString()
                : QString::fromLatin1(QMetaEnum::fromType<QAccessible::Event>().valueToKey(type));
        int n = 0;
        for (const AccessTest::Announcement& a : AccessTest::Heard())
            n += a.object == widget && a.word.startsWith(name);
        return n;
    }
    void clear()
    {
        count.clear();
        AccessTest::Heard().clear();
    }
};

QMetaProperty propertyOf(QWidget* w, const QByteArray& name)
{
    return w->metaObject()->property(w->metaObject()->indexOfProperty(name));
}

// Colours for a state show only in that state: the widget is put in it before the write.
void putInState(QWidget* w, const QByteArray& property)
{
    if (property.contains("Disable"))
        w->setEnabled(false);
    if (property.contains("Hover")) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))));
        QApplication::sendEvent(w, &enter);
    }
    Settle();
}

QString text(const QVariant& v)
{
    return v.canConvert<QString>() ? v.toString() : QString::fromLatin1(v.typeName());
}

} // namespace

class TestProperties : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QuietPopupWarnings();
        QApplication::setCursorFlashTime(0); // a caret that blinks would make pictures differ
    }

    void everyProperty_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("property");
        for (const ClassRow& row : Classes()) {
            const Made made(row);
            for (const QByteArray& name : WritableProperties(made.widget->metaObject()))
                QTest::newRow(row.name + '.' + name) << row.name << name;
        }
    }

    void everyProperty()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, property);
        const ClassRow& row = *FindClass(type);
        const Made made(row);
        QWidget* const w = made.widget;
        const QMetaProperty p = propertyOf(w, property);
        QVERIFY(ShowRow(row, w));
        putInState(w, property);
        const QVariant before = p.read(w);
        const QVariant value = TestValue(row, p, before);
        QVERIFY2(value.isValid(), "no test value for this type: give the class row one");
        QVERIFY2(!SameValue(before, value), "the test value is the default");

        const PropertyNotice notice = row.notices.value(property);
        Witness witness(w);
        std::unique_ptr<QSignalSpy> spy;
        if (!notice.signal.isEmpty())
            spy = std::make_unique<QSignalSpy>(w, "2" + notice.signal);
        QVERIFY(p.write(w, value));
        Settle();
        QVERIFY2(SameValue(p.read(w), value), qPrintable(text(p.read(w))));
        const int paints = witness.paints(row.twice.contains(property) ? 2 : 1);
        if (row.unseen.contains(property) || Unseen().contains(property))
            QCOMPARE(paints, 0);
        else // once each, the widget or the parts that show the property
            QVERIFY2(paints > 0 && paints < 100,
                     qPrintable(QStringLiteral("paints: %1").arg(paints)));
        if (spy)
            QCOMPARE(spy->count(), 1);
        if (notice.announcement != QAccessible::InvalidEvent)
            QCOMPARE(witness.announced(notice.announcement), 1);

        witness.clear();
        if (spy)
            spy->clear();
        QVERIFY(p.write(w, value));
        Settle();
        QCOMPARE(witness.paints(), row.refresh.contains(property) ? 1 : 0);
        QCOMPARE(witness.announced(QAccessible::InvalidEvent), 0);
        if (spy)
            QCOMPARE(spy->count(), 0);

        const QImage walked = Picture(w); // while its window is the active one, as fresh's will be
        const Made fresh(row);
        QVERIFY(propertyOf(fresh.widget, property).write(fresh.widget, value));
        QVERIFY(ShowRow(row, fresh.widget));
        putInState(fresh.widget, property);
        QVERIFY2(SamePicture(walked, Picture(fresh.widget), QTest::currentDataTag()),
                 "the widget does not look like a fresh one made with the value");
    }

    // Each class shows a screen reader the role of what it is, not a generic client area.
    void roles()
    {
        for (const ClassRow& row : Classes()) {
            const Made made(row);
            QWidget* const w = made.widget;
            // A form is the content of a window that carries its shadow; the reader sees that.
            QWidget* const shown = row.role == QAccessible::Window ? w->window() : w;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(shown);
            QVERIFY2(face && face->object() == shown, row.name.constData());
            QVERIFY2(face->role() == row.role, row.name.constData());
        }
    }

    void clamps_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("rule");
        for (const ClassRow& row : Classes()) {
            for (int i = 0; i < row.clamps.size(); ++i) {
                const ClampRule& c = row.clamps.at(i);
                QTest::addRow("%s.%s = %s", row.name.constData(), c.property.constData(),
                              qPrintable(text(c.written)))
                    << row.name << i;
            }
        }
    }

    // A value out of range is clamped (or ignored) as the row says; writing it again changes
    // nothing, draws nothing.
    void clamps()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, rule);
        const ClassRow& row = *FindClass(type);
        const ClampRule& c = row.clamps.at(rule);
        const Made made(row);
        QWidget* const w = made.widget;
        const QMetaProperty p = propertyOf(w, c.property);
        QVERIFY(ShowRow(row, w));
        p.write(w, c.written);
        Settle();
        QVERIFY2(SameValue(p.read(w), c.read), qPrintable(text(p.read(w))));
        Witness witness(w);
        p.write(w, c.written);
        p.write(w, c.read);
        Settle();
        QCOMPARE(witness.paints(), row.refresh.contains(c.property) ? 1 : 0);
    }
};

WEXAL_TEST_MAIN(TestProperties)
#include "tst_properties.moc"
