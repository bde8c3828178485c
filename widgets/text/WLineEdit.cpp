#include "WLineEdit.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WBidiLine_p.h"
#include "WCaretLocator_p.h"
#include "WDrawAPI.h"
#include "WEvent.h"
#include "WIconImage_p.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"
#include "WRightPress_p.h"
#include "WTextTypeFilter_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QtMath>

#include <algorithm>

namespace {

constexpr int caretBlinkMs = 500;
// Margin between the widget's edge (or its drawn border) and the text area, on every side.
constexpr int textMargin = 4;
const QColor disabledTextColor(200, 200, 200);

// Geometry built from a border width near INT_MIN or INT_MAX stays representable (and empty).
int clampedCoordinate(qint64 v)
{
    constexpr qint64 limit = 1 << 28;
    return int(qBound(-limit, v, limit));
}

// The pointer's offset from the start of the display text. A synthesised or transformed event
// may carry any x, infinities and NaN included: it is bounded. It stays between pixels where the
// pointer is: on a screen of 1.25 or 1.5 device pixels per pixel, rounding it would move a click
// by up to a device pixel.
qreal pointerInText(QEvent* e, const QWidget* edit, const QRect& textArea, int scrollOffset)
{
    constexpr qreal limit = 1 << 28;
    const qreal x = WPixels::PointerX(static_cast<QMouseEvent*>(e), edit);
    return qBound(-limit, x - textArea.left() + scrollOffset, limit);
}

} // namespace

struct WLineEditPrivate
{
    explicit WLineEditPrivate(const QFont& font) : locator(font) {}

    bool readOnly = false;
    QString text;
    QString selectedText;
    TextType::Types textType = TextType::Normal;
    int textMaxLength = 32767;
    QColor borderColorHover;
    QColor selectedTextBackColor;
    QColor selectedTextForeColor;
    QTimer caretTimer;
    bool caretVisible = false;
    bool hovered = false;
    int scrollOffset = 0;
    int caretIndex = 0;
    int caretLocation = 0;
    int selectionStart = -1;
    int selectionEnd = -1;
    // Whether selectedText is still the display text's characters from selectedFrom on: edits
    // made through the API while a selection stands leave selectedText as it was taken.
    bool selectionCurrent = false;
    int selectedFrom = 0;
    QRect textArea;
    QRect textBounding;
    QRect selectedTextBounding;
    QPointer<WBase> updateHook;
    // Holds and measures the display text; caretLocation and mouse positions come from it.
    WCaretLocator locator;
    // Places the line instead where its characters are reordered or it runs right to left.
    WBidiLine bidi;
    // Where the caret at afterIndex has two places, it stands at the second (see WBidiLine):
    // the place a click or an arrow key put it.
    int afterIndex = -1;
    // The caret and selection a screen reader last heard of.
    int announcedCaret = 0;
    int announcedSelectionStart = -1;
    int announcedSelectionEnd = -1;

    int Length() const { return int(text.size()); }
    // Characters from .. to - 1 of the text, with the range clamped to it.
    QString Slice(int from, int to) const
    {
        from = std::clamp(from, 0, Length());
        to = std::clamp(to, from, Length());
        return text.mid(from, to - from);
    }
};

WLineEdit::WLineEdit(QWidget* parent) : WBase(parent), d(std::make_unique<WLineEditPrivate>(font()))
{
    SetTakesTabFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setAttribute(Qt::WA_KeyCompression, true);
    connect(&d->caretTimer, &QTimer::timeout, this, &WLineEdit::UpdateCaret);
    WRightPress::Watch();
}

WLineEdit::~WLineEdit() = default;

bool WLineEdit::ReadOnly() const
{
    return d->readOnly;
}

void WLineEdit::SetReadOnly(bool readOnly)
{
    d->readOnly = readOnly;
}

const QString& WLineEdit::Text() const
{
    return d->text;
}

void WLineEdit::SetText(const QString& text)
{
    if (d->text == text)
        return;
    SetTextWithoutEvent(text);
    emit TextChanged();
}

