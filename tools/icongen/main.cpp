// Draws the library's compiled-in icons and writes them under the directory given on the command
// line (resources/Icons in the source tree). Everything is drawn from code, so the images can be
// reviewed, changed and regenerated; a ctest run checks that the committed files are exactly
// what this program writes.
//
// Glyphs are white and shadows black; only the alpha channel carries the shape, which is what
// lets the widgets recolour a glyph by replacing its white. Shapes that need smooth edges are
// rasterised by QPainter as coverage; the rest are set pixel by pixel.
//
// Every image is also drawn at two and three times its size for screens with that many device
// pixels per pixel, under Qt's names (CheckFlag@2x.png next to CheckFlag.png). Each drawing is
// made at its own resolution from the same description, never by enlarging the small one:
// curves and slopes get their true coverage, and shadows their smooth ramp. Only straight lines
// on whole pixels, whose scaled copy is exact, are widened pixel by pixel.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// One 8-bit alpha value per pixel: the shape of a glyph or a shadow, without its colour.
struct AlphaPlane
{
    int width = 0;
    int height = 0;
    QByteArray alpha;

    AlphaPlane(int w, int h) : width(w), height(h), alpha(w * h, '\0') {}
    uchar At(int x, int y) const { return uchar(alpha[y * width + x]); }
    void Set(int x, int y, int a) { alpha[y * width + x] = char(qBound(0, a, 255)); }
};

// The coverage of whatever paint draws with a white pen or brush on a transparent image of w x h
// pixels, drawn scale times larger: paint works in the pixels of the small image.
AlphaPlane Rasterise(int w, int h, int scale, const std::function<void(QPainter&)>& paint)
{
    w *= scale;
    h *= scale;
    QImage canvas(w, h, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (scale != 1)
            p.scale(scale, scale);
        paint(p);
    }
    AlphaPlane plane(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < w; ++x)
            plane.Set(x, y, qAlpha(line[x]));
    }
    return plane;
}

// Each pixel of plane as a square of scale x scale pixels: straight lines on whole pixels drawn
// larger, which is exactly what drawing them larger would give.
AlphaPlane Widen(const AlphaPlane& plane, int scale)
{
    AlphaPlane wide(plane.width * scale, plane.height * scale);
    for (int y = 0; y < wide.height; ++y)
        for (int x = 0; x < wide.width; ++x)
            wide.Set(x, y, plane.At(x / scale, y / scale));
    return wide;
}

// --- PNG, greyscale ---------------------------------------------------------------------------
// Qt has no grey-with-alpha image format, and its PNG writer stores a 1-bit image with a
// palette, so neither 8-bit grey with alpha (colour type 4) nor 1-bit greyscale (colour type 0)
// can come out of QImageWriter; the few chunks these files need are written here by hand.

