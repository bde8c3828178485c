#include "WAccessibleLineEdit_p.h"

#include "WAccessibleTextBoundary_p.h"
#include "WAccessibleTextGeometry_p.h"
#include "WAliveGuard_p.h"
#include "WLineEdit.h"

WAccessibleLineEdit::WAccessibleLineEdit(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::EditableText)
{
}

WLineEdit* WAccessibleLineEdit::Edit() const
{
    return static_cast<WLineEdit*>(widget());
}

int WAccessibleLineEdit::Clamped(int offset) const
{
    return qBound(0, offset, characterCount());
}

void* WAccessibleLineEdit::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return WAccessibleWidget::interface_cast(t);
}

QAccessible::State WAccessibleLineEdit::state() const
{
    QAccessible::State s = WAccessibleWidget::state();
    const WLineEdit* edit = Edit();
    s.editable = !edit->ReadOnly();
    s.readOnly = edit->ReadOnly();
    s.passwordEdit = edit->TextType() == TextType::Password;
    s.selectableText = true;
    s.multiLine = false;
    return s;
}

// Typed in by the reader's user: the same filter as typing, and the change is announced.
void WAccessibleLineEdit::setText(QAccessible::Text t, const QString& text)
{
    WLineEdit* edit = Edit();
    if (t != QAccessible::Value || edit->ReadOnly()) {
        WAccessibleWidget::setText(t, text);
        return;
    }
    QString filtered = text;
    edit->CheckText(filtered);
    edit->SetText(filtered);
}

QString WAccessibleLineEdit::ShownValue() const
{
    return Edit()->DisplayText();
}

void WAccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || selectionCount() == 0)
        return;
    const WLineEdit* edit = Edit();
    *startOffset = Clamped(qMin(edit->SelectionStart(), edit->SelectionEnd()));
    *endOffset = Clamped(qMax(edit->SelectionStart(), edit->SelectionEnd()));
}

int WAccessibleLineEdit::selectionCount() const
{
    const WLineEdit* edit = Edit();
    return !edit->SelectedText().isEmpty() && edit->SelectionStart() != edit->SelectionEnd() ? 1
                                                                                             : 0;
}

void WAccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    // One selection at most: a second one replaces the first, as a new drag would.
    setSelection(0, startOffset, endOffset);
}

void WAccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    WLineEdit* edit = Edit();
    edit->ClearSelectedText();
    edit->Update();
}

void WAccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int start = Clamped(startOffset);
    const int end = Clamped(endOffset);
    setCursorPosition(end);
    WLineEdit* edit = Edit();
    if (start != end)
        edit->SelectBetween(start, end);
    edit->Update();
}

int WAccessibleLineEdit::cursorPosition() const
{
    return Edit()->CaretIndex();
}

// Walked there step by step, so that the caret's pixel place and the scrolling stay the widget's
// own business.
void WAccessibleLineEdit::setCursorPosition(int position)
{
    WLineEdit* edit = Edit();
    edit->ClearSelectedText();
    const int target = Clamped(position);
    while (edit->CaretIndex() > target && edit->CaretMoveLeft()) {
    }
    while (edit->CaretIndex() < target && edit->CaretMoveRight()) {
    }
    edit->Update();
}

QString WAccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString& shown = Edit()->DisplayText();
    const int from = Clamped(startOffset);
    const int to = qBound(from, endOffset, int(shown.size()));
    return shown.mid(from, to - from);
}

int WAccessibleLineEdit::characterCount() const
{
    return int(Edit()->DisplayText().size());
}

QRect WAccessibleLineEdit::characterRect(int offset) const
{
    const WLineEdit* edit = Edit();
    const int left = edit->TextArea().left() - edit->ScrollOffset();
    const QRect r = WAccessibleTextGeometry::CharacterRect(
        edit->fontMetrics(), edit->DisplayText(), left, edit->TextBounding().top(), offset);
    return QRect(edit->mapToGlobal(r.topLeft()), r.size());
}

int WAccessibleLineEdit::offsetAtPoint(const QPoint& point) const
{
    const WLineEdit* edit = Edit();
    const QPoint local = edit->mapFromGlobal(point);
    if (!edit->TextArea().contains(local))
        return -1;
    return WAccessibleTextGeometry::CharacterAt(edit->fontMetrics(), edit->DisplayText(),
                                                edit->TextArea().left() - edit->ScrollOffset(),
                                                local.x());
}

// The caret goes to the end and then to the start, so that the line scrolls the start into
// view and as much of the rest as fits.
void WAccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
}

QString WAccessibleLineEdit::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One run without attributes of its own: the whole line is drawn alike.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void WAccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    WLineEdit* edit = Edit();
    const int start = Clamped(startOffset);
    const int end = Clamped(endOffset);
    if (edit->ReadOnly() || start >= end)
        return;
    edit->SelectBetween(start, end);
    edit->DeleteSelectedText();
}

void WAccessibleLineEdit::insertText(int offset, const QString& text)
{
    WLineEdit* edit = Edit();
    if (edit->ReadOnly())
        return;
    QString filtered = text;
    edit->CheckText(filtered);
    if (!filtered.isEmpty())
        edit->InsertText(Clamped(offset), filtered);
}

// TextChanged runs the application's slots between the two halves, which may delete the line
// edit (and with it this interface).
void WAccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString& text)
{
    const WAliveGuard alive(widget());
    const int start = Clamped(startOffset);
    deleteText(start, endOffset);
    if (alive)
        insertText(start, text);
}

QString WAccessibleLineEdit::textBeforeOffset(int offset,
                                              QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const
{
    return WAccessibleTextBoundary::Before(Edit()->DisplayText(), offset, boundaryType, startOffset,
                                           endOffset);
}

QString WAccessibleLineEdit::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const
{
    return WAccessibleTextBoundary::After(Edit()->DisplayText(), offset, boundaryType, startOffset,
                                          endOffset);
}

QString WAccessibleLineEdit::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                          int* startOffset, int* endOffset) const
{
    return WAccessibleTextBoundary::At(Edit()->DisplayText(), offset, boundaryType, startOffset,
                                       endOffset);
}
