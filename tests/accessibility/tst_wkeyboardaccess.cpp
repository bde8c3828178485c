// The keyboard switch (WBase::SetKeyboardAccess) and what its application filter does: which
// widgets take Tab focus, the focus ring, scrolling the focused widget into view, and Escape in a
// modal form. With the switch off nothing of this happens. Where Tab goes (reading order, past
// read-only edits and clicked labels, once into a tab bar) is in the input table.
#include "../form/FormTestSupport.h"
#include "AccessTestSupport.h"
#include "WClassRegistry.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

template <class T> T* at(QWidget* parent, int x, int y, int w = 60, int h = 24)
{
    auto* widget = new T(parent);
    widget->setGeometry(x, y, w, h);
    return widget;
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

    void focusPolicies_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const WexalTest::ClassRow& row : WexalTest::Classes())
            QTest::newRow(row.name.constData()) << row.name;
    }

    // While the switch is on, what a keyboard user operates takes Tab focus, made before it went on
    // or after (once polished); the rest keep the click focus all had before, the line edit the Tab
    // it always took.
    void focusPolicies()
    {
        QFETCH(QByteArray, type);
        static const QList<QByteArray> operable{"WButton",   "WCheckBox",        "WSwitchButton",
                                                "WItemList", "WGridList",        "WComboBox",
                                                "WTrackBar", "WHourMinutePicker"};
        const Qt::FocusPolicy off = type == "WLineEdit" ? Qt::StrongFocus : Qt::ClickFocus;
        const Qt::FocusPolicy on = operable.contains(type) ? Qt::StrongFocus : off;
        const WexalTest::ClassRow& row = *WexalTest::FindClass(type);
        const WexalTest::Made before(row);
        before.widget->ensurePolished();
        QCOMPARE(before.widget->focusPolicy(), off);
        WBase::SetKeyboardAccess(true);
        QCOMPARE(before.widget->focusPolicy(), on);
        const WexalTest::Made later(row);
        later.widget->ensurePolished();
        QCOMPARE(later.widget->focusPolicy(), on);
        WBase::SetKeyboardAccess(false);
        QCOMPARE(before.widget->focusPolicy(), off);
        QCOMPARE(later.widget->focusPolicy(), off);
    }

    // A policy the application chose stands, and a form's system buttons are no Tab stops.
    void policiesOfTheirOwn()
    {
        WButton refused;
        refused.setFocusPolicy(Qt::NoFocus);
        refused.ensurePolished();
        const KeyboardOn keyboard;
        QCOMPARE(refused.focusPolicy(), Qt::NoFocus);
        WForm form;
        form.ensurePolished();
        for (WButton* b : FormTest::titleBarOf(form)->findChildren<WButton*>()) {
            b->ensurePolished();
            QCOMPARE(b->focusPolicy(), Qt::ClickFocus);
        }
    }

    void focusRing()
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
        // On: a ring in the highlight colour just inside both edges, nothing in the middle.
        const QImage ring = button->grab().toImage();
        QCOMPARE(ring.pixelColor(1, 20), QColor(0, 200, 0));
        QCOMPARE(ring.pixelColor(98, 20), QColor(0, 200, 0));
        QCOMPARE(ring.pixelColor(50, 20), QColor(Qt::white));
        WBase::SetFocusRingColor(QColor(200, 0, 0));
        QCOMPARE(button->grab().toImage().pixelColor(1, 20), QColor(200, 0, 0));
        WBase::SetFocusRingColor(QColor());
        // The ring goes with the focus.
        other->setFocus(Qt::TabFocusReason);
        QCOMPARE(countColor(button->grab().toImage(), QColor(0, 200, 0)), 0);
    }

    void scrollIntoView()
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
        QTest::keyClick(top, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), deep);
        const QRect shown(deep->mapTo(&scroller, QPoint(0, 0)), deep->size());
        QVERIFY2(scroller.ScrollContainerArea().contains(shown),
                 qPrintable(QStringLiteral("at %1").arg(shown.y())));
        QVERIFY(scroller.VScrollBarValue() > 0);
        // Back up as far as needed and no further: the first button at the top of the view.
        QTest::keyClick(deep, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), top);
        QCOMPARE(scroller.VScrollBarValue(), 10);
    }

    void escapeClosesAModalForm()
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
};

WEXAL_TEST_MAIN(TestWKeyboardAccess)
#include "tst_wkeyboardaccess.moc"
