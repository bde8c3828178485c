#pragma once

#include "WBase.h"

#include <QStringList>

class QKeyEvent;
class WComboDropDownBox;
struct WComboBoxPrivate;

// A one-line selector: shows the selected line and a drop-down arrow, and on a press opens its
// list below itself and waits, in a local event loop, until a line is chosen or the list is
// closed. The lines and the list's colours live in the drop-down box, which the combo box owns.
//
// When a grid list paints the box into its own surface, the box remembers where on screen it
// was drawn and opens its list there.
class WEXAL_EXPORT WComboBox : public WBase
{
    Q_OBJECT
    Q_PROPERTY(QColor BorderColorHover READ BorderColorHover WRITE SetBorderColorHover)
    Q_PROPERTY(Qt::Alignment Align READ Align WRITE SetAlign)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(QColor ItemBackColorHover READ ItemBackColorHover WRITE SetItemBackColorHover)
    Q_PROPERTY(QColor ItemForeColorHover READ ItemForeColorHover WRITE SetItemForeColorHover)
    Q_PROPERTY(QColor DropDownButtonColor READ DropDownButtonColor WRITE SetDropDownButtonColor)
    Q_PROPERTY(QColor DropDownButtonColorDisable READ DropDownButtonColorDisable WRITE
                   SetDropDownButtonColorDisable)
    Q_PROPERTY(bool ShowDropDownButton READ ShowDropDownButton WRITE SetShowDropDownButton)
    Q_PROPERTY(int SelectedIndex READ SelectedIndex WRITE SetSelectedIndex)

public:
    Q_INVOKABLE explicit WComboBox(QWidget* parent = nullptr);
    ~WComboBox() override;

    const QColor& BorderColorHover() const;
    void SetBorderColorHover(const QColor& color);

    // The alignment of the lines and of the box's own text; taken at the next paint.
    Qt::Alignment Align() const;
    void SetAlign(Qt::Alignment align);

    // Heights of 0 or less are refused: hovering divides by the height.
    int ItemHeight() const;
    void SetItemHeight(int height);

    const QStringList& Items() const;
    // Keeps the selected index while it is still in range, even though the line it names may
    // have changed; otherwise the selection is cleared.
    void SetItems(const QStringList& items);
    // These three clear the selection, emitting SelectedIndexChanged(-1) if there was one.
    void AddItem(const QString& text);
    // Inserts before index, clamped to the ends.
    void InsetItem(int index, const QString& text);
    // An index outside the lines removes nothing (and still clears the selection).
    void RemoveItem(int index);
    // Replaces one line in place: no signal, no new measuring, no repaint.
    void SetItem(int index, const QString& text);

    const QColor& ItemBackColorHover() const;
    void SetItemBackColorHover(const QColor& color);
    const QColor& ItemForeColorHover() const;
    void SetItemForeColorHover(const QColor& color);

    // The arrow is recoloured from its white glyph whenever these change; while a colour was
    // never set, that state shows no arrow.
    const QColor& DropDownButtonColor() const;
    void SetDropDownButtonColor(const QColor& color);
    const QColor& DropDownButtonColorDisable() const;
    void SetDropDownButtonColorDisable(const QColor& color);

    bool ShowDropDownButton() const;
    void SetShowDropDownButton(bool show);

    // -1 for none; set values are clamped to -1 ... count - 1.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);
    // The selected line, or an empty string.
    QString SelectedText() const;

    // Whether the list is open (a press on the box is then blocked in its event loop).
    bool IsPopupOpen() const;

signals:
    void SelectedIndexChanged(int Index);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;

private:
    // Screen readers open the list as a press does.
    friend class WAccessibleComboBox;

    void RepaintNow();
    void OpenPopup();
    // The keys of the keyboard switch; true when the key was used. A slot may delete the box.
    bool HandleKey(QKeyEvent* e);

    const std::unique_ptr<WComboBoxPrivate> d;
};
