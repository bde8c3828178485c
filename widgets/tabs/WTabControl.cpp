#include "WTabControl.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WButton.h"
#include "WEvent.h"
#include "WFocusChain_p.h"
#include "WMirror_p.h"
#include "WPanel.h"
#include "WRoundedLayerCache_p.h"
#include "WTabPage.h"
#include "WTheme_p.h"

#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>

#include <vector>

namespace {

struct PageEntry
{
    // Cleared the moment the page starts to die, before Qt tells the control it is gone.
    QPointer<WTabPage> page;
    // The page's address, kept for recognising it in ChildRemoved once it can no longer be
    // looked at.
    const QObject* object = nullptr;
    // Where the next tab starts along the bar after this page's tab (or where this page's
    // would be, for a page without one), as last placed.
    qint64 tabEnd = 0;
};

// Sizes and border widths are applications' numbers; the sums are taken wide and bounded so
// that placing never overflows and never hands Qt a negative size.
QRect bounded(qint64 x, qint64 y, qint64 w, qint64 h)
{
    constexpr qint64 limit = 1 << 28;
    return QRect(int(qBound(-limit, x, limit)), int(qBound(-limit, y, limit)),
                 int(qBound(qint64(0), w, qint64(QWIDGETSIZE_MAX))),
                 int(qBound(qint64(0), h, qint64(QWIDGETSIZE_MAX))));
}

// A placement that would change nothing is skipped: relaying out a long list after every
// insertion then costs only the widgets that really move.
void place(WBase* w, const QRect& r)
{
    if (w->geometry() != r)
        w->LayoutSetGeometry(r);
}

} // namespace

struct WTabControlPrivate
{
    int selectedIndex = -1;
    PositionType::Types tabBarPosition = PositionType::Top;
    QSize tabBarSize;
    QPointer<WPanel> tabPaddingPanel;
    std::vector<PageEntry> pages;
    // The listed pages' addresses: whether an object is one of them, without a walk of the list.
    QSet<const QObject*> listed;
    QPointer<WTabPage> selectedPage;
    // Bumped on every change of pages, so that a loop that called out can tell that the list
    // it was walking has changed under it.
    quint64 generation = 0;
    WRoundedLayerCache layers;
};

WTabControl::WTabControl(QWidget* parent) : WBase(parent), d(std::make_unique<WTabControlPrivate>())
{
    d->tabPaddingPanel = new WPanel(this);
    WThemeHooks::MarkPart(d->tabPaddingPanel);
    d->tabPaddingPanel->SetCanReLayoutParent(false);
    d->tabPaddingPanel->SetBackColor(Qt::transparent);
}

WTabControl::~WTabControl()
{
    // Taken out first: each deletion reports a removed child, which must find nothing to do.
    std::vector<PageEntry> pages;
    pages.swap(d->pages);
    d->listed.clear();
    ++d->generation;
    d->selectedPage = nullptr;
    d->selectedIndex = -1;
    for (PageEntry& entry : pages)
        delete entry.page.data();
    delete d->tabPaddingPanel.data();
}

int WTabControl::SelectedIndex() const
{
    return d->selectedIndex;
}

void WTabControl::SetSelectedIndex(int index)
{
    index = qBound(-1, index, Count() - 1);
    if (index == d->selectedIndex)
        return;
    WTabPage* next = index >= 0 ? d->pages[size_t(index)].page.data() : nullptr;
    if (index >= 0 && !next)
        return; // a page in the middle of its deletion: it is about to leave the list
    const QPointer<WTabPage> old = d->selectedPage;
    d->selectedIndex = index;
    d->selectedPage = next;

    // Showing and hiding reach the pages' children, which may be application widgets that
    // change the control in turn; if they changed the selection, theirs stands.
    const WAliveGuard alive(this);
    if (old && old != next) {
        old->setVisible(false);
        if (!alive || d->selectedPage != next)
            return;
        if (old) {
            old->SetSelected(false);
            // The tab bar is one Tab stop, at the selected tab.
            WFocusChain::SetTabStopSuspended(old->TabButton(), true);
        }
    }
    if (next) {
        next->setVisible(true);
        if (!alive || d->selectedPage != next)
            return;
        next->SetSelected(true);
        WFocusChain::SetTabStopSuspended(next->TabButton(), false);
    }
    if (index >= 0)
        WAnnounce::SelectionChanged(this, index);
    emit SelectedPageChanged(index);
}

