// Two screens side by side, the left one at one device pixel per pixel and the right one at two
// (the program runs on an offscreen platform configured so, see two-screens.json): popups open
// on the screen of the point they belong to, and windows paint at the density of the screen they
// are on, also after moving there.
#include "../form/FormTestSupport.h"
#include "WComboDropDownBox_p.h"
#include "WTestSuite.h"

namespace {

QScreen* screenNamed(const char* name)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(name))
            return s;
    return nullptr;
}

// A menu of a few lines, run at pos and closed from inside its loop; its window's geometry and
// screen as it was open.
struct MenuRun
{
    QRect geometry;
    QString screen;
    qreal ratio = 0;
};

MenuRun runMenu(const QPoint& pos, Qt::LayoutDirection direction)
{
    WMenu menu;
    menu.setLayoutDirection(direction);
    for (const char* text : {"Open", "Save as", "Close"})
        menu.AddItem(QString::fromLatin1(text));
    MenuRun run;
    QTimer::singleShot(0, &menu, [&] {
        run.geometry = menu.geometry();
        run.screen = menu.screen() ? menu.screen()->name() : QString();
        run.ratio = menu.devicePixelRatioF();
        menu.hide();
    });
    menu.exec(pos);
    return run;
}

// The window's picture as the active window (the shadow is darker there than behind an inactive
// one), so that windows of different screens compare by density alone.
QImage grabbed(QWidget* window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return QImage();
    return window->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The top left corner of the active window's shadow as drawn for scale, margin by margin.
QImage shadowCorner(int scale)
{
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    QImage drawing(QStringLiteral("://Icons/WForm/ShadowActive%1.png").arg(suffix));
    drawing.setDevicePixelRatio(scale);
    return drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .copy(0, 0, 16 * scale, 16 * scale);
}

std::unique_ptr<WForm> styledForm()
{
    auto form = std::make_unique<WForm>();
    form->SetTitle(QStringLiteral("Settings"));
    form->SetBackColor(QColor(246, 247, 249));
    form->SetTitleBackColor(QColor(37, 99, 235));
    auto* button = new WButton(form.get());
    button->setGeometry(20, 50, 120, 32);
    button->SetText(QStringLiteral("Apply"));
    button->SetRadius(8);
    button->SetBackColor(QColor(16, 185, 129));
    button->SetForeColor(Qt::white);
    button->SetBorderWidth(1);
    button->SetBorderColor(QColor(4, 120, 87));
    return form;
}

} // namespace