void WLineEdit::SetTextWithoutEvent(const QString& text)
{
    if (d->text == text)
        return;
    SetTextAndDisplay(text);
    d->caretIndex = 0;
    ComputeCaretLocation();
    Update();
}

void WLineEdit::SetTextAndDisplay(const QString& text)
{
    const QString before = WAnnounce::Active() ? d->locator.Text() : QString();
    d->text = text;
    d->locator.SetText(WTextTypeFilter::DisplayText(d->textType, d->text));
    d->selectionCurrent = false;
    WAnnounce::TextReplaced(this, 0, before, d->locator.Text());
}

// Edits both strings in place: on long texts, copying them for every key would cost more than
// everything else a key does.
void WLineEdit::ReplaceText(int from, int count, const QString& inserted)
{
    // A reader hears the characters as shown: a password's as its mask.
    const bool announce = WAnnounce::Active();
    const QString removed = announce ? d->locator.Text().mid(from, count) : QString();
    // Replacing everything (typing over Select all) takes no copy of what goes.
    if (from == 0 && count == d->Length())
        d->text = inserted;
    else
        d->text.replace(from, count, inserted);
    d->locator.Replace(
        from, count,
        d->textType == TextType::Password ? QString(inserted.size(), QLatin1Char('*')) : inserted);
    d->selectionCurrent = false;
    if (announce)
        WAnnounce::TextReplaced(this, from, removed, d->locator.Text().mid(from, inserted.size()));
}

TextType::Types WLineEdit::TextType() const
{
    return d->textType;
}

void WLineEdit::SetTextType(TextType::Types type)
{
    if (d->textType == type)
        return;
    d->textType = type;
    // A password never reaches an input method, which could keep or suggest what was typed.
    setAttribute(Qt::WA_InputMethodEnabled, type != TextType::Password);
    SetTextAndDisplay(d->text);
    // The mask has other widths than the text: the caret follows the characters it sits between.
    ComputeCaretLocation();
    Update();
}

int WLineEdit::TextMaxLength() const
{
    return d->textMaxLength;
}

void WLineEdit::SetTextMaxLength(int length)
{
    d->textMaxLength = length;
}

const QColor& WLineEdit::BorderColorHover() const
{
    return d->borderColorHover;
}

void WLineEdit::SetBorderColorHover(const QColor& color)
{
    if (d->borderColorHover == color)
        return;
    d->borderColorHover = color;
    Update();
}

const QColor& WLineEdit::SelectedTextBackColor() const
{
    return d->selectedTextBackColor;
}

void WLineEdit::SetSelectedTextBackColor(const QColor& color)
{
    if (d->selectedTextBackColor == color)
        return;
    d->selectedTextBackColor = color;
    Update();
}

const QColor& WLineEdit::SelectedTextForeColor() const
{
    return d->selectedTextForeColor;
}

void WLineEdit::SetSelectedTextForeColor(const QColor& color)
{
    if (d->selectedTextForeColor == color)
        return;
    d->selectedTextForeColor = color;
    Update();
}

void WLineEdit::InsertText(int index, const QString& text)
{
    const qint64 room = qint64(d->textMaxLength) - d->Length();
    if (room == 0)
        return;
    // A text already over the limit (set directly, or the limit lowered) takes s whole.
    const int count = room > 0 ? int(qMin<qint64>(text.size(), room)) : int(text.size());
    ReplaceText(std::clamp(index, 0, d->Length()), 0, text.left(count));
    d->caretIndex = std::clamp(d->caretIndex + count, 0, d->Length());
    ComputeCaretLocation();
    const WAliveGuard alive(this);
    emit TextChanged();
    if (alive)
        Update();
}

void WLineEdit::AppendText(const QString& text)
{
    InsertText(d->Length(), text);
}

