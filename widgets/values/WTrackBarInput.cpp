// The interactive half of WTrackBar: pressing, dragging and hovering, and painting the main
// line and the button from what the computing steps left in the private record.
#include "WMirror_p.h"
#include "WTrackBar.h"
#include "WTrackBar_p.h"

#include "WAliveGuard_p.h"
#include "WDrawAPI.h"
#include "WImageCache_p.h"
#include "WKeyRules_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QThread>

#include <optional>

namespace {

// Keeps every coordinate derived from a property within what a widget can be, so that the
// arithmetic on them cannot overflow; anything beyond looks the same once clipped.
int toWidgetRange(qint64 v)
{
    return int(qBound(qint64(-QWIDGETSIZE_MAX), v, qint64(QWIDGETSIZE_MAX)));
}

// Lines larger than this (1 MiB of pixels per picture) are drawn directly every time.
constexpr qint64 maxCachedLinePixels = 512 * 512;
// Eight of the largest lines with all four fills, or hundreds of ordinary sliders.
constexpr int lineCacheKiB = 8 * 1024;

// Everything that decides the pixels of the pictures of a main line. What a kind of line does
// not draw stays at its default, so that lines differing only there share their pictures.
struct LineKey
{
    QSize widgetSize;
    QRect bounds;
    QRect area;
    int orientation = 0;
    int type = 0;
    QGradientStops stops; // gradient lines
    QColor back;          // colour lines, with the fills
    QColor fill1;
    QColor fill2;
    qint64 image = 0; // image lines: the pixmap's cache key, and how it is stretched
    bool sudoku = false;
    QRect sudokuMargins;
    int radius = 0;
    int borderWidth = 0;
    int border = 0;
    QColor borderColor;
    qreal dpr = 1;

    friend bool operator==(const LineKey& a, const LineKey& b)
    {
        return a.widgetSize == b.widgetSize && a.bounds == b.bounds && a.area == b.area &&
               a.orientation == b.orientation && a.type == b.type && a.stops == b.stops &&
               a.back == b.back && a.fill1 == b.fill1 && a.fill2 == b.fill2 && a.image == b.image &&
               a.sudoku == b.sudoku && a.sudokuMargins == b.sudokuMargins && a.radius == b.radius &&
               a.borderWidth == b.borderWidth && a.border == b.border &&
               a.borderColor == b.borderColor && a.dpr == b.dpr;
    }
    friend uint qHash(const LineKey& k, uint seed)
    {
        uint h = seed;
        const auto mix = [&h](uint part) { h ^= part + 0x9e3779b9u + (h << 6) + (h >> 2); };
        const auto rect = [&mix](const QRect& r) {
            for (const int v : {r.x(), r.y(), r.width(), r.height()})
                mix(uint(v));
        };
        mix(uint(k.widgetSize.width()));
        mix(uint(k.widgetSize.height()));
        rect(k.bounds);
        rect(k.area);
        for (const int v :
             {k.orientation, k.type, int(k.sudoku), k.radius, k.borderWidth, k.border})
            mix(uint(v));
        for (const QGradientStop& stop : k.stops) {
            mix(qHash(stop.first));
            mix(stop.second.rgba());
        }
        for (const QColor* c : {&k.back, &k.fill1, &k.fill2, &k.borderColor})
            mix(c->rgba());
        mix(qHash(k.image));
        rect(k.sudokuMargins);
        mix(qHash(k.dpr));
        return h;
    }
};

// The pictures of one look, indexed by the fills they show: bit 0 the Value2 fill, bit 1 the
// Value1 fill. Kept together, so that a paint looks them up once; drawn as paints need them.
struct LinePictures
{
    QImage layers[4];

