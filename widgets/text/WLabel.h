#pragma once

#include "WBase.h"

#include <QRect>

struct WLabelPrivate;

// A read-only text on the library's background and border. With CanSelectText the user selects
// part of it with the mouse (press and drag, or double-click for all of it) and copies the
// selection with the platform's copy shortcut. The selection is measured on a single line.
/// A read-only text on the library's background and border.
///
/// The label draws Text() in ForeColor, placed in the widget by Alignment(); it may hold several
/// lines. Its background is transparent until BackColor is set, and the border comes from the
/// inherited Border, BorderWidth and BorderColor properties. With CanSelectText() the user
/// selects part of a one-line text by pressing and dragging, or all of it by a double-click,
/// and copies the selection with the platform's copy shortcut; the selection is drawn in
/// SelectedTextForeColor() on SelectedTextBackColor() and is dropped when the label loses the
/// focus. The label has no signals.
///
/// \image html WLabel.png
/// \sa WLineEdit
class WEXAL_EXPORT WLabel : public WBase
{
    Q_OBJECT
    Q_PROPERTY(bool CanSelectText READ CanSelectText WRITE SetCanSelectText)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(Qt::Alignment alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(
        QColor SelectedTextBackColor READ SelectedTextBackColor WRITE SetSelectedTextBackColor)
    Q_PROPERTY(
        QColor SelectedTextForeColor READ SelectedTextForeColor WRITE SetSelectedTextForeColor)

public:
    /// Constructs an empty label with a transparent background as a child of \a parent.
    Q_INVOKABLE explicit WLabel(QWidget* parent = nullptr);
    /// Destroys the label.
    ~WLabel() override;

    /// Whether the user can select the text with the mouse and copy it; false by default.
    bool CanSelectText() const;
    /// Sets whether the text can be selected; see CanSelectText(). Switching it off does not
    /// repaint or clear a selection already made: it is only no longer drawn or copied.
    void SetCanSelectText(bool can);

    /// The text shown; empty by default. It may contain line breaks.
    const QString& Text() const;
    /// Sets the text shown; see Text(). An equal text does nothing; otherwise the label repaints
    /// and tells screen readers that its name changed.
    void SetText(const QString& text);
    /// Appends \a text to Text() and repaints, even when \a text is empty.
    void AppendText(const QString& text);

    /// Where the text sits in the widget; Qt::AlignVCenter (left and vertically centred) by
    /// default. Right to left, left and right alignments swap sides unless Qt::AlignAbsolute is
    /// set.
    Qt::Alignment Alignment() const;
    /// Sets the alignment; see Alignment(). Only the horizontal and vertical alignment flags are
    /// kept. An equal value does nothing.
    void SetAlignment(Qt::Alignment alignment);

    /// The background of the selected text's highlight; an invalid QColor until set.
    const QColor& SelectedTextBackColor() const;
    /// Sets the background of the selected text; see SelectedTextBackColor(). An equal colour
    /// does nothing.
    void SetSelectedTextBackColor(const QColor& color);

    /// The colour of the selected characters; an invalid QColor until set.
    const QColor& SelectedTextForeColor() const;
    /// Sets the colour of the selected characters; see SelectedTextForeColor(). An equal colour
    /// does nothing.
    void SetSelectedTextForeColor(const QColor& color);

    /// The characters the user has selected; empty when nothing is selected. Cleared when the
    /// label loses the focus.
    const QString& SelectedText() const;
    // Where the whole text is drawn, and the highlight of the selection.
    /// The rectangle the whole text occupies, in widget coordinates, as placed by Alignment().
    /// Kept up to date as the text, size, alignment, font or layout direction change.
    const QRect& TextBounding() const;
    /// The rectangle of the selection's highlight, in widget coordinates; empty without a
    /// selection.
    const QRect& SelectedTextBounding() const;

    /// Recomputes TextBounding() from the widget's size, the text, the font, Alignment() and the
    /// layout direction. The label calls it itself whenever one of these changes.
    void UpdateTextBounding();
    /// Recomputes SelectedTextBounding() for SelectedText() beginning at character index
    /// \a start of the text.
    void UpdateSelectedTextBounding(int start);
    // The character index (0 .. length) nearest to x pixels from the text's left edge.
    /// Returns the character index, from 0 to the text's length, of the caret place nearest to
    /// \a x pixels right of the left edge of TextBounding(); the label's state is not changed.
    int ComputeCaretLocation(int x);

protected:
    /// Handles selection by the mouse, the copy shortcut (the label swallows every other key),
    /// and the size, font and layout direction changes that move the text.
    bool event(QEvent* e) override;
    /// Draws the background, the border, the text and the selection's highlight.
    void Paint(QPainter* painter) override;

private:
    const std::unique_ptr<WLabelPrivate> d;
};