void WLineEdit::DeleteText()
{
    const int i = d->caretIndex;
    if (i < 0 || i >= d->Length())
        return;
    d->scrollOffset = qMax(0, d->scrollOffset - d->locator.CharWidth(i));
    ReplaceText(i, 1, QString());
    ComputeCaretLocation();
    const WAliveGuard alive(this);
    emit TextChanged();
    if (alive)
        Update();
}

bool WLineEdit::DeleteSelectedText()
{
    if (d->selectedText.isEmpty())
        return false;
    // A selection made before SetText may reach past the current text; only what exists goes.
    const int a = std::clamp(qMin(d->selectionStart, d->selectionEnd), 0, d->Length());
    const int b = std::clamp(qMax(d->selectionStart, d->selectionEnd), a, d->Length());
    if (a < b) {
        const int removed = d->locator.SliceWidth(a, b);
        d->caretIndex = a;
        ReplaceText(a, b - a, QString());
        d->scrollOffset = qMax(0, d->scrollOffset - removed);
        ComputeCaretLocation();
        const WAliveGuard alive(this);
        emit TextChanged();
        if (!alive)
            return true;
    }
    ClearSelectedText();
    Update();
    return true;
}

void WLineEdit::TextChangeDispose()
{
    ComputeCaretLocation();
    emit TextChanged();
}

void WLineEdit::CheckText(QString& text) const
{
    WTextTypeFilter::Filter(d->textType, text);
}

void WLineEdit::SelectAll()
{
    d->selectedText = d->text;
    d->selectionStart = 0;
    d->selectionEnd = d->Length();
    d->selectionCurrent = true;
    d->selectedFrom = 0;
    UpdateSelectedTextBounding(0);
    d->caretIndex = d->selectionEnd;
    ComputeCaretLocation();
    Update();
}

void WLineEdit::ClearSelectedText()
{
    d->selectionStart = -1;
    d->selectionEnd = -1;
    d->selectedText.clear();
    d->selectionCurrent = false;
    d->selectedTextBounding = QRect();
}

bool WLineEdit::CaretMoveLeft()
{
    if (d->caretIndex < 1)
        return false;
    --d->caretIndex;
    ComputeCaretLocation();
    return true;
}

bool WLineEdit::CaretMoveRight()
{
    if (d->caretIndex >= d->Length())
        return false;
    ++d->caretIndex;
    ComputeCaretLocation();
    return true;
}

// Right to left, the whole-line layout that places the line (else null); the line sits against
// the text area's right edge while it is shorter than the area.
static const WBidiLine* bidiLine(WLineEditPrivate* d, const QWidget* edit, int* lead)
{
    const Qt::LayoutDirection direction = edit->layoutDirection();
    if (direction == Qt::LeftToRight)
        return nullptr;
    d->bidi.Set(d->locator.Text(), edit->font(), direction);
    const qint64 spare = qint64(d->textArea.width()) - 1 - qCeil(d->bidi.Width());
    *lead = int(qBound(qint64(0), spare, qint64(1) << 28));
    return &d->bidi;
}

void WLineEdit::ComputeCaretLocation()
{
    int lead = 0;
    if (const WBidiLine* line = bidiLine(d.get(), this, &lead))
        d->caretLocation =
            lead + qRound(line->CaretX(d->caretIndex, d->caretIndex == d->afterIndex));
    else
        d->caretLocation = d->locator.PrefixWidth(d->caretIndex);
    const int w = d->textArea.width();
    // Without a text area yet there is nothing to keep the caret visible in; scrolling by a
    // zero-width area would hide a short text once the widget gets its size.
    if (w <= 0)
        return;
    const qint64 visible = qint64(d->caretLocation) - d->scrollOffset;
    const int before = d->scrollOffset;
    if (visible >= w)
        d->scrollOffset = d->caretLocation - w + 1; // the caret on the area's last column
    else if (visible < 0)
        d->scrollOffset = d->caretLocation; // the caret on the area's first column
    // A highlight already measured moves with the text it covers.
    if (d->scrollOffset != before && !d->selectedTextBounding.isNull())
        d->selectedTextBounding.translate(before - d->scrollOffset, 0);
}

