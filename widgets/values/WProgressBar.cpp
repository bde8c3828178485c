#include "WProgressBar.h"

#include "WDrawAPI.h"

#include <QPainter>
#include <QPainterPath>

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
}

void WProgressBar::Paint(QPainter* painter)
{
    const int w = width();
    const int h = height();
    const int bw = BorderWidth();
    const int r = Radius();
    const QRect all = rect();
    // At 100 the fill is as wide as the bar, so it runs under the right border, which covers it.
    const int fill = w * d->value / 100;

    if (r < 1) {
        WDrawAPI::DrawBackColor(painter, all, 0, BackColor(), bw);
        const qint64 fillH = qint64(h) - 2 * qint64(bw);
        if (fill > 0 && fillH > 0)
            painter->fillRect(QRect(bw, bw, fill, int(fillH)), ForeColor());
        WDrawAPI::DrawBorder(painter, all, 0, BorderColor(), Border(), bw);
        return;
    }

    // The half-pixel geometry of the drawing helpers, so the bar lines up with other widgets.
    const int half = bw / 2;
    const int odd = bw % 2;
    const qreal o = half + odd - 0.5f;
    const qreal trackW = qreal(w) - bw - odd + 1;
    const qreal trackH = qreal(h) - bw - odd + 1;
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
