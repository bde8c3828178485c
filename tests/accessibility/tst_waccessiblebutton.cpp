// A reader's click is queued: the button may be gone by the time it would run (under
// AddressSanitizer a use of the deleted button fails the run).
#include "AccessTestSupport.h"
#include "WTestSuite.h"

using namespace AccessTest;

class TestWAccessibleButton : public QObject
{
    Q_OBJECT

private slots:
    void deletedBeforeItsQueuedClick()
    {
        auto* box = new WCheckBox;
        Face(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        delete box;
        QCoreApplication::processEvents();
    }
};

WEXAL_TEST_MAIN(TestWAccessibleButton)
#include "tst_waccessiblebutton.moc"
