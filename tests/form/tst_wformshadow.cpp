// WFormShadow: the window around a form. Placement of the form, the hit test that tells the
// window system where the title bar and the resize zones are, what a press, a drag and a double
// click there do, the resize cursors, the active and inactive shadow, the margin cut away where
// nothing can show it translucent, and its destruction.
#include "FormTestSupport.h"
#include "WTestSuite.h"
#include "WTextTable.h"

using namespace FormTest;
using Hit = WFormShadow::Hit;

namespace {

// The hits by name, in the order of the enumeration.
const QStringList hitNames{"Client",  "Caption",  "Left",   "Right",      "Top",
                           "TopLeft", "TopRight", "Bottom", "BottomLeft", "BottomRight"};

// The alpha the shadow alone paints at a point of its window.
int shadowAlpha(WFormShadow* shadow, const QPoint& at)
{
    QImage image(shadow->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    shadow->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return qAlpha(image.pixel(at));
}

} // namespace

class TestWFormShadow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { WFormShadow::OverrideTranslucency(-1); }

    // The rows are in tst_wformshadow.hits.
    void hitTest_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("hit");
        for (const QStringList& f :
             WexalTest::TextTable(WexalTest::TestData("form/tst_wformshadow.hits"), 5)) {
            QTest::newRow(qPrintable(f[0])) << f[1] << QPoint(f[2].toInt(), f[3].toInt()) << f[4];
        }
    }

    // The hit also picks the resize cursor shown while hovering there (the widgets' own off the
    // zones), and every non-client press reaches the form's title hook.
    void hitTest()
    {
        QFETCH(QString, setup);
        QFETCH(QPoint, pos);
        QFETCH(QString, hit);
        QVERIFY2(!QByteArray(QTest::currentDataTag()).startsWith('<'), QTest::currentDataTag());
        WFormShadow::OverrideTranslucency(setup.contains('c') ? 0 : 1);
        struct Form : WForm
        {
            int presses = 0;
            void TitleMousePressEvent() override { ++presses; }
        } form;
        form.SetShowShadow(!setup.contains('s'));
        form.SetCanResize(!setup.contains('r'));
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        QCOMPARE(hitNames.value(int(shadow->HitTest(pos))), hit);
        const QMap<QString, Qt::CursorShape> cursors{
            {"Left", Qt::SizeHorCursor},       {"Right", Qt::SizeHorCursor},
            {"Top", Qt::SizeVerCursor},        {"Bottom", Qt::SizeVerCursor},
            {"TopLeft", Qt::SizeFDiagCursor},  {"BottomRight", Qt::SizeFDiagCursor},
            {"TopRight", Qt::SizeBDiagCursor}, {"BottomLeft", Qt::SizeBDiagCursor}};
        hover(form, pos);
        QCOMPARE(shadow->cursor().shape(), cursors.value(hit, Qt::ArrowCursor));
        hover(form, QPoint(200, 200));
        QCOMPARE(shadow->cursor().shape(), Qt::ArrowCursor);
        press(form, pos);
        release(form, pos);
        QCOMPARE(form.presses, int(hit != QLatin1String("Client")));
    }

    // Where the platform cannot move the window itself (as offscreen), the window follows the
    // pointer: by the drag on the bare title bar, not at all from a button, and resized from a
    // corner within its minimum size. The press that starts a move or resize never reaches the
    // widgets, nor does its release: a button whose left 5 pixels lie in the left zone must not
    // take it for a click there, only beside the zone.
    void dragging_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<bool>("canResize");
        QTest::addColumn<QRect>("geometry"); // relative to the start: moved by x, y; grown by w, h
        QTest::addColumn<int>("clicks");     // of the button by the left edge
        const QPoint none(0, 0);
        QTest::newRow("title bar")
            << QPoint(100, 30) << QPoint(57, -23) << true << QRect(57, -23, 0, 0) << 0;
        QTest::newRow("close button") << QPoint(390, 30) << QPoint(50, 50) << true << QRect() << 0;
        QTest::newRow("bottom-right corner")
            << QPoint(425, 325) << QPoint(30, 20) << true << QRect(0, 0, 30, 20) << 0;
        QTest::newRow("left edge")
            << QPoint(10, 200) << QPoint(-40, 9) << true << QRect(-40, 0, 40, 0) << 0;
        QTest::newRow("top-left, past the minimum")
            << QPoint(5, 5) << QPoint(500, 500) << true << QRect(132, 232, -132, -232) << 0;
        QTest::newRow("edge without resizing")
            << QPoint(425, 325) << QPoint(30, 20) << false << QRect() << 0;
        QTest::newRow("title bar without resizing")
            << QPoint(100, 30) << QPoint(-5, 8) << false << QRect(-5, 8, 0, 0) << 0;
        QTest::newRow("button in the zone") << QPoint(18, 130) << none << true << QRect() << 0;
        QTest::newRow("button beside the zone") << QPoint(30, 130) << none << true << QRect() << 1;
    }

    void dragging()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, by);
        QFETCH(bool, canResize);
        QFETCH(QRect, geometry);
        WForm form;
        form.SetCanResize(canResize);
        form.setMinimumSize(268, 68);
        auto* edgeButton = new WButton(&form);
        edgeButton->setGeometry(0, 100, 40, 40);
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        const QRect start = shadow->geometry();
        const QPoint global = start.topLeft() + from;
        const QSignalSpy closed(buttonOf(form, Close), &WButton::Clicked);
        const QSignalSpy clicked(edgeButton, &WButton::Clicked);
        press(form, from);
        for (int step = 1; step <= 4; ++step)
            dragTo(form, global + by * step / 4);
        release(form, global + by - shadow->pos());
        settle();
        const QRect expected(start.topLeft() + geometry.topLeft(),
                             start.size() + QSize(geometry.width(), geometry.height()));
        QCOMPARE(shadow->geometry(), expected);
        QCOMPARE(closed.count(), 0);
        QTEST(int(clicked.count()), "clicks");
    }

    void doubleClick_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("canResize");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("title bar") << QPoint(100, 30) << true << true;
        QTest::newRow("title bar without resizing") << QPoint(100, 30) << false << false;
        QTest::newRow("resize zone") << QPoint(5, 200) << true << true;
        QTest::newRow("client area") << QPoint(200, 200) << true << false;
    }

    void doubleClick()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, canResize);
        QFETCH(bool, toggles);
        WForm form;
        form.SetCanResize(canResize);
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        QTest::mouseDClick(handleOf(form), Qt::LeftButton, {}, at);
        settle();
        if (!toggles) {
            QTest::qWait(50);
            QVERIFY(!shadow->isMaximized());
            return;
        }
        QTRY_VERIFY(shadow->isMaximized());
        // The second double click lands on the title bar of the maximised window.
        QTest::mouseDClick(handleOf(form), Qt::LeftButton, {}, QPoint(100, 10));
        QTRY_VERIFY(!shadow->isMaximized());
        QTRY_COMPARE(form.geometry(), QRect(16, 16, 400, 300));
    }

    // Maximised by its button, the window has no margin, no shadow and no resize zone: the form
    // and its title bar reach the edges, the restore button takes the maximise button's place.
    // Restored, all comes back; minimised from maximised, showNormal brings it back maximised.
    // Without a compositor the margin is cut away, as the mask shows, and the cut follows the
    // form's size; with one, nothing is cut.
    void maximised()
    {
        WFormShadow::OverrideTranslucency(0); // the margin is cut: the mask shows it
        WForm form;
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        click(form, buttonOf(form, Maximize));
        QTRY_VERIFY(shadow->WasMaximized());
        QTRY_VERIFY(shadow->width() > 432);
        QTRY_COMPARE(form.geometry(), shadow->rect());
        settle();
        QTRY_VERIFY(buttonOf(form, Restore)->isVisible());
        QVERIFY(!buttonOf(form, Maximize)->isVisible());
        QCOMPARE(buttonOf(form, Close)->geometry().right(), form.width() - 1);
        QVERIFY(shadow->mask().isEmpty());
        QCOMPARE(shadowAlpha(shadow, QPoint(15, 166)), 0);
        QCOMPARE(shadow->HitTest(QPoint(0, 0)), Hit::Caption);
        QCOMPARE(shadow->HitTest(QPoint(0, shadow->height() / 2)), Hit::Client);
        click(form, buttonOf(form, Restore));
        QTRY_VERIFY(!shadow->isMaximized());
        settle();
        QTRY_VERIFY(buttonOf(form, Maximize)->isVisible());
        QVERIFY(!buttonOf(form, Restore)->isVisible());
        QTRY_COMPARE(form.geometry(), QRect(16, 16, 400, 300));
        QTRY_COMPARE(shadow->mask(), QRegion(16, 16, 400, 300));
        form.resize(300, 200); // the cut follows the form
        QTRY_COMPARE(shadow->mask(), QRegion(16, 16, 300, 200));
        WFormShadow::OverrideTranslucency(1); // a compositor came: nothing is cut any more
        shadow->UpdateWindowShape();
        QVERIFY(!shadow->MarginCut());
        QVERIFY(shadow->mask().isEmpty());
        WFormShadow::OverrideTranslucency(0);

        form.showMaximized();
        QTRY_VERIFY(shadow->isMaximized());
        QTRY_COMPARE(buttonOf(form, Close)->geometry().right(), shadow->width() - 1);
        click(form, buttonOf(form, Minimize));
        QTRY_VERIFY(shadow->isMinimized());
        form.showNormal();
        QTRY_VERIFY(!shadow->isMinimized());
        QVERIFY(shadow->isMaximized());
    }

    // Activation follows the window system, and the shadow's look with it (each look is the
    // density test's, against its drawing): nothing in the centre, nothing at all without
    // ShowShadow.
    void activeAndInactiveShadow()
    {
        WForm form;
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        const QPoint innerEdge(15, 166), centre(216, 166);
        shadow->activateWindow();
        QTRY_VERIFY(shadow->IsActive());
        QWidget other;
        other.setGeometry(600, 400, 50, 50);
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!shadow->IsActive());
        QCOMPARE(shadowAlpha(shadow, centre), 0);
        shadow->activateWindow();
        QTRY_VERIFY(shadow->IsActive());
        QVERIFY(shadowAlpha(shadow, innerEdge) > 0);
        form.SetShowShadow(false);
        QCOMPARE(shadowAlpha(shadow, innerEdge), 0);
    }

    void destruction()
    {
        // The form takes its window along.
        auto* form = new WForm;
        QPointer<WFormShadow> shadow = shadowOf(*form);
        QVERIFY(showForm(*form));
        delete form;
        QVERIFY(shadow.isNull());

        // The window's owner goes first: window and form go with it.
        auto* owner = new QWidget;
        auto* owned = new WForm(owner);
        QPointer<WForm> ownedForm = owned;
        shadow = shadowOf(*owned);
        QCOMPARE(shadow->parentWidget(), owner);
        QVERIFY(showForm(*owned));
        delete owner;
        QVERIFY(shadow.isNull());
        QVERIFY(ownedForm.isNull());

        // The window alone: the form goes with it and knows.
        auto* lone = new WForm;
        QPointer<WForm> loneForm = lone;
        delete shadowOf(*lone);
        QVERIFY(loneForm.isNull());

        // A parent form takes its child forms' windows.
        auto* parent = new WForm;
        auto* child = new WForm(parent);
        QPointer<WForm> childForm = child;
        QCOMPARE(shadowOf(*child)->parentWidget(), shadowOf(*parent));
        delete parent;
        QVERIFY(childForm.isNull());

        // A title hook deletes the form, and so its window, from the press: nothing may run on.
        struct Deleting : WForm
        {
            void TitleMousePressEvent() override { delete this; }
        };
        auto* pressed = new Deleting;
        QVERIFY(showForm(*pressed));
        shadow = shadowOf(*pressed);
        QTest::mousePress(handleOf(*pressed), Qt::LeftButton, {}, QPoint(100, 30));
        QVERIFY(shadow.isNull());
    }
};

WEXAL_TEST_MAIN(TestWFormShadow)
#include "tst_wformshadow.moc"
