// SudokuPatch: cutting a source into nine pieces and composing them at other sizes.
#include "WTestSuite.h"

namespace {

// One colour per piece of a 3 x 3 grid, so that every composed pixel tells where it came from.
const QColor pieceColors[3][3] = {
    {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)},
    {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)},
    {QColor(128, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128)},
};

// A w x h source whose grid, cut at the given margins, has one colour per piece.
QPixmap gridSource(int w, int h, int top, int bottom, int left, int right)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const int row = y < top ? 0 : (y >= h - bottom ? 2 : 1);
        for (int x = 0; x < w; ++x) {
            const int column = x < left ? 0 : (x >= w - right ? 2 : 1);
            image.setPixelColor(x, y, pieceColors[row][column]);
        }
    }
    return QPixmap::fromImage(image);
}

QImage render(SudokuPatch& patch, const QSize& canvasSize)
{
    QImage canvas(canvasSize, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    patch.Paint(&painter);
    painter.end();
    return canvas;
}

// The bounding box of the pixels painted in colour c.
QRect areaOf(const QImage& image, const QColor& c)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == c.rgba())
                box |= QRect(x, y, 1, 1);
    return box;
}

int paintedPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) != 0;
    return n;
}

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
    QImage::Format format;
    QTransform transform;
    QPainter::CompositionMode mode;
};

const char* const targetNames[] = {"premultiplied",     "opaque RGB",       "non-premultiplied",
                                   "translated",        "half-pixel shift", "scaled",
                                   "source composition"};
const Target targets[] = {
    {QImage::Format_ARGB32_Premultiplied, QTransform(), QPainter::CompositionMode_SourceOver},
    {QImage::Format_RGB32, QTransform(), QPainter::CompositionMode_SourceOver},
    {QImage::Format_ARGB32, QTransform(), QPainter::CompositionMode_SourceOver},
    {QImage::Format_ARGB32_Premultiplied, QTransform::fromTranslate(7, -3),
     QPainter::CompositionMode_SourceOver},
    {QImage::Format_ARGB32_Premultiplied, QTransform::fromTranslate(2.5, 1.5),
     QPainter::CompositionMode_SourceOver},
    {QImage::Format_ARGB32_Premultiplied, QTransform::fromScale(1.5, 0.75),
     QPainter::CompositionMode_SourceOver},
    {QImage::Format_ARGB32_Premultiplied, QTransform(), QPainter::CompositionMode_Source},
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
    void composedPieces_data();
    void composedPieces();
    void unusableMarginsComposeTransparent_data();
    void unusableMarginsComposeTransparent();
    void sizeAndPaintBeforeAndAfterResize();
    void degenerateSizesDoNotCrash();
    void paintsTheComposedImage_data();
    void paintsTheComposedImage();
    void denseSourceOnOtherDensities();
    void randomInput();
};

void TestSudokuPatch::composedPieces_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QList<int>>("margins"); // top, bottom, left, right
    QTest::addColumn<QSize>("target");
    QTest::addColumn<bool>("skipCenter");
    QTest::newRow("100x100, 16 all round, to 300x200")
        << QSize(100, 100) << QList<int>{16, 16, 16, 16} << QSize(300, 200) << false;
    QTest::newRow("centre skipped")
        << QSize(100, 100) << QList<int>{16, 16, 16, 16} << QSize(300, 200) << true;
    QTest::newRow("uneven margins, shrunk")
        << QSize(40, 30) << QList<int>{3, 7, 5, 9} << QSize(25, 20) << false;
    QTest::newRow("uneven margins, grown")
        << QSize(40, 30) << QList<int>{3, 7, 5, 9} << QSize(401, 77) << false;
}

