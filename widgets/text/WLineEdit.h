#pragma once

#include "TextType.h"
#include "WBase.h"

#include <QRect>

struct WLineEditPrivate;

// The single-line text input: caret, selection by mouse and keys, horizontal scrolling that keeps
// the caret in view, the clipboard, a caret that blinks every 500 ms, and a border that lights up
// on focus or hover. Typed, committed and pasted input passes the character filter of TextType
// and is cut to TextMaxLength.
//
// A line edit painted by another widget (a grid cell, say) sends its repaint requests to that
// host once SetUpdateHook names it.
/// The single-line text input.
///
/// The line edit keeps a caret, which blinks every 500 ms while it has the focus, a selection
/// made by the mouse or by Shift and the arrow keys, and scrolls its text sideways so that the
/// caret stays in view. It answers the platform's copy, cut, paste and select-all shortcuts.
/// Typed, committed and pasted text passes the character filter of TextType() and is cut to
/// TextMaxLength(); text set in code is taken as given. A password shows one '*' per character
/// and keeps its text off the clipboard.
///
/// It is styled through the inherited BackColor, ForeColor, Radius, Border, BorderWidth and
/// BorderColor properties, with BorderColorHover() for the border while the pointer is over it
/// or it has the focus; a disabled line edit draws its text light grey. TextChanged() reports
/// every change of the text but those made by SetTextWithoutEvent().
///
/// \image html WLineEdit.png
/// \sa WLabel
class WEXAL_EXPORT WLineEdit : public WBase
{
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(TextType::Types TextType READ TextType WRITE SetTextType)
    Q_PROPERTY(int TextMaxLength READ TextMaxLength WRITE SetTextMaxLength)
    Q_PROPERTY(QColor BorderColorHover READ BorderColorHover WRITE SetBorderColorHover)
    Q_PROPERTY(
        QColor SelectedTextBackColor READ SelectedTextBackColor WRITE SetSelectedTextBackColor)
    Q_PROPERTY(
        QColor SelectedTextForeColor READ SelectedTextForeColor WRITE SetSelectedTextForeColor)

public:
    /// Constructs an empty line edit as a child of \a parent. It takes the focus by click, and by
    /// Tab as well while the keyboard switch (WBase::SetKeyboardAccess()) is on.
    Q_INVOKABLE explicit WLineEdit(QWidget* parent = nullptr);
    /// Destroys the line edit.
    ~WLineEdit() override;

    /// Whether the user is kept from editing; false by default. A read-only line edit ignores
    /// typing, pasting, Delete, Backspace and input methods, but still moves the caret, selects
    /// and copies; the editing functions below work regardless.
    bool ReadOnly() const;
    /// Sets whether the user is kept from editing; see ReadOnly(). Takes effect at the next key.
    void SetReadOnly(bool readOnly);

    /// The text, as stored (not masked); empty by default.
    const QString& Text() const;
    // Both take the text as given (no filter, no length limit), put the caret at 0 and keep
    // the selection; only SetText announces the change.
    /// Sets the text; see Text(). The text is taken as given, neither filtered nor cut to
    /// TextMaxLength(). An equal text does nothing; otherwise the caret goes to 0, the line edit
    /// repaints and TextChanged() is emitted.
    void SetText(const QString& text);
    /// As SetText(), without emitting TextChanged().
    void SetTextWithoutEvent(const QString& text);

    /// What the user may enter; TextType::Normal (anything) by default. Typed, committed and
    /// pasted input keeps only what the type accepts: ASCII the characters up to U+007F, Number
    /// the digits, '-', '.' and numeric characters beyond ASCII, IPaddress the digits and '.',
    /// MACaddress the hexadecimal digits and ':', PhoneNumber the digits, '*' and '#'. Password
    /// accepts anything but shows one '*' per character, leaves the selection undrawn, disables
    /// the clipboard shortcuts and keeps input methods away.
    ::TextType::Types TextType() const;
    /// Sets what the user may enter; see TextType(). An equal type does nothing. The current text
    /// is kept as it is, whether the new filter would accept it or not; only its display changes.
    void SetTextType(::TextType::Types type);

    /// The most characters that InsertText(), and so typing and pasting, let the text reach;
    /// 32767 by default. Input beyond it is cut off.
    int TextMaxLength() const;
    /// Sets the length limit; see TextMaxLength(). Stored as given, without shortening the
    /// current text. While the text is longer than the limit (always, for a negative limit),
    /// insertions are not cut at all.
    void SetTextMaxLength(int length);

    /// The border colour while the pointer is over the line edit or it has the focus, in place of
    /// BorderColor; an invalid QColor until set.
    const QColor& BorderColorHover() const;
    /// Sets the lit border colour; see BorderColorHover(). An equal colour does nothing.
    void SetBorderColorHover(const QColor& color);

    /// The background of the selection's highlight; an invalid QColor until set.
    const QColor& SelectedTextBackColor() const;
    /// Sets the highlight's background; see SelectedTextBackColor(). An equal colour does nothing.
    void SetSelectedTextBackColor(const QColor& color);

    /// The colour of the selected characters; an invalid QColor until set.
    const QColor& SelectedTextForeColor() const;
    /// Sets the colour of the selected characters; see SelectedTextForeColor(). An equal colour
    /// does nothing.
    void SetSelectedTextForeColor(const QColor& color);

