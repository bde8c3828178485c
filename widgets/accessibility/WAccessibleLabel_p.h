#pragma once

#include "WAccessibleWidget_p.h"

class WLabel;

// The label: static text named after its text, with a read-only text interface that reports
// the user's mouse selection.
class WAccessibleLabel : public WAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit WAccessibleLabel(QWidget* widget);

    using WAccessibleWidget::text;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;

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

    // Where the selection starts in the label's text, or -1 with none.
    static int SelectionStart(const WLabel* label);

protected:
    QString ShownName() const override;

private:
    WLabel* Label() const;
};