void TestSudokuPatch::composedPieces()
{
    QFETCH(QSize, source);
    QFETCH(QList<int>, margins);
    QFETCH(QSize, target);
    QFETCH(bool, skipCenter);
    const int top = margins[0], bottom = margins[1], left = margins[2], right = margins[3];
    SudokuPatch patch(gridSource(source.width(), source.height(), top, bottom, left, right), top,
                      bottom, left, right);
    patch.skipCenter = skipCenter;
    patch.Resize(target);
    QCOMPARE(patch.Size(), target);
    const QImage image = render(patch, target);

    // Corners are copied as they are, edges follow the free space along their side only, and
    // the centre takes the rest (unless skipped): each piece's colour covers exactly its
    // rectangle.
    const int mw = target.width() - left - right, mh = target.height() - top - bottom;
    const int xs[3] = {0, left, left + mw}, ws[3] = {left, mw, right};
    const int ys[3] = {0, top, top + mh}, hs[3] = {top, mh, bottom};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool skipped = skipCenter && row == 1 && column == 1;
            const QRect expected(xs[column], ys[row], ws[column], hs[row]);
            QCOMPARE(areaOf(image, pieceColors[row][column]), skipped ? QRect() : expected);
        }
    }
    QCOMPARE(paintedPixels(image), target.width() * target.height() - (skipCenter ? mw * mh : 0));
}

void TestSudokuPatch::unusableMarginsComposeTransparent_data()
{
    QTest::addColumn<QList<int>>("margins");
    QTest::newRow("left + right wider than the source") << QList<int>{2, 2, 6, 5};
    QTest::newRow("top + bottom taller than the source") << QList<int>{6, 5, 2, 2};
    QTest::newRow("a negative margin") << QList<int>{-1, 2, 2, 2};
    QTest::newRow("margins that overflow a sum") << QList<int>{2, 2, INT_MIN, INT_MIN};
    QTest::newRow("huge margins") << QList<int>{INT_MAX, INT_MAX, 2, 2};
}

void TestSudokuPatch::unusableMarginsComposeTransparent()
{
    QFETCH(QList<int>, margins);
    QPixmap source(10, 10);
    source.fill(Qt::red);
    SudokuPatch patch(source, margins[0], margins[1], margins[2], margins[3]);
    QCOMPARE(patch.Top() + patch.Bottom() + patch.Left() + patch.Right(), 0);
    patch.Resize(QSize(50, 40));
    QCOMPARE(patch.Size(), QSize(50, 40));
    QCOMPARE(paintedPixels(render(patch, QSize(50, 40))), 0);
}

void TestSudokuPatch::sizeAndPaintBeforeAndAfterResize()
{
    SudokuPatch patch(gridSource(20, 20, 4, 4, 4, 4), 4, 4, 4, 4);
    // Before the first Resize nothing is drawn, and the reported size never equals a wanted
    // one, so a caller's first comparison composes.
    QVERIFY(!patch.Size().isValid() || patch.Size().isEmpty());
    QCOMPARE(paintedPixels(render(patch, QSize(30, 30))), 0);

    patch.Resize(QSize(30, 30));
    QCOMPARE(paintedPixels(render(patch, QSize(40, 40))), 30 * 30);
    // A later, smaller size replaces the image instead of drawing over the old one.
    patch.Resize(QSize(10, 12));
    QCOMPARE(patch.Size(), QSize(10, 12));
    QCOMPARE(paintedPixels(render(patch, QSize(40, 40))), 10 * 12);
}

