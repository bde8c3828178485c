// The combo box under random input, with a screen reader walking it.
#include "AccessTestSupport.h"
#include "WComboBox.h"
#include "WComboDropDownBox_p.h"
#include "WPanel.h"
#include "WQuietPopups.h"
#include "WRandomInput.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

QStringList numbered(int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Item %1").arg(i);
    return list;
}

WComboDropDownBox* openList()
{
    return qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget());
}

struct Fixture
{
    Fixture()
    {
        window.resize(300, 200);
        box = new WComboBox(&window);
        box->setGeometry(20, 20, 120, 24);
        box->SetItems(numbered(20));
        box->SetSelectedIndex(3);
    }
    bool Show() { return ShowActive(&window); }
    WPanel window;
    WComboBox* box = nullptr;
};

} // namespace

class TestWAccessibleComboBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }
    void init() { WBase::SetKeyboardAccess(false); }
    void randomInput();
};

void TestWAccessibleComboBox::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    QVERIFY(f.Show());
    QRandomGenerator rng(17);
    QTimer driver;
    driver.setInterval(0);
    connect(&driver, &QTimer::timeout, [&] {
        WComboDropDownBox* list = openList();
        if (!list)
            return;
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up,     Qt::Key_PageDown,
                                       Qt::Key_End,  Qt::Key_Return, Qt::Key_Escape};
        QTest::keyClick(list, keys[rng.bounded(int(std::size(keys)))]);
        if (rng.bounded(5) == 0)
            f.box->SetItems(numbered(rng.bounded(0, 30)));
        if (list->isVisible() && rng.bounded(3) == 0) {
            QAccessibleInterface* items = Face(list);
            if (QAccessibleInterface* item = items->child(rng.bounded(-1, 30)))
                item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
    });
    driver.start();
    WexalTest::RandomInputOptions options;
    options.steps = 800;
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(f.box);
        if (face->state().expanded != f.box->IsPopupOpen())
            return QStringLiteral("expanded is not whether the list is open");
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.window, options), QString());
    driver.stop();
}

WEXAL_TEST_MAIN(TestWAccessibleComboBox)
#include "tst_waccessiblecombobox.moc"
