// SudokuPatch: cutting a source into nine pieces and composing them at other sizes. A dense
// source on a painter of another density (a 2x shadow on a 1.5x screen) is tst_densityglyphs'
// business, through the widgets' shadows.
#include "WTestSuite.h"

namespace {

// The image as the nine pieces compose it, built the plain way: every piece cut from the source,
// stretched with QPixmap::scaled and drawn into one transparent pixmap in order.
QPixmap referenceImage(const QPixmap& source, int top, int bottom, int left, int right,
                       bool skipCenter, const QSize& size)
{
    QPixmap result(size);
    if (result.isNull())
        return result;
    result.fill(Qt::transparent);
    const int cw = source.width() - left - right, ch = source.height() - top - bottom;
    if (cw < 0 || ch < 0 || qMin(qMin(top, bottom), qMin(left, right)) < 0)
        return result;
    const int mw = size.width() - left - right, mh = size.height() - top - bottom;
    QPainter p(&result);
    const auto piece = [&](int sx, int sy, int sw, int sh, int x, int y, int w, int h) {
        if (sw < 1 || sh < 1 || w < 1 || h < 1)
            return;
        const QPixmap cut = source.copy(sx, sy, sw, sh);
        p.drawPixmap(x, y, cut.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    };
    piece(0, 0, left, top, 0, 0, left, top);
    piece(left, 0, cw, top, left, 0, mw, top);
    piece(left + cw, 0, right, top, left + mw, 0, right, top);
    piece(0, top, left, ch, 0, top, left, mh);
    if (!skipCenter)
        piece(left, top, cw, ch, left, top, mw, mh);
    piece(left + cw, top, right, ch, left + mw, top, right, mh);
    piece(0, top + ch, left, bottom, 0, top + mh, left, bottom);
    piece(left, top + ch, cw, bottom, left, top + mh, mw, bottom);
    piece(left + cw, top + ch, right, bottom, left + mw, top + mh, right, bottom);
    return result;
}

// A translucent source with soft, position-dependent colours, so that a misplaced, mis-scaled
// or twice-blended pixel shows.
QPixmap softSource(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(
                x, y, qRgba((x * 37) % 256, (y * 53) % 256, (x * y) % 256, (x * 11 + y * 7) % 256));
    return QPixmap::fromImage(image);
}

// How a painter is set up when the patch is painted: target format and transform.
struct Target
{
    const char* name;
    QImage::Format format;
    QTransform transform;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
};

const Target targets[] = {
    {"premultiplied", QImage::Format_ARGB32_Premultiplied, QTransform()},
    {"opaque RGB", QImage::Format_RGB32, QTransform()},
    {"non-premultiplied", QImage::Format_ARGB32, QTransform()},
    {"translated", QImage::Format_ARGB32_Premultiplied, QTransform::fromTranslate(7, -3)},
    {"half-pixel shift", QImage::Format_ARGB32_Premultiplied, QTransform::fromTranslate(2.5, 1.5)},
    {"scaled", QImage::Format_ARGB32_Premultiplied, QTransform::fromScale(1.5, 0.75)},
    {"source composition", QImage::Format_ARGB32_Premultiplied, QTransform(),
     QPainter::CompositionMode_Source},
};

// canvas is in device pixels; the painter works in pixels of ratio device pixels each.
QImage paintOnto(const Target& t, const QSize& canvas, const std::function<void(QPainter&)>& draw,
                 qreal ratio = 1)
{
    QImage image(canvas, t.format);
    // A translucent, uneven background: pixels left alone must stay exactly as they were.
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            image.setPixelColor(x, y,
                                QColor(200, (x * 3) % 256, (y * 5) % 256, 40 + (x + y) % 200));
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setTransform(t.transform);
    painter.setCompositionMode(t.mode);
    draw(painter);
    painter.end();
    return image;
}

} // namespace

class TestSudokuPatch : public QObject
{
    Q_OBJECT

private slots:
    void unusableInput_data();
    void unusableInput();
    void paintsTheComposedImage_data();
    void paintsTheComposedImage();
};

// Margins that cannot cut the source compose a transparent patch; a patch never resized, or
// resized to nothing or to more than any screen holds, paints nothing and breaks nothing.
void TestSudokuPatch::unusableInput_data()
{
    QTest::addColumn<QList<int>>("margins"); // top, bottom, left, right
    QTest::addColumn<QSize>("size");         // invalid: never resized
    QTest::addColumn<QSize>("reported");
    const QList<int> usable{4, 4, 4, 4};
    const QSize fine(50, 40), none(0, 0);
    QTest::newRow("left + right wider than the source") << QList<int>{2, 2, 6, 5} << fine << fine;
    QTest::newRow("top + bottom taller than the source") << QList<int>{6, 5, 2, 2} << fine << fine;
    QTest::newRow("margins that overflow a sum")
        << QList<int>{2, 2, INT_MIN, INT_MIN} << fine << fine;
    QTest::newRow("huge margins") << QList<int>{INT_MAX, INT_MAX, 2, 2} << fine << fine;
    QTest::newRow("never resized") << usable << QSize() << QSize();
    QTest::newRow("empty") << usable << none << none;
    QTest::newRow("widget maximum") << usable << QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) << none;
    QTest::newRow("too many pixels") << usable << QSize(1 << 20, 1 << 12) << none;
}

