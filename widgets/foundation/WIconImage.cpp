#include "WIconImage_p.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

qreal WIconImage::Ratio(const QPainter* painter)
{
    if (!painter || !painter->isActive())
        return 1;
    const QTransform t = painter->deviceTransform();
    // Rotated or sheared, a pixel still covers this many device pixels in area.
    const qreal ratio = t.type() <= QTransform::TxScale ? qMax(qAbs(t.m11()), qAbs(t.m22()))
                                                        : std::sqrt(qAbs(t.determinant()));
    return std::isfinite(ratio) && ratio > 0 ? ratio : 1;
}

int WIconImage::Scale(qreal ratio)
{
    // A hair above a whole number is rounding in the transform, not a denser screen.
    if (!(ratio > 1.001))
        return 1;
    if (ratio >= MaxScale)
        return MaxScale;
    return int(std::ceil(ratio - 0.001));
}

QString WIconImage::PathAt(const QString& path, int scale)
{
    if (scale <= 1)
        return path;
    QString name = path;
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    const int slash = int(name.lastIndexOf(QLatin1Char('/')));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    if (dot > slash)
        name.insert(dot, suffix);
    else
        name.append(suffix);
    return name;
}

QImage WIconImage::Load(const QString& path, int scale)
{
    for (int s = qBound(1, scale, MaxScale); s >= 1; --s) {
        QImage image(PathAt(path, s));
        if (image.isNull())
            continue;
        if (image.devicePixelRatio() != s)
            image.setDevicePixelRatio(s);
        return image;
    }
    return QImage();
}

QPixmap WIconImage::LoadPixmap(const QString& path, int scale)
{
    for (int s = qBound(1, scale, MaxScale); s >= 1; --s) {
        QPixmap pixmap(PathAt(path, s));
        if (pixmap.isNull())
            continue;
        if (pixmap.devicePixelRatio() != s)
            pixmap.setDevicePixelRatio(s);
        return pixmap;
    }
    return QPixmap();
}
