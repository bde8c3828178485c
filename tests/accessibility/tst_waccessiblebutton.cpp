// Buttons, check boxes and switches to a screen reader and from the keyboard: roles, names,
// states and actions through the QAccessible API, the announcements of check and caption
// changes, and Space and Enter with the keyboard switch on and off.
#include "AccessTestSupport.h"
#include "WButton.h"
#include "WCheckBox.h"
#include "WPanel.h"
#include "WRandomInput.h"
#include "WSwitchButton.h"

using namespace AccessTest;

class TestWAccessibleButton : public QObject
{
    Q_OBJECT

private slots:
    void rolesNamesAndStates();
    void actionsClickAsTheMouseDoes();
    void announcements();
    void nothingAnnouncedWithoutAReader();
    void keys_data();
    void keys();
    void keyThatDeletesTheButton();
    void randomInput();
};

void TestWAccessibleButton::rolesNamesAndStates()
{
    WPanel panel;
    auto* button = new WButton(&panel);
    button->SetText(QStringLiteral("Save"));
    auto* glyph = new WButton(&panel);
    glyph->setAccessibleName(QStringLiteral("Close window"));
    auto* box = new WCheckBox(&panel);
    box->SetText(QStringLiteral("Remember me"));
    auto* toggle = new WSwitchButton(&panel);
    toggle->SetLeftText(QStringLiteral("Off"));
    toggle->SetRightText(QStringLiteral("On"));
    auto* named = new WSwitchButton(&panel);
    named->SetText(QStringLiteral("Wi-Fi"));
    named->SetLeftText(QStringLiteral("Off"));
    named->SetRightText(QStringLiteral("On"));

    QCOMPARE(Face(button)->role(), QAccessible::PushButton);
    QCOMPARE(Name(Face(button)), QStringLiteral("Save"));
    QVERIFY(!Face(button)->state().checkable);
    QVERIFY(Face(button)->state().focusable);
    QVERIFY(Face(button)->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    // An image-only button is read by the name the application gives it.
    QCOMPARE(Name(Face(glyph)), QStringLiteral("Close window"));

    QCOMPARE(Face(box)->role(), QAccessible::CheckBox);
    QCOMPARE(Name(Face(box)), QStringLiteral("Remember me"));
    QVERIFY(Face(box)->state().checkable);
    QVERIFY(!Face(box)->state().checked);
    box->SetChecked(true);
    QVERIFY(Face(box)->state().checked);
    QCOMPARE(Face(box)->actionInterface()->actionNames().first(),
             QAccessibleActionInterface::toggleAction());

    // A switch is a toggle button: a checkable push button, read by its two positions unless
    // it has a caption, and valued by the position it stands in.
    QCOMPARE(Face(toggle)->role(), QAccessible::PushButton);
    QVERIFY(Face(toggle)->state().checkable);
    QCOMPARE(Name(Face(toggle)), QStringLiteral("Off/On"));
    QCOMPARE(Face(toggle)->text(QAccessible::Value), QStringLiteral("Off"));
    toggle->SetChecked(true);
    QVERIFY(Face(toggle)->state().checked);
    QCOMPARE(Face(toggle)->text(QAccessible::Value), QStringLiteral("On"));
    QCOMPARE(Name(Face(named)), QStringLiteral("Wi-Fi"));

    button->setEnabled(false);
    QVERIFY(Face(button)->state().disabled);
    // The panel holds them all, in order, and they name it as their parent.
    QCOMPARE(Face(&panel)->role(), QAccessible::Pane);
    QCOMPARE(Face(&panel)->childCount(), 5);
    QCOMPARE(Face(&panel)->child(2), Face(box));
    QCOMPARE(WalkTree(Face(&panel)), QString());
}

void TestWAccessibleButton::actionsClickAsTheMouseDoes()
{
    WPanel panel;
    auto* button = new WButton(&panel);
    auto* box = new WCheckBox(&panel);
    box->SetUncheckWhenClicked(false);
    auto* toggle = new WSwitchButton(&panel);
    QSignalSpy clicks(button, &WButton::Clicked);
    QSignalSpy checks(box, &WCheckBox::CheckedChanged);

    // The click comes from the event loop, after the reader's request has returned.
    Face(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 0);
    QTRY_COMPARE(clicks.count(), 1);

    QAccessibleActionInterface* boxActions = Face(box)->actionInterface();
    boxActions->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(box->Checked());
    // As with a click, a box that may not be unchecked by the user stays checked.
    boxActions->doAction(QAccessibleActionInterface::toggleAction());
    QCoreApplication::processEvents();
    QVERIFY(box->Checked());
    QCOMPARE(checks.count(), 1);

    Face(toggle)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(toggle->Checked());
    // An action the widget does not have, and a disabled widget, do nothing.
    Face(toggle)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    button->setEnabled(false);
    Face(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    QVERIFY(toggle->Checked());
    QCOMPARE(clicks.count(), 1);

    // A button deleted before its queued click runs is simply not clicked.
    Face(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    delete box;
    QCoreApplication::processEvents();
}

void TestWAccessibleButton::announcements()
{
    Recorder heard;
    WCheckBox box;
    WSwitchButton toggle;
    box.SetChecked(true);
    box.SetChecked(true); // no change, nothing to say
    box.SetCheckedWithoutEvent(false);
    toggle.SetChecked(true);
    QCOMPARE(heard.Count(&box, QAccessible::StateChanged), 2);
    QVERIFY(heard.Of(&box, QAccessible::StateChanged).first().changed.checked);
    QCOMPARE(heard.Count(&toggle, QAccessible::StateChanged), 1);

    WButton button;
    button.SetText(QStringLiteral("Send"));
    button.SetText(QStringLiteral("Send"));
    QCOMPARE(heard.Count(&button, QAccessible::NameChanged), 1);
}

// Offscreen there is no screen reader: the widgets build no announcement at all, and an update
// handler hears none of theirs.
void TestWAccessibleButton::nothingAnnouncedWithoutAReader()
{
    if (QAccessible::isActive())
        QSKIP("a screen reader listens here");
    QVERIFY(!WAccessibleNotify::Active());
    Heard().clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
        Heard().append(Announcement{e->type(), e->object(), e->child(), {}, {}});
    });
    WCheckBox box;
    box.SetChecked(true);
    box.SetText(QStringLiteral("x"));
    QAccessible::installUpdateHandler(nullptr);
    for (const Announcement& a : qAsConst(Heard()))
        QVERIFY2(a.object != &box, qPrintable(QString::number(a.type)));
    Heard().clear();
}

void TestWAccessibleButton::keys_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Space") << true << int(Qt::Key_Space) << 0 << false << true << 1;
    QTest::newRow("Return") << true << int(Qt::Key_Return) << 0 << false << true << 1;
    QTest::newRow("keypad Enter") << true << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false
                                  << true << 1;
    QTest::newRow("switch off: Space") << false << int(Qt::Key_Space) << 0 << false << true << 0;
    QTest::newRow("switch off: Return") << false << int(Qt::Key_Return) << 0 << false << true << 0;
    QTest::newRow("Ctrl+Space") << true << int(Qt::Key_Space) << int(Qt::ControlModifier) << false
                                << true << 0;
    QTest::newRow("held down") << true << int(Qt::Key_Space) << 0 << true << true << 0;
    QTest::newRow("disabled") << true << int(Qt::Key_Space) << 0 << false << false << 0;
    QTest::newRow("a letter") << true << int(Qt::Key_A) << 0 << false << true << 0;
}

