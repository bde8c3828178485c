#include "WPanel.h"
#include "WRandomInput.h"
#include "WScrollBar_p.h"
#include "WScrollPanel.h"
#include "WTestMouse.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <climits>

class tst_WScrollPanel : public QObject
{
    Q_OBJECT

private slots:
    void adoptsPanelChild();
    void adoptsPanelAddedWhileShown();
    void otherChildrenStay();
    void scrollsContent();
    void scrollsWithMouse();
    void smallerAreaHidesBars();
    void withoutScrollWidget();
    void contentDeletedFirst();
    void designerViewport();
    void randomInput();
};

static void settle()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

static void showAndSettle(QWidget& w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    settle();
}

static WScrollBar* bar(WScrollPanel& p, OrientationType::Types orientation)
{
    for (WScrollBar* b : p.findChildren<WScrollBar*>())
        if (b->Orientation() == orientation)
            return b;
    return nullptr;
}

void tst_WScrollPanel::adoptsPanelChild()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    sp.SetScrollAreaSize(QSize(500, 400));
    auto* content = new WPanel(&sp);
    content->SetBackColor(Qt::white);
    QCOMPARE(sp.ScrollWidget(), nullptr);
    showAndSettle(sp);

    QCOMPARE(sp.ScrollWidget(), content);
    QVERIFY(content->parentWidget() != &sp);
    QCOMPARE(content->parentWidget()->parentWidget(), &sp);
    QCOMPARE(content->parentWidget()->geometry(), sp.ScrollContainerArea());
    QCOMPARE(content->Dock(), DockType::Fill);
    QVERIFY(content->IsPassive());
    QVERIFY(!content->CanReLayoutParent());
    QCOMPARE(content->minimumSize(), QSize(500, 400));
    QVERIFY(content->isVisible());
    QCOMPARE(content->size(), QSize(500, 400));
}

void tst_WScrollPanel::adoptsPanelAddedWhileShown()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    sp.SetScrollAreaSize(QSize(500, 500));
    auto* first = new WPanel(&sp);
    showAndSettle(sp);
    auto* second = new WPanel(&sp);
    second->show();
    settle();
    QCOMPARE(sp.ScrollWidget(), second);
    QVERIFY(second->isVisible());
    QCOMPARE(first->parentWidget(), second->parentWidget()); // the earlier one stays
}

void tst_WScrollPanel::otherChildrenStay()
{
    WScrollPanel sp;
    sp.resize(200, 200);
    auto* plain = new QWidget(&sp);
    showAndSettle(sp);
    QCOMPARE(sp.ScrollWidget(), nullptr);
    QCOMPARE(plain->parentWidget(), &sp);
}

void tst_WScrollPanel::scrollsContent()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    auto* content = new WPanel(&sp);
    showAndSettle(sp);
    QSignalSpy vSpy(&sp, &WScrollPanel::VScrollLocationChanged);
    QSignalSpy hSpy(&sp, &WScrollPanel::HScrollLocationChanged);
    sp.SetScrollAreaSize(QSize(500, 500));

    QVERIFY(bar(sp, OrientationType::Horizontal)->isVisible());
    QVERIFY(bar(sp, OrientationType::Vertical)->isVisible());
    QCOMPARE(sp.ScrollContainerArea(), QRect(0, 0, 290, 290));
    QCOMPARE(content->size(), QSize(500, 500));
    QCOMPARE(vSpy.count(), 1); // every ReLayout reports the offsets
    QCOMPARE(hSpy.count(), 1);

    sp.SetVScrollBarValue(INT_MAX);
    QCOMPARE(content->pos(), QPoint(0, -210));
    QCOMPARE(vSpy.last().at(0).toInt(), 210);
    sp.SetHScrollBarValue(35);
    QCOMPARE(content->pos(), QPoint(-35, -210));
    QCOMPARE(hSpy.last().at(0).toInt(), 35);
}

void tst_WScrollPanel::scrollsWithMouse()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    auto* content = new WPanel(&sp);
    sp.SetScrollAreaSize(QSize(290, 1000));
    showAndSettle(sp);

    QVERIFY(WexalTest::Wheel(&sp, QPoint(100, 100), QPoint(0, -360)));
    QCOMPARE(content->y(), -30);
    WScrollBar* v = bar(sp, OrientationType::Vertical);
    const int start = v->SliderRect().top();
    WexalTest::MousePress(v, QPoint(5, start + 3));
    WexalTest::MouseMove(v, QPoint(5, 289));
    WexalTest::MouseRelease(v, QPoint(5, 289));
    QCOMPARE(content->y(), -700);
}

