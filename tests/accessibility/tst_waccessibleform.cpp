// The form to a screen reader: the window a reader lists (the form's shadow window, named after
// the title), the form as its client area, the title bar with its named system buttons, the
// announcement of a new title, and the form as a window of its own in Designer.
#include "../form/FormTestSupport.h"
#include "AccessTestSupport.h"
#include "WLabel.h"

using namespace AccessTest;

class TestWAccessibleForm : public QObject
{
    Q_OBJECT

private slots:
    void windowTitleBarAndContent();
    void systemButtonsPress();
    void titleChanges();
    void inDesigner();
};

void TestWAccessibleForm::windowTitleBarAndContent()
{
    WForm form;
    form.SetTitle(QStringLiteral("Invoice #2041"));
    auto* label = new WLabel(&form);
    label->SetText(QStringLiteral("Total"));
    label->setGeometry(10, 40, 100, 20);
    QVERIFY(FormTest::showForm(form));

    // The application lists the window, which is what carries the form.
    QAccessibleInterface* app = Face(qApp);
    QAccessibleInterface* window = Face(FormTest::shadowOf(form));
    bool listed = false;
    for (int i = 0; i < app->childCount(); ++i)
        listed = listed || app->child(i) == window;
    QVERIFY(listed);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(Name(window), QStringLiteral("Invoice #2041"));
    QVERIFY(window->state().movable);
    QVERIFY(window->state().sizeable);
    form.SetCanResize(false);
    QVERIFY(!window->state().sizeable);

    QCOMPARE(window->childCount(), 1);
    QAccessibleInterface* client = window->child(0);
    QCOMPARE(client->object(), &form);
    QCOMPARE(client->role(), QAccessible::Client);
    QCOMPARE(Name(client), QStringLiteral("Invoice #2041"));
    QAccessibleInterface* bar = client->child(0);
    QCOMPARE(bar->role(), QAccessible::TitleBar);
    QCOMPARE(Name(bar), QStringLiteral("Invoice #2041"));
    // Image-only buttons, read by their names; the restore button is hidden while not needed.
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i) {
        QCOMPARE(bar->child(i)->role(), QAccessible::PushButton);
        names << Name(bar->child(i));
    }
    QCOMPARE(names, (QStringList{"Minimize", "Maximize", "Close"}));
    QCOMPARE(Name(client->child(1)), QStringLiteral("Total"));
    QCOMPARE(WalkTree(window), QString());
}

void TestWAccessibleForm::systemButtonsPress()
{
    WForm form;
    QVERIFY(FormTest::showForm(form));
    QAccessibleInterface* close = Face(FormTest::buttonOf(form, FormTest::Close));
    QCOMPARE(Name(close), QStringLiteral("Close"));
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!FormTest::shadowOf(form)->isVisible());
}

void TestWAccessibleForm::titleChanges()
{
    Recorder heard;
    WForm form;
    form.SetTitle(QStringLiteral("A"));
    form.SetTitle(QStringLiteral("A"));
    QCOMPARE(heard.Count(&form, QAccessible::NameChanged), 1);
    QCOMPARE(heard.Count(FormTest::shadowOf(form), QAccessible::NameChanged), 1);
}

void TestWAccessibleForm::inDesigner()
{
    WBase::SetDesignerMode(true);
    QWidget editor;
    auto* form = new WForm(&editor);
    WBase::SetDesignerMode(false);
    form->SetTitle(QStringLiteral("Dialog"));
    QAccessibleInterface* face = Face(form);
    QCOMPARE(face->role(), QAccessible::Window);
    QCOMPARE(Name(face), QStringLiteral("Dialog"));
    QCOMPARE(face->child(0)->role(), QAccessible::TitleBar);
}

QTEST_MAIN(TestWAccessibleForm)
#include "tst_waccessibleform.moc"
