// An application may get rid of a widget from inside any of the widget's own signals: deleting
// it, deleting its parent, or deleteLater (run at once or later), with Designer's mode off and
// on. Every signal of every class row, triggered as a user or the application would, survives
// each of them (under AddressSanitizer a use after the deletion fails the run).
#include "WClassRegistry.h"
#include "WTestSuite.h"

using namespace WexalTest;

namespace {

// The application's handler: removes the widget the moment the signal arrives.
class Remover : public QObject
{
    Q_OBJECT

public:
    QPointer<QWidget> widget;
    Removal how = Removal::Delete;
    int heard = 0;

public slots:
    void fire()
    {
        if (++heard == 1 && widget)
            Remove(widget, how);
    }
};

} // namespace

class TestReentrancy : public QObject
{
    Q_OBJECT

private slots:
    void removedFromItsOwnSignal_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("signal");
        QTest::addColumn<Removal>("how");
        QTest::addColumn<bool>("designer");
        for (const ClassRow& row : Classes()) {
            for (int s = 0; s < row.ownSignals.size(); ++s) {
                for (const auto& removal : Removals()) {
                    for (const bool designer : {false, true}) {
                        const OwnSignal& own = row.ownSignals.at(s);
                        QTest::addRow("%s %s by %s, %s%s", row.name.constData(),
                                      own.signal.constData(), own.how.constData(),
                                      qPrintable(removal.second), designer ? ", in Designer" : "")
                            << row.name << s << removal.first << designer;
                    }
                }
            }
        }
    }

    void removedFromItsOwnSignal()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, signal);
        QFETCH(Removal, how);
        QFETCH(bool, designer);
        const ClassRow& row = *FindClass(type);
        const OwnSignal& own = row.ownSignals.at(signal);
        WBase::SetDesignerMode(designer);
        const auto modeOff = qScopeGuard([] { WBase::SetDesignerMode(false); });
        RemovalHost host;
        QPointer<QWidget> w = row.make();
        w->setParent(host.parent);
        w->setGeometry(QRect(QPoint(10, 10), row.size));
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        Settle();
        Remover remover;
        remover.widget = w;
        remover.how = how;
        QVERIFY(QObject::connect(w, "2" + own.signal, &remover, SLOT(fire())));
        own.trigger(w);
        Settle();
        RemovalHost::Settle();
        // Designer's form editor takes the pointer from composite widgets; a signal it never
        // lets through is no fault, surviving is what counts there.
        // Some actions emit twice (a typed key replacing a selection deletes, then inserts); a
        // removal that waits for the event loop hears both.
        if (!designer)
            QVERIFY(remover.heard >= 1);
        if (remover.heard)
            QVERIFY(w.isNull());
    }
};

WEXAL_TEST_MAIN(TestReentrancy)
#include "tst_reentrancy.moc"
