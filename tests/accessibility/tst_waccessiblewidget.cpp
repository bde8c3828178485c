// The library's accessibility factory: installed by loading the library, it answers for every
// widget class with the role that class shows, leaves an application's own subclasses to the
// application's own factory, and gives plain containers children without their hidden widgets.
#include "AccessTestSupport.h"
#include "WButton.h"
#include "WCheckBox.h"
#include "WComboBox.h"
#include "WForm.h"
#include "WGridList.h"
#include "WHourMinutePicker.h"
#include "WItemList.h"
#include "WLabel.h"
#include "WLineEdit.h"
#include "WMenu.h"
#include "WPanel.h"
#include "WProgressBar.h"
#include "WScrollPanel.h"
#include "WSwitchButton.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTest.h"
#include "WTrackBar.h"
#include "WTreeView.h"

#include <QAccessibleWidget>
#include <QTreeView>

#include <functional>
#include <memory>

using namespace AccessTest;

using Maker = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Maker)

// An application's button class, for which the application installs a factory of its own.
class ShopButton : public WButton
{
    Q_OBJECT

public:
    using WButton::WButton;
};

namespace {

QAccessibleInterface* shopFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("ShopButton"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Link);
}

} // namespace

class TestWAccessibleWidget : public QObject
{
    Q_OBJECT

private slots:
    void everyClass_data();
    void everyClass();
    void applicationFactoriesComeFirst();
    void containersLeaveOutHiddenWidgets();
    void treeViewHoldsQtsTree();
};

void TestWAccessibleWidget::everyClass_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<int>("role");
#define ROW(Class, role)                                                                           \
    QTest::newRow(#Class) << Maker([] { return static_cast<QWidget*>(new Class); })                \
                          << int(QAccessible::role)
    ROW(WPanel, Pane);
    ROW(WScrollPanel, Pane);
    ROW(WButton, PushButton);
    ROW(WCheckBox, CheckBox);
    ROW(WSwitchButton, PushButton);
    ROW(WLabel, StaticText);
    ROW(WLineEdit, EditableText);
    ROW(WItemList, List);
    ROW(WGridList, Table);
    ROW(WComboBox, ComboBox);
    ROW(WMenu, PopupMenu);
    ROW(WProgressBar, ProgressBar);
    ROW(WTrackBar, Slider);
    ROW(WHourMinutePicker, Grouping);
    ROW(WTabPage, Pane);
    ROW(WTabControl, PageTabList);
    ROW(WTreeView, Pane);
    QTest::newRow("WForm's window")
        << Maker([] { return (new WForm)->window(); }) << int(QAccessible::Window);
    ROW(WTest, Client);
#undef ROW
}

// Every class is described by the library's own interface, not Qt's generic one for a plain
// widget, which would show a self-painted widget as an empty client area.
void TestWAccessibleWidget::everyClass()
{
    QFETCH(Maker, make);
    QFETCH(int, role);
    const std::unique_ptr<QWidget> widget(make());
    QAccessibleInterface* face = Face(widget.get());
    QVERIFY(face);
    QCOMPARE(RoleName(face->role()), RoleName(QAccessible::Role(role)));
    QCOMPARE(face->object(), widget.get());
    QCOMPARE(WalkTree(face), QString());
}

void TestWAccessibleWidget::applicationFactoriesComeFirst()
{
    ShopButton own;
    QCOMPARE(Face(&own)->role(), QAccessible::PushButton); // as a button, until...
    ShopButton other;
    QAccessible::installFactory(shopFactory);
    QCOMPARE(Face(&other)->role(), QAccessible::Link); // ...the application answers itself
    QAccessible::removeFactory(shopFactory);
}

void TestWAccessibleWidget::containersLeaveOutHiddenWidgets()
{
    WPanel panel;
    auto* shown = new WButton(&panel);
    auto* hidden = new WButton(&panel);
    hidden->hide();
    auto* plain = new QWidget(&panel);
    QAccessibleInterface* face = Face(&panel);
    QCOMPARE(face->childCount(), 2);
    QCOMPARE(face->child(0)->object(), shown);
    QCOMPARE(face->child(1)->object(), plain);
    QCOMPARE(face->indexOfChild(Face(hidden)), -1);
    hidden->show();
    QCOMPARE(face->childCount(), 3);
    QCOMPARE(face->indexOfChild(Face(hidden)), 1);
    // Buttons are focusable, panels and plain widgets are not, whatever takes the click.
    QVERIFY(Face(shown)->state().focusable);
    QVERIFY(!face->state().focusable);
}

void TestWAccessibleWidget::treeViewHoldsQtsTree()
{
    WTreeView tree;
    QAccessibleInterface* face = Face(&tree);
    QCOMPARE(face->childCount(), 1);
    QCOMPARE(face->child(0)->object(), tree.TreeView);
    QCOMPARE(face->child(0)->role(), QAccessible::Tree);
}

QTEST_MAIN(TestWAccessibleWidget)
#include "tst_waccessiblewidget.moc"