void tst_WScrollPanel::smallerAreaHidesBars()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    auto* content = new WPanel(&sp);
    showAndSettle(sp);
    sp.SetScrollAreaSize(QSize(500, 500));
    sp.SetVScrollBarValue(100);
    sp.SetHScrollBarValue(50);

    sp.SetScrollAreaSize(QSize(200, 200));
    QVERIFY(!bar(sp, OrientationType::Horizontal)->isVisible());
    QVERIFY(!bar(sp, OrientationType::Vertical)->isVisible());
    QCOMPARE(sp.HScrollBarValue(), 0);
    QCOMPARE(sp.VScrollBarValue(), 0);
    QCOMPARE(content->geometry(), QRect(0, 0, 300, 300));
}

void tst_WScrollPanel::withoutScrollWidget()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    showAndSettle(sp);
    QSignalSpy vSpy(&sp, &WScrollPanel::VScrollLocationChanged);
    QSignalSpy hSpy(&sp, &WScrollPanel::HScrollLocationChanged);
    sp.SetScrollAreaSize(QSize(800, 800));
    sp.SetVScrollBarValue(40);
    QCOMPARE(sp.VScrollBarValue(), 40);
    QCOMPARE(vSpy.count() + hSpy.count(), 0);
}

void tst_WScrollPanel::contentDeletedFirst()
{
    WScrollPanel sp;
    sp.resize(300, 300);
    QPointer<WPanel> content = new WPanel(&sp);
    sp.SetScrollAreaSize(QSize(600, 600));
    showAndSettle(sp);
    delete content.data();
    QCOMPARE(sp.ScrollWidget(), nullptr);
    sp.SetVScrollBarValue(100);
    sp.SetScrollAreaSize(QSize(700, 700));
    sp.resize(200, 200);
    settle();
    QCOMPARE(sp.VScrollBarValue(), 100);
}

void tst_WScrollPanel::designerViewport()
{
    WBase::SetDesignerMode(true);
    WScrollPanel sp;
    WBase::SetDesignerMode(false);
    int passive = 0;
    for (QWidget* w : sp.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        passive += w->objectName().startsWith(QStringLiteral("__qt__passive_"));
    QCOMPARE(passive, 3); // two bars and the viewport
}

void tst_WScrollPanel::randomInput()
{
    WScrollPanel sp;
    sp.resize(260, 200);
    sp.SetBackColor(Qt::white);
    auto* content = new WPanel(&sp);
    content->SetBackColor(QColor(0xDB, 0xEA, 0xFE));
    for (int i = 0; i < 4; ++i) {
        auto* tile = new WPanel(content);
        tile->resize(80, 60);
        tile->SetBackColor(Qt::blue);
        tile->SetDock(i % 2 ? DockType::Top : DockType::Left);
    }
    sp.SetScrollAreaSize(QSize(640, 480));

    int lastH = 0, lastV = 0;
    connect(&sp, &WScrollPanel::HScrollLocationChanged, [&](int x) { lastH = x; });
    connect(&sp, &WScrollPanel::VScrollLocationChanged, [&](int y) { lastV = y; });
    WexalTest::RandomInputOptions options;
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* p = static_cast<WScrollPanel*>(w);
        switch (rng.bounded(3)) {
        case 0:
            p->SetScrollAreaSize(QSize(WexalTest::ExtremeInt(rng), WexalTest::ExtremeInt(rng)));
            break;
        case 1:
            p->SetHScrollBarValue(WexalTest::ExtremeInt(rng));
            break;
        default:
            p->SetVScrollBarValue(WexalTest::ExtremeInt(rng));
            break;
        }
    };
    options.invariant = [&](QWidget* w) -> QString {
        auto* p = static_cast<WScrollPanel*>(w);
        if (p->ScrollWidget() != content)
            return QStringLiteral("lost its content panel");
        if (content->parentWidget() == p)
            return QStringLiteral("content outside the viewport");
        // Every offset the bars take is announced.
        if (lastH != p->HScrollBarValue() || lastV != p->VScrollBarValue())
            return QStringLiteral("offsets %1, %2 announced as %3, %4")
                .arg(p->HScrollBarValue())
                .arg(p->VScrollBarValue())
                .arg(lastH)
                .arg(lastV);
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&sp, options), QString());
}

QTEST_MAIN(tst_WScrollPanel)
#include "tst_wscrollpanel.moc"
