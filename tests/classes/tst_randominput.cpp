// Every class row through the random-input harness, by pointer, by keyboard and by a screen
// reader's own requests, with the class's own calls (its API, model changes, typing) among the
// steps, in open lists and menus too, and a reader walking the whole accessible tree after every
// step: whatever the input, the widget neither crashes nor shows a reader a tree that contradicts
// itself, nor breaks what the class says must hold. The buttons' click oracles (mouse releases
// only) and the tab page's look, which needs its tab apart from a control, stay in their own
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
        const RandomCalls calls = ClassCalls(type, made.widget);
        // A click may open a list or menu in a local event loop: a user works in it a little
        // (a reader by its own requests) while the application changes what it shows, then
        // closes it.
        static const Qt::Key keys[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_PageDown,
                                       Qt::Key_End, Qt::Key_Return, Qt::Key_Escape};
        QTimer popups;
        connect(&popups, &QTimer::timeout, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup)
                return;
            const int pick = rng.bounded(6);
            const QPoint at(rng.bounded(-20, popup->width() + 20),
                            rng.bounded(-20, popup->height() + 20));
            if (pick == 0)
                popup->close();
            else if (mode == "reader")
                AccessTest::ReaderAct(rng, AccessTest::Face(popup));
            else if (pick == 1 && calls.action)
                calls.action(rng);
            else if (mode == "keyboard")
                QTest::keyClick(popup, keys[rng.bounded(int(std::size(keys)))]);
            else if (pick == 2)
                MousePress(popup, at);
            else
                MouseMove(popup, at);
        });
        popups.start(0);
        RandomInputOptions options;
        options.steps = 400;
        if (mode == "reader" || calls.action)
            options.action = [&](QRandomGenerator& r, QWidget*) {
                if (mode == "reader" && (!calls.action || r.bounded(2)))
                    AccessTest::ReaderAct(r, AccessTest::Face(made.owner.get()));
                else
                    calls.action(r);
            };
        options.invariant = [&](QWidget*) {
            // Tab never stops where a user could not be.
            for (QWidget* stop : WFocusChain::FocusOrder(made.owner.get())) {
                if (!stop->isEnabled() || !stop->isVisible())
                    return QStringLiteral("a disabled or hidden Tab stop");
            }
            QString wrong = AccessTest::WalkTree(AccessTest::Face(made.owner.get()));
            if (wrong.isEmpty() && row.invariant)
                wrong = row.invariant(made.widget);
            return wrong.isEmpty() && calls.invariant ? calls.invariant() : wrong;
        };
        const QString failure = RunRandomInput(made.owner.get(), options);
        WBase::SetKeyboardAccess(false);
        QCOMPARE(failure, QString());
    }
};

WEXAL_TEST_MAIN(TestRandomInput)
#include "tst_randominput.moc"
