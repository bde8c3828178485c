#include "WGridListTextCache_p.h"

#include "WLineWidths_p.h"

#include <QCache>
#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// Glyphs may reach past the text's advance (italics, bearings); the image leaves room.
constexpr int margin = 4;
// Longer or taller texts are rare and would make large images: they are drawn directly.
constexpr qreal largest = 1024;
// The cache's costs are in KiB; every entry costs at least one, which bounds their number too.
constexpr int limitKiB = 24 * 1024;
// Fonts, resolutions and hints in use at once; beyond that the cache starts over.
constexpr int maxStyles = 64;

constexpr int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;

// What remains of a centring offset after whole pixels, for a box of this parity.
qreal Fraction(qreal offset)
{
    return offset - std::floor(offset);
}

struct TextKey
{
    QString text;
    QRgb colour;
    int parity; // of the box's width and height: the fractions the centring leaves
    int style;  // font, resolution and render hints
    friend bool operator==(const TextKey& a, const TextKey& b)
    {
        return a.colour == b.colour && a.parity == b.parity && a.style == b.style &&
               a.text == b.text;
    }
    friend uint qHash(const TextKey& k, uint seed)
    {
        return qHash(k.text, seed) ^ k.colour ^ uint(k.parity) ^ (uint(k.style) << 2);
    }
};

struct TextImage
{
    QImage image;
    QSizeF size;
};

// Painting happens on the GUI thread; the lock only keeps a stray painter on another thread
// from corrupting the cache.
struct SharedTexts
{
    QMutex mutex;
    QCache<TextKey, TextImage> images{limitKiB};
    QHash<QString, int> styles;
    int nextStyle = 0;
};

SharedTexts& shared()
{
    static SharedTexts texts;
    return texts;
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
    SharedTexts& s = shared();
    QMutexLocker lock(&s.mutex);
    s.images.clear();
}

qint64 WGridListTextCache::CachedBytes()
{
    SharedTexts& s = shared();
    QMutexLocker lock(&s.mutex);
    qint64 bytes = 0;
    for (const TextKey& key : s.images.keys())
        bytes += s.images.object(key)->image.sizeInBytes();
    return bytes;
}

qint64 WGridListTextCache::LimitBytes()
{
    return qint64(limitKiB) * 1024;
}

WGridListTextCache::Entry WGridListTextCache::Find(const QPainter* painter, const QString& text,
                                                   QRgb colour, int parity)
{
    SharedTexts& s = shared();
    const TextKey key{text, colour, parity, style};
    {
        QMutexLocker lock(&s.mutex);
        if (const TextImage* cached = s.images.object(key))
            return Entry{cached->image, cached->size};
    }

    Entry entry;
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    SetResolution(probe);
    const QFontMetricsF metrics(font, &probe);
    entry.size = metrics.size(Qt::TextSingleLine, text);
    if (entry.size.width() <= largest && entry.size.height() <= largest) {
        // The text sits in the image where drawText would put it in a box of this parity,
        // shifted by whole pixels only.
        const qreal dx = Fraction(((parity & 1) - entry.size.width()) / 2);
        const qreal dy = Fraction(((parity >> 1) - entry.size.height()) / 2);
        const QSize size(int(std::ceil(entry.size.width())) + 2 * margin + 1,
                         int(std::ceil(entry.size.height())) + 2 * margin + 1);
        entry.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        SetResolution(entry.image);
        entry.image.fill(Qt::transparent);
        QPainter p(&entry.image);
        p.setFont(font);
        p.setPen(QColor::fromRgba(colour));
        p.setRenderHints(painter->renderHints());
        p.drawText(QRectF(QPointF(margin + dx, margin + dy), entry.size),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    const qint64 bytes = entry.image.sizeInBytes() + text.size() * qint64(sizeof(QChar));
    QMutexLocker lock(&s.mutex);
    s.images.insert(key, new TextImage{entry.image, entry.size},
                    int(qMax<qint64>(1, (bytes + 1023) / 1024)));
    return entry;
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
    const int renderHints = int(painter->renderHints());
    if (style < 0 || painter->font() != font || dpi != resolution || renderHints != hints) {
        font = painter->font();
        resolution = dpi;
        hints = renderHints;
        const QString name = WLineWidths::Key(font) + QLatin1Char('|') +
                             QString::number(dpi.width()) + QLatin1Char('x') +
                             QString::number(dpi.height()) + QLatin1Char('|') +
                             QString::number(hints);
        SharedTexts& s = shared();
        QMutexLocker lock(&s.mutex);
        auto it = s.styles.find(name);
        if (it == s.styles.end()) {
            // Numbers are never reused: texts made with a forgotten style cannot come back
            // under another.
            if (s.styles.size() >= maxStyles) {
                s.styles.clear();
                s.images.clear();
            }
            it = s.styles.insert(name, s.nextStyle++);
        }
        style = it.value();
    }
    const Entry entry =
        Find(painter, text, colour.rgba(), (box.width() & 1) | ((box.height() & 1) << 1));
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
