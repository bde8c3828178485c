#include "WItemList.h"
#include "WDrawAPI.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

#include <climits>
#include <memory>

namespace {

// Shaping a line to measure it costs microseconds, far too much for lists of a million lines.
// For printable ASCII the same numbers come from a table of glyph advances and pair kerning in
// 1/64 pixels, the fixed-point unit Qt sums advances in. Ligatures break the pairwise sum, so
// lines with an 'f' (the usual ligature start) are always shaped, and a font whose sample
// strings disagree with the table in any way is measured by shaping only.
struct AsciiWidths
{
    bool usable = false;
    int advance[95] = {};
    int kern[95][95] = {};
};

constexpr int firstAscii = 0x20;
constexpr int lastAscii = 0x7E;
// Below this many lines, shaping each one is cheaper than building a table.
constexpr int tableThreshold = 8192;

// Returns -1 when the line must be shaped.
int tableWidth(const AsciiWidths& t, const QString& s)
{
    qint64 w = 0;
    int prev = -1;
    for (const QChar ch : s) {
        const int u = ch.unicode();
        if (u < firstAscii || u > lastAscii || u == 'f')
            return -1;
        const int c = u - firstAscii;
        w += t.advance[c];
        if (prev >= 0)
            w += t.kern[prev][c];
        prev = c;
    }
    return int(qMin((w + 32) >> 6, qint64(INT_MAX)));
}

QString fontKey(const QFont& f)
{
    return f.toString() + QLatin1Char('|') + QString::number(f.kerning()) + QLatin1Char('|') +
           QString::number(int(f.hintingPreference())) + QLatin1Char('|') +
           QString::number(int(f.styleStrategy())) + QLatin1Char('|') +
           QString::number(f.stretch());
}

std::shared_ptr<const AsciiWidths> buildTable(const QFont& font)
{
    auto t = std::make_shared<AsciiWidths>();
    // Spacing and case changes are applied per glyph; the table does not model them.
    if (font.letterSpacing() != 0 || font.wordSpacing() != 0 ||
        font.capitalization() != QFont::MixedCase)
        return t;
    const QFontMetricsF fm(font);
    for (int c = firstAscii; c <= lastAscii; ++c)
        t->advance[c - firstAscii] = qRound(fm.horizontalAdvance(QString(QChar(c))) * 64);
    QString pair(2, QLatin1Char(' '));
    for (int a = firstAscii; a <= lastAscii; ++a) {
        pair[0] = QLatin1Char(char(a));
        for (int b = firstAscii; b <= lastAscii; ++b) {
            pair[1] = QLatin1Char(char(b));
            t->kern[a - firstAscii][b - firstAscii] = qRound(fm.horizontalAdvance(pair) * 64) -
                                                      t->advance[a - firstAscii] -
                                                      t->advance[b - firstAscii];
        }
    }
    // Contextual forms and ligatures that the pair table cannot know about show up here.
    QStringList samples = {
        QStringLiteral("->=>!=<=>===::..//--&&||<<>>"),
        QStringLiteral("www Th Qu ij ll LT AV To Wa yy. Ty"),
        QStringLiteral("The quick brown box jumps over the lazy dog 0123456789")};
    QRandomGenerator rng(0x5eed);
    for (int i = 0; i < 200; ++i) {
        QString s;
        for (int n = rng.bounded(2, 24); n > 0; --n)
            s += QLatin1Char(char(rng.bounded(firstAscii, lastAscii + 1)));
        samples << s.remove(QLatin1Char('f'));
    }
    const QFontMetrics exact(font);
    t->usable = true;
    for (const QString& s : qAsConst(samples)) {
        if (tableWidth(*t, s) != exact.horizontalAdvance(s)) {
            t->usable = false;
            break;
        }
    }
    return t;
}

// The table for font, built on request; null when there is none or it cannot be trusted.
const AsciiWidths* asciiWidths(const QFont& font, bool build)
{
    static QHash<QString, std::shared_ptr<const AsciiWidths>> cache;
    const QString key = fontKey(font);
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        if (!build)
            return nullptr;
        if (cache.size() >= 16)
            cache.clear();
        it = cache.insert(key, buildTable(font));
    }
    return it.value()->usable ? it.value().get() : nullptr;
}

