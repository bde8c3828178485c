// WForm: its properties, the title bar and system buttons it lays out, the window operations it
// carries out on its window, the modal run, the misuse that must not crash, and Designer mode.
#include "FormTestSupport.h"
#include "WTestSuite.h"

using namespace FormTest;

namespace {

QRect geometryOf(const WForm& form, Button which)
{
    return buttonOf(form, which)->geometry();
}

void clickButton(const WForm& form, Button which)
{
    // In window coordinates: the title bar lies at the form's top-left, the form at (16, 16).
    const QPoint at = shadowOf(form)->mapFromGlobal(
        buttonOf(form, which)->mapToGlobal(buttonOf(form, which)->rect().center()));
    press(form, at);
    release(form, at);
}

} // namespace

class TestWForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { WBase::SetDesignerMode(false); }

    void defaults()
    {
        WForm form;
        // Dock, Anchor and Radius are shown read-only and hidden from Designer.
        const QMetaObject* mo = form.metaObject();
        for (const char* name : {"Dock", "Anchor", "Radius"}) {
            const QMetaProperty p = mo->property(mo->indexOfProperty(name));
            QVERIFY2(!p.isWritable() && !p.isDesignable(), name);
        }
        QVERIFY(!buttonOf(form, Restore)->isVisibleTo(titleBarOf(form)));
        // The system button colours reach all four buttons, the hidden restore button too.
        form.SetSysButtonColor(Qt::red);
        form.SetSysButtonColorHover(Qt::blue);
        for (Button b : {Minimize, Maximize, Restore, Close})
            QVERIFY(buttonOf(form, b)->ImageColor() == Qt::red &&
                    buttonOf(form, b)->ImageColorHover() == Qt::blue);
    }

    void systemButtons_data()
    {
        QTest::addColumn<bool>("showMinimize");
        QTest::addColumn<bool>("showMaximize");
        QTest::addColumn<int>("minimizeX"); // -1: hidden
        QTest::addColumn<int>("maximizeX");
        QTest::newRow("all") << true << true << 265 << 310;
        QTest::newRow("no maximise") << true << false << 310 << -1;
        QTest::newRow("no minimise") << false << true << -1 << 310;
        QTest::newRow("close only") << false << false << -1 << -1;
    }

    void systemButtons()
    {
        QFETCH(bool, showMinimize);
        QFETCH(bool, showMaximize);
        QFETCH(int, minimizeX);
        QFETCH(int, maximizeX);
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            const auto at = [direction](int x) {
                const QRect r(x, 0, 45, 30);
                return direction == Qt::LeftToRight ? r : WexalTest::Mirrored(r, 400);
            };
            WForm form;
            form.setLayoutDirection(direction);
            QVERIFY(showForm(form));
            form.SetShowMinimizeButton(showMinimize);
            form.SetShowMaximizeButton(showMaximize);
            settle();
            QCOMPARE(titleBarOf(form)->geometry(), QRect(0, 0, 400, 30));
            QCOMPARE(geometryOf(form, Close), at(355));
            QCOMPARE(buttonOf(form, Minimize)->isVisible(), minimizeX >= 0);
            if (minimizeX >= 0)
                QCOMPARE(geometryOf(form, Minimize), at(minimizeX));
            QCOMPARE(buttonOf(form, Maximize)->isVisible(), maximizeX >= 0);
            QVERIFY(!buttonOf(form, Restore)->isVisible());
            if (maximizeX >= 0)
                QCOMPARE(geometryOf(form, Maximize), at(maximizeX));
        }
    }

    void sysButtonSizeFollowsTheTitle()
    {
        WForm form;
        QVERIFY(showForm(form));
        form.SetSysButtonSize(QSize(50, 40));
        QCOMPARE(form.SysButtonSize(), QSize(50, 30));
        settle();
        QCOMPARE(geometryOf(form, Close), QRect(350, 0, 50, 30));
        QCOMPARE(geometryOf(form, Minimize), QRect(250, 0, 50, 30));

        form.SetTitleHeight(20);
        settle();
        QCOMPARE(form.TitleHeight(), 20);
        QCOMPARE(titleBarOf(form)->geometry(), QRect(0, 0, 400, 20));
        QCOMPARE(form.SysButtonSize(), QSize(50, 30)); // cut only when set
        form.SetSysButtonSize(QSize(45, 30));
        QCOMPARE(form.SysButtonSize(), QSize(45, 20));
        form.SetTitleHeight(-10);
        QCOMPARE(form.TitleHeight(), 0);
    }

    void maximiseShowsRestore()
    {
        WForm form;
        QVERIFY(showForm(form));
        clickButton(form, Maximize);
        QTRY_VERIFY(shadowOf(form)->isMaximized());
        settle();
        QTRY_VERIFY(buttonOf(form, Restore)->isVisible());
        QVERIFY(!buttonOf(form, Maximize)->isVisible());
        // The close button stays at the right end of the wider title bar.
        QCOMPARE(geometryOf(form, Close).right(), form.width() - 1);
        clickButton(form, Restore);
        QTRY_VERIFY(!shadowOf(form)->isMaximized());
        settle();
        QTRY_VERIFY(buttonOf(form, Maximize)->isVisible());
        QVERIFY(!buttonOf(form, Restore)->isVisible());
        QCOMPARE(form.geometry(), QRect(16, 16, 400, 300));

        // Minimised from maximised, showNormal brings it back maximised.
        form.showMaximized();
        QTRY_VERIFY(shadowOf(form)->isMaximized());
        QTRY_COMPARE(geometryOf(form, Close).right(), shadowOf(form)->width() - 1);
        clickButton(form, Minimize);
        QTRY_VERIFY(shadowOf(form)->isMinimized());
        form.showNormal();
        QTRY_VERIFY(!shadowOf(form)->isMinimized());
        QVERIFY(shadowOf(form)->isMaximized());
    }

    // Children take part in the layout once the window shows them.
    void dockedChildren()
    {
        WForm form;
        form.SetPadding(WPadding{0, 4, 2, 2});
        auto* status = new WTest(&form);
        status->resize(10, 20);
        status->SetDock(DockType::Bottom);
        auto* fill = new WTest(&form);
        fill->SetDock(DockType::Fill);
        form.resize(400, 300);
        settle();
        QVERIFY(!fill->IsLayoutPlaced()); // the window is not shown yet
        QVERIFY(showForm(form));
        QCOMPARE(titleBarOf(form)->geometry(), QRect(2, 0, 396, 30));
        QCOMPARE(status->geometry(), QRect(2, 276, 396, 20));
        QCOMPARE(fill->geometry(), QRect(2, 30, 396, 246));
    }

    void windowOperations()
    {
        WForm form;
        WFormShadow* shadow = shadowOf(form);
        form.setGeometry(QRect(100, 80, 300, 200));
        QCOMPARE(shadow->geometry(), QRect(84, 64, 332, 232));
        QCOMPARE(form.size(), QSize(300, 200));
        form.move(QPoint(50, 60));
        QCOMPARE(shadow->pos(), QPoint(34, 44));
        form.resize(QSize(250, 150));
        QCOMPARE(shadow->size(), QSize(282, 182));
        QCOMPARE(form.size(), QSize(250, 150));
        form.setMinimumSize(200, 100);
        QCOMPARE(shadow->minimumSize(), QSize(232, 132));
        QCOMPARE(form.minimumSize(), QSize(200, 100));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(shadow));
        QCOMPARE(form.geometry(), QRect(16, 16, 250, 150));
        form.hide();
        QVERIFY(!shadow->isVisible());
        form.show();
        QVERIFY(form.close() && !shadow->isVisible());
        QVERIFY(form.close()); // a closed window closes again quietly

        // Absurd numbers clamp instead of overflowing.
        form.move(QPoint(INT_MIN, INT_MAX));
        form.setGeometry(QRect(INT_MAX / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2));
        form.setGeometry(QRect(QPoint(INT_MAX - 5, INT_MIN), QSize(5, 1)));
        form.resize(QSize(INT_MAX, -7));
        form.setMinimumSize(INT_MAX, INT_MIN);
        QVERIFY(shadow->width() >= 32 && shadow->height() >= 32);
    }

    // Sizes no window can have: widths whose far edge int cannot reach, and sizes whose pixels
    // no backing store could hold, shown and painted, as a window and inside Designer.
    void extremeGeometry_data()
    {
        QTest::addColumn<bool>("designer");
        QTest::newRow("window") << false;
        QTest::newRow("designer") << true;
    }
    void extremeGeometry()
    {
        QFETCH(bool, designer);
        WBase::SetDesignerMode(designer);
        QWidget editor;
        WForm form(designer ? &editor : nullptr);
        QWidget* window = designer ? &editor : static_cast<QWidget*>(shadowOf(form));
        form.setGeometry(0, 0, INT_MIN, INT_MIN);
        QCOMPARE(form.size(), QSize(0, 0));
        form.setGeometry(QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX)));
        form.setGeometry(QRect(QPoint(INT_MAX, INT_MAX), QPoint(INT_MIN, INT_MIN)));
        QCOMPARE(form.size(), QSize(0, 0));
        const int limit = 16384 / qMax(qreal(1), form.devicePixelRatioF()) - 32;
        for (const QSize& huge : {QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), QSize(INT_MAX, 40)}) {
            form.resize(huge);
            QCOMPARE(form.size(), huge.boundedTo(QSize(limit, limit)));
        }
        form.setMinimumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QCOMPARE(form.minimumSize(), QSize(limit, limit));
        form.setGeometry(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        QCOMPARE(form.size(), QSize(limit, limit));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        form.repaint();
        form.setMinimumSize(0, 0);
        form.resize(QSize(200, 100));
        QCOMPARE(form.size(), QSize(200, 100));
    }

    void centredOnTheParent()
    {
        WForm parent;
        parent.move(QPoint(100, 120));
        QVERIFY(showForm(parent, QSize(600, 400)));
        WForm child(&parent);
        child.resize(QSize(201, 100));
        child.show(true);
        QVERIFY(QTest::qWaitForWindowExposed(shadowOf(child)));
        const QPoint expected = parent.mapToGlobal(QPoint(199, 150));
        QCOMPARE(shadowOf(child)->pos(), expected - QPoint(16, 16));
        QCOMPARE(child.mapToGlobal(QPoint(0, 0)), expected);
    }

    void titleFace()
    {
        WForm form;
        form.SetTitle(QStringLiteral("MMMM"));
        form.SetForeColor(QColor(255, 0, 0));
        form.SetTitleBackColor(QColor(0, 0, 255));
        form.SetBackColor(QColor(0, 255, 0));
        form.SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        form.SetTitlePadding(100);
        QFont font = form.TitleFont();
        font.setPixelSize(20);
        form.SetTitleFont(font);
        QVERIFY(showForm(form));
        const QImage image = form.grab().toImage();
        QCOMPARE(image.pixelColor(50, 15), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(50, 200), QColor(0, 255, 0));
        // The text starts at the padding, in the fore colour.
        int firstRed = -1;
        for (int x = 0; x < 300 && firstRed < 0; ++x)
            for (int y = 0; y < 30 && firstRed < 0; ++y)
                if (image.pixelColor(x, y) == QColor(255, 0, 0))
                    firstRed = x;
        QVERIFY2(firstRed >= 100 && firstRed < 110, qPrintable(QString::number(firstRed)));
        form.SetAlignment(Qt::Alignment(0xFFFF));
        QCOMPARE(int(form.Alignment()), 0x1FF);
    }

    void execResults_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("exit") << "exit 7" << 7;
        QTest::newRow("close button") << "close button" << 0;
        QTest::newRow("hidden from code") << "hide" << 0;
        QTest::newRow("exit, then hidden") << "exit 5, hide" << 0;
        QTest::newRow("closed twice") << "close, close" << 0;
        QTest::newRow("form hidden, window closed") << "form hidden, close" << 0;
    }

    void execResults()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        WForm form;
        form.resize(300, 200);
        QTimer::singleShot(0, &form, [&] {
            if (how == QLatin1String("exit 7"))
                form.exit(7);
            else if (how == QLatin1String("close button"))
                clickButton(form, Close);
            else if (how == QLatin1String("hide"))
                form.hide();
            else if (how == QLatin1String("exit 5, hide")) {
                form.exit(5);
                form.hide();
            } else if (how == QLatin1String("close, close")) {
                form.close();
                form.close();
            } else {
                static_cast<QWidget&>(form).hide();
                form.close();
            }
        });
        QCOMPARE(form.exec(), result);
        QVERIFY(!shadowOf(form)->isVisible());
        QCOMPARE(shadowOf(form)->windowModality(), Qt::NonModal);
        form.exit(3); // no loop: nothing happens
        QTimer::singleShot(0, &form, [&] { form.exit(9); });
        QCOMPARE(form.exec(), 9); // and a second run works
        static_cast<QWidget&>(form).show();
    }

    void execNesting()
    {
        WForm outer, inner(&outer);
        int innerResult = -100, nested = -100;
        QTimer::singleShot(0, &outer, [&] {
            nested = outer.exec(); // the same form: refused
            QTimer::singleShot(0, &inner, [&] { inner.exit(4); });
            innerResult = inner.exec();
            outer.exit(2);
        });
        QCOMPARE(outer.exec(), 2);
        QCOMPARE(nested, -1);
        QCOMPARE(innerResult, 4);
    }

    // The form goes away while its exec runs: from a timer, from a button's slot, with its
    // window's owner, or after exit asked for a code.
    void deletedDuringExec_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("timer") << "timer" << 0;
        QTest::newRow("button slot") << "slot" << 0;
        QTest::newRow("owner deleted") << "owner" << 0;
        QTest::newRow("exit, then deleted") << "exit" << 6;
    }

    void deletedDuringExec()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        auto* owner = new QWidget;
        auto* form = new WForm(owner);
        const QPointer<WForm> alive = form;
        form->resize(300, 200);
        auto* button = new WButton(form);
        button->setGeometry(10, 40, 50, 20);
        connect(button, &WButton::Clicked, form, [form] { delete form; });
        QTimer::singleShot(0, owner, [&] {
            if (how == QLatin1String("timer")) {
                delete form;
            } else if (how == QLatin1String("slot")) {
                const QPoint at =
                    shadowOf(*form)->mapFromGlobal(button->mapToGlobal(button->rect().center()));
                press(*form, at);
                release(*form, at);
            } else if (how == QLatin1String("owner")) {
                delete owner;
                owner = nullptr;
            } else {
                form->exit(6);
                delete form;
            }
        });
        QCOMPARE(form->exec(), result);
        QVERIFY(alive.isNull());
        delete owner;
    }

    void designerMode()
    {
        WBase::SetDesignerMode(true);
        QWidget editor;
        WForm form(&editor);
        QCOMPARE(form.parentWidget(), &editor);
        QVERIFY(!shadowOf(form));
        QVERIFY(editor.findChildren<WFormShadow*>().isEmpty());
        form.setGeometry(QRect(10, 20, 300, 200));
        form.move(QPoint(5, 6));
        form.resize(QSize(320, 210));
        QCOMPARE(form.geometry(), QRect(5, 6, 320, 210)); // no window margin to allow for
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        settle();
        QCOMPARE(geometryOf(form, Close), QRect(275, 0, 45, 30));
        QVERIFY(buttonOf(form, Maximize)->isVisible());
        QVERIFY(!buttonOf(form, Restore)->isVisible());
        // Window operations have no window to act on: harmless.
        form.showMaximized();
        form.showMinimized();
        form.showNormal();
        form.RestoreButtonClickedEvent();
        form.SetIcon(QImage(16, 16, QImage::Format_ARGB32));
        QCOMPARE(form.exec(), 0);
        form.SetCanResize(false);
        form.SetShowShadow(false);
        QVERIFY(form.isVisible());
    }
};

WEXAL_TEST_MAIN(TestWForm)
#include "tst_wform.moc"