void TestSudokuPatch::degenerateSizesDoNotCrash()
{
    SudokuPatch patch(gridSource(20, 20, 4, 4, 4, 4), 4, 4, 4, 4);
    for (const QSize& size : {QSize(0, 0), QSize(-5, 10), QSize(3, 3), QSize(8, 1),
                              QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), QSize(1 << 20, 1 << 12)}) {
        patch.Resize(size);
        render(patch, QSize(20, 20));
    }
    // Smaller than its margins: the corners overlap and nothing is stretched to a negative size.
    patch.Resize(QSize(6, 6));
    QCOMPARE(patch.Size(), QSize(6, 6));
    const QImage image = render(patch, QSize(6, 6));
    QCOMPARE(image.pixelColor(0, 0), pieceColors[0][0]);
    QCOMPARE(image.pixelColor(5, 5), pieceColors[2][2]);
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
                QTest::addRow("%dx, %s, %s", ratio, targetNames[i],
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
    QCOMPARE(patch.Top(), top);
    QCOMPARE(patch.Right(), right);
    patch.skipCenter = skipCenter;
    // Width only, height only, both, back to an earlier size, and sizes below the margins.
    const QList<QSize> sizes = ratio == 1
                                   ? QList<QSize>{{60, 40}, {83, 40}, {83, 29}, {12, 10}, {60, 40},
                                                  {11, 9},  {5, 30},  {40, 3},  {12, 10}, {101, 77}}
                                   : QList<QSize>{{60, 40}, {83, 40}, {23, 19}, {12, 10}};
    const QSize canvas = QSize(120, 90) * ratio;
    // The reference in device pixels, where a translation moves it by whole dense pixels.
    const QTransform& t = target.transform;
    const Target device{target.format,
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

// Painted at another density than its own, a dense source still covers just the size asked for,
// in the painter's pixels: on an ordinary image, and on a 1.5x one.
void TestSudokuPatch::denseSourceOnOtherDensities()
{
    QImage opaque(26, 22, QImage::Format_ARGB32);
    opaque.fill(QColor(20, 120, 220));
    QPixmap dense = QPixmap::fromImage(opaque);
    dense.setDevicePixelRatio(2);
    SudokuPatch patch(dense, 3, 3, 3, 3);
    patch.Resize(QSize(40, 30));
    for (const qreal ratio : {1.0, 1.5}) {
        QImage canvas(QSize(60, 50) * ratio, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        canvas.setDevicePixelRatio(ratio);
        QPainter painter(&canvas);
        patch.Paint(&painter);
        painter.end();
        QRect painted;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (qAlpha(canvas.pixel(x, y)) != 0)
                    painted |= QRect(x, y, 1, 1);
        QCOMPARE(painted, QRect(QPoint(0, 0), QSize(40, 30) * ratio));
        QCOMPARE(canvas.pixelColor(int(20 * ratio), int(15 * ratio)), QColor(20, 120, 220));
    }
}

namespace {
// Paints a patch over its whole surface, resized whenever the view's size changes, the way a
// shadow window uses one.
class PatchView : public QWidget
{
public:
    std::unique_ptr<SudokuPatch> patch;
    QPixmap source;
    QList<int> margins{0, 0, 0, 0};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (patch->Size() != size())
            patch->Resize(size());
        patch->Paint(&p);
    }
};
} // namespace

void TestSudokuPatch::randomInput()
{
    PatchView view;
    view.source = softSource(30, 30);
    view.margins = {5, 5, 5, 5};
    view.patch = std::make_unique<SudokuPatch>(view.source, 5, 5, 5, 5);
    view.resize(100, 80);
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        switch (rng.bounded(3)) {
        case 0: { // a new source and margins, sensible or not
            view.source = softSource(rng.bounded(0, 60), rng.bounded(0, 60));
            for (int& m : view.margins)
                m = rng.bounded(2) ? rng.bounded(0, 30) : WexalTest::ExtremeInt(rng);
            view.patch = std::make_unique<SudokuPatch>(
                view.source, view.margins[0], view.margins[1], view.margins[2], view.margins[3]);
            break;
        }
        case 1:
            view.patch->skipCenter = !view.patch->skipCenter;
            view.patch->Resize(
                QSize(WexalTest::ExtremeInt(rng) % 5000, WexalTest::ExtremeInt(rng) % 5000));
            break;
        default:
            view.patch->Resize(view.size());
            break;
        }
    };
    // Composed at the view's size, the patch shows what the plain composition shows.
    options.invariant = [&](QWidget*) -> QString {
        if (view.size().isEmpty())
            return QString();
        view.patch->Resize(view.size());
        const QImage shown =
            view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QImage expected(view.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(view.palette().window().color());
        QPainter p(&expected);
        const QList<int>& m = view.margins;
        const bool usable = m[0] >= 0 && m[1] >= 0 && m[2] >= 0 && m[3] >= 0 &&
                            m[2] + qint64(m[3]) <= view.source.width() &&
                            m[0] + qint64(m[1]) <= view.source.height();
        if (usable)
            p.drawPixmap(0, 0,
                         referenceImage(view.source, m[0], m[1], m[2], m[3], view.patch->skipCenter,
                                        view.size()));
        p.end();
        return shown == expected ? QString() : QStringLiteral("painted pixels differ");
    };
    QCOMPARE(WexalTest::RunRandomInput(&view, options), QString());
}

WEXAL_TEST_MAIN(TestSudokuPatch)
#include "tst_sudokupatch.moc"
