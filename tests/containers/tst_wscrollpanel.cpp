#include "WPanel.h"
#include "WRandomInput.h"
#include "WScrollPanel.h"

#include <QPointer>
#include <QtTest>

#include <climits>

class tst_WScrollPanel : public QObject
{
    Q_OBJECT

private slots:
    // A 300 x 300 panel over 500 x 500 content, with bars 10 thick.
    void adoptsAndScrollsPanelChild()
    {
        WScrollPanel sp;
        sp.resize(300, 300);
        QPointer<WPanel> content = new WPanel(&sp);
        auto* plain = new QWidget(&sp); // not a WPanel: left where it is
        sp.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sp));
        QCOMPARE(sp.ScrollWidget(), content.data());
        QCOMPARE(content->parentWidget()->parentWidget(), &sp); // through a viewport
        QCOMPARE(plain->parentWidget(), &sp);
        sp.SetScrollAreaSize(QSize(500, 500));
        QCOMPARE(content->parentWidget()->geometry(), QRect(0, 0, 290, 290)); // both bars shown
        QCOMPARE(content->size(), QSize(500, 500));
        sp.SetVScrollBarValue(INT_MAX);
        sp.SetHScrollBarValue(35);
        QCOMPARE(content->pos(), QPoint(-35, -210));

        sp.SetScrollAreaSize(QSize(200, 200)); // the bars go, the content fills the view
        QCOMPARE(content->geometry(), QRect(0, 0, 300, 300));
        delete content.data(); // the application may delete its content panel first
        QCOMPARE(sp.ScrollWidget(), nullptr);
        sp.SetScrollAreaSize(QSize(700, 700));
    }

    // The content stays adopted, and every offset the bars take is announced.
    void randomInput()
    {
        WScrollPanel sp;
        sp.resize(260, 200);
        auto* content = new WPanel(&sp);
        sp.SetScrollAreaSize(QSize(640, 480));
        QPoint announced;
        connect(&sp, &WScrollPanel::HScrollLocationChanged, [&](int x) { announced.rx() = x; });
        connect(&sp, &WScrollPanel::VScrollLocationChanged, [&](int y) { announced.ry() = y; });
        WexalTest::RandomInputOptions options;
        options.action = [](QRandomGenerator& rng, QWidget* w) {
            auto* p = static_cast<WScrollPanel*>(w);
            const int v = WexalTest::ExtremeInt(rng);
            if (rng.bounded(3) == 0)
                p->SetScrollAreaSize(QSize(v, WexalTest::ExtremeInt(rng)));
            else
                rng.bounded(2) ? p->SetHScrollBarValue(v) : p->SetVScrollBarValue(v);
        };
        options.invariant = [&](QWidget* w) -> QString {
            auto* p = static_cast<WScrollPanel*>(w);
            if (p->ScrollWidget() != content || content->parentWidget() == p)
                return QStringLiteral("lost its content panel");
            const QPoint held(p->HScrollBarValue(), p->VScrollBarValue());
            return held == announced ? QString() : QStringLiteral("an offset went unannounced");
        };
        QCOMPARE(WexalTest::RunRandomInput(&sp, options), QString());
    }
};

QTEST_MAIN(tst_WScrollPanel)
#include "tst_wscrollpanel.moc"