void TestWAccessibleButton::keys()
{
    QFETCH(bool, keyboard);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    if (keyboard)
        WBase::SetKeyboardAccess(true);
    WPanel panel;
    auto* button = new WButton(&panel);
    auto* box = new WCheckBox(&panel);
    auto* toggle = new WSwitchButton(&panel);
    panel.resize(200, 100);
    panel.show();
    QSignalSpy clicked(button, &WButton::Clicked);
    for (WBase* w :
         {static_cast<WBase*>(button), static_cast<WBase*>(box), static_cast<WBase*>(toggle)}) {
        w->setEnabled(enabled);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers),
                        key == Qt::Key_A ? QStringLiteral("a") : QString(), autoRepeat);
        QApplication::sendEvent(w, &press);
    }
    WBase::SetKeyboardAccess(false);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(box->Checked(), clicks == 1);
    QCOMPARE(toggle->Checked(), clicks == 1);
}

void TestWAccessibleButton::keyThatDeletesTheButton()
{
    const KeyboardOn keyboard;
    WPanel panel;
    QPointer<WButton> button = new WButton(&panel);
    connect(button, &WButton::Clicked, [&] { delete button.data(); });
    QTest::keyClick(button.data(), Qt::Key_Space);
    QVERIFY(button.isNull());
}

void TestWAccessibleButton::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    WPanel panel;
    panel.resize(300, 120);
    auto* button = new WButton(&panel);
    button->SetText(QStringLiteral("Save"));
    button->SetDock(DockType::Top);
    auto* box = new WCheckBox(&panel);
    box->SetDock(DockType::Top);
    auto* toggle = new WSwitchButton(&panel);
    toggle->SetDock(DockType::Fill);
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.invariant = [&](QWidget*) {
        const QString wrong = WalkTree(Face(&panel));
        if (!wrong.isEmpty())
            return wrong;
        if (Face(box)->state().checked != box->Checked())
            return QStringLiteral("the check box's state is not its Checked");
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&panel, options), QString());
}

QTEST_MAIN(TestWAccessibleButton)
#include "tst_waccessiblebutton.moc"