void TestSudokuPatch::unusableInput()
{
    QFETCH(QList<int>, margins);
    QFETCH(QSize, size);
    QFETCH(QSize, reported);
    QPixmap source(10, 10);
    source.fill(Qt::red);
    SudokuPatch patch(source, margins[0], margins[1], margins[2], margins[3]);
    const int kept = patch.Top() + patch.Bottom() + patch.Left() + patch.Right();
    const bool usable = margins == QList<int>{4, 4, 4, 4};
    QCOMPARE(kept, usable ? 16 : 0);
    // Before any Resize the reported size never equals a wanted one, so a caller's first
    // comparison composes.
    QVERIFY(patch.Size().isEmpty());
    if (size.isValid()) {
        patch.Resize(size);
        QCOMPARE(patch.Size(), reported);
    }
    QImage blank(60, 50, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    QImage canvas = blank;
    QPainter painter(&canvas);
    patch.Paint(&painter);
    painter.end();
    QCOMPARE(canvas, blank);
}

void TestSudokuPatch::paintsTheComposedImage_data()
{
    QTest::addColumn<int>("targetIndex");
    QTest::addColumn<bool>("skipCenter");
    QTest::addColumn<int>("ratio");
    for (const int ratio : {1, 2, 3}) {
        for (int i = 0; i < int(std::size(targets)); ++i) {
            // Dense painters are checked where a device pixel maps to a whole painter pixel.
            if (ratio > 1 && (i == 1 || i == 4 || i == 5))
                continue;
            for (bool skip : {true, false})
                QTest::addRow("%dx, %s, %s", ratio, targets[i].name,
                              skip ? "centre skipped" : "with centre")
                    << i << skip << ratio;
        }
    }
}

// Whatever the painter, the pixels the patch leaves are those of its composed image drawn at
// (0, 0), at every size it passes through, however the sizes follow each other. A source drawn
// for ratio device pixels per pixel, on a painter of that ratio, leaves exactly the device pixels
// of the same source taken as an ordinary image, cut at its margins in device pixels and
// composed at the size in device pixels: no corner pixel is lost to scaling, and the margins and
// sizes count in the painter's pixels.
void TestSudokuPatch::paintsTheComposedImage()
{
    QFETCH(int, targetIndex);
    QFETCH(bool, skipCenter);
    QFETCH(int, ratio);
    const Target& target = targets[targetIndex];
    const int top = 4, bottom = 6, left = 5, right = 7;
    const QPixmap plain = softSource(23 * ratio, 19 * ratio);
    QPixmap source = plain;
    source.setDevicePixelRatio(ratio);
    SudokuPatch patch(source, top, bottom, left, right);
    // The centre switched the other way and back at one size, as a caller may between paints.
    for (const bool skip : {skipCenter, !skipCenter}) {
        patch.skipCenter = skip;
        patch.Resize(QSize(60, 40));
    }
    patch.skipCenter = skipCenter;
    // Width only, height only, both, back to an earlier size, and sizes below the margins.
    const QList<QSize> sizes = ratio == 1
                                   ? QList<QSize>{{60, 40}, {83, 40}, {83, 29}, {12, 10}, {60, 40},
                                                  {11, 9},  {5, 30},  {40, 3},  {12, 10}, {101, 77}}
                                   : QList<QSize>{{60, 40}, {83, 40}, {23, 19}, {12, 10}};
    const QSize canvas = QSize(120, 90) * ratio;
    // The reference in device pixels, where a translation moves it by whole dense pixels.
    const QTransform& t = target.transform;
    const Target device{target.name, target.format,
                        QTransform(t.m11(), 0, 0, t.m22(), t.dx() * ratio, t.dy() * ratio),
                        target.mode};
    for (const QSize& size : sizes) {
        patch.Resize(size);
        QCOMPARE(patch.Size(), size);
        const QPixmap reference = referenceImage(plain, top * ratio, bottom * ratio, left * ratio,
                                                 right * ratio, skipCenter, size * ratio);
        const QImage expected =
            paintOnto(device, canvas, [&](QPainter& p) { p.drawPixmap(0, 0, reference); });
        QImage actual = paintOnto(
            target, canvas, [&](QPainter& p) { patch.Paint(&p); }, ratio);
        actual.setDevicePixelRatio(1);
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("at %1 x %2").arg(size.width()).arg(size.height())));
    }
}

WEXAL_TEST_MAIN(TestSudokuPatch)
#include "tst_sudokupatch.moc"
