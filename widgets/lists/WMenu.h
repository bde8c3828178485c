#pragma once

#include "WBase.h"
#include "WPadding.h"

class QKeyEvent;
class WMenuItem;
struct WMenuPrivate;

// A popup menu of text items: a frameless, translucent popup window with a soft shadow on its
// right and bottom edges. exec() shows it at a screen point and blocks in a local event loop
// until an item is pressed or the menu is dismissed (a press elsewhere, Escape, or with
// AutoHide the pointer leaving it). No submenus, separators, icons or keyboard navigation.
/// A popup menu of text items.
///
/// The menu is a frameless, translucent popup window with a soft shadow along its right and bottom
/// edges. exec() shows it at a screen point and blocks in a local event loop until an enabled item
/// is pressed or the menu is dismissed (a press elsewhere, Escape, or, with AutoHide(), the pointer
/// leaving it), and returns the chosen item. The menu is as wide as its widest item text plus
/// Padding() and as tall as its items; each item is ItemHeight() pixels high.
///
/// The face is drawn in the inherited BackColor, Border, BorderWidth and BorderColor; item texts in
/// ForeColor, the item under the pointer in ItemForeColorHover() on ItemBackColorHover(), and
/// disabled items in ItemForeColorDisable(). HoverItemChanged() reports the item under the pointer.
/// With the keyboard switch on (WBase::SetKeyboardAccess()), Up and Down move over the enabled
/// items (wrapping around), Home and End go to the first and last, and Enter and Space choose.
/// There are no submenus, separators or icons.
///
/// \image html WMenu.png
/// \sa WMenuItem
class WEXAL_EXPORT WMenu : public WBase
{
    Q_OBJECT

public:
    /// Constructs an empty, hidden menu as a child of \a parent.
    Q_INVOKABLE explicit WMenu(QWidget* parent = nullptr);
    /// Destroys the menu and its items, ending an exec() in progress.
    ~WMenu() override;

    // The item is owned by the menu; the pointer stays valid until it is removed.
    /// Appends an enabled item showing \a text and returns it. The item is owned by the menu; the
    /// pointer stays valid until the item is removed. The menu widens to a wider text.
    WMenuItem* AddItem(const QString& text);
    // Deletes the item at index; an index outside the items changes nothing. The menu then
    // narrows to its widest remaining text.
    /// Deletes the item at \a index; an index outside the items changes nothing. The menu then
    /// narrows to its widest remaining text.
    void RemoveItem(int index);
    // Deletes every item; the width of the widest text seen is kept.
    /// Deletes every item; the width of the widest text seen is kept.
    void Clear();
    // The menu widens to a wider text but never narrows here.
    /// Sets the text of \a item, which must be one of this menu's items (any other pointer, null
    /// included, is ignored). The menu widens to a wider text but never narrows here.
    void SetItemText(WMenuItem* item, const QString& text);
    /// Sets the text of the item at \a index; an index outside the items is ignored.
    void SetItemText(int index, const QString& text);
    // -1 when the item is not this menu's.
    /// The index of \a item in the menu, or -1 when the item is not this menu's.
    int IndexOf(WMenuItem* item) const;
    /// The number of items in the menu.
    int ItemCount() const;
    /// The item at \a index, or null when \a index is out of range.
    WMenuItem* Item(int index) const;

    // These take effect at the next exec or paint.
    /// Whether the open menu closes, without a choice, as soon as the pointer leaves it; false by
    /// default.
    bool AutoHide() const;
    /// Sets whether the menu closes when the pointer leaves it; see AutoHide().
    void SetAutoHide(bool autoHide);
    /// The space, in pixels, between the menu's edges and its items; 0 on every side by default.
    /// Right to left, the left and right paddings change sides.
    const WPadding& Padding() const;
    /// Sets the space around the items; see Padding(). Takes effect at the next exec() or paint.
    void SetPadding(const WPadding& padding);
    // Heights of 0 or less are refused: hovering divides by the height.
    /// The height of each item, in pixels; 30 by default.
    int ItemHeight() const;
    /// Sets the height of the items; see ItemHeight(). Heights of 0 or less are ignored. Takes
    /// effect at the next exec() or paint.
    void SetItemHeight(int height);
    // Invokable, so that themes reach them as they reach properties; by value, as an invoked
    // getter returns.
    /// The background of the item under the pointer; an invalid QColor until set.
    Q_INVOKABLE QColor ItemBackColorHover() const;
    /// Sets the background of the item under the pointer; see ItemBackColorHover(). Stored without
    /// a repaint: it shows at the next paint.
    Q_INVOKABLE void SetItemBackColorHover(const QColor& color);
    /// The text colour of the item under the pointer; an invalid QColor until set.
    Q_INVOKABLE QColor ItemForeColorHover() const;
    /// Sets the text colour of the item under the pointer; see ItemForeColorHover(). Stored without
    /// a repaint: it shows at the next paint.
    Q_INVOKABLE void SetItemForeColorHover(const QColor& color);
    /// The text colour of disabled items; an invalid QColor until set.
    Q_INVOKABLE QColor ItemForeColorDisable() const;
    /// Sets the text colour of disabled items; see ItemForeColorDisable(). Stored without a
    /// repaint: it shows at the next paint.
    Q_INVOKABLE void SetItemForeColorDisable(const QColor& color);

    // The widest item text seen, in the menu's font.
    /// The width of the widest item text seen, in pixels in the menu's font; measured afresh after
    /// RemoveItem() and a font change.
    int TextWidth() const;
    /// The item under the pointer (or reached with the keys), or null.
    WMenuItem* HoverItem() const;

    // Opens the menu right-down from pos (global coordinates), flipped left or up where it
    // would pass the edge of pos's screen, and waits. Returns the chosen item, or null when
    // the menu was dismissed, when it is already open, or when the menu was deleted meanwhile
    // (then nothing of it may be touched).
    /// Opens the menu with its top left corner at \a pos, in global coordinates (its top right
    /// corner right to left), flipped to the other side or upwards where it would pass the edge of
    /// the screen at \a pos, and waits. Returns the chosen item, or null when the menu was
    /// dismissed, when it is already open, or when the menu was deleted meanwhile (then nothing of
    /// it may be touched).
    WMenuItem* exec(const QPoint& pos);

signals:
    /// Emitted when another item comes under the pointer (or is reached with the keys), with its
    /// \a index and the \a Item itself. Not emitted when the pointer leaves the items.
    void HoverItemChanged(int index, WMenuItem* Item);

protected:
    /// Tracks the pointer over the items, chooses on a press, closes on a press outside or, with
    /// AutoHide(), when the pointer leaves, and handles the keys of the keyboard switch.
    bool event(QEvent* e) override;
    /// Draws the face with its shadow, the border and the items.
    void Paint(QPainter* painter) override;

private:
    // Screen readers choose items as a press does.
    friend class WAccessibleMenu;

    // textWidth as the widest item text in the menu's font.
    void MeasureItems();
    // Returns false when the menu was deleted by a slot of HoverItemChanged.
    bool HoverAt(const QPoint& pos);
    // Hovers the item at index (a valid one) as the pointer would; false when a slot of
    // HoverItemChanged deleted the menu.
    bool HoverIndex(int index);
    // Ends the open menu with the item (an enabled one of this menu, or null) as the choice.
    void Choose(WMenuItem* item);
    bool HandleKey(QKeyEvent* e);

    const std::unique_ptr<WMenuPrivate> d;
};