void WLineEdit::ComputeCaretIndex(int x)
{
    ComputeCaretIndexAt(x);
}

void WLineEdit::ComputeCaretIndexAt(qreal x)
{
    if (d->text.isEmpty()) {
        d->caretIndex = 0;
        d->caretLocation = 0;
        return;
    }
    int lead = 0;
    const WBidiLine* line = bidiLine(d.get(), this, &lead);
    const int index = line ? line->IndexAt(x - lead) : d->locator.IndexAt(x);
    const int after = line && line->AfterNearer(index, x - lead) ? index : -1;
    if (index == d->caretIndex && after == d->afterIndex)
        return;
    d->caretIndex = index;
    d->afterIndex = after;
    ComputeCaretLocation();
}

void WLineEdit::UpdateTextBounding()
{
    d->textBounding =
        d->locator.Metrics().boundingRect(d->textArea, Qt::AlignVCenter, QStringLiteral("A"));
}

void WLineEdit::UpdateSelectedTextBounding(int start)
{
    int lead = 0;
    if (const WBidiLine* line = bidiLine(d.get(), this, &lead)) {
        // Reordered, the selection may cover several pieces: the box spans them all.
        const auto pieces = line->Pieces(start, start + int(d->selectedText.size()));
        const qreal origin = qreal(d->textArea.left()) - d->scrollOffset + lead;
        const qreal from = pieces.isEmpty() ? 0 : pieces.first().first;
        const qreal to = pieces.isEmpty() ? 0 : pieces.last().first + pieces.last().second;
        d->selectedTextBounding =
            QRect(clampedCoordinate(qFloor(origin + from)), d->textBounding.top(),
                  clampedCoordinate(qCeil(to - from)), d->textBounding.height());
        return;
    }
    const qint64 left =
        qint64(d->textArea.left()) - d->scrollOffset + d->locator.PrefixWidth(start);
    // The selection's own characters are measured from the sums; a selection the text has
    // moved away from is measured as the string it was.
    const int width = d->selectionCurrent && start == d->selectedFrom
                          ? d->locator.SliceWidth(start, start + int(d->selectedText.size()))
                          : d->locator.Metrics().horizontalAdvance(
                                WTextTypeFilter::DisplayText(d->textType, d->selectedText));
    d->selectedTextBounding = QRect(clampedCoordinate(left), d->textBounding.top(),
                                    clampedCoordinate(width), d->textBounding.height());
}

void WLineEdit::UpdateCaret()
{
    d->caretVisible = !d->caretVisible;
    Update();
}

// Every change the user sees ends here, so this is where a reader hears that the caret or the
// selection moved.
void WLineEdit::Update()
{
    if (d->updateHook)
        d->updateHook->update();
    else
        update();
    if (!WAnnounce::Active())
        return;
    const bool selected = !d->selectedText.isEmpty();
    const int start = selected ? qMin(d->selectionStart, d->selectionEnd) : -1;
    const int end = selected ? qMax(d->selectionStart, d->selectionEnd) : -1;
    if (start != d->announcedSelectionStart || end != d->announcedSelectionEnd) {
        d->announcedSelectionStart = start;
        d->announcedSelectionEnd = end;
        WAnnounce::TextSelectionChanged(this, qMax(start, 0), qMax(end, 0));
    }
    if (d->caretIndex != d->announcedCaret) {
        d->announcedCaret = d->caretIndex;
        WAnnounce::CaretMoved(this, d->caretIndex);
    }
}

void WLineEdit::SetUpdateHook(WBase* host)
{
    d->updateHook = host;
}

const QString& WLineEdit::SelectedText() const
{
    return d->selectedText;
}

const QString& WLineEdit::DisplayText() const
{
    return d->locator.Text();
}

int WLineEdit::CaretIndex() const
{
    return d->caretIndex;
}

int WLineEdit::CaretLocation() const
{
    return d->caretLocation;
}

int WLineEdit::ScrollOffset() const
{
    return d->scrollOffset;
}

int WLineEdit::SelectionStart() const
{
    return d->selectionStart;
}

