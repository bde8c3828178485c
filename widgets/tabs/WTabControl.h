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
class WEXAL_EXPORT WTabControl : public WBase
{
    Q_OBJECT
    Q_PROPERTY(int SelectedIndex READ SelectedIndex WRITE SetSelectedIndex)
    Q_PROPERTY(PositionType::Types TabBarPosition READ TabBarPosition WRITE SetTabBarPosition)
    Q_PROPERTY(QSize TabBarSize READ TabBarSize WRITE SetTabBarSize)
    Q_PROPERTY(QColor TabPaddingColor READ TabPaddingColor WRITE SetTabPaddingColor)

public:
    Q_INVOKABLE explicit WTabControl(QWidget* parent = nullptr);
    ~WTabControl() override;

    // The selected page's index, or -1 when none is. Values past the last page select the last
    // one, values below -1 are taken as -1. A change shows the new page, hides the old one and
    // emits SelectedPageChanged.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    // A value outside the four sides is ignored.
    PositionType::Types TabBarPosition() const;
    void SetTabBarPosition(PositionType::Types position);

    // The size of every tab. Negative extents (the initial QSize()) take no room in the layout.
    const QSize& TabBarSize() const;
    void SetTabBarSize(const QSize& size);

    const QColor& TabPaddingColor() const;
    void SetTabPaddingColor(const QColor& color);

    int Count() const;
    // The page at index, or null when index is out of range.
    WTabPage* Page(int index) const;
    // The page's index in the control, or -1.
    int IndexOf(const WTabPage* page) const;

    // The index of the page whose tab button `tab` is, or -1 for anything else.
    int IndexOfTab(const QWidget* tab) const;
    void AddPage(WTabPage* page);
    // The same, by name through the meta-object system: forms loaded at run time (QUiLoader)
    // add a tab control's pages by calling AddPage with a QWidget*. A widget that is not a
    // WTabPage is ignored.
    Q_INVOKABLE void AddPage(QWidget* page);
    // Takes the page in at index (clamped to [0, Count()]) and selects it. A page already in
    // this control moves to index; a page in another control leaves that one first. Null, and
    // a page that contains this control, are ignored.
    void InsertPage(int index, WTabPage* page);
    // Takes the page out of the list and hides its tab; the page itself stays a shown child of
    // the control until the caller takes it away. Removing the selected page selects the one
    // before it (none for page 0, without a signal). An index out of range does nothing.
    void RemovePage(int index);

    // Places pages, tabs and the padding panel for the current size, border and tab bar.
    void ReLayout();

signals:
    void SelectedPageChanged(int PageIndex);

public slots:
    // Connected to every tab button's Clicked(): selects the clicked tab's page.
    void TabClicked();

protected:
    bool event(QEvent* e) override;
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
