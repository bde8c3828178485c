#include "../form/FormTestSupport.h"
#include "../lists/GridListTestSupport.h"
#include "WClassRegistry.h"
#include "WTestSuite.h"

#include <QStandardItemModel>
#include <QTreeView>

namespace WexalTest {

namespace {

void key(QWidget* w, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent e(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(w, &e);
}

RandomCalls itemList(WItemList* l)
{
    return {[l](QRandomGenerator& rng) {
                static void (WItemList::*const setters[])(int) = {
                    &WItemList::SetVScrollBarValue, &WItemList::SetHScrollBarValue,
                    &WItemList::SetItemHeight, &WItemList::SetSelectedIndex};
                const int pick = rng.bounded(6), v = ExtremeInt(rng);
                if (pick == 4)
                    l->SetItems(NumberedLines(rng.bounded(200)));
                else if (pick == 5)
                    l->InsetItem(v, RandomText(rng));
                else
                    (l->*setters[pick])(v);
            },
            [l] {
                return l->SelectedIndex() >= -1 && l->SelectedIndex() < l->Items().size() &&
                               l->ItemHeight() > 0
                           ? QString()
                           : QStringLiteral("selection or item height out of range");
            }};
}

// The content stays adopted, and every offset the bars take is announced.
RandomCalls scrollPanel(WScrollPanel* p)
{
    auto announced = std::make_shared<QPoint>(p->HScrollBarValue(), p->VScrollBarValue());
    QObject::connect(p, &WScrollPanel::HScrollLocationChanged, [=](int x) { announced->rx() = x; });
    QObject::connect(p, &WScrollPanel::VScrollLocationChanged, [=](int y) { announced->ry() = y; });
    QWidget* content = p->ScrollWidget();
    return {[p](QRandomGenerator& rng) {
                const int v = ExtremeInt(rng);
                if (rng.bounded(3) == 0)
                    p->SetScrollAreaSize(QSize(v, ExtremeInt(rng)));
                else
                    rng.bounded(2) ? p->SetHScrollBarValue(v) : p->SetVScrollBarValue(v);
            },
            [p, announced, content] {
                if (p->ScrollWidget() != content || content->parentWidget() == p)
                    return QStringLiteral("lost its content panel");
                return QPoint(p->HScrollBarValue(), p->VScrollBarValue()) == *announced
                           ? QString()
                           : QStringLiteral("an offset went unannounced");
            }};
}

// Non-ASCII texts, set and appended, in any font, partly selected and copied (kept to a few
// hundred characters: a reader walks the whole text after every step).
RandomCalls label(WLabel* l)
{
    return {[l](QRandomGenerator& rng) {
                const QString text = RandomText(rng).left(200);
                l->Text().size() > 400 || rng.bounded(2) ? l->SetText(text) : l->AppendText(text);
                static const int points[] = {1, 9, 14, 40}; // few: each font is measured once
                l->setFont(QFont(l->font().family(), points[rng.bounded(4)]));
                l->UpdateSelectedTextBounding(ExtremeInt(rng));
                l->setEnabled(true);
                l->SetCanSelectText(true);
                const int right = qMax(0, l->TextBounding().right()) + 20;
                for (auto type : {QEvent::MouseButtonPress, QEvent::MouseMove}) {
                    QMouseEvent e(type, QPointF(rng.bounded(-20, right), 10), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(l, &e);
                }
                key(l, Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
            },
            [l] {
                const QRect area(0, 0, l->width() - 1, l->height() - 1);
                if (int(l->Alignment()) & ~0x1FF)
                    return QStringLiteral("alignment keeps bits beyond the nine");
                if (l->ComputeCaretLocation(INT_MIN) != 0 ||
                    l->ComputeCaretLocation(INT_MAX) != l->Text().size())
                    return QStringLiteral("far offsets do not reach the ends of the text");
                // Measuring a long text on every step would dominate the run.
                if (l->isVisible() && !area.isEmpty() && l->Text().size() < 400 &&
                    l->TextBounding() !=
                        l->fontMetrics().boundingRect(area, int(l->Alignment()), l->Text()))
                    return QStringLiteral("text bounding is stale");
                return QString();
            }};
}

// Typing (often several characters in one event), pasting and input methods' commits, in
// every text type, a password's half the time.
RandomCalls lineEdit(WLineEdit* e)
{
    return {[e](QRandomGenerator& rng) {
                if (rng.bounded(4) == 0)
                    e->SetTextType(rng.bounded(2) ? TextType::Password
                                                  : TextType::Types(rng.bounded(7)));
                const QString text = RandomText(rng);
                QGuiApplication::clipboard()->setText(text);
                if (e->Text().size() > 6000)
                    e->SetText(QString());
                else if (rng.bounded(2))
                    key(e, Qt::Key_unknown, {}, text.left(rng.bounded(1, 6)));
                else
                    key(e, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
                QInputMethodEvent commit;
                commit.setCommitString(text.left(rng.bounded(0, 10)));
                QApplication::sendEvent(e, &commit);
                e->ComputeCaretIndex(ExtremeInt(rng));
                e->UpdateSelectedTextBounding(ExtremeInt(rng));
            },
            [e] {
                const int caret = e->CaretIndex(), area = e->TextArea().width();
                const int visible = e->CaretLocation() - e->ScrollOffset();
                const bool password = e->TextType() == TextType::Password;
                if (caret < 0 || caret > e->Text().size())
                    return QStringLiteral("caret %1 outside the text").arg(caret);
                if (e->DisplayText() != (password ? QString(e->Text().size(), '*') : e->Text()) ||
                    e->testAttribute(Qt::WA_InputMethodEnabled) == password)
                    return QStringLiteral("display text or input methods do not match the type");
                // The remembered widths must agree with a fresh measure.
                if (e->CaretLocation() !=
                    e->fontMetrics().horizontalAdvance(e->DisplayText().left(caret)))
                    return QStringLiteral("caret location %1 is stale").arg(e->CaretLocation());
                if (e->ScrollOffset() < 0 ||
                    (e->isVisible() && area > 0 && (visible < 0 || visible >= area)))
                    return QStringLiteral("caret out of view: %1 in %2").arg(visible).arg(area);
                return QString();
            }};
}

// Presses on the numbers and arrows, digits and other text typed.
RandomCalls picker(WHourMinutePicker* p)
{
    return {[p](QRandomGenerator& rng) {
                const QRect targets[] = {WHourMinutePicker::ItemRect(rng.bounded(4)),
                                         WHourMinutePicker::UpButtonRect(),
                                         WHourMinutePicker::DownButtonRect()};
                const QPoint at = targets[rng.bounded(3)].center();
                QMouseEvent press(QEvent::MouseButtonPress, at, p->mapToGlobal(at), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(p, &press);
                key(p, Qt::Key_unknown, {},
                    rng.bounded(4) ? QString::number(rng.bounded(10)) : RandomText(rng).left(4));
            },
            [p] {
                const int v[] = {p->StartHour(), p->StartMinute(), p->EndHour(), p->EndMinute()};
                for (int i = 0; i < 4; ++i) {
                    if (v[i] < 0 || v[i] > (i % 2 ? 59 : 23))
                        return QStringLiteral("number %1 is %2").arg(i).arg(v[i]);
                }
                if (p->SelectedItem() < -1 || p->SelectedItem() > 3)
                    return QStringLiteral("selected %1").arg(p->SelectedItem());
                return p->size() == QSize(120, 25) ? QString() : QStringLiteral("resized");
            }};
}

// Qt's view inside, over a model of its own that grows and shrinks; context requests anywhere
// name the index under them, and the view always covers the wrapper exactly.
RandomCalls treeView(WTreeView* t)
{
    auto model = std::make_shared<QStandardItemModel>();
    for (const char* text : {"Fruit", "Vegetables", "Grains"})
        model->appendRow(new QStandardItem(QString::fromLatin1(text)));
    t->TreeView->setModel(model.get());
    auto misnamed = std::make_shared<int>(0);
    QObject::connect(t, &WTreeView::ItemRightClicked, [=](const QPoint& pos, const QModelIndex& i) {
        *misnamed += i != t->TreeView->indexAt(pos);
    });
    return {[t, model](QRandomGenerator& rng) {
                if (rng.bounded(4) == 0)
                    model->appendRow(new QStandardItem(RandomText(rng)));
                else if (rng.bounded(3) == 0)
                    model->removeRow(rng.bounded(-1, model->rowCount() + 1));
                else if (rng.bounded(2))
                    t->TreeView->expandAll();
                const QPoint pos(rng.bounded(-20, 400), rng.bounded(-20, 300));
                QContextMenuEvent e(QContextMenuEvent::Mouse, pos);
                QApplication::sendEvent(t->TreeView->viewport(), &e);
            },
            [t, misnamed] {
                // The harness resizes the inner view directly as well; the wrapper's next resize
                // must bring it back.
                t->resize(t->size() + QSize(1, 1));
                t->resize(t->size() - QSize(1, 1));
                if (t->TreeView->geometry() != t->rect())
                    return QStringLiteral("the inner view does not cover the wrapper");
                return *misnamed ? QStringLiteral("a right click named another index") : QString();
            }};
}

// Drags from the button that wander outside the track, values and range from code.
RandomCalls trackBar(WTrackBar* t)
{
    auto dragged = std::make_shared<bool>(false); // Value1 may stay beyond a range changed then
    return {[t](QRandomGenerator& rng) {
                const bool vertical = t->Orientation() == OrientationType::Vertical;
                const auto along = [&](int a) {
                    return vertical ? QPoint(t->width() / 2, a) : QPoint(a, t->height() / 2);
                };
                const int room = vertical ? t->height() : t->width();
                if (rng.bounded(2)) {
                    MousePress(t, along(t->ButtonLocation() + 1));
                    for (int i = rng.bounded(1, 6); i > 0; --i)
                        MouseMove(t, along(rng.bounded(-room, 2 * room + 1)));
                    if (rng.bounded(4))
                        MouseRelease(t, along(rng.bounded(-room, 2 * room + 1)));
                    return;
                }
                static void (WTrackBar::*const setters[])(int) = {
                    &WTrackBar::SetValue1,  &WTrackBar::SetValue1WithoutEvent,
                    &WTrackBar::SetValue2,  &WTrackBar::SetMinimum,
                    &WTrackBar::SetMaximum, &WTrackBar::SetMainLineSize};
                (t->*setters[rng.bounded(6)])(ExtremeInt(rng));
            },
            [t, dragged] {
                const bool vertical = t->Orientation() == OrientationType::Vertical;
                const int axis = vertical ? t->height() : t->width();
                const int button =
                    qMax(vertical ? t->ButtonSize().height() : t->ButtonSize().width(), 0);
                const bool outside = t->Value1() < t->Minimum() || t->Value1() > t->Maximum();
                *dragged = t->IsDragging() || (*dragged && outside);
                if (t->Minimum() < 0 || t->Minimum() >= t->Maximum())
                    return QStringLiteral("range %1..%2").arg(t->Minimum()).arg(t->Maximum());
                if (t->Value2() < t->Minimum() || t->Value2() > t->Maximum() ||
                    (!*dragged && outside))
                    return QStringLiteral("values %1, %2 out of range")
                        .arg(t->Value1())
                        .arg(t->Value2());
                // A hidden widget learns its new size when it is shown.
                if (t->testAttribute(Qt::WA_PendingResizeEvent))
                    return QString();
                if (t->ButtonLocation() < 0 || t->ButtonLocation() > qMax(axis - button, 0) ||
                    t->MainLine2Length() < 0 || t->MainLine2Length() > axis)
                    return QStringLiteral("button at %1, fill %2 on a track of %3")
                        .arg(t->ButtonLocation())
                        .arg(t->MainLine2Length())
                        .arg(axis);
                return QString();
            }};
}

// Pages inserted, removed, deleted, moved within and to another control, and clicked; the
// pages stacked at one place, the tabs following each other along the bar.
RandomCalls tabControl(WTabControl* c)
{
    auto second = std::make_shared<WTabControl>(); // pages move between the two
    const auto page = [](const QString& text, bool withTab) {
        auto* p = new WTabPage(nullptr, withTab);
        p->SetText(text);
        return p;
    };
    return {
        [c, second, page](QRandomGenerator& rng) {
            const int at = rng.bounded(-2, c->Count() + 3);
            const std::function<void()> steps[] = {
                [&] { c->InsertPage(at, page(RandomText(rng), rng.bounded(4) != 0)); },
                [&] { c->RemovePage(at); },
                [&] { delete c->Page(at); },
                [&] { c->InsertPage(at, c->Page(rng.bounded(-1, c->Count() + 1))); },
                [&] {
                    if (WTabPage* p = c->Page(at))
                        second->AddPage(p);
                    else if (second->Count() > 0)
                        c->InsertPage(at, second->Page(0));
                },
                [&] {
                    if (WTabPage* p = c->Page(at); p && p->TabButton())
                        QMetaObject::invokeMethod(p->TabButton(), "Clicked");
                },
                [&] { c->SetSelectedIndex(at); }};
            steps[rng.bounded(int(std::size(steps)))]();
            // Removed pages pile up as children; clear them out now and then.
            if (rng.bounded(20) == 0) {
                for (WTabPage* p :
                     c->findChildren<WTabPage*>(QString(), Qt::FindDirectChildrenOnly))
                    if (c->IndexOf(p) < 0)
                        delete p;
            }
        },
        [c] {
            if (c->SelectedIndex() < -1 || c->SelectedIndex() >= c->Count())
                return QStringLiteral("selected %1 of %2").arg(c->SelectedIndex()).arg(c->Count());
            c->ReLayout(); // undo what the harness did to the children's geometry
            QRect pageRect, previousTab;
            const auto far = [](const QPoint& p) {
                return qAbs(p.x()) >= (1 << 28) || qAbs(p.y()) >= (1 << 28);
            };
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
                // Tabs of one size follow each other, up to where placing saturates.
                const QPoint step = c->TabBarPosition() <= PositionType::Bottom
                                        ? QPoint(previousTab.width(), 0)
                                        : QPoint(0, previousTab.height());
                if (previousTab.isValid() && (tab->size() != previousTab.size() ||
                                              (tab->pos() != previousTab.topLeft() + step &&
                                               !far(tab->pos()) && !far(previousTab.topLeft()))))
                    return QStringLiteral("tab %1 does not follow the one before").arg(i);
                previousTab = tab->geometry();
            }
            return QString();
        }};
}

// The lines changed from code, also while the list is open, and the list opened by presses.
RandomCalls comboBox(WComboBox* box)
{
    return {[box](QRandomGenerator& rng) {
                const std::function<void()> steps[] = {
                    [&] { box->SetItems(NumberedLines(rng.bounded(0, 40))); },
                    [&] { box->InsetItem(ExtremeInt(rng), RandomText(rng)); },
                    [&] { box->RemoveItem(ExtremeInt(rng)); },
                    [&] { box->SetItem(ExtremeInt(rng), RandomText(rng)); },
                    [&] {
                        if (!box->IsPopupOpen())
                            MousePress(box, QPoint(5, 5));
                    }};
                steps[rng.bounded(int(std::size(steps)))]();
            },
            [box] {
                if (box->SelectedIndex() < -1 || box->SelectedIndex() >= box->Items().size())
                    return QStringLiteral("selection out of range");
                if (box->ItemHeight() < 1)
                    return QStringLiteral("item height below 1");
                return box->IsPopupOpen() || QApplication::activePopupWidget()
                           ? QStringLiteral("list left open")
                           : QString();
            }};
}

// Items changed from code, also while it runs, and runs anywhere on the screen and beyond.
RandomCalls menu(WMenu* m)
{
    return {[m](QRandomGenerator& rng) {
                const int v = ExtremeInt(rng);
                const auto run = [&] { // anywhere on the screen and beyond
                    if (!m->isVisible()) {
                        const QRect s = QGuiApplication::primaryScreen()->geometry();
                        m->exec(QPoint(rng.bounded(s.left() - 50, s.right() + 50),
                                       rng.bounded(s.top() - 50, s.bottom() + 50)));
                    }
                };
                const std::function<void()> steps[] = {
                    [&] { m->SetItemHeight(rng.bounded(2) ? v : rng.bounded(1, 40)); },
                    [&] {
                        m->SetPadding(WPadding{v / 4, rng.bounded(-5, 20), rng.bounded(-5, 20), v});
                    },
                    [&] { m->AddItem(RandomText(rng)); },
                    [&] { m->RemoveItem(v); },
                    [&] { m->SetItemText(v, RandomText(rng)); },
                    [&] { m->SetAutoHide(rng.bounded(2)); },
                    run,
                    run}; // runs twice as often as each change
                steps[rng.bounded(int(std::size(steps)))]();
            },
            [m] {
                if (m->HoverItem() && m->IndexOf(m->HoverItem()) < 0)
                    return QStringLiteral("hover item is not an item");
                return m->ItemHeight() < 1 ? QStringLiteral("item height below 1") : QString();
            }};
}

// Children added, removed and docked anew in a tree of nested panels; after a pass the docked
// children of every panel lie inside its area (whoever resizes a docked child directly moves it
// out of place until the next pass, so every panel is asked for one first).
RandomCalls panel(WPanel* root)
{
    const auto child = [](QWidget* parent, int width, int height, DockType::Types dock) {
        auto* c = new WTest(parent);
        c->resize(width, height);
        c->SetDock(dock);
        return c;
    };
    auto* body = new WPanel(root);
    body->SetDock(DockType::Fill);
    body->SetBorder(PositionFlag::All);
    body->SetBorderWidth(2);
    child(root, 400, 20, DockType::Top);
    child(body, 10, 20, DockType::Bottom);
    auto* nested = new WPanel(body);
    nested->SetDock(DockType::Fill);
    child(nested, 30, 30, DockType::None)->SetAnchor(PositionFlag::Right | PositionFlag::Bottom);
    new QWidget(body); // a foreign child among them
    return {[root, child](QRandomGenerator& rng) {
                QList<WPanel*> panels = root->findChildren<WPanel*>();
                WPanel* target = panels.value(rng.bounded(int(panels.size()) + 1), root);
                if (rng.bounded(3) == 0)
                    child(target, rng.bounded(0, 80), rng.bounded(0, 80),
                          DockType::Types(rng.bounded(0, 6)))
                        ->show();
                else if (const QList<WTest*> leaves = target->findChildren<WTest*>();
                         rng.bounded(2) && !leaves.isEmpty())
                    delete leaves.at(rng.bounded(int(leaves.size())));
                else if (target != root)
                    target->SetDock(DockType::Types(rng.bounded(0, 6)));
            },
            [root] {
                QList<WPanel*> panels = root->findChildren<WPanel*>();
                panels << root;
                for (WPanel* panel : panels)
                    panel->PostChildDockChangedEvent();
                Settle();
                for (WPanel* panel : panels) {
                    const QRect a = panel->ContainerArea();
                    for (QObject* o : panel->children()) {
                        auto* c = qobject_cast<WBase*>(o);
                        if (a.isEmpty() || !c || c->isHidden() || c->Dock() < DockType::Top ||
                            c->Dock() > DockType::Fill)
                            continue;
                        const QRect g = c->geometry(); // right() and bottom() hold when empty too
                        if (g.left() < a.left() || g.top() < a.top() || g.right() > a.right() ||
                            g.bottom() > a.bottom())
                            return QStringLiteral("a docked child outside its panel's area");
                    }
                }
                return QString();
            }};
}

// The form moved, sized, maximised, minimised, run modally and ended every way, given icons and
// pointer input where the window system sends it. It stays its window's only content.
RandomCalls form(WForm* f)
{
    QWidget* window = f->window();
    return {[f, window](QRandomGenerator& rng) {
                const std::function<void()> steps[] = {
                    [&] { f->move(QPoint(ExtremeInt(rng), ExtremeInt(rng))); },
                    // Anywhere a QRect can reach; window-sized, so that painting stays cheap.
                    [&] {
                        f->setGeometry(QRect(ExtremeInt(rng) / 4, ExtremeInt(rng) / 4,
                                             ExtremeInt(rng) % 1200, ExtremeInt(rng) % 1200));
                    },
                    [&] { f->setMinimumSize(ExtremeInt(rng) % 2000, ExtremeInt(rng) % 2000); },
                    [&] { rng.bounded(2) ? f->showMaximized() : f->showNormal(); },
                    [&] { rng.bounded(2) ? f->showMinimized() : f->show(rng.bounded(2)); },
                    [&] {
                        const int way = rng.bounded(3);
                        QTimer::singleShot(0, f, [f, way] {
                            way == 0 ? f->exit(1) : way == 1 ? f->hide() : void(f->close());
                        });
                        f->exec(rng.bounded(2));
                        f->show();
                    },
                    [&] { f->exit(ExtremeInt(rng)); },
                    [&] {
                        const QPoint at(rng.bounded(-5, window->width() + 5),
                                        rng.bounded(-5, window->height() + 5));
                        const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove,
                                                      QEvent::MouseButtonRelease,
                                                      QEvent::MouseButtonDblClick};
                        const QEvent::Type type = types[rng.bounded(4)];
                        const bool held = type == QEvent::MouseButtonPress || rng.bounded(2);
                        FormTest::mouse(*f, type, at, held ? Qt::LeftButton : Qt::NoButton,
                                        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton);
                    },
                    [&] {
                        f->SetIcon(rng.bounded(2) ? QIcon(QPixmap(rng.bounded(1, 64), 9))
                                                  : QIcon());
                    }};
                steps[rng.bounded(int(std::size(steps)))]();
            },
            [f, window] {
                // Where in its window is not checked here: the run places the form itself too,
                // and the window puts it back only on its own next resize.
                if (f->window() != window || f->parentWidget() != window)
                    return QStringLiteral("form and window parted");
                return window->windowModality() == Qt::NonModal
                           ? QString()
                           : QStringLiteral("modality left behind");
            }};
}

// Two models of their own, filled, thinned, sorted and swapped under the grid, with widgets,
// images and texts in their cells; after UpdateData with no change since, the first row for the
// scroll offset is the walk's, whatever the locator remembers.
RandomCalls gridList(WGridList* grid)
{
    struct Models
    {
        QImage image{12, 9, QImage::Format_ARGB32};
        WGridListData first{6}, second{3};
        bool dirty = false; // the model changed since the last UpdateData
    };
    auto m = std::make_shared<Models>();
    m->image.fill(Qt::darkCyan);
    const auto makeRow = [m](QRandomGenerator& rng, const WGridListData& data) {
        auto* row = new WGridListRow(rng.bounded(8) ? data.ColumnCount : rng.bounded(-1, 9));
        for (int c = 0; c < row->CellCount(); ++c) {
            const int kind = rng.bounded(5);
            if (kind == 0) {
                row->Cells[c] = rng.bounded(2) == 0;
            } else if (kind == 1) {
                row->Cells[c] = rng.bounded(4) ? &m->image : static_cast<const QImage*>(nullptr);
            } else if (kind == 2) { // a line edit, alone or in a container
                auto* holder = rng.bounded(2) ? new WPanel : nullptr;
                auto* edit = new WLineEdit(holder);
                edit->SetDock(rng.bounded(3) ? DockType::Fill : DockType::None);
                row->Cells[c] = holder ? static_cast<WBase*>(holder) : edit;
            } else {
                row->Cells[c] = RandomText(rng).left(30);
            }
        }
        row->Visible = rng.bounded(5) != 0;
        return row;
    };
    QRandomGenerator fill(5);
    for (int i = 0; i < 40; ++i)
        m->first.AddRow(makeRow(fill, m->first));
    grid->SetColumnWidth({60, 30, 40, 80, 70, 50});
    grid->SetDataSource(&m->first);
    grid->UpdateData();
    return {[grid, m, makeRow](QRandomGenerator& rng) {
                WGridListData* data = grid->DataSource();
                const int count = data ? data->Rows.size() : 0;
                const int what = rng.bounded(8);
                m->dirty = m->dirty || what < 3 || what == 5;
                if (what == 0 && data && count < 150) {
                    for (int i = rng.bounded(1, 9); i > 0; --i)
                        data->AddRow(rng.bounded(30) ? makeRow(rng, *data) : nullptr);
                } else if (what == 1 && count > 0) { // the row count stays as it was at times
                    data->RemoveRow(rng.bounded(-count, count + 2));
                    data->Sort(rng.bounded(-1, data->ColumnCount + 1));
                    if (WGridListRow* row = data->Rows.value(rng.bounded(count)))
                        row->Visible = !row->Visible;
                    grid->SetSelectedRow(data->Rows.value(rng.bounded(count)));
                    grid->SetLockedRow(data->Rows.value(rng.bounded(count)));
                } else if (what == 2 && data) {
                    data->ShowRows = rng.bounded(4) != 0;
                    data->ColumnCount = rng.bounded(4) ? data->ColumnCount : rng.bounded(-1, 9);
                    if (rng.bounded(10) == 0)
                        data->Clear();
                } else if (what == 4) {
                    QVector<int> widths;
                    for (int i = rng.bounded(8); i > 0; --i)
                        widths << (rng.bounded(4) ? rng.bounded(1, 120) : ExtremeInt(rng));
                    grid->SetColumnWidth(widths);
                } else if (what == 5) {
                    WGridListData* const models[] = {&m->first, &m->second, nullptr};
                    grid->SetDataSource(models[rng.bounded(3)]);
                } else {
                    grid->UpdateData();
                    grid->SetVScrollBarValue(rng.bounded(qMax(grid->ScrollSize().height(), 1)));
                    m->dirty = false;
                }
            },
            [grid, m] {
                const WGridListData* data = grid->DataSource();
                const int v = grid->VScrollBarValue();
                if (!data || m->dirty)
                    return QString();
                grid->ComputeDrawRowStartIndex(v);
                const auto walk = GridTest::Walk(data->Rows, grid->RowHeight(), v);
                return qMakePair(grid->FirstRow(), grid->RowOffset()) == walk
                           ? QString()
                           : QStringLiteral("first row %1, not the walk's").arg(grid->FirstRow());
            }};
}

// A class's calls, given the widget as the class it is.
template <class W, RandomCalls (*calls)(W*)> RandomCalls of(QWidget* w)
{
    return calls(static_cast<W*>(w));
}

} // namespace

RandomCalls ClassCalls(const QByteArray& name, QWidget* widget)
{
    static const QMap<QByteArray, RandomCalls (*)(QWidget*)> rows{
        {"WItemList", of<WItemList, itemList>},
        {"WScrollPanel", of<WScrollPanel, scrollPanel>},
        {"WLabel", of<WLabel, label>},
        {"WLineEdit", of<WLineEdit, lineEdit>},
        {"WHourMinutePicker", of<WHourMinutePicker, picker>},
        {"WTreeView", of<WTreeView, treeView>},
        {"WTrackBar", of<WTrackBar, trackBar>},
        {"WTabControl", of<WTabControl, tabControl>},
        {"WComboBox", of<WComboBox, comboBox>},
        {"WMenu", of<WMenu, menu>},
        {"WPanel", of<WPanel, panel>},
        {"WForm", of<WForm, form>},
        {"WGridList", of<WGridList, gridList>}};
    const auto make = rows.value(name);
    return make ? make(widget) : RandomCalls{};
}

} // namespace WexalTest
