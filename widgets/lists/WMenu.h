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
class WEXAL_EXPORT WMenu : public WBase
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit WMenu(QWidget* parent = nullptr);
    ~WMenu() override;

    // The item is owned by the menu; the pointer stays valid until it is removed.
    WMenuItem* AddItem(const QString& text);
    // Deletes the item at index; an index outside the items changes nothing. The menu then
    // narrows to its widest remaining text.
    void RemoveItem(int index);
    // Deletes every item; the width of the widest text seen is kept.
    void Clear();
    // The menu widens to a wider text but never narrows here.
    void SetItemText(WMenuItem* item, const QString& text);
    void SetItemText(int index, const QString& text);
    // -1 when the item is not this menu's.
    int IndexOf(WMenuItem* item) const;
    int ItemCount() const;
    WMenuItem* Item(int index) const;

    // These take effect at the next exec or paint.
    bool AutoHide() const;
    void SetAutoHide(bool autoHide);
    const WPadding& Padding() const;
    void SetPadding(const WPadding& padding);
    // Heights of 0 or less are refused: hovering divides by the height.
    int ItemHeight() const;
    void SetItemHeight(int height);
    // Invokable, so that themes reach them as they reach properties; by value, as an invoked
    // getter returns.
    Q_INVOKABLE QColor ItemBackColorHover() const;
    Q_INVOKABLE void SetItemBackColorHover(const QColor& color);
    Q_INVOKABLE QColor ItemForeColorHover() const;
    Q_INVOKABLE void SetItemForeColorHover(const QColor& color);
    Q_INVOKABLE QColor ItemForeColorDisable() const;
    Q_INVOKABLE void SetItemForeColorDisable(const QColor& color);

    // The widest item text seen, in the menu's font.
    int TextWidth() const;
    WMenuItem* HoverItem() const;

    // Opens the menu right-down from pos (global coordinates), flipped left or up where it
    // would pass the edge of pos's screen, and waits. Returns the chosen item, or null when
    // the menu was dismissed, when it is already open, or when the menu was deleted meanwhile
    // (then nothing of it may be touched).
    WMenuItem* exec(const QPoint& pos);

signals:
    void HoverItemChanged(int index, WMenuItem* Item);

protected:
    bool event(QEvent* e) override;
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
