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

} // namespace

class TestWForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { WBase::SetDesignerMode(false); }

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
            QCOMPARE(geometryOf(form, Close), at(355));
            QCOMPARE(buttonOf(form, Minimize)->isVisible(), minimizeX >= 0);
            if (minimizeX >= 0)
                QCOMPARE(geometryOf(form, Minimize), at(minimizeX));
            QCOMPARE(buttonOf(form, Maximize)->isVisible(), maximizeX >= 0);
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

        form.SetTitleHeight(20);
        settle();
        QCOMPARE(titleBarOf(form)->geometry(), QRect(0, 0, 400, 20));
        QCOMPARE(form.SysButtonSize(), QSize(50, 30)); // cut only when set
        form.SetSysButtonSize(QSize(45, 30));
        QCOMPARE(form.SysButtonSize(), QSize(45, 20));
        form.SetTitleHeight(-10);
        QCOMPARE(form.TitleHeight(), 0);
    }

    // Docked children and the title bar share the form's padding.
    void dockedChildren()
    {
        WForm form;
        form.SetPadding(WPadding{0, 4, 2, 2});
        auto* status = new WTest(&form);
        status->resize(10, 20);
        status->SetDock(DockType::Bottom);
        auto* fill = new WTest(&form);
        fill->SetDock(DockType::Fill);
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
        form.move(QPoint(50, 60));
        QCOMPARE(shadow->pos(), QPoint(34, 44));
        form.resize(QSize(250, 150));
        QCOMPARE(shadow->size(), QSize(282, 182));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(shadow));
        QCOMPARE(form.geometry(), QRect(16, 16, 250, 150));
        QVERIFY(form.close() && !shadow->isVisible());
        QVERIFY(form.close()); // a closed window closes again quietly
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

    // However the run ends, exec returns its code, leaves the window hidden and not modal, and
    // can run again; the form may also go away during the run: from a timer, from a button's
    // slot, with its window's owner, or after exit asked for a code.
    void execEnds_data()
    {
        QTest::addColumn<QString>("how"); // steps, one after another
        QTest::addColumn<int>("result");
        QTest::newRow("exit") << "exit 7" << 7;
        QTest::newRow("close button") << "click close" << 0;
        QTest::newRow("hidden from code") << "hide" << 0;
        QTest::newRow("exit, then hidden") << "exit 5, hide" << 0;
        QTest::newRow("closed twice") << "close, close" << 0;
        QTest::newRow("form hidden, window closed") << "hide form, close" << 0;
        QTest::newRow("deleted from a timer") << "delete" << 0;
        QTest::newRow("deleted from a button's slot") << "click deleting button" << 0;
        QTest::newRow("owner deleted") << "delete owner" << 0;
        QTest::newRow("exit, then deleted") << "exit 6, delete" << 6;
    }
    void execEnds()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        auto owner = std::make_unique<QWidget>();
        const QPointer<WForm> form = new WForm(owner.get());
        form->resize(300, 200);
        auto* button = new WButton(form);
        button->setGeometry(10, 40, 50, 20);
        connect(button, &WButton::Clicked, form, [&form] { delete form.data(); });
        QTimer::singleShot(0, owner.get(), [&] {
            for (const QString& step : how.split(QStringLiteral(", "))) {
                if (step.startsWith(QLatin1String("exit ")))
                    form->exit(step.mid(5).toInt());
                else if (step == QLatin1String("click close"))
                    click(*form, buttonOf(*form, Close));
                else if (step == QLatin1String("click deleting button"))
                    click(*form, button);
                else if (step == QLatin1String("hide"))
                    form->hide();
                else if (step == QLatin1String("hide form"))
                    static_cast<QWidget*>(form.data())->hide();
                else if (step == QLatin1String("close"))
                    form->close();
                else if (step == QLatin1String("delete"))
                    delete form.data();
                else
                    owner.reset();
            }
        });
        QCOMPARE(form->exec(), result);
        QCOMPARE(form.isNull(), how.contains(QLatin1String("delet")));
        if (form.isNull())
            return;
        QVERIFY(!shadowOf(*form)->isVisible());
        QCOMPARE(shadowOf(*form)->windowModality(), Qt::NonModal);
        form->exit(3); // no loop: nothing happens
        QTimer::singleShot(0, form, [&] { form->exit(9); });
        QCOMPARE(form->exec(), 9); // and a second run works
        static_cast<QWidget*>(form.data())->show();
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

    void designerMode()
    {
        WBase::SetDesignerMode(true);
        QWidget editor;
        WForm form(&editor);
        QVERIFY(!shadowOf(form));
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