    qint64 sizeInBytes() const
    {
        qint64 bytes = 0;
        for (const QImage& layer : layers)
            bytes += layer.sizeInBytes();
        return bytes;
    }
};

WImageCache<LineKey, LinePictures>& lineCache()
{
    static WImageCache<LineKey, LinePictures> pictures(lineCacheKiB);
    return pictures;
}

// The look painted last, in front of the cache: a dragged button repaints one look over and
// over, and comparing the key costs a fraction of hashing it and looking it up. One look at most
// is held beyond the cache's bound, however many track bars paint.
struct LastLook
{
    bool valid = false;
    LineKey key;
    LinePictures pictures;
};

LastLook& lastLook()
{
    static LastLook last;
    return last;
}

// The pictures of key, as far as they are drawn: from the last look when it is the same one,
// else from the cache. Only on the GUI thread; a painter elsewhere gets a copy of its own.
LinePictures& picturesOf(const LineKey& key, std::optional<LinePictures>& elsewhere)
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return elsewhere.emplace(lineCache().Find(key));
    LastLook& last = lastLook();
    if (!last.valid || !(last.key == key)) {
        last.pictures = lineCache().Find(key);
        last.key = key;
        last.valid = true;
    }
    return last.pictures;
}

// A horizontal bar right to left is the mirror image of itself left to right: it is painted
// mirrored and measures along its axis from the right.
bool mirrored(const QWidget* w, OrientationType::Types orientation)
{
    return orientation != OrientationType::Vertical && w->isRightToLeft();
}

// The pointer's position along the axis; far-off synthetic positions are brought within int.
int axisPosition(const QWidget* w, const QMouseEvent* e, OrientationType::Types orientation)
{
    if (orientation == OrientationType::Vertical)
        return WPixels::Round(WEventPos(e).y());
    return WPixels::Round(
        WMirror::X<qreal>(WEventPos(e).x(), 0, w->width() - 1, mirrored(w, orientation)));
}
} // namespace

bool WTrackBar::MousePress(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return true;
    const int position = axisPosition(this, e, d->orientation);
    d->lastMousePos = position;
    if (d->buttonLocation <= position &&
        qint64(position) <= qint64(d->buttonLocation) + ButtonLength()) {
        d->dragging = true;
        return true;
    }
    // Beside the button: it jumps there at once, and the gesture is over.
    d->buttonLocation = qBound(0, position, Travel());
    update();
    const WAliveGuard alive(this);
    ComputeValue();
    if (!alive)
        return false;
    emit ManuallyDragChanged(d->value1);
    return bool(alive);
}

// Relative to the last position, so that the button keeps its offset under the pointer and,
// once held at an end, follows the pointer back as soon as it turns.
bool WTrackBar::MouseMove(QMouseEvent* e)
{
    if (!d->dragging)
        return true;
    const int position = axisPosition(this, e, d->orientation);
    const qint64 moved = qint64(d->buttonLocation) + position - d->lastMousePos;
    const int location = int(qBound(qint64(0), moved, qint64(Travel())));
    d->lastMousePos = position;
    if (location == d->buttonLocation)
        return true;
    d->buttonLocation = location;
    update();
    const WAliveGuard alive(this);
    ComputeValue();
    return bool(alive);
}

bool WTrackBar::MouseRelease(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !d->dragging)
        return true;
    d->dragging = false;
    const WAliveGuard alive(this);
    emit ManuallyDragChanged(d->value1);
    return bool(alive);
}

// Right and Down move the button one step towards Maximum, Left and Up one step back, in either
// orientation (the button moves the way the arrow points); Page Up and Page Down a tenth of the
// range; Home and End to the ends. The move is the user's: ManuallyDragChanged follows
// Value1Changed, as after a press beside the button.
bool WTrackBar::KeyPress(QKeyEvent* e, bool& used)
{
    const qint64 step = WKeyRules::RangeStep(d->minimum, d->maximum);
    const qint64 page = WKeyRules::RangePage(d->minimum, d->maximum);
    qint64 to = d->value1;
    used = true;
    // Right to left, the arrow to the left moves towards the end the bar grows to.
    const bool swap =
        mirrored(this, d->orientation) && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right);
    switch (swap ? (e->key() == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left) : e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        to += step;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        to -= step;
        break;
    case Qt::Key_PageDown:
        to += page;
        break;
    case Qt::Key_PageUp:
        to -= page;
        break;
    case Qt::Key_Home:
        to = d->minimum;
        break;
    case Qt::Key_End:
        to = d->maximum;
        break;
    default:
        used = false;
        return true;
    }
    const int value = int(qBound(qint64(d->minimum), qint64(to), qint64(d->maximum)));
    if (d->dragging || value == d->value1)
        return true;
    if (!StoreValue1(value, true))
        return false;
    const WAliveGuard alive(this);
    emit ManuallyDragChanged(d->value1);
    return bool(alive);
}

