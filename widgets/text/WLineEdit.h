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
    Q_INVOKABLE explicit WLineEdit(QWidget* parent = nullptr);
    ~WLineEdit() override;

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    const QString& Text() const;
    // Both take the text as given (no filter, no length limit), put the caret at 0 and keep
    // the selection; only SetText announces the change.
    void SetText(const QString& text);
    void SetTextWithoutEvent(const QString& text);

    ::TextType::Types TextType() const;
    void SetTextType(::TextType::Types type);

    int TextMaxLength() const;
    void SetTextMaxLength(int length);

    const QColor& BorderColorHover() const;
    void SetBorderColorHover(const QColor& color);

    const QColor& SelectedTextBackColor() const;
    void SetSelectedTextBackColor(const QColor& color);

    const QColor& SelectedTextForeColor() const;
    void SetSelectedTextForeColor(const QColor& color);

    // Editing primitives: no filtering; InsertText alone applies TextMaxLength.
    void InsertText(int index, const QString& text);
    void AppendText(const QString& text);
    void DeleteText();
    bool DeleteSelectedText();
    void TextChangeDispose();
    // Drops, in place, the characters that the current TextType refuses.
    void CheckText(QString& text) const;

    void SelectAll();
    void ClearSelectedText();
    bool CaretMoveLeft();
    bool CaretMoveRight();
    void ComputeCaretLocation();
    // x is measured in pixels from the start of the display text.
    void ComputeCaretIndex(int x);
    void UpdateTextBounding();
    void UpdateSelectedTextBounding(int start);
    void UpdateCaret();

    // Every repaint request goes through Update(): to the host when one is set, else to this.
    void Update();
    void SetUpdateHook(WBase* host);

    const QString& SelectedText() const;
    // What is drawn: the text, or one '*' per character for a password.
    const QString& DisplayText() const;
    int CaretIndex() const;
    // Width of the display text before the caret, in pixels.
    int CaretLocation() const;
    int ScrollOffset() const;
    int SelectionStart() const;
    int SelectionEnd() const;
    bool IsCaretVisible() const;
    const QRect& TextArea() const;
    const QRect& TextBounding() const;
    const QRect& SelectedTextBounding() const;

signals:
    void TextChanged();
    void RightClicked();
    void FocusOut();

protected:
    bool event(QEvent* e) override;
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
