// The track bar under random input, with a screen reader walking it.
#include "AccessTestSupport.h"
#include "WRandomInput.h"
#include "WTestSuite.h"
#include "WTrackBar.h"

using namespace AccessTest;

class TestWAccessibleValue : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void randomInput();
};

void TestWAccessibleValue::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    WTrackBar track;
    track.SetButtonSize(QSize(8, 12));
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        QAccessibleInterface* face = Face(&track);
        face->valueInterface()->setCurrentValue(WexalTest::ExtremeInt(rng));
        face->actionInterface()->doAction(rng.bounded(2)
                                              ? QAccessibleActionInterface::increaseAction()
                                              : QAccessibleActionInterface::decreaseAction());
    };
    options.invariant = [&](QWidget*) {
        QAccessibleValueInterface* value = Face(&track)->valueInterface();
        if (value->currentValue().toInt() != track.Value1() ||
            value->minimumValue().toInt() != track.Minimum() ||
            value->maximumValue().toInt() != track.Maximum())
            return QStringLiteral("the value or the range is not the track bar's");
        return WalkTree(Face(&track));
    };
    QCOMPARE(WexalTest::RunRandomInput(&track, options), QString());
}

WEXAL_TEST_MAIN(TestWAccessibleValue)
#include "tst_waccessiblevalue.moc"
