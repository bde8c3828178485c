// The keyboard switch (WBase::SetKeyboardAccess) and what its application filter does: which
// widgets take Tab focus, the focus ring, scrolling the focused widget into view, and Escape in a
// modal form. With the switch off nothing of this happens. Where Tab goes (reading order, past
// read-only edits and clicked labels, once into a tab bar) is in the input table.
#include "../form/FormTestSupport.h"
#include "AccessTestSupport.h"
#include "WFormParts_p.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

template <class T> T* at(QWidget* parent, int x, int y, int w = 60, int h = 24)
{
    auto* widget = new T(parent);
    widget->setGeometry(x, y, w, h);
    return widget;
}

// Presses Tab (or Shift+Tab) on whatever has the focus, as the keyboard would.
QWidget* tab(bool forward = true)
{
    QWidget* focus = QApplication::focusWidget();
    if (focus)
        QTest::keyClick(focus, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
    return QApplication::focusWidget();
}

int countColor(const QImage& image, const QColor& color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

} // namespace

class TestWKeyboardAccess : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void focusPolicies();
    void focusRing();
    void scrollIntoView();
    void escapeClosesAModalForm();
};

void TestWKeyboardAccess::focusPolicies()
{
    QVERIFY(!WBase::IsKeyboardAccess());
    WPanel panel;
    QList<WBase*> operable{new WButton(&panel),       new WCheckBox(&panel),
                           new WSwitchButton(&panel), new WItemList(&panel),
                           new WGridList(&panel),     new WComboBox(&panel),
                           new WTrackBar(&panel),     new WHourMinutePicker(&panel)};
    QList<WBase*> plain{&panel,
                        new WLabel(&panel),
                        new WProgressBar(&panel),
                        new WTabControl(&panel),
                        new WTest(&panel),
                        new WScrollPanel(&panel)};
    auto* edit = new WLineEdit(&panel);
    auto* refused = new WButton(&panel);
    refused->setFocusPolicy(Qt::NoFocus);
    panel.ensurePolished();
    for (WBase* w : operable + plain)
        QCOMPARE(w->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(edit->focusPolicy(), Qt::StrongFocus); // the line edit always took Tab

    WBase::SetKeyboardAccess(true);
    for (WBase* w : operable)
        QVERIFY2(w->focusPolicy() == Qt::StrongFocus, w->metaObject()->className());
    for (WBase* w : plain)
        QVERIFY2(w->focusPolicy() == Qt::ClickFocus, w->metaObject()->className());
    QCOMPARE(refused->focusPolicy(), Qt::NoFocus); // the application's own choice stands
    // Widgets made while the switch is on take Tab focus once they are polished.
    auto* later = new WCheckBox(&panel);
    QCOMPARE(later->focusPolicy(), Qt::ClickFocus);
    later->ensurePolished();
    QCOMPARE(later->focusPolicy(), Qt::StrongFocus);
    // A form's system buttons are no Tab stops.
    WForm form;
    form.ensurePolished();
    for (WButton* b : FormTest::titleBarOf(form)->findChildren<WButton*>()) {
        b->ensurePolished();
        QCOMPARE(b->focusPolicy(), Qt::ClickFocus);
        QVERIFY(WFormParts::IsSystemButton(b));
    }

    WBase::SetKeyboardAccess(false);
    for (WBase* w : operable + plain + QList<WBase*>{later})
        QCOMPARE(w->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(refused->focusPolicy(), Qt::NoFocus);
    QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);
}

void TestWKeyboardAccess::focusRing()
{
    WPanel panel;
    panel.resize(200, 80);
    panel.SetBackColor(Qt::white);
    auto* button = at<WButton>(&panel, 10, 10, 100, 40);
    button->SetBackColor(Qt::white);
    auto* other = at<WButton>(&panel, 120, 10, 60, 40);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 200, 0));
    button->setPalette(palette);
    QVERIFY(ShowActive(&panel));
    button->setFocus(Qt::TabFocusReason);

    // Off: a focused button looks as it always did.
    QCOMPARE(countColor(button->grab().toImage(), QColor(0, 200, 0)), 0);
    const KeyboardOn keyboard;
    button->update();
    // On: a two-pixel ring in the highlight colour just inside the edge, nothing in the middle.
    const QImage ring = button->grab().toImage();
    QCOMPARE(ring.pixelColor(1, 20), QColor(0, 200, 0));
    QCOMPARE(ring.pixelColor(50, 1), QColor(0, 200, 0));
    QCOMPARE(ring.pixelColor(98, 20), QColor(0, 200, 0));
    QCOMPARE(ring.pixelColor(50, 20), QColor(Qt::white));
    WBase::SetFocusRingColor(QColor(200, 0, 0));
    QCOMPARE(button->grab().toImage().pixelColor(1, 20), QColor(200, 0, 0));
    WBase::SetFocusRingColor(QColor());
    // The ring goes with the focus.
    other->setFocus(Qt::TabFocusReason);
    QCOMPARE(countColor(button->grab().toImage(), QColor(0, 200, 0)), 0);
}

void TestWKeyboardAccess::scrollIntoView()
{
    const KeyboardOn keyboard;
    WScrollPanel scroller;
    scroller.resize(200, 100);
    auto* content = new WPanel(&scroller);
    content->resize(200, 600);
    scroller.SetScrollAreaSize(QSize(200, 600));
    auto* top = at<WButton>(content, 10, 10);
    auto* deep = at<WButton>(content, 10, 500, 60, 30);
    QVERIFY(ShowActive(&scroller));
    QCoreApplication::sendPostedEvents();
    top->setFocus(Qt::MouseFocusReason);
    scroller.SetVScrollBarValue(0);
    QCOMPARE(tab(), deep);
    const QRect shown(deep->mapTo(&scroller, QPoint(0, 0)), deep->size());
    QVERIFY2(scroller.ScrollContainerArea().contains(shown),
             qPrintable(QStringLiteral("at %1").arg(shown.y())));
    QVERIFY(scroller.VScrollBarValue() > 0);
    // Back up as far as needed and no further: the first button at the top of the view.
    QCOMPARE(tab(), top);
    QCOMPARE(scroller.VScrollBarValue(), 10);
    // A click is where the pointer is already: nothing scrolls for it.
    const int before = scroller.VScrollBarValue();
    deep->setFocus(Qt::MouseFocusReason);
    QCOMPARE(scroller.VScrollBarValue(), before);
}

void TestWKeyboardAccess::escapeClosesAModalForm()
{
    const KeyboardOn keyboard;
    WForm form;
    auto* edit = new WLineEdit(&form);
    edit->setGeometry(10, 40, 80, 24);
    form.resize(300, 200);
    int seen = 0;
    QTimer::singleShot(0, edit, [&] {
        seen = FormTest::shadowOf(form)->isVisible();
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    QCOMPARE(form.exec(), 0);
    QCOMPARE(seen, 1);
    QVERIFY(!FormTest::shadowOf(form)->isVisible());
}

WEXAL_TEST_MAIN(TestWKeyboardAccess)
#include "tst_wkeyboardaccess.moc"