    // Editing primitives: no filtering; InsertText alone applies TextMaxLength.
    /// Inserts \a text before character \a index (clamped to the text's ends), cut to the room
    /// left under TextMaxLength(), and moves the caret on by the number of characters inserted.
    /// Emits TextChanged(), unless the text is exactly at its limit, when nothing happens.
    void InsertText(int index, const QString& text);
    /// Inserts \a text at the end, as InsertText() does.
    void AppendText(const QString& text);
    /// Deletes the character after the caret, as the Delete key does without a selection, and
    /// emits TextChanged(). Does nothing when the caret is at the end.
    void DeleteText();
    /// Deletes the selected characters, puts the caret where they began, emits TextChanged() and
    /// clears the selection. Returns false, doing nothing, when nothing is selected.
    bool DeleteSelectedText();
    /// Recomputes the caret's place and emits TextChanged().
    void TextChangeDispose();
    // Drops, in place, the characters that the current TextType refuses.
    /// Removes from \a text, in place, the characters that TextType() refuses.
    void CheckText(QString& text) const;

    /// Selects the whole text, puts the caret at its end and repaints.
    void SelectAll();
    /// Drops the selection, leaving the caret where it is; does not repaint.
    void ClearSelectedText();
    /// Moves the caret one character towards the start of the text; returns false when it is
    /// there already. The selection is left alone and nothing is repainted.
    bool CaretMoveLeft();
    /// Moves the caret one character towards the end of the text; returns false when it is there
    /// already. The selection is left alone and nothing is repainted.
    bool CaretMoveRight();
    /// Recomputes CaretLocation() from CaretIndex() and scrolls the text, when needed, so that the
    /// caret lies inside TextArea().
    void ComputeCaretLocation();
    // x is measured in pixels from the start of the display text.
    /// Puts the caret at the character boundary nearest to \a x pixels from the start of the
    /// display text (not from the widget's edge: ScrollOffset() is already included), then runs
    /// ComputeCaretLocation().
    void ComputeCaretIndex(int x);
    /// Recomputes TextBounding() from TextArea() and the font.
    void UpdateTextBounding();
    /// Recomputes SelectedTextBounding() for SelectedText() beginning at character index
    /// \a start.
    void UpdateSelectedTextBounding(int start);
    /// Flips the caret between shown and hidden and repaints; the blink timer calls it.
    void UpdateCaret();

    // Every repaint request goes through Update(): to the host when one is set, else to this.
    /// Asks for a repaint: of the host named by SetUpdateHook() when there is one, else of the
    /// line edit itself.
    void Update();
    /// Sends the line edit's repaint requests to \a host, a widget that paints the line edit
    /// into its own surface (a grid list cell, say); null, or a host that is destroyed, sends them
    /// to the line edit again.
    void SetUpdateHook(WBase* host);

    /// The selected characters; empty without a selection.
    const QString& SelectedText() const;
    // What is drawn: the text, or one '*' per character for a password.
    /// The text as drawn: Text(), or one '*' per character for a password.
    const QString& DisplayText() const;
    /// The caret's position as a character index, from 0 to the text's length; 0 by default.
    int CaretIndex() const;
    // Width of the display text before the caret, in pixels.
    /// The width, in pixels, of the display text before the caret.
    int CaretLocation() const;
    /// How many pixels of the display text are scrolled out of view on the left; 0 by default.
    int ScrollOffset() const;
    /// The character index where the selection was started (its anchor); -1 when none was.
    /// It may be greater than SelectionEnd().
    int SelectionStart() const;
    /// The character index at the moving end of the selection; -1 without a selection.
    int SelectionEnd() const;
    /// Whether the caret is drawn at this moment of its blink; false while the focus is elsewhere.
    bool IsCaretVisible() const;
    /// The rectangle the text is drawn and clipped in, in widget coordinates: the widget less a
    /// 4-pixel margin and the width of each drawn border side.
    const QRect& TextArea() const;
    /// One line's height of the font, centred vertically in TextArea(); the caret spans it.
    const QRect& TextBounding() const;
    /// The rectangle of the selection's highlight, in widget coordinates; empty without one.
    const QRect& SelectedTextBounding() const;

signals:
    /// Emitted when the text changes: by the user, by SetText() or by the editing functions; not
    /// by SetTextWithoutEvent().
    void TextChanged();
    /// Emitted when the right mouse button is pressed on the enabled line edit.
    void RightClicked();
    /// Emitted when the line edit loses the focus, after it has hidden the caret and dropped the
    /// selection.
    void FocusOut();

protected:
    /// Handles the mouse, the keys, input methods, the focus and hover, and the size, border, font
    /// and layout direction changes that move the text.
    bool event(QEvent* e) override;
    /// Draws the background, the border, the visible part of the text, the selection and the caret.
    void Paint(QPainter* painter) override;

private:
    // Screen readers select text as the keys do.
    friend class WAccessibleLineEdit;

    void SetTextAndDisplay(const QString& text);
    void ReplaceText(int from, int count, const QString& inserted);
    void UpdateTextArea();
    // ComputeCaretIndex for a pointer that may lie between two pixels.
    void ComputeCaretIndexAt(qreal x);
    void SelectBetween(int start, int end);
    bool HandleKey(QKeyEvent* e);
    bool MoveCaretOnScreen(bool right, bool extend);
    void InsertFiltered(QString text);

    const std::unique_ptr<WLineEditPrivate> d;
};
