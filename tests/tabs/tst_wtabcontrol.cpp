// WTabControl: the layout of pages, tabs and padding panel on every side, the selection rules,
// tab clicks, pages that leave the control in any way, and slots that delete what emitted.
#include "WButton.h"
#include "WEvent.h"
#include "WPanel.h"
#include "WRandomInput.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTestMouse.h"

#include <QtTest>

#include <memory>

namespace {

void settle()
{
    for (int i = 0; i < 6; ++i)
        QCoreApplication::sendPostedEvents();
}

WTabPage* makePage(const QString& text = QString(), bool withTab = true)
{
    auto* p = new WTabPage(nullptr, withTab);
    p->SetText(text);
    return p;
}

// The padding panel is the control's only WPanel child that is not a page.
WPanel* paddingPanel(WTabControl& c)
{
    for (QObject* o : c.children()) {
        auto* p = qobject_cast<WPanel*>(o);
        if (p && !qobject_cast<WTabPage*>(o))
            return p;
    }
    return nullptr;
}

QList<int> emitted(const QSignalSpy& spy)
{
    QList<int> out;
    for (const QList<QVariant>& args : spy)
        out << args.at(0).toInt();
    return out;
}

// A shown control of 200 x 200 with 50 x 20 tabs and the given pages.
struct Shown
{
    explicit Shown(int pageCount = 0)
    {
        c.resize(200, 200);
        c.SetTabBarSize(QSize(50, 20));
        c.show();
        for (int i = 0; i < pageCount; ++i)
            c.AddPage(makePage(QString::number(i)));
        settle();
    }
    // Exactly the selected page is visible and carries the selected look.
    QString SelectionShown() const
    {
        for (int i = 0; i < c.Count(); ++i) {
            const bool selected = i == c.SelectedIndex();
            if (c.Page(i)->isVisible() != selected || c.Page(i)->IsSelected() != selected)
                return QStringLiteral("page %1 wrongly shown").arg(i);
        }
        return QString();
    }
    WTabControl c;
};

} // namespace

