#pragma once

#include "WAccessibleWidget_p.h"

class WLineEdit;

// The line edit: editable text (read-only while ReadOnly is set) with text and editable-text
// interfaces. A password is read and reported as the mask the widget shows, never as what was
// typed.
class WAccessibleLineEdit : public WAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface
{
public:
    explicit WAccessibleLineEdit(QWidget* widget);

    using WAccessibleWidget::text;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;
    void setText(QAccessible::Text t, const QString& text) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

protected:
    QString ShownValue() const override;

private:
    WLineEdit* Edit() const;
    int Clamped(int offset) const;
};
