// The menu under random input, with a screen reader walking it.
#include "AccessTestSupport.h"
#include "WMenu.h"
#include "WMenuItem.h"
#include "WQuietPopups.h"
#include "WRandomInput.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

// "Open", "Save as", a disabled "Delete", "Close"; 30 pixels each below 5 of padding.
struct Fixture
{
    Fixture()
    {
        menu.SetPadding(WPadding{5, 5, 10, 10});
        menu.AddItem(QStringLiteral("Open"));
        menu.AddItem(QStringLiteral("Save as"));
        menu.AddItem(QStringLiteral("Delete"))->Enabled = false;
        menu.AddItem(QStringLiteral("Close"));
    }
    WMenu menu;
};
} // namespace

class TestWAccessibleMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }
    void init() { WBase::SetKeyboardAccess(false); }
    void randomInput();
};

void TestWAccessibleMenu::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    f.menu.resize(120, 140);
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (rng.bounded(3) == 0)
            f.menu.AddItem(WexalTest::RandomText(rng).left(10))->Enabled = rng.bounded(2);
        else if (rng.bounded(2))
            f.menu.RemoveItem(rng.bounded(-1, f.menu.ItemCount() + 1));
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
        QTest::keyClick(&f.menu, keys[rng.bounded(4)]);
    };
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(&f.menu);
        if (face->childCount() != f.menu.ItemCount())
            return QStringLiteral("the items and the children differ");
        WMenuItem* hover = f.menu.HoverItem();
        if (f.menu.isVisible() && hover && face->focusChild() != face->child(f.menu.IndexOf(hover)))
            return QStringLiteral("the hovered item is not the focused child");
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.menu, options), QString());
}

WEXAL_TEST_MAIN(TestWAccessibleMenu)
#include "tst_waccessiblemenu.moc"
