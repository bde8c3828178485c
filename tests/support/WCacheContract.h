#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QTest>

#include "WClassRegistry.h"

#include <functional>

// What every picture cache of the library promises: a picture drawn from the cache has the
// pixels of drawing directly, whether it was just drawn (a miss) or found (a hit); widgets of
// one look share a picture and another look gets its own; and the cache keeps within its limit
// however many looks are painted, drawing what it forgot afresh with the same pixels.
//
// A cache enters as a row: how to paint look n through it and directly, and how to read and
// empty it. Looks are numbers the row maps to its parameters; any two differ in pixels.
namespace WexalTest {

struct CacheRow
{
    using Paint = std::function<void(QPainter*, int look)>;
    Paint cached;
    Paint direct; // the same look drawn without the cache
    std::function<qint64()> bytes;
    std::function<qint64()> limit;
    std::function<void()> clear;
    QSize canvas;  // big enough for any look at the origin
    int looks;     // looks 0..looks-1 are the ordinary ones checked pixel by pixel
    int bulkFirst; // looks from here on are large ones, each its own, to fill the cache
    QColor ground = QColor(0x80, 0x80, 0x80); // what the looks are painted over
};

inline QImage PaintLook(const CacheRow& row, const CacheRow::Paint& paint, int look, qreal ratio)
{
    QImage image(row.canvas * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(row.ground);
    QPainter painter(&image);
    paint(&painter, look);
    return image;
}

// Every ordinary look at ratio, drawn directly and then through the cache twice (the first a
// miss, the second a hit): the same pixels. The looks go in turn through one cache, so a key
// that leaves out what tells two looks apart shows as the wrong picture.
inline void SamePixelsAsDrawingDirectly(const CacheRow& row, qreal ratio)
{
    QList<QImage> direct;
    for (int look = 0; look < row.looks; ++look)
        direct << PaintLook(row, row.direct, look, ratio);
    row.clear();
    for (const char* way : {"a miss", "a hit"})
        for (int look = 0; look < row.looks; ++look) {
            const QString name = QStringLiteral("look %1, %2").arg(look).arg(QLatin1String(way));
            QVERIFY2(SamePicture(PaintLook(row, row.cached, look, ratio), direct.at(look), name),
                     qPrintable(name));
        }
}

// Painted again, a look adds nothing: whoever paints it shares the picture; another look adds.
// (A cache may keep a look only from its second paint on, one painted once being cheaper drawn
// again than kept: each look is painted twice before it counts.)
inline void SharedBetweenWidgetsOfOneLook(const CacheRow& row)
{
    row.clear();
    PaintLook(row, row.cached, 0, 1);
    PaintLook(row, row.cached, 0, 1);
    const qint64 one = row.bytes();
    QVERIFY(one > 0);
    PaintLook(row, row.cached, 0, 1);
    QCOMPARE(row.bytes(), one);
    PaintLook(row, row.cached, 1, 1);
    PaintLook(row, row.cached, 1, 1);
    QVERIFY(row.bytes() > one);
}

// Large looks, each its own, until the cache has had to forget: never past the limit, the
// limit a modest one, and the first look, long forgotten, drawn afresh with the same pixels.
inline void BoundedWhateverIsPainted(const CacheRow& row, int count)
{
    row.clear();
    qint64 most = 0;
    for (int i = 0; i < count; ++i) {
        PaintLook(row, row.cached, row.bulkFirst + i, 1);
        const qint64 now = row.bytes();
        QVERIFY2(now <= row.limit(),
                 qPrintable(QStringLiteral("%1 bytes after %2").arg(now).arg(i)));
        most = qMax(most, now);
    }
    QVERIFY2(most > row.limit() / 2, "the looks never filled the cache: the bound went untried");
    QVERIFY(row.limit() <= 64 * 1024 * 1024);
    QVERIFY(SamePicture(PaintLook(row, row.cached, row.bulkFirst, 1),
                        PaintLook(row, row.direct, row.bulkFirst, 1), QStringLiteral("forgotten")));
}

} // namespace WexalTest