quint32 Crc32(const QByteArray& data)
{
    static quint32 table[256];
    static bool ready = false;
    if (!ready) {
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : data)
        crc = table[(crc ^ uchar(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& payload)
{
    AppendBigEndian(out, quint32(payload.size()));
    const QByteArray typed = QByteArray(type, 4) + payload;
    out += typed;
    AppendBigEndian(out, Crc32(typed));
}

enum PngColourType : char { Grey = 0, GreyAlpha = 4 };

// rows holds the packed pixel data of each scan line, without PNG's filter byte.
QByteArray EncodePng(int width, int height, int bitDepth, PngColourType type,
                     const QList<QByteArray>& rows)
{
    QByteArray ihdr;
    AppendBigEndian(ihdr, quint32(width));
    AppendBigEndian(ihdr, quint32(height));
    ihdr.append(char(bitDepth));
    ihdr.append(char(type));
    ihdr.append(3, '\0'); // deflate, adaptive filtering, no interlace

    QByteArray raw;
    for (const QByteArray& row : rows)
        raw += '\0' + row; // filter type None on every row
    // qCompress prefixes the zlib stream with its own 4-byte length, which PNG does not want.
    const QByteArray idat = qCompress(raw, 9).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", ihdr);
    AppendChunk(png, "IDAT", idat);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

QByteArray EncodeGreyAlphaPng(const AlphaPlane& plane, uchar grey)
{
    QList<QByteArray> rows;
    for (int y = 0; y < plane.height; ++y) {
        QByteArray row;
        for (int x = 0; x < plane.width; ++x) {
            row.append(char(grey));
            row.append(char(plane.At(x, y)));
        }
        rows.append(row);
    }
    return EncodePng(plane.width, plane.height, 8, GreyAlpha, rows);
}

// An opaque white 1-bit image: every bit set, the unused bits of a row's last byte clear.
QByteArray EncodeWhiteMonoPng(int width, int height)
{
    QByteArray row((width + 7) / 8, char(0xFF));
    if (width % 8)
        row[row.size() - 1] = char(0xFF << (8 - width % 8));
    QList<QByteArray> rows;
    for (int y = 0; y < height; ++y)
        rows.append(row);
    return EncodePng(width, height, 1, Grey, rows);
}

// --- Output --------------------------------------------------------------------------------

QString outputRoot;
int failures = 0;

QString Prepare(const QString& relative)
{
    const QString path = outputRoot + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void Report(const QString& relative, bool ok, const QString& why = QString())
{
    if (ok)
        return;
    ++failures;
    std::fprintf(stderr, "icongen: cannot write %s: %s\n", qPrintable(relative), qPrintable(why));
}

void WriteBytes(const QString& relative, const QByteArray& bytes)
{
    QFile file(Prepare(relative));
    Report(relative, file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
           file.errorString());
}

void WriteGreyAlpha(const QString& relative, const AlphaPlane& plane, uchar grey)
{
    WriteBytes(relative, EncodeGreyAlphaPng(plane, grey));
}

void WriteImage(const QString& relative, const QImage& image, const char* format)
{
    QImageWriter writer(Prepare(relative), format);
    Report(relative, writer.write(image), writer.errorString());
}

// A white glyph in 8-bit RGBA: every pixel white, the shape in the alpha channel.
QImage WhiteRgba(const AlphaPlane& plane)
{
    QImage image(plane.width, plane.height, QImage::Format_ARGB32);
    for (int y = 0; y < plane.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < plane.width; ++x)
            line[x] = qRgba(255, 255, 255, plane.At(x, y));
    }
    return image;
}

// --- The images ----------------------------------------------------------------------------

AlphaPlane CheckFlag(int scale)
{
    return Rasterise(16, 16, scale, [](QPainter& p) {
        QPen pen(Qt::white, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        QPainterPath tick;
        tick.moveTo(2.6, 8.4);
        tick.lineTo(6.2, 12.2);
        tick.lineTo(13.4, 2.8);
        p.drawPath(tick);
    });
}

// Where the centre of pixel i of an image drawn scale times larger lies, in pixels of the small
// image (pixel centres at whole numbers): the larger drawings sample the same shapes there.
double Centre(int i, int scale)
{
    return (i + 0.5) / scale - 0.5;
}

// A box's drop shadow for the popup nine-patch: a band four pixels wide to the right of and
// below a 12 x 12 box, starting two pixels in, so the shadow appears to fall down and right.
AlphaPlane PopupShadow(int scale)
{
    const int size = 16 * scale;
    AlphaPlane plane(size, size);
    // Falling off outwards over the band (k = 0 .. 3), and rising over the first pixels along
    // the box's edges (0.35, 0.7, then 1 at whole pixels).
    const auto outward = [](double k) { return std::pow((3 - qBound(0.0, k, 3.0)) / 3.0, 2.0); };
    const auto along = [](double i) { return qBound(0.0, 0.35 * (i - 1), 1.0); };
    for (int y = 2 * scale; y < size; ++y) {
        for (int x = 2 * scale; x < size; ++x) {
            if (x < 12 * scale && y < 12 * scale)
                continue; // the box itself
            const double u = Centre(x, scale), v = Centre(y, scale);
            const double fx = x >= 12 * scale ? outward(u - 12) : along(u);
            const double fy = y >= 12 * scale ? outward(v - 12) : along(v);
            plane.Set(x, y, int(std::lround(1 + 93 * fx * fy)));
        }
    }
    return plane;
}

// A window's shadow frame: a band of band pixels on every side whose alpha rises from outer at
// the outside to inner next to the window, fading in both directions at the corners.
AlphaPlane FormShadow(int size, int band, int outer, int inner, int scale)
{
    const int pixels = size * scale;
    AlphaPlane plane(pixels, pixels);
    const auto rise = [band, scale](int i) {
        const double t = qBound(0.0, Centre(i, scale), double(band - 1)) / (band - 1);
        return t * t;
    };
    for (int y = 0; y < pixels; ++y) {
        for (int x = 0; x < pixels; ++x) {
            const int ix = qMin(x, pixels - 1 - x);
            const int iy = qMin(y, pixels - 1 - y);
            if (ix >= band * scale && iy >= band * scale)
                continue; // the window covers the centre
            const double f = rise(ix) * rise(iy);
            plane.Set(x, y, int(std::lround(outer + (inner - outer) * f)));
        }
    }
    return plane;
}

AlphaPlane Triangle(int w, int h, bool pointingDown, int scale)
{
    AlphaPlane plane = Rasterise(w, h, scale, [w, h](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const QPointF points[] = {{0, 0}, {qreal(w), 0}, {w / 2.0, qreal(h)}};
        p.drawPolygon(points, 3);
    });
    if (pointingDown)
        return plane;
    // Mirrored row by row, so that the up and down arrows are exact twins.
    AlphaPlane up(plane.width, plane.height);
    for (int y = 0; y < plane.height; ++y)
        for (int x = 0; x < plane.width; ++x)
            up.Set(x, y, plane.At(x, plane.height - 1 - y));
    return up;
}

AlphaPlane Frame(int size)
{
    AlphaPlane plane(size, size);
    for (int i = 0; i < size; ++i) {
        plane.Set(i, 0, 255);
        plane.Set(i, size - 1, 255);
        plane.Set(0, i, 255);
        plane.Set(size - 1, i, 255);
    }
    return plane;
}

AlphaPlane GridChecked(int scale)
{
    AlphaPlane plane = Rasterise(16, 16, scale, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(4.0, 8.2);
        tick.lineTo(6.9, 11.0);
        tick.lineTo(12.0, 5.0);
        p.drawPath(tick);
    });
    const AlphaPlane frame = Widen(Frame(16), scale);
    for (int y = 0; y < plane.height; ++y)
        for (int x = 0; x < plane.width; ++x)
            plane.Set(x, y, qMax(plane.At(x, y), frame.At(x, y)));
    return plane;
}

void OutlineSquare(AlphaPlane& plane, int left, int top, int size,
                   const std::function<bool(int, int)>& visible)
{
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            const bool edge = x == left || y == top || x == left + size - 1 || y == top + size - 1;
            if (edge && visible(x, y))
                plane.Set(x, y, 255);
        }
    }
}

AlphaPlane RestoreGlyph()
{
    AlphaPlane plane(12, 12);
    // The front window, lower left; the rear one shows only where the front does not cover it.
    const auto all = [](int, int) { return true; };
    const auto behindFront = [](int x, int y) { return !(x <= 9 && y >= 2); };
    OutlineSquare(plane, 0, 2, 10, all);
    OutlineSquare(plane, 2, 0, 10, behindFront);
    return plane;
}

AlphaPlane CloseGlyph(int scale)
{
    return Rasterise(12, 12, scale, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0.2, 0.2), QPointF(11.8, 11.8));
        p.drawLine(QPointF(11.8, 0.2), QPointF(0.2, 11.8));
    });
}