int WLineEdit::SelectionEnd() const
{
    return d->selectionEnd;
}

bool WLineEdit::IsCaretVisible() const
{
    return d->caretVisible;
}

const QRect& WLineEdit::TextArea() const
{
    return d->textArea;
}

const QRect& WLineEdit::TextBounding() const
{
    return d->textBounding;
}

const QRect& WLineEdit::SelectedTextBounding() const
{
    return d->selectedTextBounding;
}

void WLineEdit::UpdateTextArea()
{
    const qint64 bw = BorderWidth();
    const PositionFlag::Flags sides = WMirror::Sides(Border(), isRightToLeft());
    const qint64 left = textMargin + (sides & PositionFlag::Left ? bw : 0);
    const qint64 top = textMargin + (sides & PositionFlag::Top ? bw : 0);
    const qint64 w = width() - left - textMargin - (sides & PositionFlag::Right ? bw : 0);
    const qint64 h = height() - top - textMargin - (sides & PositionFlag::Bottom ? bw : 0);
    d->textArea = QRect(clampedCoordinate(left), clampedCoordinate(top), clampedCoordinate(w),
                        clampedCoordinate(h));
    UpdateTextBounding();
    ComputeCaretLocation();
}

// Both ends of a selection are character indexes; the text between them is selected and the
// highlight starts at the lower one.
void WLineEdit::SelectBetween(int start, int end)
{
    d->selectionStart = start;
    d->selectionEnd = end;
    const int from = qMin(start, end);
    d->selectedText = d->Slice(from, qMax(start, end));
    d->selectionCurrent = true;
    d->selectedFrom = std::clamp(from, 0, d->Length());
    UpdateSelectedTextBounding(from);
}

void WLineEdit::InsertFiltered(QString text)
{
    CheckText(text);
    if (text.isEmpty())
        return;
    const WAliveGuard alive(this);
    DeleteSelectedText();
    if (alive)
        InsertText(d->caretIndex, text);
}

void WLineEdit::Paint(QPainter* painter)
{
    const QRect r = rect();
    WDrawAPI::DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());
    const bool lit = hasFocus() || d->hovered;
    WDrawAPI::DrawBorder(painter, r, Radius(), lit ? d->borderColorHover : BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
    painter->setPen(QPen(testAttribute(Qt::WA_Disabled) ? disabledTextColor : ForeColor()));
    int lead = 0;
    const WBidiLine* line = d->text.isEmpty() ? nullptr : bidiLine(d.get(), this, &lead);
    if (line) {
        const QRect& area = d->textArea;
        painter->setClipRect(area, Qt::IntersectClip);
        // The highlight paints as the pieces the selected characters form on the line.
        const bool selected =
            !d->selectedText.isEmpty() && d->textType != TextType::Password && d->selectionCurrent;
        const int from = selected ? d->selectedFrom : 0;
        const int to = selected ? from + int(d->selectedText.size()) : 0;
        line->Draw(painter, qreal(area.left()) - d->scrollOffset + lead,
                   (area.top() + area.bottom() + 1) / 2.0, from, to, d->selectedTextBackColor,
                   d->selectedTextForeColor);
    } else if (!d->text.isEmpty()) {
        const QRect& area = d->textArea;
        painter->setClipRect(area, Qt::IntersectClip);
        // Only the characters that reach into the area are laid out, where the whole line
        // would put them; the margin keeps glyphs that overhang their advance.
        const qreal margin = 2 * d->locator.Metrics().height();
        const qreal left = area.left() - margin;
        const qreal right = area.right() + 1 + margin;
        const QString& shown = d->locator.Text();
        const WCaretLocator::Run line = d->locator.VisibleRun(
            0, int(shown.size()), qreal(area.left()) - d->scrollOffset, left, right);
        painter->drawText(
            QRectF(QPointF(line.x, area.top()), QPointF(area.right() + 1, area.bottom() + 1)),
            Qt::AlignVCenter, shown.mid(line.from, line.to - line.from));
        if (!d->selectedText.isEmpty() && d->textType != TextType::Password) {
            const QRect& box = d->selectedTextBounding;
            painter->setPen(QPen(d->selectedTextForeColor));
            painter->fillRect(box, d->selectedTextBackColor);
            if (d->selectionCurrent) {
                const int from = d->selectedFrom;
                // With more than one device pixel per pixel the glyphs sit between whole
                // pixels: the selected ones go exactly where the line has them, not to the
                // box's whole-pixel edge, or they would shift as the selection covers them.
                const qreal origin =
                    WIconImage::Ratio(painter) == 1
                        ? qreal(box.left())
                        : qreal(area.left()) - d->scrollOffset + d->locator.PrefixPosition(from);
                const WCaretLocator::Run run = d->locator.VisibleRun(
                    from, from + int(d->selectedText.size()), origin, left, right);
                painter->drawText(
                    QRectF(QPointF(run.x, box.top()), QPointF(box.right() + 1, box.bottom() + 1)),
                    Qt::AlignVCenter, shown.mid(run.from, run.to - run.from));
            } else {
                painter->drawText(box, Qt::AlignVCenter, d->selectedText);
            }
        }
    }
    if (d->caretVisible) {
        const int x = d->textArea.left() + d->caretLocation - d->scrollOffset;
        painter->drawLine(x, d->textBounding.top(), x, d->textBounding.bottom());
    }
}

