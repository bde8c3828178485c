// The tab control under random input, with a screen reader walking it.
#include "AccessTestSupport.h"
#include "WButton.h"
#include "WRandomInput.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

struct Fixture
{
    Fixture()
    {
        tabs.resize(360, 200);
        tabs.SetTabBarSize(QSize(80, 24));
        for (int i = 0; i < 3; ++i) {
            auto* page = new WTabPage;
            page->SetText(QStringLiteral("Page %1").arg(i));
            tabs.AddPage(page);
            (new WButton(page))->setGeometry(10, 10, 60, 24);
        }
        tabs.SetSelectedIndex(0);
    }
    WTabControl tabs;
};

} // namespace

class TestWAccessibleTabControl : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void randomInput();
};

void TestWAccessibleTabControl::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (QAccessibleInterface* tab = Face(&f.tabs)->child(rng.bounded(-1, 4)))
            tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (rng.bounded(6) == 0 && f.tabs.Count() > 1)
            f.tabs.RemovePage(rng.bounded(f.tabs.Count()));
        if (rng.bounded(6) == 0) {
            auto* page = new WTabPage;
            page->SetText(WexalTest::RandomText(rng).left(8));
            f.tabs.InsertPage(rng.bounded(-1, f.tabs.Count() + 2), page);
        }
    };
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(&f.tabs);
        for (int i = 0; i < face->childCount(); ++i) {
            if (face->child(i)->state().selected != (i == f.tabs.SelectedIndex()))
                return QStringLiteral("tab %1 reads the wrong selection").arg(i);
        }
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.tabs, options), QString());
}

WEXAL_TEST_MAIN(TestWAccessibleTabControl)
#include "tst_waccessibletabcontrol.moc"
