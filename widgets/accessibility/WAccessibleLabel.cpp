#include "WAccessibleLabel_p.h"

#include "WAccessibleTextBoundary_p.h"
#include "WAccessibleTextGeometry_p.h"
#include "WLabel.h"

WAccessibleLabel::WAccessibleLabel(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::StaticText)
{
}

WLabel* WAccessibleLabel::Label() const
{
    return static_cast<WLabel*>(widget());
}

void* WAccessibleLabel::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return WAccessibleWidget::interface_cast(t);
}

QAccessible::State WAccessibleLabel::state() const
{
    QAccessible::State s = WAccessibleWidget::state();
    s.readOnly = true;
    s.selectableText = Label()->CanSelectText();
    return s;
}

QString WAccessibleLabel::ShownName() const
{
    return Label()->Text();
}

// The label keeps the selected text and its highlight; the start follows from where the
// highlight begins, checked against the text itself.
int WAccessibleLabel::SelectionStart(const WLabel* label)
{
    const QString& selected = label->SelectedText();
    if (!label->CanSelectText() || selected.isEmpty())
        return -1;
    const QString& text = label->Text();
    const int x = label->SelectedTextBounding().left() - label->TextBounding().left();
    const int guess = const_cast<WLabel*>(label)->ComputeCaretLocation(x);
    if (text.mid(guess, selected.size()) == selected)
        return guess;
    return int(text.indexOf(selected));
}

void WAccessibleLabel::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const int start = selectionIndex == 0 ? SelectionStart(Label()) : -1;
    *startOffset = start < 0 ? 0 : start;
    *endOffset = start < 0 ? 0 : start + int(Label()->SelectedText().size());
}

int WAccessibleLabel::selectionCount() const
{
    return SelectionStart(Label()) >= 0 ? 1 : 0;
}

// The label has no caret, and its selection belongs to the mouse: these change nothing.
void WAccessibleLabel::addSelection(int, int) {}
void WAccessibleLabel::removeSelection(int) {}
void WAccessibleLabel::setSelection(int, int, int) {}
void WAccessibleLabel::setCursorPosition(int) {}

int WAccessibleLabel::cursorPosition() const
{
    return 0;
}

QString WAccessibleLabel::text(int startOffset, int endOffset) const
{
    const QString& text = Label()->Text();
    const int from = qBound(0, startOffset, int(text.size()));
    const int to = qBound(from, endOffset, int(text.size()));
    return text.mid(from, to - from);
}

int WAccessibleLabel::characterCount() const
{
    return int(Label()->Text().size());
}

QRect WAccessibleLabel::characterRect(int offset) const
{
    const WLabel* label = Label();
    const QRect& bounds = label->TextBounding();
    const QRect r = WAccessibleTextGeometry::CharacterRect(label->fontMetrics(), label->Text(),
                                                           bounds.left(), bounds.top(), offset);
    return QRect(label->mapToGlobal(r.topLeft()), r.size());
}

int WAccessibleLabel::offsetAtPoint(const QPoint& point) const
{
    const WLabel* label = Label();
    const QPoint local = label->mapFromGlobal(point);
    return WAccessibleTextGeometry::CharacterAt(label->fontMetrics(), label->Text(),
                                                label->TextBounding().left(), local.x());
}

void WAccessibleLabel::scrollToSubstring(int, int) {}

QString WAccessibleLabel::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One run without attributes of its own: the whole text is drawn alike.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

QString WAccessibleLabel::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const
{
    return WAccessibleTextBoundary::Before(Label()->Text(), offset, boundaryType, startOffset,
                                           endOffset);
}

QString WAccessibleLabel::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const
{
    return WAccessibleTextBoundary::After(Label()->Text(), offset, boundaryType, startOffset,
                                          endOffset);
}

QString WAccessibleLabel::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const
{
    return WAccessibleTextBoundary::At(Label()->Text(), offset, boundaryType, startOffset,
                                       endOffset);
}