// Right to left the arrow keys move the caret the way the eye reads it,
// one place left or right on screen, which may be several characters away in the text. False
// left to right, where the keys move character by character.
bool WLineEdit::MoveCaretOnScreen(bool right, bool extend)
{
    int lead = 0;
    const WBidiLine* line = bidiLine(d.get(), this, &lead);
    if (!line)
        return false;
    bool after = false;
    const int to = line->Move(d->caretIndex, d->caretIndex == d->afterIndex, right, &after);
    d->afterIndex = after ? to : -1;
    if (extend) {
        if (d->selectedText.isEmpty())
            d->selectionStart = d->caretIndex;
        if (to != d->caretIndex)
            SelectBetween(d->selectionStart, to);
    } else {
        ClearSelectedText();
    }
    d->caretIndex = to;
    ComputeCaretLocation();
    Update();
    return true;
}

// Returns whether the key is consumed here; otherwise it goes on to the base class. Setting the
// clipboard runs the application's handlers of its change signals, and editing emits
// TextChanged: after either the line edit may be gone, and the key counts as consumed.
bool WLineEdit::HandleKey(QKeyEvent* e)
{
    const WAliveGuard alive(this);
    // A password's clipboard shortcuts do nothing: its keys fall through to the later tests,
    // where they carry no printable text.
    const bool clipboardAllowed = d->textType != TextType::Password;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboardAllowed && e->matches(QKeySequence::Copy)) {
        clipboard->setText(d->selectedText, QClipboard::Clipboard);
        return !alive;
    }
    if (clipboardAllowed && e->matches(QKeySequence::Cut)) {
        clipboard->setText(d->selectedText, QClipboard::Clipboard);
        if (!alive)
            return true;
        DeleteSelectedText();
        if (!alive)
            return true;
        Update();
        return false;
    }
    if (clipboardAllowed && e->matches(QKeySequence::Paste)) {
        if (d->readOnly)
            return false;
        // Some platforms wait for another application's answer in a local event loop.
        const QString pasted = clipboard->text(QClipboard::Clipboard);
        if (alive)
            InsertFiltered(pasted);
        return !alive;
    }
    if (e->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return false;
    }
    const bool shiftOnly = e->modifiers() == Qt::ShiftModifier;
    switch (e->key()) {
    case Qt::Key_Delete:
        if (!d->readOnly && !DeleteSelectedText() && alive)
            DeleteText();
        if (alive)
            Update();
        return true;
    case Qt::Key_Backspace:
        if (!d->readOnly && !DeleteSelectedText() && alive && d->caretIndex > 0) {
            --d->caretIndex;
            ComputeCaretLocation();
            DeleteText();
        }
        if (alive)
            Update();
        return true;
    case Qt::Key_Left:
        if (MoveCaretOnScreen(false, shiftOnly))
            return true;
        if (shiftOnly) {
            if (d->caretIndex >= 1) {
                if (d->selectedText.isEmpty())
                    d->selectionStart = d->selectionEnd = d->caretIndex;
                SelectBetween(d->selectionStart, d->selectionEnd - 1);
                CaretMoveLeft();
            }
        } else {
            ClearSelectedText();
            CaretMoveLeft();
        }
        Update();
        return true;
    case Qt::Key_Right:
        if (MoveCaretOnScreen(true, shiftOnly))
            return true;
        if (!shiftOnly)
            ClearSelectedText();
        else if (d->caretIndex < d->Length()) {
            if (d->selectedText.isEmpty())
                d->selectionStart = d->selectionEnd = d->caretIndex;
            SelectBetween(d->selectionStart, d->selectionEnd + 1);
        }
        CaretMoveRight();
        Update();
        return true;
    default:
        break;
    }
    if (d->readOnly) {
        Update();
        return true;
    }
    const QString typed = e->text();
    if ((typed.isEmpty() ? QChar(0) : typed.at(0)).isPrint())
        InsertFiltered(typed);
    return !alive;
}

