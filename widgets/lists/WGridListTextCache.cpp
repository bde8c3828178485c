#include "WGridListTextCache_p.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

constexpr int generationSize = 2048;
// Glyphs may reach past the text's advance (italics, bearings); the image leaves room.
constexpr int margin = 4;
// Longer or taller texts are rare and would make large images: they are drawn directly.
constexpr qreal largest = 1024;

constexpr int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;

// What remains of a centring offset after whole pixels, for a box of this parity.
qreal Fraction(qreal offset)
{
    return offset - std::floor(offset);
}

} // namespace

void WGridListTextCache::SetResolution(QImage& image) const
{
    constexpr qreal inchesPerMeter = 1 / 0.0254;
    image.setDotsPerMeterX(qRound(resolution.width() * inchesPerMeter));
    image.setDotsPerMeterY(qRound(resolution.height() * inchesPerMeter));
}

void WGridListTextCache::Clear()
{
    current.clear();
    previous.clear();
}

const WGridListTextCache::Entry& WGridListTextCache::Find(const QPainter* painter, const Key& key)
{
    auto it = current.find(key);
    if (it != current.end())
        return *it;
    auto old = previous.find(key);
    if (current.size() >= generationSize) {
        previous.swap(current);
        current.clear();
        old = previous.end(); // gone with the swap; made afresh below if it was there
    }
    if (old != previous.end()) {
        it = current.insert(key, *old);
        previous.erase(old);
        return *it;
    }

    Entry entry;
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    SetResolution(probe);
    const QFontMetricsF metrics(font, &probe);
    entry.size = metrics.size(Qt::TextSingleLine, key.text);
    if (entry.size.width() <= largest && entry.size.height() <= largest) {
        // The text sits in the image where drawText would put it in a box of this parity,
        // shifted by whole pixels only.
        const qreal dx = Fraction(((key.parity & 1) - entry.size.width()) / 2);
        const qreal dy = Fraction(((key.parity >> 1) - entry.size.height()) / 2);
        const QSize size(int(std::ceil(entry.size.width())) + 2 * margin + 1,
                         int(std::ceil(entry.size.height())) + 2 * margin + 1);
        entry.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        SetResolution(entry.image);
        entry.image.fill(Qt::transparent);
        QPainter p(&entry.image);
        p.setFont(font);
        p.setPen(QColor::fromRgba(key.colour));
        p.setRenderHints(painter->renderHints());
        p.drawText(QRectF(QPointF(margin + dx, margin + dy), entry.size),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, key.text);
    }
    return *current.insert(key, entry);
}

void WGridListTextCache::Draw(QPainter* painter, const QRect& box, const QString& text,
                              const QColor& colour)
{
    if (text.isEmpty())
        return;
    // Only a plain pixel-for-pixel target gets images; anything scaled, rotated or blended
    // differently gets the text itself.
    const QPaintDevice* device = painter->device();
    if (painter->deviceTransform().type() > QTransform::TxTranslate ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver || !device ||
        device->devicePixelRatioF() != 1.0) {
        const QPen pen = painter->pen();
        painter->setPen(colour);
        painter->drawText(box, flags, text);
        painter->setPen(pen);
        return;
    }
    // Point sizes become pixels by the device's resolution, which a QImage need not share.
    const QSize dpi(device->logicalDpiX(), device->logicalDpiY());
    if (painter->font() != font || dpi != resolution) {
        Clear();
        font = painter->font();
        resolution = dpi;
    }
    const Key key{text, colour.rgba(), (box.width() & 1) | ((box.height() & 1) << 1)};
    const Entry& entry = Find(painter, key);
    if (entry.image.isNull()) {
        const QPen pen = painter->pen();
        painter->setPen(colour);
        painter->drawText(box, flags, text);
        painter->setPen(pen);
        return;
    }
    // drawText puts the text's top-left at box + (box - size) / 2; the image holds the text
    // at the fraction of that offset, so it goes to the whole-pixel part. Text that does not
    // fit its box is clipped to it, as drawText clips.
    const qreal x = box.x() + (box.width() - entry.size.width()) / 2;
    const qreal y = box.y() + (box.height() - entry.size.height()) / 2;
    const QRect target(QPoint(int(std::floor(x)) - margin, int(std::floor(y)) - margin),
                       entry.image.size());
    if (QRectF(box).contains(QRectF(QPointF(x, y), entry.size))) {
        painter->drawImage(target.topLeft(), entry.image);
        return;
    }
    const QRect shown = target & box;
    if (!shown.isEmpty())
        painter->drawImage(shown.topLeft(), entry.image, shown.translated(-target.topLeft()));
}
