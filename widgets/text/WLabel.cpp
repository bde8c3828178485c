#include "WLabel.h"

#include "WAnnounce_p.h"
#include "WBidiLine_p.h"
#include "WCaretLocator_p.h"
#include "WDrawAPI.h"
#include "WIconImage_p.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QtMath>

namespace {
// Only the horizontal and vertical alignment bits are kept (Left .. Baseline).
constexpr int alignmentBits = 0x1FF;
} // namespace

struct WLabelPrivate
{
    explicit WLabelPrivate(const QFont& font) : locator(font) {}

    bool canSelectText = false;
    QString text;
    QString selectedText;
    Qt::Alignment alignment = Qt::AlignVCenter;
    QColor selectedTextBackColor;
    QColor selectedTextForeColor;
    QRect textBounding;
    QRect selectedTextBounding;
    int selectionAnchor = 0;
    int selectionEnd = 0;
    int selectedFrom = 0; // the first selected character
    WCaretLocator locator;
    // Places a line instead where its characters are reordered or it runs right to left.
    WBidiLine bidi;
};

WLabel::WLabel(QWidget* parent) : WBase(parent), d(std::make_unique<WLabelPrivate>(font()))
{
    SetBackColor(Qt::transparent);
}

WLabel::~WLabel() = default;

bool WLabel::CanSelectText() const
{
    return d->canSelectText;
}

// Stored without a repaint: the selection stays as it is, only hidden from painting and copying.
void WLabel::SetCanSelectText(bool can)
{
    d->canSelectText = can;
}

const QString& WLabel::Text() const
{
    return d->text;
}

void WLabel::SetText(const QString& text)
{
    if (d->text == text)
        return;
    d->text = text;
    d->locator.SetText(text);
    UpdateTextBounding();
    update();
    WAnnounce::NameChanged(this);
}

void WLabel::AppendText(const QString& text)
{
    d->text += text;
    d->locator.SetText(d->text);
    UpdateTextBounding();
    update();
    WAnnounce::NameChanged(this);
}

Qt::Alignment WLabel::Alignment() const
{
    return d->alignment;
}

void WLabel::SetAlignment(Qt::Alignment alignment)
{
    alignment &= Qt::Alignment(alignmentBits);
    if (d->alignment == alignment)
        return;
    d->alignment = alignment;
    UpdateTextBounding();
    update();
}

const QColor& WLabel::SelectedTextBackColor() const
{
    return d->selectedTextBackColor;
}

void WLabel::SetSelectedTextBackColor(const QColor& color)
{
    if (d->selectedTextBackColor == color)
        return;
    d->selectedTextBackColor = color;
    update();
}

const QColor& WLabel::SelectedTextForeColor() const
{
    return d->selectedTextForeColor;
}

void WLabel::SetSelectedTextForeColor(const QColor& color)
{
    if (d->selectedTextForeColor == color)
        return;
    d->selectedTextForeColor = color;
    update();
}

const QString& WLabel::SelectedText() const
{
    return d->selectedText;
}

const QRect& WLabel::TextBounding() const
{
    return d->textBounding;
}

const QRect& WLabel::SelectedTextBounding() const
{
    return d->selectedTextBounding;
}

void WLabel::UpdateTextBounding()
{
    // The widget without its last column and row.
    const QRect area(QPoint(0, 0), QPoint(width() - 2, height() - 2));
    // Right to left, left and right mean the other side unless they are absolute.
    const Qt::Alignment visual = QStyle::visualAlignment(layoutDirection(), d->alignment);
    d->textBounding = d->locator.Metrics().boundingRect(area, int(visual), d->text);
}

// Right to left, the whole-line layout that places a one-line text, else null.
static const WBidiLine* bidiLine(WLabelPrivate* d, const QWidget* label)
{
    const Qt::LayoutDirection direction = label->layoutDirection();
    if (direction == Qt::LeftToRight || d->text.contains(QLatin1Char('\n')))
        return nullptr;
    d->bidi.Set(d->text, label->font(), direction);
    return &d->bidi;
}

// The caret position for a pointer x pixels right of the text's left edge.
static int indexAt(WLabelPrivate* d, const QWidget* label, qreal x)
{
    const WBidiLine* line = bidiLine(d, label);
    return line ? line->IndexAt(x) : d->locator.IndexAt(x);
}

void WLabel::UpdateSelectedTextBounding(int start)
{
    if (const WBidiLine* line = bidiLine(d.get(), this)) {
        // Reordered, the selection may cover several pieces: the box spans them all.
        const auto pieces = line->Pieces(start, start + int(d->selectedText.size()));
        const qreal from = pieces.isEmpty() ? 0 : pieces.first().first;
        const qreal to = pieces.isEmpty() ? 0 : pieces.last().first + pieces.last().second;
        d->selectedTextBounding =
            QRect(d->textBounding.left() + qFloor(from), d->textBounding.top(), qCeil(to - from),
                  d->locator.Metrics().height());
        return;
    }
    const QFontMetrics& fm = d->locator.Metrics();
    d->selectedTextBounding =
        QRect(d->textBounding.left() + d->locator.PrefixWidth(start), d->textBounding.top(),
              fm.horizontalAdvance(d->selectedText), fm.height());
}

