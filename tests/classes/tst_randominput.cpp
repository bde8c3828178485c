// Every class row through the random-input harness, by pointer, by keyboard and by a screen
// reader's own requests, with a reader walking the whole accessible tree after every step: whatever
// the input, the widget neither crashes nor shows a reader a tree that contradicts itself. Classes
// with an oracle of their own (what a click, a key or a model change must do) run it in their own
// tests.
#include "AccessTestSupport.h"
#include "WClassRegistry.h"
#include "WFocusChain_p.h"
#include "WTestSuite.h"

using namespace WexalTest;

class TestRandomInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QuietPopupWarnings(); }

    // Pointer input with the keyboard switch off; keys with it on; and a screen reader acting
    // on the whole tree, open lists and menus included, with the switch on.
    void everyClass_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("mode");
        for (const ClassRow& row : Classes()) {
            for (const QByteArray mode : {"pointer", "keyboard", "reader"})
                QTest::newRow(row.name + ", " + mode) << row.name << mode;
        }
    }

    void everyClass()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, mode);
        const ClassRow& row = *FindClass(type);
        WBase::SetKeyboardAccess(mode != "pointer");
        const AccessTest::Recorder heard; // announcements reach a listener, as under a reader
        const Made made(row);
        QVERIFY(ShowRow(row, made.widget));
        QRandomGenerator rng(7);
        // A click may open a list or menu in a local event loop: a user closes it again, a
        // reader works in it first.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            if (popup && mode == "reader" && rng.bounded(3))
                AccessTest::ReaderAct(rng, AccessTest::Face(popup));
            else if (popup)
                popup->close();
        });
        closer.start(0);
        RandomInputOptions options;
        options.steps = 400;
        if (mode == "reader")
            options.action = [&](QRandomGenerator& r, QWidget*) {
                AccessTest::ReaderAct(r, AccessTest::Face(made.owner.get()));
            };
        options.invariant = [&](QWidget*) {
            // Tab never stops where a user could not be.
            for (QWidget* stop : WFocusChain::FocusOrder(made.owner.get())) {
                if (!stop->isEnabled() || !stop->isVisible())
                    return QStringLiteral("a disabled or hidden Tab stop");
            }
            const QString wrong = AccessTest::WalkTree(AccessTest::Face(made.owner.get()));
            return wrong.isEmpty() && row.invariant ? row.invariant(made.widget) : wrong;
        };
        const QString failure = RunRandomInput(made.owner.get(), options);
        WBase::SetKeyboardAccess(false);
        QCOMPARE(failure, QString());
    }
};

WEXAL_TEST_MAIN(TestRandomInput)
#include "tst_randominput.moc"