// The Designer widget-box icon: a light blue rounded square with a white "W" stroke.
QImage DesignerIcon(int scale)
{
    QImage canvas(32 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing, true);
        if (scale != 1)
            p.scale(scale, scale);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x52, 0xB2, 0xFA));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
        p.setPen(QPen(QColor(0xF5, 0xFA, 0xFF), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath w;
        w.moveTo(8, 10);
        w.lineTo(12.2, 22.5);
        w.lineTo(16, 13.5);
        w.lineTo(19.8, 22.5);
        w.lineTo(24, 10);
        p.drawPath(w);
    }
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: icongen <output directory, e.g. resources/Icons>\n");
        return 2;
    }
    outputRoot = QDir(args.at(1)).absolutePath();
    const uchar white = 255, black = 0;

    for (const int scale : {1, 2, 3}) {
        // "Name.png", "Name@2x.png", "Name@3x.png"
        const auto at = [scale](const char* name) {
            QString path = QString::fromLatin1(name);
            if (scale != 1)
                path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
            return path;
        };
        WriteImage(at("Wexal.ico"), DesignerIcon(scale), "ico");
        WriteGreyAlpha(at("Shadow.png"), PopupShadow(scale), black);
        WriteGreyAlpha(at("CheckBox/CheckFlag.png"), CheckFlag(scale), white);
        WriteGreyAlpha(at("ComboBox/DropDownIcon.png"), Triangle(11, 9, true, scale), white);
        WriteImage(at("GridList/Checked.png"), WhiteRgba(GridChecked(scale)), "png");
        WriteImage(at("GridList/Uncheck.png"), WhiteRgba(Widen(Frame(16), scale)), "png");
        WriteBytes(at("WForm/MinimizeButton.png"), EncodeWhiteMonoPng(12 * scale, scale));
        WriteGreyAlpha(at("WForm/MaximizeButton.png"), Widen(Frame(12), scale), white);
        WriteGreyAlpha(at("WForm/RestoreButton.png"), Widen(RestoreGlyph(), scale), white);
        WriteGreyAlpha(at("WForm/CloseButton.png"), CloseGlyph(scale), white);
        WriteGreyAlpha(at("WForm/ShadowActive.png"), FormShadow(100, 16, 1, 42, scale), black);
        WriteGreyAlpha(at("WForm/ShadowInactive.png"), FormShadow(100, 16, 0, 24, scale), black);
        WriteGreyAlpha(at("WHourMinutePicker/UpButton.png"), Triangle(9, 6, false, scale), white);
        WriteGreyAlpha(at("WHourMinutePicker/DownButton.png"), Triangle(9, 6, true, scale), white);
    }
    return failures == 0 ? 0 : 1;
}