int WLabel::ComputeCaretLocation(int x)
{
    return indexAt(d.get(), this, x);
}

void WLabel::Paint(QPainter* painter)
{
    const QRect r = rect();
    WDrawAPI::DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, r, Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
    if (d->text.isEmpty())
        return;
    painter->setPen(QPen(ForeColor()));
    if (const WBidiLine* line = bidiLine(d.get(), this)) {
        // The highlight paints as the pieces the selected characters form on the line.
        const bool selected = d->canSelectText && !d->selectedText.isEmpty();
        const int from = selected ? d->selectedFrom : 0;
        const int to = selected ? from + int(d->selectedText.size()) : 0;
        const QRect& box = d->textBounding;
        line->Draw(painter, box.left(), (box.top() + box.bottom() + 1) / 2.0, from, to,
                   d->selectedTextBackColor, d->selectedTextForeColor);
        return;
    }
    painter->drawText(d->textBounding, int(d->alignment), d->text);
    if (!d->canSelectText || d->selectedText.isEmpty())
        return;
    // Drawn over the text already there, so the highlight covers the same glyphs.
    painter->setPen(QPen(d->selectedTextForeColor));
    painter->fillRect(d->selectedTextBounding, d->selectedTextBackColor);
    QRectF box = d->selectedTextBounding;
    // With more than one device pixel per pixel the glyphs sit between whole pixels: the
    // selected ones go exactly where the whole text has them, not to the box's whole-pixel
    // edge, or they would shift as the selection covers them.
    if (WIconImage::Ratio(painter) != 1 && d->locator.IsIncremental() &&
        painter->layoutDirection() == Qt::LeftToRight) {
        const qreal spare = d->textBounding.width() - d->locator.PrefixPosition(d->text.size());
        const Qt::Alignment visual = QStyle::visualAlignment(layoutDirection(), d->alignment);
        const qreal start = visual & Qt::AlignRight     ? spare
                            : visual & Qt::AlignHCenter ? spare / 2
                                                        : 0;
        box.setLeft(d->textBounding.left() + start + d->locator.PrefixPosition(d->selectedFrom));
    }
    painter->drawText(box, Qt::AlignVCenter, d->selectedText);
}

// The pointer's distance from the text's left edge. Both may be anywhere an int reaches (the
// position of a synthesised event anywhere at all), so the difference is bounded. The pointer
// stays between pixels where it is: on a screen of 1.25 or 1.5 device pixels per pixel,
// rounding it would move a click by up to a device pixel.
static qreal textX(QEvent* e, const QWidget* label, const QRect& textBounding)
{
    const qreal limit = qreal(WPixels::Limit);
    const qreal x = WPixels::PointerX(static_cast<QMouseEvent*>(e), label);
    return qBound(-limit, x - textBounding.left(), limit);
}

bool WLabel::event(QEvent* e)
{
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    switch (e->type()) {
    case QEvent::KeyPress:
        // A label takes focus by click; it swallows every key, and copies on the copy shortcut.
        if (d->canSelectText && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy))
            QGuiApplication::clipboard()->setText(d->selectedText, QClipboard::Clipboard);
        return true;
    case QEvent::MouseButtonPress:
        if (!enabled)
            break;
        if (d->canSelectText && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            d->selectionAnchor = indexAt(d.get(), this, textX(e, this, d->textBounding));
            d->selectionEnd = -1;
            d->selectedText.clear();
            d->selectedTextBounding = QRect();
            update();
        }
        return true;
    case QEvent::MouseMove: {
        if (!enabled)
            return false;
        if (!d->canSelectText)
            return true;
        const int i = indexAt(d.get(), this, textX(e, this, d->textBounding));
        if (i == d->selectionEnd)
            return true;
        d->selectionEnd = i;
        const int from = qMin(i, d->selectionAnchor);
        const int to = qMax(i, d->selectionAnchor);
        d->selectedText = d->text.mid(from, to - from);
        d->selectedFrom = from;
        UpdateSelectedTextBounding(from);
        update();
        WAnnounce::TextSelectionChanged(this, from, to);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (enabled && d->canSelectText &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            d->selectedText = d->text;
            d->selectedFrom = 0;
            d->selectedTextBounding = d->textBounding;
            update();
            WAnnounce::TextSelectionChanged(this, 0, int(d->text.size()));
        }
        break;
    case QEvent::Resize:
        UpdateTextBounding();
        break;
    case QEvent::LayoutDirectionChange:
        UpdateTextBounding();
        update();
        break;
    case QEvent::FontChange:
        d->locator.SetFont(font());
        UpdateTextBounding();
        update();
        break;
    case QEvent::FocusOut:
        d->selectedText.clear();
        update();
        break;
    default:
        break;
    }
    return WBase::event(e);
}
