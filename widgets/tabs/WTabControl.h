#pragma once

#include "PositionType.h"
#include "WBase.h"

#include <QColor>
#include <QSize>

class QKeyEvent;
class WTabPage;
struct WTabControlPrivate;

// Shows one of its WTabPages at a time, with a bar of tabs along one side. The tabs are the
// pages' own buttons, all TabBarSize large, placed one after another from the start of the bar;
// a plain panel in TabPaddingColor covers the rest of the bar. A click on a tab selects its
// page. The control paints only its background and border and places pages, tabs and the
// padding panel itself.
//
// Pages in the control's list are owned by it. A page that leaves the control in any other way
// than RemovePage (the application deletes it, or gives it another parent) leaves the list at
// once, exactly as RemovePage would take it out. Each tab button's Tag holds its page's index.
/// A stack of WTabPage pages shown one at a time, with a bar of tabs along one side.
///
/// The tabs are the pages' own buttons, each TabBarSize() large, placed one after another from the
/// start of the bar on the side TabBarPosition() names; a plain panel in TabPaddingColor() fills
/// the rest of the bar. A click on a tab selects its page, which fills the rest of the control
/// inside its border; the other pages are hidden. The control paints only its background and border
/// (the inherited BackColor, Radius, Border, BorderWidth and BorderColor); the tabs take their look
/// from their pages. SelectedPageChanged() reports a change of page.
///
/// Pages in the control's list are owned by it. A page that leaves the control in any other way
/// than RemovePage() (the application deletes it, or gives it another parent) leaves the list at
/// once, as RemovePage() would take it out. With the keyboard switch on
/// (WBase::SetKeyboardAccess()), the arrow keys, Home and End on a tab, and Ctrl+Tab and
/// Ctrl+Shift+Tab anywhere in the control, select another page.
///
/// \image html WTabControl.png
/// \sa WTabPage
class WEXAL_EXPORT WTabControl : public WBase
{
    Q_OBJECT
    Q_PROPERTY(int SelectedIndex READ SelectedIndex WRITE SetSelectedIndex)
    Q_PROPERTY(PositionType::Types TabBarPosition READ TabBarPosition WRITE SetTabBarPosition)
    Q_PROPERTY(QSize TabBarSize READ TabBarSize WRITE SetTabBarSize)
    Q_PROPERTY(QColor TabPaddingColor READ TabPaddingColor WRITE SetTabPaddingColor)

public:
    /// Constructs an empty tab control, with the tab bar at the top, as a child of \a parent.
    Q_INVOKABLE explicit WTabControl(QWidget* parent = nullptr);
    /// Destroys the tab control and the pages in its list.
    ~WTabControl() override;

    // The selected page's index, or -1 when none is. Values past the last page select the last
    // one, values below -1 are taken as -1. A change shows the new page, hides the old one and
    // emits SelectedPageChanged.
    /// The index of the page shown, or -1 when none is (the default, and in an empty control).
    int SelectedIndex() const;
    /// Shows the page at \a index; see SelectedIndex(). Values past the last page select the last
    /// one and values below -1 are taken as -1. An equal index does nothing; a change shows the new
    /// page, hides the old one, gives the new tab its selected look and emits
    /// SelectedPageChanged().
    void SetSelectedIndex(int index);

    // A value outside the four sides is ignored.
    /// The side of the control that carries the tab bar; PositionType::Top by default. Right to
    /// left, the whole control is mirrored: a bar on the left is placed on the right and the tabs
    /// run from the right.
    PositionType::Types TabBarPosition() const;
    /// Moves the tab bar to another side; see TabBarPosition(). An equal value, or one outside the
    /// four sides, is ignored; a change lays the control out again.
    void SetTabBarPosition(PositionType::Types position);