bool WTrackBar::event(QEvent* e)
{
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    bool alive = true;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (enabled)
            alive = MousePress(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::MouseMove:
        if (enabled)
            alive = MouseMove(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::MouseButtonRelease:
        if (enabled)
            alive = MouseRelease(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::KeyPress:
        if (enabled && IsKeyboardAccess()) {
            bool used = false;
            alive = KeyPress(static_cast<QKeyEvent*>(e), used);
            if (used) {
                e->accept();
                return true;
            }
        }
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (enabled) {
            d->hover = e->type() == QEvent::Enter;
            update();
        }
        break;
    case QEvent::Resize:
        if (d->mainLineSudoku)
            d->mainLineSudoku->Resize(size());
        ComputemMainLineDrawArea();
        ComputeButtonLocation();
        ComputeButtonMainLine2Length();
        break;
    default:
        break;
    }
    // A slot may have deleted the widget; there is nothing left to pass the event to.
    if (!alive)
        return true;
    return WBase::event(e);
}

// --- Painting --------------------------------------------------------------------------------

qint64 WTrackBarLineCache::CachedBytes()
{
    return lineCache().CachedBytes();
}

qint64 WTrackBarLineCache::LimitBytes()
{
    return lineCache().LimitBytes();
}

int WTrackBarLineCache::Count()
{
    return lineCache().Count();
}

void WTrackBarLineCache::Clear()
{
    lineCache().Clear();
    lastLook() = LastLook();
}

QPainterPath WTrackBar::MainLinePath() const
{
    const QRect& a = d->mainLineDrawArea;
    QPainterPath path;
    if (Radius() < 1) {
        path.addRect(a.x(), a.y(), a.width(), a.height());
        return path;
    }
    // Inset by half the border, as the library's rounded backgrounds are, so that the stroke
    // lies inside the line; computed in floating point, as absurd widths would overflow ints.
    const int b = qMax(BorderWidth(), 0);
    const int half = b / 2;
    const int odd = b % 2;
    const qreal w = qreal(a.right()) - a.left() - b - odd + 2;
    const qreal h = qreal(a.bottom()) - a.top() - b - odd + 2;
    if (w <= 0 || h <= 0)
        return path;
    path.addRoundedRect(QRectF(a.left() + half + odd - 0.5, a.top() + half + odd - 0.5, w, h),
                        Radius(), Radius(), Qt::AbsoluteSize);
    return path;
}

void WTrackBar::PaintMainLineDirect(QPainter* painter, int fill2Length, int fill1Length)
{
    const QRect& area = d->mainLineDrawArea;
    const bool rounded = Radius() >= 1;
    const bool vertical = d->orientation == OrientationType::Vertical;
    const QPainterPath path = rounded ? MainLinePath() : QPainterPath();

    painter->save();
    if (rounded) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setClipPath(path, Qt::IntersectClip);
    }

    if (d->type != Normal) {
        if (rounded)
            painter->fillPath(path, d->mainLineGradient);
        else
            painter->fillRect(area, d->mainLineGradient);
    } else if (d->mainLineImage.isNull()) {
        // Back, then the Value2 fill, then the Value1 fill over it, all from the start.
        const auto fill = [&](int length, const QColor& color) {
            if (length > 0 && color.alpha() > 0)
                painter->fillRect(vertical ? QRect(area.left(), 0, area.width(), length)
                                           : QRect(0, area.top(), length, area.height()),
                                  color);
        };
        fill(AxisLength(), d->mainLineBackColor);
        fill(fill2Length, d->mainLineFillColor2);
        fill(fill1Length, d->mainLineFillColor1);
    } else if (d->sudokuDraw) {
        if (d->mainLineSudoku)
            d->mainLineSudoku->Paint(painter);
    } else {
        painter->drawPixmap(rect(), d->mainLineImage);
    }

    if (Border() != PositionFlag::None) {
        if (!rounded) {
            WDrawAPI::DrawBorder(painter, area, 0, BorderColor(),
                                 WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
        } else if (BorderColor().alpha() > 0) {
            // The clip above keeps only the inner half of the stroke.
            painter->strokePath(path, QPen(QBrush(BorderColor(), Qt::SolidPattern),
                                           qMax(BorderWidth(), 0), Qt::SolidLine, Qt::SquareCap,
                                           Qt::BevelJoin));
        }
    }
    painter->restore();
}

void WTrackBar::PaintMainLine(QPainter* painter)
{
    // Square colour and image lines are plain fills and blits, cheaper drawn than cached.
    const bool colours = d->type == Normal && d->mainLineImage.isNull();
    if (Radius() < 1 && d->type == Normal) {
        PaintMainLineDirect(painter, d->mainLine2Length, d->buttonLocation);
        return;
    }
    // Everything drawn lies in the line's area, give or take the half pixel of the rounded
    // outline; what lies outside the widget is never seen.
    const QRect bounds = d->mainLineDrawArea.adjusted(-1, -1, 1, 1) & rect();
    QPaintDevice* device = painter->device();
    const qreal dpr = device ? device->devicePixelRatioF() : 1.0;
    if (bounds.isEmpty())
        return;
    if (qint64(bounds.width()) * bounds.height() * dpr * dpr > maxCachedLinePixels) {
        PaintMainLineDirect(painter, d->mainLine2Length, d->buttonLocation);
        return;
    }

    LineKey key;
    key.widgetSize = size();
    key.bounds = bounds;
    key.area = d->mainLineDrawArea;
    key.orientation = int(d->orientation);
    key.type = int(d->type);
    if (d->type != Normal) {
        key.stops = d->mainLineGradient.stops();
    } else if (colours) {
        key.back = d->mainLineBackColor;
        key.fill1 = d->mainLineFillColor1;
        key.fill2 = d->mainLineFillColor2;
    } else {
        key.image = d->mainLineImage.cacheKey();
        key.sudoku = d->sudokuDraw;
        if (d->sudokuDraw)
            key.sudokuMargins = d->sudokuTBLR;
    }
    key.radius = Radius();
    key.borderWidth = BorderWidth();
    key.border = int(WMirror::Sides(Border(), isRightToLeft()));
    key.borderColor = BorderColor();
    key.dpr = dpr;
    const int axis = AxisLength();
    std::optional<LinePictures> elsewhere;
    LinePictures& pictures = picturesOf(key, elsewhere);
    const auto layer = [&](int fills) -> const QImage& {
        QImage& image = pictures.layers[fills];
        if (image.isNull()) {
            image = QImage(bounds.size() * dpr, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(dpr);
            image.fill(Qt::transparent);
            {
                QPainter p(&image);
                p.translate(-bounds.topLeft());
                PaintMainLineDirect(&p, fills & 1 ? axis : 0, fills & 2 ? axis : 0);
            }
            lineCache().Insert(key, pictures);
        }
        return image;
    };

    const bool vertical = d->orientation == OrientationType::Vertical;
    const int start = vertical ? bounds.top() : bounds.left();
    const int end = (vertical ? bounds.bottom() : bounds.right()) + 1;
    // The stretch [from, to) along the axis, from the picture showing the given fills.
    const auto blit = [&](int fills, int from, int to) {
        from = qMax(from, start);
        to = qMin(to, end);
        if (from >= to)
            return;
        const QRect target = vertical ? QRect(bounds.left(), from, bounds.width(), to - from)
                                      : QRect(from, bounds.top(), to - from, bounds.height());
        const QRectF source(QPointF(target.topLeft() - bounds.topLeft()) * dpr,
                            QSizeF(target.size()) * dpr);
        painter->drawImage(QRectF(target), layer(fills), source);
    };
    if (!colours) {
        blit(0, start, end);
        return;
    }
    const int fill1 = d->buttonLocation;
    const int fill2 = d->mainLine2Length;
    const auto blitFills = [&](int from, int to) {
        blit(3, from, qMin(to, qMin(fill1, fill2)));
        blit(fill1 > fill2 ? 2 : 1, qMax(from, qMin(fill1, fill2)), qMin(to, qMax(fill1, fill2)));
        blit(0, qMax(from, qMax(fill1, fill2)), to);
    };
    // Without a border or a border inset, the line is covered in full between its rounded
    // ends: there the fills are plain rectangles, far cheaper than blending a picture. The
    // ends are kept a pixel longer than the radius, which bounds the corners' reach.
    const bool plainMiddle =
        BorderWidth() <= 0 && (Border() == PositionFlag::None || BorderColor().alpha() == 0);
    const int middleFrom = plainMiddle ? Radius() + 1 : end;
    const int middleTo = plainMiddle ? AxisLength() - Radius() - 1 : end;
    if (middleFrom >= middleTo) {
        blitFills(start, end);
        return;
    }
    blitFills(start, middleFrom);
    const QRect& area = d->mainLineDrawArea;
    const auto fill = [&](int from, int to, const QColor& color) {
        from = qMax(from, middleFrom);
        to = qMin(to, middleTo);
        if (to > from && color.alpha() > 0)
            painter->fillRect(vertical ? QRect(area.left(), from, area.width(), to - from)
                                       : QRect(from, area.top(), to - from, area.height()),
                              color);
    };
    // The fills lie over the back from the start, Value1's over Value2's; what an opaque fill
    // hides is not drawn beneath it.
    const bool opaque1 = d->mainLineFillColor1.alpha() == 255;
    const bool opaque2 = d->mainLineFillColor2.alpha() == 255;
    const int under1 = opaque1 ? fill1 : middleFrom;
    fill(qMax(under1, opaque2 ? fill2 : middleFrom), middleTo, d->mainLineBackColor);
    fill(under1, fill2, d->mainLineFillColor2);
    fill(middleFrom, fill1, d->mainLineFillColor1);
    blitFills(middleTo, end);
}

void WTrackBar::PaintButton(QPainter* painter)
{
    const QSize& size = d->buttonSize;
    const bool vertical = d->orientation == OrientationType::Vertical;
    const int x =
        vertical ? toWidgetRange((qint64(width()) - size.width()) / 2) : d->buttonLocation;
    const int y =
        vertical ? d->buttonLocation : toWidgetRange((qint64(height()) - size.height()) / 2);
    const bool disabled = testAttribute(Qt::WA_Disabled);

    if (d->buttonImage.isNull()) {
        const QColor& color =
            disabled ? d->buttonColorDisabled : (d->hover ? d->buttonColorHover : d->buttonColor);
        if (color.alpha() <= 0 || size.width() <= 0 || size.height() <= 0)
            return;
        // Cut to the widget before building the rectangle: a huge size would overflow it.
        const int right = toWidgetRange(qMin(qint64(x) + size.width(), qint64(width())));
        const int bottom = toWidgetRange(qMin(qint64(y) + size.height(), qint64(height())));
        const int left = qMax(x, 0);
        const int top = qMax(y, 0);
        if (right > left && bottom > top)
            painter->fillRect(QRect(left, top, right - left, bottom - top), color);
        return;
    }
    // An image may be larger than the widget; the filled rectangle above is cut by hand.
    painter->save();
    painter->setClipRect(rect(), Qt::IntersectClip);
    if (!d->replaceImageWhite)
        painter->drawPixmap(x, y, d->buttonImage);
    else
        WDrawAPI::DrawImage(painter, x, y,
                            disabled ? d->buttonImageDisabled
                                     : (d->hover ? d->buttonImageHover : d->buttonImageNormal));
    painter->restore();
}

void WTrackBar::Paint(QPainter* painter)
{
    const WMirror::Flip flip(painter, width(), mirrored(this, d->orientation));
    PaintMainLine(painter);
    PaintButton(painter);
}
