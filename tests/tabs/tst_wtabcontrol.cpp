// WTabControl: the layout of pages, tabs and padding panel on every side, the selection rules,
// tab clicks, pages that leave the control in any way, and slots that delete what emitted.
#include "WClassRegistry.h"
#include "WTestSuite.h"

namespace {

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
        WexalTest::Settle();
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

// After the layout of a table row: a resize, the colours of the padding panel and new tab sizes.
void changeLaidOut(WTabControl& c, const QRect& pageRect, const QRect& padding)
{
    WPanel* pad = paddingPanel(c);
    // A resize along the bar moves the far side of the pages and of the padding panel.
    const bool across = c.TabBarPosition() <= PositionType::Bottom;
    const QSize grow = across ? QSize(100, 0) : QSize(0, 100);
    c.resize(c.size() + grow);
    QCOMPARE(c.Page(0)->geometry().size(), pageRect.size() + grow);
    if (!padding.isNull())
        QCOMPARE(pad->geometry().size(), padding.size() + grow);
    // A new tab size is taken at once; absurd sizes and borders are no overflow and no
    // negative size.
    c.SetTabBarSize(QSize(40, 30));
    if (c.Count() && c.Page(0)->TabButton())
        QCOMPARE(c.Page(0)->TabButton()->size(), QSize(40, 30));
    for (const QSize& size : {QSize(INT_MAX, INT_MAX), QSize(INT_MIN, -5), QSize()}) {
        c.SetTabBarSize(size);
        c.SetBorderWidth(size.width());
        WexalTest::Settle();
        for (QWidget* w : c.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY(w->width() >= 0 && w->height() >= 0);
    }
    QCOMPARE(c.TabBarSize(), QSize());
}

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
        const QPoint across(50, 0), down(0, 20);
        using R = QRect;
        using P = PositionType;
        const auto row = [](const char* name, P::Types side, int border, const char* pages, R page,
                            R tab, QPoint step, R padding) {
            QTest::newRow(name) << int(side) << border << pages << page << tab << step << padding;
        };
        row("top", P::Top, 0, "tt", R(0, 20, 200, 180), R(0, 0, 50, 20), across,
            R(100, 0, 100, 20));
        row("top, border 2", P::Top, 2, "tt", R(2, 22, 196, 176), R(2, 2, 50, 20), across,
            R(102, 2, 98, 20));
        row("bottom", P::Bottom, 0, "tt", R(0, 0, 200, 180), R(0, 180, 50, 20), across,
            R(100, 180, 100, 20));
        // The bar starts below H - th by the border: its last two rows lie outside.
        row("bottom, border 2", P::Bottom, 2, "tt", R(2, 2, 196, 176), R(2, 182, 50, 20), across,
            R(102, 182, 98, 20));
        row("left", P::Left, 0, "tt", R(50, 0, 150, 200), R(0, 0, 50, 20), down, R(0, 40, 50, 160));
        row("left, border 2", P::Left, 2, "tt", R(52, 2, 146, 196), R(2, 2, 50, 20), down,
            R(2, 42, 50, 158));
        row("right", P::Right, 0, "tt", R(0, 0, 150, 200), R(150, 0, 50, 20), down,
            R(150, 40, 50, 160));
        row("right, border 2", P::Right, 2, "tt", R(2, 2, 146, 196), R(152, 2, 50, 20), down,
            R(152, 42, 50, 158));
        row("tabless page takes no room", P::Top, 0, "tnt", R(0, 20, 200, 180), R(0, 0, 50, 20),
            across, R(100, 0, 100, 20));
        row("no tabs at all", P::Left, 0, "nn", R(50, 0, 150, 200), R(), down, R(0, 0, 50, 200));
        // Placed past the end all the same; the padding panel has no room left.
        row("tabs past the end", P::Top, 0, "ttttt", R(0, 20, 200, 180), R(0, 0, 50, 20), across,
            R());
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
        // Side and border come after the pages: a change of either lays the control out anew.
        // Right to left, every place is the mirror image of the one written.
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            Shown s;
            s.c.setLayoutDirection(direction);
            for (QChar kind : pages)
                s.c.AddPage(makePage(QString(), kind == QLatin1Char('t')));
            s.c.SetTabBarPosition(PositionType::Types(position));
            s.c.SetBorderWidth(border);
            WexalTest::Settle();
            const auto at = [&](const QRect& r) {
                return direction == Qt::LeftToRight ? r : WexalTest::Mirrored(r, s.c.width());
            };
            QRect tab = firstTab;
            for (int i = 0; i < s.c.Count(); ++i) {
                QCOMPARE(s.c.Page(i)->geometry(), at(pageRect));
                if (WButton* b = s.c.Page(i)->TabButton()) {
                    QCOMPARE(b->geometry(), at(tab));
                    QCOMPARE(b->Tag, i);
                    QVERIFY(b->isVisible());
                    tab.translate(step);
                }
            }
            WPanel* pad = paddingPanel(s.c);
            QCOMPARE(pad->isVisible(), !padding.isNull());
            if (!padding.isNull())
                QCOMPARE(pad->geometry(), at(padding));
            QCOMPARE(s.SelectionShown(), QString());
            if (direction == Qt::LeftToRight)
                changeLaidOut(s.c, pageRect, padding);
        }
    }
    // The arrows go the way the tabs run: right to left, the tab on the left is the next.
    void arrowsFollowTheDirection()
    {
        WBase::SetKeyboardAccess(true);
        const auto reset = qScopeGuard([] { WBase::SetKeyboardAccess(false); });
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            Shown s(3);
            s.c.setLayoutDirection(direction);
            s.c.SetSelectedIndex(1);
            QApplication::setActiveWindow(&s.c);
            QVERIFY(QTest::qWaitForWindowActive(&s.c));
            s.c.Page(1)->TabButton()->setFocus();
            QTest::keyClick(&s.c, Qt::Key_Left);
            QCOMPARE(s.c.SelectedIndex(), direction == Qt::LeftToRight ? 0 : 2);
            QTest::keyClick(&s.c, Qt::Key_Right);
            QCOMPARE(s.c.SelectedIndex(), 1);
        }
    }

    // Every insertion selects the new page (none is selected before), at an index taken as the
    // nearest end when beyond either; a page inserted again moves, with one connection. Through the
    // meta-object system, as forms loaded at run time add pages, only pages go in; nothing null
    // goes in, and no page that holds the control.
    void insertion()
    {
        Shown s;
        QSignalSpy spy(&s.c, &WTabControl::SelectedPageChanged);
        s.c.SetSelectedIndex(0); // nothing to select
        QCOMPARE(s.c.SelectedIndex(), -1);
        WTabPage *a = makePage(), *b = makePage(), *front = makePage(), *middle = makePage();
        QWidget notAPage;
        for (QWidget* w : {static_cast<QWidget*>(&notAPage), static_cast<QWidget*>(nullptr),
                           static_cast<QWidget*>(a)})
            QVERIFY(QMetaObject::invokeMethod(&s.c, "AddPage", Q_ARG(QWidget*, w)));
        s.c.InsertPage(0, nullptr);
        s.c.AddPage(static_cast<WTabPage*>(nullptr));
        s.c.InsertPage(99, b);
        s.c.InsertPage(-7, front);
        s.c.InsertPage(1, middle);
        QCOMPARE(emitted(spy), (QList<int>{0, 1, 0, 1}));
        s.c.InsertPage(3, front);
        s.c.AddPage(front); // already last and selected: moved onto itself
        QCOMPARE(emitted(spy), (QList<int>{0, 1, 0, 1, 3, 3}));
        const QList<WTabPage*> order{middle, a, b, front};
        QCOMPARE(s.c.Count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.c.Page(i), order[i]);
            QCOMPARE(s.c.Page(i)->TabButton()->Tag, i);
        }
        spy.clear();
        s.c.SetSelectedIndex(0);
        QMetaObject::invokeMethod(front->TabButton(), "Clicked");
        s.c.SetSelectedIndex(INT_MIN);
        s.c.SetSelectedIndex(-1);
        s.c.SetSelectedIndex(10);                                 // past the end: the last
        QMetaObject::invokeMethod(front->TabButton(), "Clicked"); // already selected: no word
        QCOMPARE(emitted(spy), (QList<int>{0, 3, -1, 3}));
        WTabPage outer;
        auto* inner = new WTabControl(&outer);
        inner->AddPage(&outer);
        QCOMPARE(inner->Count(), 0);
        QCOMPARE(outer.parent(), nullptr);
    }

    // Pages come and go anywhere in the list, some without a tab, with tabs running across and
    // down: after each change the places are those a full layout gives.
    void placesAfterEachChange_data()
    {
        QTest::addColumn<int>("side");
        // One side per direction the tabs run: the far sides place from the same running edge.
        QTest::newRow("top") << int(PositionType::Top);
        QTest::newRow("left") << int(PositionType::Left);
    }
    void placesAfterEachChange()
    {
        QFETCH(int, side);
        Shown s;
        s.c.SetTabBarPosition(PositionType::Types(side));
        // The geometry of every child in view, in the order of the children, which a layout
        // does not change.
        const auto places = [&s] {
            QList<QRect> out;
            for (QWidget* w : s.c.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                out << (w->isVisibleTo(&s.c) ? w->geometry() : QRect());
            return out;
        };
        const auto check = [&](const char* step) {
            const QList<QRect> incremental = places();
            s.c.ReLayout();
            if (places() != incremental)
                qWarning() << step << incremental << "\n full:" << places();
            return places() == incremental;
        };
        for (int i = 0; i < 8; ++i) {
            s.c.InsertPage(i % 3 == 1 ? 0 : s.c.Count(), makePage(QString(), i % 4 != 2));
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
        // At the end the control deletes its pages, a removed page (still its child) with its
        // tab; a page gone elsewhere goes with its new parent. A page or tab deleted twice, or
        // never, fails the sanitizer run.
    }

    // A slot may delete the control, or the page it was just told about, from any emission.
    void slotsDeletingWhatEmitted_data()
    {
        // Deleting the control itself is a row of the removal table of every class; here the
        // slot deletes the page that was just selected.
        QTest::addColumn<QString>("trigger");
        for (const char* t : {"insert", "click", "select", "remove", "delete page"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void slotsDeletingWhatEmitted()
    {
        QFETCH(QString, trigger);
        const auto s = std::make_unique<Shown>(3); // the last page selected
        WTabControl* c = &s->c;
        int calls = 0;
        connect(c, &WTabControl::SelectedPageChanged, this, [&](int index) {
            ++calls;
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
        WexalTest::Settle();
        for (int i = 0; i < c->Count(); ++i)
            QVERIFY(c->Page(i));
        QVERIFY(c->SelectedIndex() < c->Count());
    }
};

WEXAL_TEST_MAIN(TestWTabControl)
#include "tst_wtabcontrol.moc"
