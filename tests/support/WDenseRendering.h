#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QTest>
#include <QWidget>

// Painting on screens with more than one device pixel per pixel, checked against the library's
// icon files themselves (which the icon generator's own test holds equal to its drawings).
namespace WexalTest {

// The widget painted into an image of ratio device pixels per pixel, as a window on such a
// screen would paint it.
inline QImage RenderAt(QWidget* widget, qreal ratio)
{
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    widget->render(&image);
    return image;
}

// An icon file, read here and not through the library: "Name.png" drawn for scale
// ("Name@2x.png"), in colour when given one (its white replaced, alpha kept), else as it is.
inline QImage IconFile(const char* path, int scale, const QColor& colour = QColor())
{
    QString name = QString::fromLatin1(path);
    if (scale != 1)
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    QImage image = QImage(name).convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    if (colour.isValid()) {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu)
                    line[x] = (line[x] & 0xFF000000u) | (colour.rgb() & 0xFFFFFFu);
        }
    }
    return image;
}

// Empty when the device pixels of rendered inside area (in pixels) are exactly those of image
// drawn at `at` over back (filtered, as for a drawing of another density than the painter's);
// else where they first differ.
inline QString Shows(const QImage& rendered, const QRect& area, const QColor& back,
                     const QImage& image, const QPoint& at)
{
    QImage expected = rendered.copy();
    {
        QPainter p(&expected);
        p.setClipRect(area);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(area, back);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setRenderHint(QPainter::SmoothPixmapTransform,
                        image.devicePixelRatio() != rendered.devicePixelRatio());
        p.drawImage(at, image);
    }
    const qreal ratio = rendered.devicePixelRatio();
    const QRect device(
        QPoint(qRound(area.left() * ratio), qRound(area.top() * ratio)),
        QPoint(qRound((area.right() + 1) * ratio) - 1, qRound((area.bottom() + 1) * ratio) - 1));
    int differing = 0;
    QString first;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (rendered.pixel(x, y) == expected.pixel(x, y))
                continue;
            if (differing++ == 0)
                first = QStringLiteral("device pixel (%1, %2) is %3, not %4")
                            .arg(x)
                            .arg(y)
                            .arg(rendered.pixel(x, y), 8, 16, QLatin1Char('0'))
                            .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'));
        }
    }
    return differing == 0 ? QString()
                          : QStringLiteral("%1 of %2 pixels differ; %3")
                                .arg(differing)
                                .arg(device.width() * device.height())
                                .arg(first);
}

} // namespace WexalTest