class TestWTabControl : public QObject
{
    Q_OBJECT

private slots:
    // Two or more pages in a 200 x 200 control with 50 x 20 tabs: every page at one rectangle,
    // the tabs one after another from the first, the padding panel after the last.
    void layout_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("border");
        QTest::addColumn<QString>("pages"); // t: a page with a tab, n: one without
        QTest::addColumn<QRect>("pageRect");
        QTest::addColumn<QRect>("firstTab");
        QTest::addColumn<QPoint>("step");
        QTest::addColumn<QRect>("padding"); // null: hidden
        using P = PositionType;
        const QPoint across(50, 0), down(0, 20);
        QTest::newRow("top") << int(P::Top) << 0 << "tt" << QRect(0, 20, 200, 180)
                             << QRect(0, 0, 50, 20) << across << QRect(100, 0, 100, 20);
        QTest::newRow("top, border 2") << int(P::Top) << 2 << "tt" << QRect(2, 22, 196, 176)
                                       << QRect(2, 2, 50, 20) << across << QRect(102, 2, 98, 20);
        QTest::newRow("bottom") << int(P::Bottom) << 0 << "tt" << QRect(0, 0, 200, 180)
                                << QRect(0, 180, 50, 20) << across << QRect(100, 180, 100, 20);
        // The bar starts below H - th by the border: its last two rows lie outside.
        QTest::newRow("bottom, border 2")
            << int(P::Bottom) << 2 << "tt" << QRect(2, 2, 196, 176) << QRect(2, 182, 50, 20)
            << across << QRect(102, 182, 98, 20);
        QTest::newRow("left") << int(P::Left) << 0 << "tt" << QRect(50, 0, 150, 200)
                              << QRect(0, 0, 50, 20) << down << QRect(0, 40, 50, 160);
        QTest::newRow("left, border 2") << int(P::Left) << 2 << "tt" << QRect(52, 2, 146, 196)
                                        << QRect(2, 2, 50, 20) << down << QRect(2, 42, 50, 158);
        QTest::newRow("right") << int(P::Right) << 0 << "tt" << QRect(0, 0, 150, 200)
                               << QRect(150, 0, 50, 20) << down << QRect(150, 40, 50, 160);
        QTest::newRow("right, border 2")
            << int(P::Right) << 2 << "tt" << QRect(2, 2, 146, 196) << QRect(152, 2, 50, 20) << down
            << QRect(152, 42, 50, 158);
        QTest::newRow("tabless page takes no room")
            << int(P::Top) << 0 << "tnt" << QRect(0, 20, 200, 180) << QRect(0, 0, 50, 20) << across
            << QRect(100, 0, 100, 20);
        QTest::newRow("no tabs at all") << int(P::Left) << 0 << "nn" << QRect(50, 0, 150, 200)
                                        << QRect() << down << QRect(0, 0, 50, 200);
        // Placed past the end all the same; the padding panel has no room left.
        QTest::newRow("tabs past the end") << int(P::Top) << 0 << "ttttt" << QRect(0, 20, 200, 180)
                                           << QRect(0, 0, 50, 20) << across << QRect();
    }
    void layout()
    {
        QFETCH(int, position);
        QFETCH(int, border);
        QFETCH(QString, pages);
        QFETCH(QRect, pageRect);
        QFETCH(QRect, firstTab);
        QFETCH(QPoint, step);
        QFETCH(QRect, padding);
        Shown s;
        s.c.SetTabBarPosition(PositionType::Types(position));
        s.c.SetBorderWidth(border);
        for (QChar kind : pages)
            s.c.AddPage(makePage(QString(), kind == QLatin1Char('t')));
        settle();
        QRect tab = firstTab;
        for (int i = 0; i < s.c.Count(); ++i) {
            QCOMPARE(s.c.Page(i)->geometry(), pageRect);
            if (WButton* b = s.c.Page(i)->TabButton()) {
                QCOMPARE(b->geometry(), tab);
                QCOMPARE(b->Tag, i);
                QVERIFY(b->isVisible());
                tab.translate(step);
            }
        }
        WPanel* pad = paddingPanel(s.c);
        QCOMPARE(pad->isVisible(), !padding.isNull());
        if (!padding.isNull())
            QCOMPARE(pad->geometry(), padding);
        QCOMPARE(s.c.SelectedIndex(), s.c.Count() - 1);
        QCOMPARE(s.SelectionShown(), QString());
    }

    void relayoutOnResizeAndBorder()
    {
        Shown s(2);
        s.c.resize(300, 100); // a shown widget hears of its resize at once
        QCOMPARE(s.c.Page(0)->geometry(), QRect(0, 20, 300, 80));
        QCOMPARE(paddingPanel(s.c)->geometry(), QRect(100, 0, 200, 20));
        // The border reaches the layout with the posted BorderChanged, not before.
        s.c.SetBorderWidth(3);
        QCOMPARE(s.c.Page(0)->geometry(), QRect(0, 20, 300, 80));
        settle();
        QCOMPARE(s.c.Page(0)->geometry(), QRect(3, 23, 294, 74));
        QCOMPARE(s.c.Page(1)->TabButton()->geometry(), QRect(53, 3, 50, 20));
        s.c.SetTabBarSize(QSize(40, 30));
        QCOMPARE(s.c.Page(1)->TabButton()->geometry(), QRect(43, 3, 40, 30));
        s.c.SetTabBarPosition(PositionType::Right);
        QCOMPARE(s.c.Page(1)->TabButton()->geometry(), QRect(263, 33, 40, 30));
        s.c.SetTabBarPosition(PositionType::Types(9)); // not a side: ignored
        QCOMPARE(s.c.TabBarPosition(), PositionType::Right);
    }

    // Every insertion selects the new page; a page inserted again moves, with one connection.
    void insertion()
    {
        Shown s;
        QSignalSpy spy(&s.c, &WTabControl::SelectedPageChanged);
        QCOMPARE(s.c.SelectedIndex(), -1);
        WTabPage *a = makePage(), *b = makePage(), *front = makePage(), *middle = makePage();
        s.c.AddPage(a);
        s.c.AddPage(b);
        s.c.InsertPage(0, front);
        s.c.InsertPage(1, middle);
        QCOMPARE(emitted(spy), (QList<int>{0, 1, 0, 1}));
        s.c.InsertPage(3, front);
        s.c.AddPage(front); // already last and selected: moved onto itself
        QCOMPARE(emitted(spy), (QList<int>{0, 1, 0, 1, 3, 3}));
        const QList<WTabPage*> order{middle, a, b, front};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.c.Page(i), order[i]);
            QCOMPARE(s.c.Page(i)->TabButton()->Tag, i);
        }
        QCOMPARE(s.SelectionShown(), QString());
        spy.clear();
        s.c.SetSelectedIndex(0);
        QMetaObject::invokeMethod(front->TabButton(), "Clicked");
        QCOMPARE(emitted(spy), (QList<int>{0, 3}));
    }

    // Pages come and go anywhere in the list, some without a tab, on every side: after each
    // change the places are those a full layout gives.
    void placesAfterEachChange_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("top") << int(PositionType::Top);
        QTest::newRow("left") << int(PositionType::Left);
        QTest::newRow("bottom") << int(PositionType::Bottom);
        QTest::newRow("right") << int(PositionType::Right);
    }
    void placesAfterEachChange()
    {
        QFETCH(int, side);
        Shown s;
        s.c.SetTabBarPosition(PositionType::Types(side));
        const auto places = [&s] {
            QStringList out;
            for (QObject* o : s.c.children()) {
                if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisibleTo(&s.c))
                    out << QStringLiteral("%1 %2")
                               .arg(w->objectName())
                               .arg(QVariant(w->geometry()).toString());
            }
            out.sort();
            return out;
        };
        const auto check = [&](const char* step) {
            const QStringList incremental = places();
            s.c.ReLayout();
            if (places() != incremental)
                qWarning() << step << incremental << "\n full:" << places();
            return places() == incremental;
        };
        int made = 0;
        const auto add = [&](int index, bool withTab) {
            WTabPage* p = makePage(QString(), withTab);
            p->setObjectName(QStringLiteral("page %1").arg(made));
            if (p->TabButton())
                p->TabButton()->setObjectName(QStringLiteral("tab %1").arg(made));
            ++made;
            s.c.InsertPage(index, p);
        };
        for (int i = 0; i < 8; ++i) {
            add(i % 3 == 1 ? 0 : s.c.Count(), i % 4 != 2);
            QVERIFY(check("insert"));
        }
        s.c.InsertPage(5, s.c.Page(1)); // moved back
        QVERIFY(check("move back"));
        s.c.InsertPage(0, s.c.Page(6)); // moved forward
        QVERIFY(check("move forward"));
        for (int index : {3, 0, s.c.Count() - 1}) {
            delete s.c.Page(index);
            QVERIFY(check("delete"));
        }
        s.c.RemovePage(1);
        QVERIFY(check("remove"));
        const std::unique_ptr<WTabPage> taken(s.c.Page(0));
        taken->setParent(nullptr);
        QVERIFY(check("reparent"));
    }

    void setSelectedIndex_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<int>>("emissions");
        QTest::newRow("past the end selects the last") << 3 << 10 << 2 << QList<int>{};
        QTest::newRow("first") << 3 << 0 << 0 << QList<int>{0};
        QTest::newRow("none") << 3 << -1 << -1 << QList<int>{-1};
        QTest::newRow("below -1 is none") << 3 << -5 << -1 << QList<int>{-1};
        QTest::newRow("INT_MIN") << 3 << INT_MIN << -1 << QList<int>{-1};
        QTest::newRow("empty control") << 0 << 0 << -1 << QList<int>{};
    }
    void setSelectedIndex()
    {
        QFETCH(int, count);
        QFETCH(int, value);
        QFETCH(int, selected);
        QFETCH(QList<int>, emissions);
        Shown s(count);
        QSignalSpy spy(&s.c, &WTabControl::SelectedPageChanged);
        s.c.SetSelectedIndex(value);
        QCOMPARE(s.c.SelectedIndex(), selected);
        QCOMPARE(emitted(spy), emissions);
        QCOMPARE(s.SelectionShown(), QString());
        s.c.SetSelectedIndex(value); // the same again: nothing
        QCOMPARE(spy.count(), emissions.count());
    }

    // However a page leaves the control, the list closes up, the tabs are renumbered and the
    // selection moves as RemovePage moves it.
    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("selectFirst");
        QTest::addColumn<int>("leaving");
        QTest::addColumn<int>("selected"); // afterwards, as the index of the original list
        QTest::addColumn<QList<int>>("emissions");
        for (const char* how : {"remove", "delete", "reparent", "other control"}) {
            const QByteArray h(how);
            const QString w = QString::fromLatin1(how);
            QTest::newRow(h + ", selected last") << w << 2 << 2 << 1 << QList<int>{1};
            QTest::newRow(h + ", selected first") << w << 0 << 0 << -1 << QList<int>{};
            QTest::newRow(h + ", before the selected") << w << 2 << 0 << 2 << QList<int>{};
            QTest::newRow(h + ", after the selected") << w << 0 << 1 << 0 << QList<int>{};
        }
        QTest::newRow("remove -1") << "remove" << 1 << -1 << 1 << QList<int>{};
        QTest::newRow("remove past the end") << "remove" << 1 << 3 << 1 << QList<int>{};
    }
    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, selectFirst);
        QFETCH(int, leaving);
        QFETCH(int, selected);
        QFETCH(QList<int>, emissions);
        WTabControl other;
        QWidget elsewhere;
        auto s = std::make_unique<Shown>(3);
        const QList<WTabPage*> before{s->c.Page(0), s->c.Page(1), s->c.Page(2)};
        s->c.SetSelectedIndex(selectFirst);
        QSignalSpy spy(&s->c, &WTabControl::SelectedPageChanged);
        WTabPage* page = before.value(leaving);
        const QPointer<WButton> tab = page ? page->TabButton() : nullptr;
        if (how == QLatin1String("remove"))
            s->c.RemovePage(leaving);
        else if (how == QLatin1String("delete"))
            delete page;
        else if (how == QLatin1String("reparent"))
            page->setParent(&elsewhere);
        else
            other.AddPage(page);
        QCOMPARE(emitted(spy), emissions);
        QCOMPARE(s->c.Count(), page ? 2 : 3);
        QCOMPARE(s->c.IndexOf(page), -1);
        QCOMPARE(s->c.IndexOf(before.value(selected)), s->c.SelectedIndex());
        QCOMPARE(s->SelectionShown(), QString());
        for (int i = 0; i < s->c.Count(); ++i)
            QCOMPARE(s->c.Page(i)->TabButton()->Tag, i);
        if (how == QLatin1String("remove") && page) {
            // Left where it was, still a child, shown if it was; only its tab is hidden.
            QCOMPARE(page->parent(), &s->c);
            QVERIFY(tab->isHidden());
            QCOMPARE(page->isVisible(), leaving == selectFirst);
            QCOMPARE(page->geometry(), QRect(0, 20, 200, 180));
        }
        if (how == QLatin1String("reparent")) // the tab goes back to its page
            QVERIFY(tab && tab->parent() == nullptr && tab->isHidden());
        if (how == QLatin1String("other control")) {
            QCOMPARE(other.Page(0), page);
            QCOMPARE(tab->parent(), &other);
            // Its tab selects in the new control only.
            other.AddPage(makePage());
            QMetaObject::invokeMethod(tab, "Clicked");
            QCOMPARE(other.SelectedIndex(), 0);
            QCOMPARE(emitted(spy), emissions);
        }
        s.reset(); // no double delete of anything that left
        if (how == QLatin1String("reparent") || how == QLatin1String("other control"))
            QVERIFY(tab); // went elsewhere with its page
    }

    void tabClicks()
    {
        Shown s(3);
        QVERIFY(QTest::qWaitForWindowExposed(&s.c));
        QSignalSpy spy(&s.c, &WTabControl::SelectedPageChanged);
        const auto click = [&](int page) {
            WButton* tab = s.c.Page(page)->TabButton();
            WexalTest::MousePress(tab, QPoint(5, 5));
            WexalTest::MouseRelease(tab, QPoint(5, 5));
        };
        click(0);
        click(0);
        QCOMPARE(emitted(spy), QList<int>{0});
        s.c.RemovePage(0); // the tabs move up and are renumbered
        click(1);
        QCOMPARE(emitted(spy), (QList<int>{0, 1}));
        QCOMPARE(s.SelectionShown(), QString());
        // A right click is no click.
        WButton* first = s.c.Page(0)->TabButton();
        WexalTest::MousePress(first, QPoint(5, 5), Qt::RightButton);
        WexalTest::MouseRelease(first, QPoint(5, 5), Qt::RightButton);
        QCOMPARE(s.c.SelectedIndex(), 1);
    }

    void paint()
    {
        Shown s(1);
        s.c.SetBackColor(QColor(10, 200, 10));
        QImage shot = s.c.grab().toImage();
        QCOMPARE(shot.pixelColor(150, 10), QColor(10, 200, 10)); // through the padding panel
        s.c.SetTabPaddingColor(QColor(200, 10, 10));
        shot = s.c.grab().toImage();
        QCOMPARE(shot.pixelColor(150, 10), QColor(200, 10, 10));
    }

    void badArguments()
    {
        Shown s(2);
        QSignalSpy spy(&s.c, &WTabControl::SelectedPageChanged);
        QCOMPARE(s.c.Page(-1), nullptr);
        QCOMPARE(s.c.Page(2), nullptr);
        QCOMPARE(s.c.IndexOf(nullptr), -1);
        s.c.InsertPage(0, nullptr);
        s.c.AddPage(static_cast<WTabPage*>(nullptr));
        // Through the meta-object system, as forms loaded at run time add pages: only pages.
        QWidget notAPage;
        QVERIFY(QMetaObject::invokeMethod(&s.c, "AddPage", Q_ARG(QWidget*, &notAPage)));
        QVERIFY(QMetaObject::invokeMethod(&s.c, "AddPage", Q_ARG(QWidget*, nullptr)));
        QCOMPARE(s.c.Count(), 2);
        QCOMPARE(spy.count(), 0);
        auto* byName = makePage();
        QVERIFY(QMetaObject::invokeMethod(&s.c, "AddPage", Q_ARG(QWidget*, byName)));
        QCOMPARE(s.c.Count(), 3);
        QCOMPARE(s.c.Page(2), byName);
        QCOMPARE(emitted(spy), (QList<int>{2}));
        s.c.RemovePage(2);
        delete byName;
        spy.clear();

        // Indices beyond either end are taken as the nearest end.
        auto* last = makePage();
        auto* first = makePage();
        s.c.InsertPage(99, last);
        s.c.InsertPage(-7, first);
        QCOMPARE(s.c.Page(3), last);
        QCOMPARE(s.c.Page(0), first);
        QCOMPARE(emitted(spy), (QList<int>{2, 0}));

        // A page that holds the control cannot go into it.
        WTabPage outer;
        auto* inner = new WTabControl(&outer);
        inner->AddPage(&outer);
        QCOMPARE(inner->Count(), 0);
        QCOMPARE(outer.parent(), nullptr);

        // Absurd sizes and borders are no overflow and no negative size.
        for (const QSize& size : {QSize(INT_MAX, INT_MAX), QSize(INT_MIN, -5), QSize()}) {
            s.c.SetTabBarSize(size);
            s.c.SetBorderWidth(size.width());
            settle();
            for (QObject* o : s.c.children()) {
                auto* w = qobject_cast<QWidget*>(o);
                QVERIFY(w->width() >= 0 && w->height() >= 0);
            }
        }
        QCOMPARE(s.c.TabBarSize(), QSize());
    }

    void destructorDeletesListedPagesOnly()
    {
        QWidget keeper;
        QPointer<WTabPage> listed, removed, kept;
        QPointer<WButton> removedTab;
        {
            WTabControl c;
            c.AddPage(listed = makePage());
            c.AddPage(removed = makePage());
            c.AddPage(kept = makePage());
            removedTab = removed->TabButton();
            c.RemovePage(1); // stays a child: Qt deletes it with the control
            c.RemovePage(1);
            kept->setParent(&keeper);
        }
        QVERIFY(listed.isNull());
        QVERIFY(removed.isNull());
        QVERIFY(removedTab.isNull());
        QVERIFY(!kept.isNull());
    }

    // A slot may delete the control, or the page it was just told about, from any emission.
    void slotsDeletingWhatEmitted_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("deleteControl");
        for (const char* t : {"insert", "click", "select", "remove", "delete page"}) {
            QTest::newRow(QByteArray(t) + ", control") << QString::fromLatin1(t) << true;
            QTest::newRow(QByteArray(t) + ", page") << QString::fromLatin1(t) << false;
        }
    }
    void slotsDeletingWhatEmitted()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, deleteControl);
        QPointer<WTabControl> c = new WTabControl;
        c->resize(200, 200);
        c->SetTabBarSize(QSize(50, 20));
        c->show();
        for (int i = 0; i < 3; ++i)
            c->AddPage(makePage());
        c->SetSelectedIndex(2);
        int calls = 0;
        connect(c.data(), &WTabControl::SelectedPageChanged, this, [&](int index) {
            ++calls;
            if (deleteControl)
                delete c.data();
            else
                delete c->Page(index);
        });
        if (trigger == QLatin1String("insert"))
            c->InsertPage(1, makePage());
        else if (trigger == QLatin1String("click"))
            QMetaObject::invokeMethod(c->Page(0)->TabButton(), "Clicked");
        else if (trigger == QLatin1String("select"))
            c->SetSelectedIndex(1);
        else if (trigger == QLatin1String("remove"))
            c->RemovePage(2);
        else
            delete c->Page(2);
        QVERIFY(calls >= 1);
        QCOMPARE(c.isNull(), deleteControl);
        if (c) {
            settle();
            for (int i = 0; i < c->Count(); ++i)
                QVERIFY(c->Page(i));
            QVERIFY(c->SelectedIndex() < c->Count());
        }
        delete c.data();
    }

    void randomInput()
    {
        WTabControl c;
        c.resize(360, 240);
        c.SetTabBarSize(QSize(60, 24));
        c.SetBackColor(QColor(0xF0, 0xF0, 0xF0));
        c.SetTabPaddingColor(QColor(0xDD, 0xDD, 0xDD));
        for (int i = 0; i < 4; ++i) {
            WTabPage* p = makePage(QStringLiteral("Tab %1").arg(i), i != 2);
            p->SetTabBarBackColor(Qt::white);
            p->SetTabBarBackColorSelected(Qt::blue);
            new WButton(p); // something on each page
            c.AddPage(p);
        }
        WTabControl second; // pages move between the two
        WexalTest::RandomInputOptions options;
        options.action = [&second](QRandomGenerator& rng, QWidget* w) {
            auto* c = static_cast<WTabControl*>(w);
            const int at = rng.bounded(-2, c->Count() + 3);
            const int pick = rng.bounded(7);
            if (pick == 0) {
                c->InsertPage(at, makePage(WexalTest::RandomText(rng), rng.bounded(4) != 0));
            } else if (pick == 1) {
                c->RemovePage(at);
            } else if (pick == 2) {
                delete c->Page(at);
            } else if (pick == 3) {
                c->InsertPage(at, c->Page(rng.bounded(-1, c->Count() + 1)));
            } else if (pick == 4) {
                if (WTabPage* p = c->Page(at))
                    second.AddPage(p);
                else if (second.Count() > 0)
                    c->InsertPage(at, second.Page(0));
            } else if (pick == 5) {
                if (WTabPage* p = c->Page(at); p && p->TabButton())
                    QMetaObject::invokeMethod(p->TabButton(), "Clicked");
            } else {
                c->SetSelectedIndex(at);
            }
            // Removed pages pile up as children; clear them out now and then.
            if (rng.bounded(20) == 0) {
                for (WTabPage* p :
                     c->findChildren<WTabPage*>(QString(), Qt::FindDirectChildrenOnly))
                    if (c->IndexOf(p) < 0)
                        delete p;
            }
        };
        options.invariant = [](QWidget* w) -> QString {
            auto* c = static_cast<WTabControl*>(w);
            if (c->SelectedIndex() < -1 || c->SelectedIndex() >= c->Count())
                return QStringLiteral("selected index %1 of %2")
                    .arg(c->SelectedIndex())
                    .arg(c->Count());
            c->ReLayout(); // undo what the harness did to the children's geometry
            QRect pageRect;
            QRect previousTab;
            bool first = true;
            for (int i = 0; i < c->Count(); ++i) {
                WTabPage* p = c->Page(i);
                if (!p || p->parent() != c)
                    return QStringLiteral("page %1 is not the control's").arg(i);
                if (p->IsSelected() != (i == c->SelectedIndex()))
                    return QStringLiteral("page %1 has the wrong look").arg(i);
                if (i > 0 && p->geometry() != pageRect)
                    return QStringLiteral("pages are not stacked");
                pageRect = p->geometry();
                WButton* tab = p->TabButton();
                if (!tab)
                    continue;
                if (tab->Tag != i || tab->parent() != c)
                    return QStringLiteral("tab %1 is not in the bar").arg(i);
                // Tabs of one size follow each other along the bar, up to where placing
                // saturates far outside.
                const QPoint step = c->TabBarPosition() <= PositionType::Bottom
                                        ? QPoint(previousTab.width(), 0)
                                        : QPoint(0, previousTab.height());
                const auto far = [](const QPoint& p) {
                    return qAbs(p.x()) >= (1 << 28) || qAbs(p.y()) >= (1 << 28);
                };
                const bool saturated = far(tab->pos()) || far(previousTab.topLeft());
                if (!first && (tab->size() != previousTab.size() ||
                               (tab->pos() != previousTab.topLeft() + step && !saturated)))
                    return QStringLiteral("tab %1 does not follow the one before").arg(i);
                previousTab = tab->geometry();
                first = false;
            }
            return QString();
        };
        QCOMPARE(WexalTest::RunRandomInput(&c, options), QString());
    }
};

QTEST_MAIN(TestWTabControl)
#include "tst_wtabcontrol.moc"