PositionType::Types WTabControl::TabBarPosition() const
{
    return d->tabBarPosition;
}

void WTabControl::SetTabBarPosition(PositionType::Types position)
{
    if (d->tabBarPosition == position || position < PositionType::Top ||
        position > PositionType::Right)
        return;
    d->tabBarPosition = position;
    ReLayout();
}

const QSize& WTabControl::TabBarSize() const
{
    return d->tabBarSize;
}

void WTabControl::SetTabBarSize(const QSize& size)
{
    if (d->tabBarSize == size)
        return;
    d->tabBarSize = size;
    ReLayout();
}

const QColor& WTabControl::TabPaddingColor() const
{
    static const QColor none;
    return d->tabPaddingPanel ? d->tabPaddingPanel->BackColor() : none;
}

void WTabControl::SetTabPaddingColor(const QColor& color)
{
    if (d->tabPaddingPanel)
        d->tabPaddingPanel->SetBackColor(color);
}

int WTabControl::Count() const
{
    return int(d->pages.size());
}

WTabPage* WTabControl::Page(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return d->pages[size_t(index)].page;
}

int WTabControl::IndexOf(const WTabPage* page) const
{
    if (!page || !d->listed.contains(page))
        return -1;
    // From the end: pages are most often added and removed there.
    for (size_t i = d->pages.size(); i-- > 0;) {
        if (d->pages[i].object == page)
            return int(i);
    }
    return -1;
}

int WTabControl::IndexOfTab(const QWidget* tab) const
{
    const auto* button = qobject_cast<const WButton*>(tab);
    if (!button || button->parentWidget() != this)
        return -1;
    // Each tab's Tag holds its index; a stale one is looked up.
    if (const WTabPage* page = Page(button->Tag); page && page->TabButton() == button)
        return button->Tag;
    for (int i = 0; i < Count(); ++i) {
        const WTabPage* page = Page(i);
        if (page && page->TabButton() == button)
            return i;
    }
    return -1;
}

void WTabControl::AddPage(WTabPage* page)
{
    InsertPage(Count(), page);
}

void WTabControl::AddPage(QWidget* page)
{
    if (auto* tabPage = qobject_cast<WTabPage*>(page))
        AddPage(tabPage);
}

void WTabControl::InsertPage(int index, WTabPage* page)
{
    // A page that holds this control would become its own grandparent.
    if (!page || page->isAncestorOf(this))
        return;

    // Inserted again: it moves. Its selection is dropped here and given back below, since
    // every insertion selects the inserted page.
    const int existing = IndexOf(page);
    if (existing >= 0) {
        d->pages.erase(d->pages.begin() + existing);
        d->listed.remove(page);
        ++d->generation;
        if (existing == d->selectedIndex)
            d->selectedIndex = -1;
        else if (existing < d->selectedIndex)
            --d->selectedIndex;
    }

    // Reparenting tells the previous parent (perhaps another tab control, which then lets the
    // page go and may emit), so everything is checked again afterwards.
    const WAliveGuard alive(this);
    const QPointer<WTabPage> pageAlive(page);
    page->setParent(this);
    if (!alive || !pageAlive || page->parentWidget() != this)
        return;
    const QPointer<WButton> tab = page->TabButton();
    if (tab) {
        tab->setParent(this);
        if (!alive || !pageAlive || !tab)
            return;
        tab->setVisible(true);
        if (!alive || !pageAlive || !tab)
            return;
        connect(tab, &WButton::Clicked, this, &WTabControl::TabClicked, Qt::UniqueConnection);
    }
    if (IndexOf(page) >= 0 || page->parentWidget() != this)
        return; // placed already by whatever ran in between

    index = qBound(0, index, Count());
    d->pages.insert(d->pages.begin() + index, PageEntry{page, page});
    d->listed.insert(page);
    ++d->generation;
    d->selectedIndex = -1;
    SetSelectedIndex(index);
    if (!alive)
        return;
    PlaceFrom(existing >= 0 ? qMin(existing, index) : index);
}