class tst_Screens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WexalTest::QuietPopupWarnings();
        // Everything below assumes the configured pair; without it the test would prove nothing.
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QVERIFY(screenNamed("left") && screenNamed("right"));
        QCOMPARE(screenNamed("right")->devicePixelRatio(), 2.0);
        QCOMPARE(screenNamed("right")->geometry(), QRect(1000, 0, 800, 1200));
    }

    void menuOpensOnThePointsScreen_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<QString>("screen");
        // Which corner of the menu is at pos: left or right, top or bottom.
        QTest::addColumn<bool>("atRight");
        QTest::addColumn<bool>("atBottom");
        QTest::newRow("left screen, room")
            << QPoint(100, 100) << Qt::LeftToRight << "left" << false << false;
        // Flipped at the left screen's own right edge instead of spilling onto the right one.
        QTest::newRow("left screen's right edge")
            << QPoint(980, 100) << Qt::LeftToRight << "left" << true << false;
        // The left screen is 700 high, the right one 1200: only the right one's bottom counts.
        QTest::newRow("right screen, below the left's bottom")
            << QPoint(1100, 690) << Qt::LeftToRight << "right" << false << false;
        QTest::newRow("right screen's bottom edge")
            << QPoint(1100, 1190) << Qt::LeftToRight << "right" << false << true;
        // Right to left it opens leftward, and flips right at the right screen's left edge
        // rather than reaching over onto the left screen.
        QTest::newRow("right to left, room")
            << QPoint(1500, 100) << Qt::RightToLeft << "right" << true << false;
        QTest::newRow("right to left, right screen's left edge")
            << QPoint(1010, 100) << Qt::RightToLeft << "right" << false << false;
        // Past every screen's outer edge: the nearest screen, not the primary one, decides.
        QTest::newRow("beyond the right screen")
            << QPoint(1900, 900) << Qt::LeftToRight << "right" << true << false;
        QTest::newRow("below the left screen")
            << QPoint(500, 800) << Qt::LeftToRight << "left" << false << true;
    }

    void menuOpensOnThePointsScreen()
    {
        QFETCH(QPoint, pos);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(QString, screen);
        QFETCH(bool, atRight);
        QFETCH(bool, atBottom);
        const MenuRun run = runMenu(pos, direction);
        QVERIFY(run.geometry.isValid());
        QCOMPARE(QPoint(atRight ? run.geometry.x() + run.geometry.width() : run.geometry.x(),
                        atBottom ? run.geometry.y() + run.geometry.height() : run.geometry.y()),
                 pos);
        const QRect area = screenNamed(screen.toLatin1())->geometry();
        // Whole on its screen when the point is; a point outside every screen keeps its corner.
        if (area.contains(pos)) {
            QVERIFY2(area.contains(run.geometry), qPrintable(QDebug::toString(run.geometry)));
            QCOMPARE(run.screen, screen);
            QCOMPARE(run.ratio, screenNamed(screen.toLatin1())->devicePixelRatio());
        }
    }

    void comboListOpensOnTheBoxsScreen_data()
    {
        QTest::addColumn<QPoint>("windowPos");
        QTest::addColumn<QString>("screen");
        QTest::newRow("left") << QPoint(100, 100) << "left";
        QTest::newRow("right") << QPoint(1200, 100) << "right";
    }

    void comboListOpensOnTheBoxsScreen()
    {
        QFETCH(QPoint, windowPos);
        QFETCH(QString, screen);
        WPanel window;
        window.setGeometry(QRect(windowPos, QSize(300, 200)));
        auto* box = new WComboBox(&window);
        box->setGeometry(20, 30, 120, 24);
        box->SetItems({"One", "Two", "Three"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.screen()->name(), screen);
        QRect listGeometry;
        QString listScreen;
        qreal listRatio = 0;
        QTimer::singleShot(0, box, [&] {
            if (auto* list = qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget())) {
                listGeometry = list->geometry();
                listScreen = list->screen()->name();
                listRatio = list->devicePixelRatioF();
                list->hide();
            }
        });
        WexalTest::MousePress(box, QPoint(10, 10));
        WexalTest::MouseRelease(box, QPoint(10, 10));
        QCOMPARE(listScreen, screen);
        QCOMPARE(listRatio, window.screen()->devicePixelRatio());
        QCOMPARE(listGeometry.topLeft(),
                 box->mapToGlobal(QPoint(0, box->height() - box->BorderWidth())));
    }

    // A form moved onto the denser screen paints there exactly as one shown there from the
    // start: shadow, title glyphs and rounded parts at two device pixels per pixel, its logical
    // size kept. Moved back, it matches the one that never left. Stale pictures cached at the
    // other density would show as a difference.
    void formRepaintsAtItsNewScreensDensity()
    {
        const auto travelling = styledForm();
        const auto stayingLeft = styledForm();
        const auto bornRight = styledForm();
        for (WForm* form : {travelling.get(), stayingLeft.get(), bornRight.get()})
            QVERIFY(FormTest::showForm(*form, QSize(360, 240)));
        travelling->move(100, 100);
        stayingLeft->move(100, 400);
        bornRight->move(1100, 100);
        FormTest::settle();
        WFormShadow* moving = FormTest::shadowOf(*travelling);
        const QImage left = grabbed(FormTest::shadowOf(*stayingLeft));
        QVERIFY(!left.isNull());
        QCOMPARE(grabbed(moving), left);
        QCOMPARE(left.devicePixelRatio(), 1.0);

        travelling->move(1100, 100);
        FormTest::settle();
        QCOMPARE(moving->screen()->name(), QStringLiteral("right"));
        QCOMPARE(travelling->size(), QSize(360, 240));
        const QImage right = grabbed(moving);
        QCOMPARE(right.devicePixelRatio(), 2.0);
        QCOMPARE(right.size(), left.size() * 2);
        QCOMPARE(right, grabbed(FormTest::shadowOf(*bornRight)));
        // Sharp, not the one-to-one picture enlarged: the shadow's corner is the drawing made for
        // that density, pixel for pixel.
        QCOMPARE(right.copy(0, 0, 32, 32), shadowCorner(2));
        QCOMPARE(left.copy(0, 0, 16, 16), shadowCorner(1));

        travelling->move(100, 100);
        FormTest::settle();
        QCOMPARE(moving->screen()->name(), QStringLiteral("left"));
        QCOMPARE(grabbed(moving), left);
    }

    // Maximised, a form fills the area of the screen it is on, whichever that is, and its
    // shadow window has no margin left.
    void maximisedFillsItsOwnScreen_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("screen");
        QTest::newRow("left") << QPoint(100, 100) << "left";
        QTest::newRow("right") << QPoint(1100, 300) << "right";
    }

    void maximisedFillsItsOwnScreen()
    {
        QFETCH(QPoint, pos);
        QFETCH(QString, screen);
        const auto form = styledForm();
        QVERIFY(FormTest::showForm(*form, QSize(360, 240)));
        form->move(pos);
        FormTest::settle();
        form->showMaximized();
        QTRY_VERIFY(FormTest::shadowOf(*form)->isMaximized());
        FormTest::settle();
        const QRect area = screenNamed(screen.toLatin1())->availableGeometry();
        QTRY_COMPARE(FormTest::shadowOf(*form)->geometry(), area);
        QTRY_COMPARE(form->geometry(), QRect(QPoint(0, 0), area.size()));
        QCOMPARE(FormTest::shadowOf(*form)->screen()->name(), screen);
    }
};

WEXAL_TEST_MAIN(tst_Screens)
#include "tst_screens.moc"