// Every signal and every edit that emits one may delete the line edit or its parent: once the
// guard says so, the event is reported handled and nothing else is touched.
bool WLineEdit::event(QEvent* e)
{
    const WAliveGuard alive(this);
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    switch (static_cast<int>(e->type())) {
    case QEvent::FocusIn:
        d->caretVisible = true;
        d->caretTimer.start(caretBlinkMs);
        Update();
        break;
    case QEvent::FocusOut:
        d->caretVisible = false;
        d->caretTimer.stop();
        ClearSelectedText();
        Update();
        emit FocusOut();
        if (!alive)
            return true;
        break;
    case QEvent::EnabledChange:
        // A disabled widget does not hover, and the Leave that follows would not reset it.
        if (!enabled)
            d->hovered = false;
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (enabled) {
            d->hovered = e->type() == QEvent::Enter;
            Update();
        }
        break;
    case QEvent::Resize:
    case WEvent::BorderChanged:
        UpdateTextArea();
        break;
    case QEvent::LayoutDirectionChange:
        // The border's sides change places, and the line starts from the other edge.
        UpdateTextArea();
        Update();
        break;
    case QEvent::FontChange:
        d->locator.SetFont(font());
        UpdateTextBounding();
        // Widths change with the font: the caret stays between the same characters.
        ComputeCaretLocation();
        Update();
        break;
    case QEvent::InputMethod:
        if (enabled && !d->readOnly)
            InsertFiltered(static_cast<QInputMethodEvent*>(e)->commitString());
        if (!alive)
            return true;
        break;
    case QEvent::MouseButtonPress: {
        if (!enabled)
            break;
        const auto button = static_cast<QMouseEvent*>(e)->button();
        if (button == Qt::LeftButton) {
            ComputeCaretIndexAt(pointerInText(e, this, d->textArea, d->scrollOffset));
            ClearSelectedText();
            d->selectionStart = d->caretIndex;
            Update();
        } else if (button == Qt::RightButton) {
            WRightPress::Emit(this, [this] { emit RightClicked(); });
            if (!alive)
                return true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (enabled && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            SelectAll();
        break;
    case QEvent::MouseMove:
        if (!enabled)
            return true;
        ComputeCaretIndexAt(pointerInText(e, this, d->textArea, d->scrollOffset));
        if (d->caretIndex == d->selectionEnd)
            return true;
        SelectBetween(d->selectionStart, d->caretIndex);
        Update();
        return true;
    case QEvent::KeyPress:
        if (enabled && HandleKey(static_cast<QKeyEvent*>(e)))
            return true;
        break;
    default:
        break;
    }
    return WBase::event(e);
}