void WTabControl::RemovePage(int index)
{
    if (index < 0 || index >= Count())
        return;
    TakeOut(index, false);
}

// What RemovePage does, also for pages that leave by deletion or reparenting (leaving; Qt
// reports it before the page's parent changes): the list closes up, the selected index stays on the
// page it named, and losing the selected page selects the one before it.
void WTabControl::TakeOut(int index, bool leaving)
{
    const PageEntry entry = d->pages[size_t(index)];
    d->pages.erase(d->pages.begin() + index);
    d->listed.remove(entry.object);
    ++d->generation;
    const bool wasSelected = index == d->selectedIndex;
    if (wasSelected) {
        d->selectedPage = nullptr;
        d->selectedIndex = -1;
    } else if (index < d->selectedIndex) {
        --d->selectedIndex;
    }

    // A removed page leaves its hidden tab with the control, as it leaves itself; a page that
    // went to another parent takes its tab back, so that the tab does not die with the control.
    const WAliveGuard alive(this);
    if (entry.page) {
        WButton* tab = entry.page->TabButton();
        if (tab && tab->parent() == this) {
            WFocusChain::SetTabStopSuspended(tab, false);
            if (!leaving)
                tab->hide();
            else
                tab->setParent(nullptr);
            if (!alive)
                return;
        }
    }
    if (wasSelected) {
        SetSelectedIndex(index - 1);
        if (!alive)
            return;
    }
    PlaceFrom(index);
}

void WTabControl::TabClicked()
{
    // The buttons of pages that have left (and still hold a connection) are not found and do
    // nothing.
    const int index = IndexOfTab(qobject_cast<const QWidget*>(sender()));
    if (index >= 0)
        SetSelectedIndex(index);
}

void WTabControl::ReLayout()
{
    PlaceFrom(0);
}

void WTabControl::PlaceFrom(int first)
{
    const qint64 w = width(), h = height(), b = BorderWidth();
    const qint64 tw = qBound(0, d->tabBarSize.width(), QWIDGETSIZE_MAX);
    const qint64 th = qBound(0, d->tabBarSize.height(), QWIDGETSIZE_MAX);
    QRect pageRect;
    qint64 x = b, y = b;
    bool across = true; // tabs run along x (Top, Bottom) rather than y
    switch (d->tabBarPosition) {
    case PositionType::Top:
        pageRect = bounded(b, b + th, w - 2 * b, h - th - 2 * b);
        break;
    case PositionType::Bottom:
        pageRect = bounded(b, b, w - 2 * b, h - th - 2 * b);
        y = h - th + b;
        break;
    case PositionType::Left:
        pageRect = bounded(tw + b, b, w - tw - 2 * b, h - 2 * b);
        across = false;
        break;
    case PositionType::Right:
        pageRect = bounded(b, b, w - tw - 2 * b, h - 2 * b);
        x = w - tw + b;
        across = false;
        break;
    default:
        return;
    }

    // Placing resizes pages, whose handlers may be the application's; a change of the list
    // made meanwhile has laid everything out again already.
    const WAliveGuard alive(this);
    const quint64 generation = d->generation;
    const size_t count = d->pages.size();
    // Right to left, the whole control is placed as its mirror image: tabs run from the right,
    // and a bar on the left is on the right.
    const bool mirrored = isRightToLeft();
    const auto placed = [&](const QRect& r) { return WMirror::Rect(r, int(w), mirrored); };
    const size_t from = size_t(qBound(0, first, int(count)));
    qint64& along = across ? x : y;
    if (from > 0)
        along = d->pages[from - 1].tabEnd;
    for (size_t i = from; i < count; ++i) {
        WTabPage* page = d->pages[i].page;
        WButton* tab = page ? page->TabButton() : nullptr;
        if (page) {
            place(page, placed(pageRect));
            if (!alive || generation != d->generation)
                return;
        }
        if (tab && tab == page->TabButton()) {
            tab->Tag = int(i);
            place(tab, placed(bounded(x, y, tw, th)));
            if (!alive || generation != d->generation)
                return;
            along += across ? tw : th;
        }
        d->pages[i].tabEnd = along;
    }

    WPanel* padding = d->tabPaddingPanel;
    if (!padding)
        return;
    const qint64 pw = across ? w - x : tw;
    const qint64 ph = across ? th : h - y;
    if (pw >= 1 && ph >= 1) {
        place(padding, placed(bounded(x, y, pw, ph)));
        padding->show();
    } else {
        padding->hide();
    }
}