int lineWidth(const AsciiWidths* table, const QFontMetrics& fm, const QString& s)
{
    const int w = table ? tableWidth(*table, s) : -1;
    return w >= 0 ? w : fm.horizontalAdvance(s);
}

// Applications may pass absurd numbers; geometry is kept well inside int.
int bounded(qint64 v)
{
    constexpr qint64 limit = 1 << 28;
    return int(qBound(-limit, v, limit));
}

} // namespace

struct WItemListPrivate
{
    int selectedIndex = -1;
    bool canSelectItem = true;
    int itemHeight = 20;
    QStringList items;
    QColor itemBackColorSelected;
    QColor itemForeColorSelected;
    QRect padding{0, 0, 0, 0};
    int firstIndex = 0;
    int firstOffset = 0;
    int hOffset = 0;
    // The widest line, kept while lines and font stay the same so that appending a line
    // measures that line only.
    int widest = 0;
    bool widestValid = false;

    int PadTop() const { return bounded(padding.x()); }
    int PadBottom() const { return bounded(padding.y()); }
    int PadLeft() const { return bounded(qint64(padding.right()) - padding.left() + 1); }
    int PadRight() const { return bounded(qint64(padding.bottom()) - padding.top() + 1); }
};

WItemList::WItemList(QWidget* parent)
    : WScrollContainer(true, true, parent), d(std::make_unique<WItemListPrivate>())
{
}

WItemList::~WItemList() = default;

bool WItemList::CanSelectItem() const
{
    return d->canSelectItem;
}

void WItemList::SetCanSelectItem(bool can)
{
    d->canSelectItem = can;
}

int WItemList::ItemHeight() const
{
    return d->itemHeight;
}

void WItemList::SetItemHeight(int height)
{
    if (height <= 0 || height == d->itemHeight)
        return;
    d->itemHeight = height;
    ComputeContentSize();
}

const QStringList& WItemList::Items() const
{
    return d->items;
}

void WItemList::SetItems(const QStringList& items)
{
    d->items = items;
    d->selectedIndex = -1;
    d->widestValid = false;
    ComputeContentSize();
}

void WItemList::AddItem(const QString& text)
{
    InsetItem(d->items.size(), text);
}

void WItemList::InsetItem(int index, const QString& text)
{
    d->items.insert(qBound(0, index, d->items.size()), text);
    if (d->widestValid) {
        const QFont f = font();
        d->widest = qMax(d->widest, lineWidth(asciiWidths(f, false), QFontMetrics(f), text));
    }
    ComputeContentSize();
}

int WItemList::SelectedIndex() const
{
    return d->selectedIndex;
}

void WItemList::SetSelectedIndex(int index)
{
    const int i = d->items.isEmpty() ? -1 : qBound(-1, index, d->items.size() - 1);
    if (i == d->selectedIndex)
        return;
    d->selectedIndex = i;
    update();
}

const QColor& WItemList::ItemBackColorSelected() const
{
    return d->itemBackColorSelected;
}

void WItemList::SetItemBackColorSelected(const QColor& color)
{
    if (color == d->itemBackColorSelected)
        return;
    d->itemBackColorSelected = color;
    update();
}

const QColor& WItemList::ItemForeColorSelected() const
{
    return d->itemForeColorSelected;
}

void WItemList::SetItemForeColorSelected(const QColor& color)
{
    if (color == d->itemForeColorSelected)
        return;
    d->itemForeColorSelected = color;
    update();
}

const QRect& WItemList::Padding() const
{
    return d->padding;
}

