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
/// A one-line selector: shows the selected line and a drop-down arrow, and opens a list of lines to
/// choose from.
///
/// A press on the box opens its list below itself and waits, in a local event loop, until a line is
/// chosen or the list is closed (a press elsewhere, or Escape); a chosen line becomes the selection
/// and SelectedIndexChanged() is emitted. The box is drawn in the inherited BackColor, ForeColor,
/// Radius, Border, BorderWidth and BorderColor, with BorderColorHover() while the pointer is over
/// it; the list takes the box's background, border, text colour and font as it opens, and lights
/// the line under the pointer in ItemBackColorHover() and ItemForeColorHover(). The list shows at
/// most 150 pixels of lines and scrolls the rest.
///
/// With the keyboard switch on (WBase::SetKeyboardAccess()), Up, Down, Page Up, Page Down, Home and
/// End select another line without opening the list, and Space, Enter, F4 and Alt+Down open it.
/// When a grid list paints the box into one of its cells, the box opens its list below where it was
/// drawn.
///
/// \image html WComboBox.png
/// \sa WItemList
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
    /// Constructs a combo box without lines or selection as a child of \a parent.
    Q_INVOKABLE explicit WComboBox(QWidget* parent = nullptr);
    /// Destroys the combo box and its list, closing the list if it is open.
    ~WComboBox() override;

    /// The border colour while the pointer is over the box, in place of BorderColor; an invalid
    /// QColor until set.
    const QColor& BorderColorHover() const;
    /// Sets the border colour under the pointer; see BorderColorHover(). An equal colour does
    /// nothing.
    void SetBorderColorHover(const QColor& color);

    /// The alignment of the selected line in the box and of the lines in the list; Qt::AlignVCenter
    /// (left and vertically centred) by default.
    Qt::Alignment Align() const;
    /// Sets the alignment of the lines and of the box's own text; see Align(). Setting the same
    /// alignment does nothing.
    void SetAlign(Qt::Alignment align);

    // Heights of 0 or less are refused: hovering divides by the height.
    /// The height of each line in the list, in pixels; 20 by default.
    int ItemHeight() const;
    /// Sets the height of the list's lines; see ItemHeight(). Heights of 0 or less are ignored.
    void SetItemHeight(int height);

    /// The lines to choose from; empty by default.
    const QStringList& Items() const;
    // Keeps the selected index while it is still in range, even though the line it names may
    // have changed; otherwise the selection is cleared.
    /// Replaces the lines; see Items(). The selected index is kept while it is still in range, even
    /// though the line it names may have changed; otherwise the selection is cleared, emitting
    /// SelectedIndexChanged() with -1.
    void SetItems(const QStringList& items);
    // These three clear the selection, emitting SelectedIndexChanged(-1) if there was one.
    /// Appends a line. Clears the selection, emitting SelectedIndexChanged() with -1 if there was
    /// one.
    void AddItem(const QString& text);
    // Inserts before index, clamped to the ends.
    /// Inserts a line before \a index, which is clamped to the ends of the list. Clears the
    /// selection, emitting SelectedIndexChanged() with -1 if there was one.
    void InsetItem(int index, const QString& text);
    // An index outside the lines removes nothing (and still clears the selection).
    /// Removes the line at \a index; an index outside the lines removes nothing. Either way clears
    /// the selection, emitting SelectedIndexChanged() with -1 if there was one.
    void RemoveItem(int index);
    /// Replaces the line at \a index in place; an index outside the lines does nothing. Emits no
    /// signal and keeps the selection; when the replaced line is the selected one, the box
    /// repaints to show it.
    void SetItem(int index, const QString& text);

    /// The background of the list's line under the pointer (or chosen by the arrow keys), also the
    /// colour of the list's scroll bar under the pointer; an invalid QColor until set.
    const QColor& ItemBackColorHover() const;
    /// Sets the background of the lit line; see ItemBackColorHover().
    void SetItemBackColorHover(const QColor& color);
    /// The text colour of the list's line under the pointer (or chosen by the arrow keys); an
    /// invalid QColor until set.
    const QColor& ItemForeColorHover() const;
    /// Sets the text colour of the lit line; see ItemForeColorHover().
    void SetItemForeColorHover(const QColor& color);

    // The arrow is recoloured from its white glyph whenever these change; while a colour was
    // never set, that state shows no arrow.
    /// The colour of the drop-down arrow; an invalid QColor until set, and no arrow is drawn until
    /// it is.
    const QColor& DropDownButtonColor() const;
    /// Sets the arrow's colour; see DropDownButtonColor(). An equal colour does nothing.
    void SetDropDownButtonColor(const QColor& color);
    /// The colour of the drop-down arrow while the box is disabled; an invalid QColor until set,
    /// and a disabled box draws no arrow until it is.
    const QColor& DropDownButtonColorDisable() const;
    /// Sets the disabled arrow's colour; see DropDownButtonColorDisable(). An equal colour does
    /// nothing.
    void SetDropDownButtonColorDisable(const QColor& color);

    /// Whether the drop-down arrow is drawn at the box's end; true by default.
    bool ShowDropDownButton() const;
    /// Sets whether the arrow is drawn; see ShowDropDownButton(). An equal value does nothing.
    void SetShowDropDownButton(bool show);

    // -1 for none; set values are clamped to -1 ... count - 1.
    /// The index of the selected line, or -1 when none is selected (the default).
    int SelectedIndex() const;
    /// Selects the line at \a index; see SelectedIndex(). Values past the last line select the last
    /// one (none in an empty box) and values below -1 are taken as -1. An equal index does nothing;
    /// a change repaints and emits SelectedIndexChanged().
    void SetSelectedIndex(int index);
    // The selected line, or an empty string.
    /// The selected line, or an empty string when none is selected.
    QString SelectedText() const;

    // Whether the list is open (a press on the box is then blocked in its event loop).
    /// Whether the list is open; a press on the box then opens nothing more.
    bool IsPopupOpen() const;

signals:
    /// Emitted with the new SelectedIndex() when the selection changes: by a choice in the list, by
    /// the keys, or by code (-1 when the selection is cleared).
    void SelectedIndexChanged(int Index);

protected:
    /// Opens the list on a press, tracks the pointer for the hover border, and handles the keys of
    /// the keyboard switch.
    bool event(QEvent* e) override;
    /// Draws the background, the border, the selected line and the drop-down arrow.
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
