// SudokuPatch: cutting a source into nine pieces and composing them at other sizes.
#include "SudokuPatch.h"

#include <QPainter>
#include <QtTest>

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

} // namespace

class TestSudokuPatch : public QObject
{
    Q_OBJECT

private slots:
    void composedPieces_data();
    void composedPieces();
    void skipCenterLeavesItTransparent();
    void unusableMarginsComposeTransparent_data();
    void unusableMarginsComposeTransparent();
    void sizeAndPaintBeforeAndAfterResize();
    void degenerateSizesDoNotCrash();
};

void TestSudokuPatch::composedPieces_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QList<int>>("margins"); // top, bottom, left, right
    QTest::addColumn<QSize>("target");
    QTest::newRow("100x100, 16 all round, to 300x200")
        << QSize(100, 100) << QList<int>{16, 16, 16, 16} << QSize(300, 200);
    QTest::newRow("uneven margins, shrunk")
        << QSize(40, 30) << QList<int>{3, 7, 5, 9} << QSize(25, 20);
    QTest::newRow("uneven margins, grown")
        << QSize(40, 30) << QList<int>{3, 7, 5, 9} << QSize(401, 77);
}

void TestSudokuPatch::composedPieces()
{
    QFETCH(QSize, source);
    QFETCH(QList<int>, margins);
    QFETCH(QSize, target);
    const int top = margins[0], bottom = margins[1], left = margins[2], right = margins[3];
    SudokuPatch patch(gridSource(source.width(), source.height(), top, bottom, left, right), top,
                      bottom, left, right);
    patch.Resize(target);
    QCOMPARE(patch.Size(), target);
    const QImage image = render(patch, target);

    // Corners are copied as they are, edges follow the free space along their side only, and
    // the centre takes the rest: each piece's colour covers exactly its rectangle.
    const int mw = target.width() - left - right, mh = target.height() - top - bottom;
    const int xs[3] = {0, left, left + mw}, ws[3] = {left, mw, right};
    const int ys[3] = {0, top, top + mh}, hs[3] = {top, mh, bottom};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect expected(xs[column], ys[row], ws[column], hs[row]);
            QCOMPARE(areaOf(image, pieceColors[row][column]), expected);
        }
    }
    QCOMPARE(paintedPixels(image), target.width() * target.height());
}

void TestSudokuPatch::skipCenterLeavesItTransparent()
{
    SudokuPatch patch(gridSource(100, 100, 16, 16, 16, 16), 16, 16, 16, 16);
    patch.skipCenter = true;
    patch.Resize(QSize(300, 200));
    const QImage image = render(patch, QSize(300, 200));
    QCOMPARE(areaOf(image, pieceColors[1][1]), QRect());
    QCOMPARE(paintedPixels(image), 300 * 200 - 268 * 168);
    QCOMPARE(areaOf(image, pieceColors[0][1]), QRect(16, 0, 268, 16));
}

void TestSudokuPatch::unusableMarginsComposeTransparent_data()
{
    QTest::addColumn<QList<int>>("margins");
    QTest::newRow("left + right wider than the source") << QList<int>{2, 2, 6, 5};
    QTest::newRow("top + bottom taller than the source") << QList<int>{6, 5, 2, 2};
    QTest::newRow("a negative margin") << QList<int>{-1, 2, 2, 2};
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

QTEST_MAIN(TestSudokuPatch)
#include "tst_sudokupatch.moc"