void WItemList::SetPadding(const QRect& padding)
{
    if (padding == d->padding)
        return;
    d->padding = padding;
    ComputeContentSize();
}

void WItemList::ComputeContentSize()
{
    if (!d->widestValid) {
        const QFont f = font();
        const QFontMetrics fm(f);
        const AsciiWidths* table = asciiWidths(f, d->items.size() >= tableThreshold);
        int widest = 0;
        for (const QString& line : qAsConst(d->items))
            widest = qMax(widest, lineWidth(table, fm, line));
        d->widest = widest;
        d->widestValid = true;
    }
    const qint64 w = qint64(d->widest) + d->PadLeft() + d->PadRight();
    const qint64 h = qint64(d->items.size()) * d->itemHeight + d->PadTop() + d->PadBottom();
    SetScrollSize(QSize(int(qBound(qint64(INT_MIN), w, qint64(INT_MAX))),
                        int(qBound(qint64(INT_MIN), h, qint64(INT_MAX)))));
    SetHScrollBarValue(0);
    SetVScrollBarValue(0);
    update();
}

bool WItemList::event(QEvent* e)
{
    if (e->type() == QEvent::FontChange) {
        d->widestValid = false;
    } else if (e->type() == QEvent::MouseButtonPress && d->canSelectItem) {
        const int y = qRound(static_cast<QMouseEvent*>(e)->localPos().y());
        const qint64 offset = qint64(y) - scrollContainerArea.top() - d->PadTop() + d->firstOffset;
        const int count = d->items.size();
        qint64 index = -1;
        if (d->firstIndex < count) {
            index = d->firstIndex + (offset < 0 ? 0 : offset / d->itemHeight);
            if (index >= count)
                index = -1;
        }
        // A click on the selected line, or below the last one, clears the selection.
        d->selectedIndex = index == d->selectedIndex ? -1 : int(index);
        update();
    }
    return WScrollContainer::event(e);
}

void WItemList::Paint(QPainter* painter)
{
    WDrawAPI::DrawBackColor(painter, rect(), Radius(), BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, rect(), Radius(), BorderColor(), Border(), BorderWidth());

    const QRect clip = scrollContainerArea;
    const int count = d->items.size();
    if (clip.isEmpty() || d->firstIndex >= count)
        return;
    painter->setClipRect(clip, Qt::ReplaceClip);
    painter->setPen(ForeColor());

    const qint64 ih = d->itemHeight;
    const int left = bounded(qint64(clip.left()) + d->PadLeft() - d->hOffset);
    const int right = bounded(qint64(clip.right()) - d->PadRight());
    qint64 top = qint64(clip.top()) + d->PadTop() - d->firstOffset;
    qint64 i = d->firstIndex;
    // Lines wholly above the view (a negative top padding) are stepped over at once, so the
    // cost stays with what is visible.
    if (top + ih <= clip.top()) {
        const qint64 skip = (clip.top() - top) / ih;
        i += skip;
        top += skip * ih;
    }
    const int lineHeight = int(qMin(ih, qint64(1) << 28));
    for (; i < count && top <= clip.bottom(); ++i, top += ih) {
        const QRect line(left, int(top), right - left + 1, lineHeight);
        const QString& text = d->items.at(int(i));
        if (i == d->selectedIndex) {
            painter->fillRect(line, d->itemBackColorSelected);
            painter->setPen(d->itemForeColorSelected);
            painter->drawText(line, Qt::AlignVCenter, text);
            painter->setPen(ForeColor());
        } else {
            painter->drawText(line, Qt::AlignVCenter, text);
        }
    }
}

void WItemList::ScrollContainerAreaChangedEvent() {}

void WItemList::HScrollBarValueChangedEvent(int value)
{
    d->hOffset = value;
    update();
}

void WItemList::VScrollBarValueChangedEvent(int value)
{
    d->firstIndex = value / d->itemHeight;
    d->firstOffset = value % d->itemHeight;
    update();
}
