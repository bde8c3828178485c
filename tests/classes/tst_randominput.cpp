// Every class row through the random-input harness, with the keyboard switch off and on, and a
// screen reader walking the whole accessible tree after every step: whatever the input, the
// widget neither crashes nor shows a reader a tree that contradicts itself. Classes with an
// oracle of their own (what a click, a key or a model change must do) run it in their own tests.
#include "AccessTestSupport.h"
#include "WClassRegistry.h"
#include "WQuietPopups.h"
#include "WRandomInput.h"
#include "WTestSuite.h"

#include <QTimer>

using namespace WexalTest;

class TestRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QuietPopupWarnings(); }

    void everyClass_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("keyboard");
        for (const ClassRow& row : Classes()) {
            for (const bool keyboard : {false, true})
                QTest::newRow(row.name + (keyboard ? ", keyboard" : ", pointer"))
                    << row.name << keyboard;
        }
    }

    void everyClass()
    {
        QFETCH(QByteArray, type);
        QFETCH(bool, keyboard);
        const ClassRow& row = *FindClass(type);
        WBase::SetKeyboardAccess(keyboard);
        const AccessTest::Recorder heard; // announcements reach a listener, as under a reader
        const Made made(row);
        QVERIFY(ShowRow(row, made.widget));
        // A click may open a list or menu in a local event loop: a user closes it again.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
        closer.start(0);
        RandomInputOptions options;
        options.steps = 400;
        options.invariant = [&](QWidget*) {
            const QString wrong =
                AccessTest::WalkTree(QAccessible::queryAccessibleInterface(made.owner.get()));
            return wrong.isEmpty() && row.invariant ? row.invariant(made.widget) : wrong;
        };
        const QString failure = RunRandomInput(made.owner.get(), options);
        WBase::SetKeyboardAccess(false);
        QCOMPARE(failure, QString());
    }
};

WEXAL_TEST_MAIN(TestRandomInput)
#include "tst_randominput.moc"