    // The size of every tab. Negative extents (the initial QSize()) take no room in the layout.
    /// The size of every tab, in pixels; the bar is as thick as a tab (its height for a bar at the
    /// top or bottom, its width at the left or right). Invalid (QSize()) by default; negative
    /// extents take no room.
    const QSize& TabBarSize() const;
    /// Sets the size of the tabs; see TabBarSize(). An equal size does nothing; a change lays the
    /// control out again.
    void SetTabBarSize(const QSize& size);

    /// The colour of the part of the tab bar that no tab covers; transparent by default.
    const QColor& TabPaddingColor() const;
    /// Sets the colour of the bar beyond the tabs; see TabPaddingColor(). An equal colour does
    /// nothing.
    void SetTabPaddingColor(const QColor& color);

    /// The number of pages in the control.
    int Count() const;
    // The page at index, or null when index is out of range.
    /// The page at \a index, or null when \a index is out of range.
    WTabPage* Page(int index) const;
    // The page's index in the control, or -1.
    /// The index of \a page in the control, or -1 when it is not one of its pages.
    int IndexOf(const WTabPage* page) const;

    // The index of the page whose tab button `tab` is, or -1 for anything else.
    /// The index of the page whose tab button \a tab is, or -1 for any other widget.
    int IndexOfTab(const QWidget* tab) const;
    /// Appends \a page and selects it, as InsertPage() at Count() does.
    void AddPage(WTabPage* page);
    // The same, by name through the meta-object system: forms loaded at run time (QUiLoader)
    // add a tab control's pages by calling AddPage with a QWidget*. A widget that is not a
    // WTabPage is ignored.
    /// Appends \a page when it is a WTabPage; any other widget is ignored. Forms loaded at run time
    /// (QUiLoader) add a tab control's pages by calling this overload through the meta-object
    /// system.
    Q_INVOKABLE void AddPage(QWidget* page);
    // Takes the page in at index (clamped to [0, Count()]) and selects it. A page already in
    // this control moves to index; a page in another control leaves that one first. Null, and
    // a page that contains this control, are ignored.
    /// Takes \a page into the control before \a index (clamped between 0 and Count()), makes it and
    /// its tab children of the control, selects it and emits SelectedPageChanged(). A page already
    /// in this control moves to \a index; a page in another control leaves that one first. Null,
    /// and a page that contains this control, are ignored.
    void InsertPage(int index, WTabPage* page);
    // Takes the page out of the list and hides its tab; the page itself stays a shown child of
    // the control until the caller takes it away. Removing the selected page selects the one
    // before it (none for page 0, without a signal). An index out of range does nothing.
    /// Takes the page at \a index out of the list and hides its tab; the page itself stays a shown
    /// child of the control until the caller takes it away. Removing the selected page selects the
    /// one before it (none for page 0, without a signal). An index out of range does nothing.
    void RemovePage(int index);

    // Places pages, tabs and the padding panel for the current size, border and tab bar.
    /// Places the pages, the tabs and the padding panel for the current size, border, tab bar side
    /// and tab size. The control calls it itself whenever one of these changes.
    void ReLayout();

signals:
    /// Emitted when another page is selected, with its index, or -1 when none is selected any more.
    void SelectedPageChanged(int PageIndex);

public slots:
    // Connected to every tab button's Clicked(): selects the clicked tab's page.
    /// Selects the page whose tab sent the signal; connected to every tab button's
    /// WButton::Clicked(). Does nothing when called other than by a tab of this control.
    void TabClicked();

protected:
    /// Lays the pages out again on a resize or a border change, takes a page that leaves out of the
    /// list, and handles the keys of the keyboard switch.
    bool event(QEvent* e) override;
    /// Draws the control's background and border.
    void Paint(QPainter* painter) override;

private:
    void TakeOut(int index, bool leaving);
    // ReLayout for the pages from first on, those before it being in place already: a page
    // added or removed moves only the tabs after it.
    void PlaceFrom(int first);
    // The keys of the keyboard switch; true when the key was used. A slot may delete the
    // control.
    bool HandleKey(QKeyEvent* e);

    const std::unique_ptr<WTabControlPrivate> d;
};
