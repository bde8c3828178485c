#include "WProgressBar.h"

#include "WAnnounce_p.h"
#include "WDrawAPI.h"
#include "WMirror_p.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

namespace {
// A 512 x 512 look is 1 MiB; larger bars are drawn directly every time.
constexpr qint64 maxCachedPixels = 512 * 512;
} // namespace

struct WProgressBarPrivate
{
    int value = 0;
};

WProgressBar::WProgressBar(QWidget* parent)
    : WBase(parent), d(std::make_unique<WProgressBarPrivate>())
{
}

WProgressBar::~WProgressBar() = default;

int WProgressBar::Value() const
{
    return d->value;
}

void WProgressBar::SetValue(int value)
{
    value = qBound(0, value, 100);
    if (value == d->value)
        return;
    d->value = value;
    update();
    WAnnounce::ValueChanged(this, value);
}

void WProgressBar::Paint(QPainter* painter)
{
    const int w = width();
    const int h = height();
    const int bw = BorderWidth();
    // At 100 the fill is as wide as the bar, so it runs under the right border, which covers it.
    const int fill = w * d->value / 100;

    if (Radius() < 1) {
        const QRect all = rect();
        WDrawAPI::DrawBackColor(painter, all, 0, BackColor(), bw);
        const qint64 fillH = qint64(h) - 2 * qint64(bw);
        if (fill > 0 && fillH > 0)
            painter->fillRect(WMirror::Rect(QRect(bw, bw, fill, int(fillH)), w, isRightToLeft()),
                              ForeColor());
        WDrawAPI::DrawBorder(painter, all, 0, BorderColor(),
                             WMirror::Sides(Border(), isRightToLeft()), bw);
        return;
    }

    // The rounded bar is three anti-aliased paths and a clip path, far dearer than a blit, and
    // a bar shows the same few looks over and over as its value moves: each look is drawn once
    // into the shared pixmap cache and blitted from then on. Only plain translations are
    // blitted, so a scaled painter still gets sharp edges.
    const QPaintDevice* device = painter->device();
    const qreal dpr = device ? device->devicePixelRatioF() : 1.0;
    const qint64 pixels = qint64(w) * h * dpr * dpr;
    const bool blit = painter->worldTransform().type() <= QTransform::TxTranslate && pixels > 0 &&
                      pixels <= maxCachedPixels;
    // Right to left the bar fills from the right: the same look, mirrored.
    const WMirror::Flip flip(painter, w, isRightToLeft());
    if (!blit) {
        PaintRounded(painter, fill);
        return;
    }
    const auto colorKey = [](const QColor& c) {
        return c.isValid() ? QString::number(c.rgba64(), 16) : QStringLiteral("-");
    };
    const QString key =
        QStringLiteral("WProgressBar|%1x%2@%3|%4|%5|%6|%7|%8|%9")
            .arg(w)
            .arg(h)
            .arg(dpr)
            .arg(Radius())
            .arg(bw)
            .arg(fill)
            .arg(colorKey(BackColor()), colorKey(ForeColor()), colorKey(BorderColor()));
    QPixmap look;
    if (!QPixmapCache::find(key, &look)) {
        QImage image(QSize(w, h) * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        {
            QPainter layer(&image);
            PaintRounded(&layer, fill);
        }
        look = QPixmap::fromImage(std::move(image));
        QPixmapCache::insert(key, look);
    }
    painter->drawPixmap(0, 0, look);
}

void WProgressBar::PaintRounded(QPainter* painter, int fill)
{
    const int bw = BorderWidth();
    const int r = Radius();
    // The half-pixel geometry of the drawing helpers, so the bar lines up with other widgets.
    const int half = bw / 2;
    const int odd = bw % 2;
    const qreal o = half + odd - 0.5f;
    const qreal trackW = qreal(width()) - bw - odd + 1;
    const qreal trackH = qreal(height()) - bw - odd + 1;
    // A border too wide for the bar leaves no track; like the drawing helpers, draw nothing
    // rather than a shape turned inside out.
    if (trackW <= 0 || trackH <= 0)
        return;
    QPainterPath track;
    track.addRoundedRect(QRectF(o, o, trackW, trackH), r, r, Qt::AbsoluteSize);

    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->fillPath(track, QBrush(BackColor(), Qt::SolidPattern));
    if (fill > 0) {
        // Clipped to the track, a short fill gets a rounded left end and a nearly full one a
        // rounded right end. The clip stays for the outline, hiding its outer half.
        painter->setClipPath(track, Qt::ReplaceClip);
        const qreal fillW = qreal(fill) - bw - odd + 1;
        if (fillW > 0) {
            QPainterPath filled;
            filled.addRoundedRect(QRectF(o, o, fillW, trackH), r, r, Qt::AbsoluteSize);
            painter->fillPath(filled, QBrush(ForeColor(), Qt::SolidPattern));
        }
    }
    painter->setPen(
        QPen(QBrush(BorderColor()), qMax(bw, 0), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawPath(track);
}