// On a tab, the arrows select the page before or after (around the ends) and Home and End the
// first and last, and the focus follows to the new tab; Ctrl+Tab and Ctrl+Shift+Tab do the same
// from anywhere in the control.
bool WTabControl::HandleKey(QKeyEvent* e)
{
    const int count = Count();
    if (count == 0)
        return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    QWidget* focus = QApplication::focusWidget();
    const bool onTab = focus == this || IndexOfTab(focus) >= 0;
    const int current = d->selectedIndex;
    int target;
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(mods & Qt::ControlModifier))
            return false;
        target = e->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier) ? current + 1 : current - 1;
        break;
    // Right to left, the tab on the left is the next one.
    case Qt::Key_Left:
    case Qt::Key_Up:
        target = e->key() == Qt::Key_Left && isRightToLeft() ? current + 1 : current - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        target = e->key() == Qt::Key_Right && isRightToLeft() ? current - 1 : current + 1;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = count - 1;
        break;
    default:
        return false;
    }
    const bool ctrlTab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
    if (!ctrlTab && (!onTab || mods != Qt::NoModifier))
        return false;
    // From no selection, backwards starts at the end and forwards at the start.
    if (current < 0 && target < 0)
        target = count - 1;
    target = (target % count + count) % count;
    const QPointer<QWidget> focused = focus;
    const WAliveGuard alive(this);
    SetSelectedIndex(target);
    if (!alive)
        return true;
    // The focus goes along to the new tab from a tab, and from a page that is now hidden.
    const WTabPage* page = Page(d->selectedIndex);
    const bool lost = !focused || !focused->isVisible();
    if ((onTab || lost) && page && page->TabButton() && focus != this)
        page->TabButton()->setFocus(Qt::TabFocusReason);
    return true;
}

bool WTabControl::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::KeyPress:
        if (IsKeyboardAccess() && HandleKey(static_cast<QKeyEvent*>(e))) {
            e->accept();
            return true;
        }
        break;
    case QEvent::Resize:
    case WEvent::BorderChanged: {
        const WAliveGuard alive(this);
        ReLayout();
        if (!alive)
            return true;
        break;
    }
    case QEvent::ChildRemoved: {
        const QObject* child = static_cast<QChildEvent*>(e)->child();
        if (!d->listed.contains(child))
            break;
        for (size_t i = d->pages.size(); i-- > 0;) {
            if (d->pages[i].object != child)
                continue;
            const WAliveGuard alive(this);
            TakeOut(int(i), true);
            if (!alive)
                return true;
            break;
        }
        break;
    }
    default:
        break;
    }
    return WBase::event(e);
}

void WTabControl::Paint(QPainter* painter)
{
    d->layers.DrawBackColor(painter, rect(), Radius(), BackColor(), BorderWidth());
    d->layers.DrawBorder(painter, rect(), Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
}
