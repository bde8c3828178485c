#include "WTrackBar.h"
#include "WTrackBar_p.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WDrawAPI.h"

namespace {

// A copy of a white button image in one state's colour, ready to blit.
void recolour(QImage& slot, const QPixmap& image, const QColor& color)
{
    if (image.isNull() || color.alpha() <= 0)
        return;
    QImage copy = image.toImage().convertToFormat(QImage::Format_ARGB32);
    WDrawAPI::ImageReplaceWhite(copy, color);
    slot = copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

WTrackBar::WTrackBar(QWidget* parent) : WBase(parent), d(std::make_unique<WTrackBarPrivate>())
{
    SetTakesTabFocus(true);
}

WTrackBar::~WTrackBar() = default;

WTrackBar::TrackType WTrackBar::Type() const
{
    return d->type;
}

void WTrackBar::SetType(TrackType type)
{
    if (type < Normal || type > HslColorL)
        return;
    d->type = type;
    ComputemMainLineGradient();
    update();
}

OrientationType::Types WTrackBar::Orientation() const
{
    return d->orientation;
}

void WTrackBar::SetOrientation(OrientationType::Types orientation)
{
    if (d->orientation == orientation || orientation < OrientationType::Horizontal ||
        orientation > OrientationType::Vertical)
        return;
    d->orientation = orientation;
    ComputemMainLineDrawArea();
    ComputeButtonLocation();
    ComputeButtonMainLine2Length();
    update();
}

int WTrackBar::MainLineSize() const
{
    return d->mainLineSize;
}

void WTrackBar::SetMainLineSize(int size)
{
    if (d->mainLineSize == size)
        return;
    d->mainLineSize = size;
    ComputemMainLineDrawArea();
    update();
}

const QColor& WTrackBar::MainLineBackColor() const
{
    return d->mainLineBackColor;
}

void WTrackBar::SetMainLineBackColor(const QColor& color)
{
    if (d->mainLineBackColor == color)
        return;
    d->mainLineBackColor = color;
    ComputemMainLineGradient();
    update();
}

const QColor& WTrackBar::MainLineFillColor1() const
{
    return d->mainLineFillColor1;
}

void WTrackBar::SetMainLineFillColor1(const QColor& color)
{
    if (d->mainLineFillColor1 == color)
        return;
    d->mainLineFillColor1 = color;
    update();
}

const QColor& WTrackBar::MainLineFillColor2() const
{
    return d->mainLineFillColor2;
}

void WTrackBar::SetMainLineFillColor2(const QColor& color)
{
    if (d->mainLineFillColor2 == color)
        return;
    d->mainLineFillColor2 = color;
    update();
}

const QPixmap& WTrackBar::MainLineImage() const
{
    return d->mainLineImage;
}

// Pixmaps are not compared: the same pixmap set again rebuilds its nine-patch, which is how an
// application refreshes an image it painted into.
void WTrackBar::SetMainLineImage(const QPixmap& image)
{
    d->mainLineImage = image;
    UpdateMainLineImageSudoku();
    update();
}

bool WTrackBar::SudokuDraw() const
{
    return d->sudokuDraw;
}

void WTrackBar::SetSudokuDraw(bool on)
{
    if (d->sudokuDraw == on)
        return;
    d->sudokuDraw = on;
    UpdateMainLineImageSudoku();
    update();
}

const QRect& WTrackBar::SudokuTBLR() const
{
    return d->sudokuTBLR;
}

void WTrackBar::SetSudokuTBLR(const QRect& margins)
{
    if (d->sudokuTBLR == margins)
        return;
    d->sudokuTBLR = margins;
    UpdateMainLineImageSudoku();
    update();
}

const QSize& WTrackBar::ButtonSize() const
{
    return d->buttonSize;
}

void WTrackBar::SetButtonSize(const QSize& size)
{
    if (d->buttonSize == size)
        return;
    d->buttonSize = size;
    // The button's travel changed: it moves to where its value now lies.
    PlaceFromValues();
}

const QColor& WTrackBar::ButtonColor() const
{
    return d->buttonColor;
}

void WTrackBar::SetButtonColor(const QColor& color)
{
    if (d->buttonColor == color)
        return;
    d->buttonColor = color;
    ReplaceButtonImageNormalColor();
    update();
}

const QColor& WTrackBar::ButtonColorHover() const
{
    return d->buttonColorHover;
}

void WTrackBar::SetButtonColorHover(const QColor& color)
{
    if (d->buttonColorHover == color)
        return;
    d->buttonColorHover = color;
    ReplaceButtonImageHoverColor();
    update();
}

const QColor& WTrackBar::ButtonColorDisabled() const
{
    return d->buttonColorDisabled;
}

void WTrackBar::SetButtonColorDisabled(const QColor& color)
{
    if (d->buttonColorDisabled == color)
        return;
    d->buttonColorDisabled = color;
    ReplaceButtonImageDisabledColor();
    update();
}

const QPixmap& WTrackBar::ButtonImage() const
{
    return d->buttonImage;
}

void WTrackBar::SetButtonImage(const QPixmap& image)
{
    d->buttonImage = image;
    ReplaceButtonImageNormalColor();
    ReplaceButtonImageHoverColor();
    ReplaceButtonImageDisabledColor();
    update();
}

bool WTrackBar::ReplaceImageWhite() const
{
    return d->replaceImageWhite;
}

void WTrackBar::SetReplaceImageWhite(bool on)
{
    if (d->replaceImageWhite == on)
        return;
    d->replaceImageWhite = on;
    ReplaceButtonImageNormalColor();
    ReplaceButtonImageHoverColor();
    ReplaceButtonImageDisabledColor();
    update();
}

int WTrackBar::Maximum() const
{
    return d->maximum;
}

void WTrackBar::SetMaximum(int maximum)
{
    maximum = qMax(d->minimum + 1, maximum);
    if (d->maximum == maximum)
        return;
    d->maximum = maximum;
    if (d->value1 > maximum && !StoreValue1(maximum, true))
        return;
    if (d->value2 > d->maximum && !StoreValue2(d->maximum))
        return;
    PlaceFromValues();
}

int WTrackBar::Minimum() const
{
    return d->minimum;
}

void WTrackBar::SetMinimum(int minimum)
{
    minimum = qMin(qMax(minimum, 0), d->maximum - 1);
    if (d->minimum == minimum)
        return;
    d->minimum = minimum;
    if (d->value1 < minimum && !StoreValue1(minimum, true))
        return;
    if (d->value2 < d->minimum && !StoreValue2(d->minimum))
        return;
    PlaceFromValues();
}

int WTrackBar::Value1() const
{
    return d->value1;
}

void WTrackBar::SetValue1(int value)
{
    StoreValue1(value, true);
}

void WTrackBar::SetValue1WithoutEvent(int value)
{
    StoreValue1(value, false);
}

int WTrackBar::Value2() const
{
    return d->value2;
}

void WTrackBar::SetValue2(int value)
{
    StoreValue2(value);
}

bool WTrackBar::StoreValue1(int value, bool announce)
{
    if (d->dragging)
        return true;
    value = qMin(qMax(value, d->minimum), d->maximum);
    if (d->value1 == value)
        return true;
    d->value1 = value;
    ComputeButtonLocation();
    update();
    WAnnounce::ValueChanged(this, d->value1);
    if (!announce)
        return true;
    const WAliveGuard alive(this);
    emit Value1Changed(d->value1);
    return bool(alive);
}

bool WTrackBar::StoreValue2(int value)
{
    value = qMin(qMax(value, d->minimum), d->maximum);
    if (d->value2 == value)
        return true;
    d->value2 = value;
    ComputeButtonMainLine2Length();
    update();
    const WAliveGuard alive(this);
    emit Value2Changed(d->value2);
    return bool(alive);
}

void WTrackBar::PlaceFromValues()
{
    // The hand that drags the button owns its position: a range change only keeps it on the
    // track, and the next move reads the value from it.
    if (d->dragging)
        d->buttonLocation = qBound(0, d->buttonLocation, Travel());
    else
        ComputeButtonLocation();
    ComputeButtonMainLine2Length();
    update();
}

int WTrackBar::AxisLength() const
{
    return qMax(d->orientation == OrientationType::Vertical ? height() : width(), 0);
}

int WTrackBar::ButtonLength() const
{
    const int length = d->orientation == OrientationType::Vertical ? d->buttonSize.height()
                                                                   : d->buttonSize.width();
    return qMax(length, 0);
}

// A button as long as the track, or longer, has nowhere to go: it stays at the start, and no
// value can be read from its position.
int WTrackBar::Travel() const
{
    return qMax(AxisLength() - ButtonLength(), 0);
}

void WTrackBar::ComputemMainLineDrawArea()
{
    const int w = width();
    const int h = height();
    // No thickness (or a negative one) is no main line; one beyond any widget is as good as
    // the largest one and keeps the sums below in range.
    const int size = qBound(0, d->mainLineSize, QWIDGETSIZE_MAX);
    if (d->orientation == OrientationType::Vertical) {
        const int left = (w - size) / 2;
        d->mainLineDrawArea.setCoords(left, 0, left + size - 1, h - 1);
        d->mainLineGradient.setFinalStop(0, h);
    } else {
        const int top = (h - size) / 2;
        d->mainLineDrawArea.setCoords(0, top, w - 1, top + size - 1);
        d->mainLineGradient.setFinalStop(w, 0);
    }
}

void WTrackBar::ComputemMainLineGradient()
{
    QLinearGradient& g = d->mainLineGradient;
    // Stops from an earlier type would survive in between the new ones.
    g.setStops(QGradientStops());
    switch (d->type) {
    case HslColorH: {
        const Qt::GlobalColor hues[] = {Qt::red,  Qt::yellow,  Qt::green, Qt::cyan,
                                        Qt::blue, Qt::magenta, Qt::red};
        for (int i = 0; i < 7; ++i)
            g.setColorAt(qreal(float(i) / 6.0f), hues[i]);
        break;
    }
    case HslColorS: {
        // A grey has no hue (-1): both ends are then the same grey.
        const QColor& base = d->mainLineBackColor;
        const QColor grey = QColor::fromHsl(base.hslHue(), 0, base.lightness(), 255);
        g.setColorAt(0, grey);
        g.setColorAt(1, QColor::fromHsl(grey.hslHue(), 255, grey.lightness(), 255));
        break;
    }
    case HslColorL:
        g.setColorAt(0, Qt::black);
        g.setColorAt(1, Qt::white);
        break;
    default:
        break;
    }
}

void WTrackBar::ComputeButtonLocation()
{
    const int travel = Travel();
    const qint64 range = qint64(d->maximum) - d->minimum;
    const qint64 location = travel * (qint64(d->value1) - d->minimum) / range;
    // A value held outside the range during a drag must not put the button off the track.
    d->buttonLocation = int(qBound(qint64(0), location, qint64(travel)));
}

void WTrackBar::ComputeButtonMainLine2Length()
{
    const int axis = AxisLength();
    const qint64 range = qint64(d->maximum) - d->minimum;
    const qint64 length = axis * (qint64(d->value2) - d->minimum) / range;
    d->mainLine2Length = int(qBound(qint64(0), length, qint64(axis)));
}

void WTrackBar::ComputeValue()
{
    const int travel = Travel();
    if (travel > 0) {
        const qint64 range = qint64(d->maximum) - d->minimum;
        const qint64 location = qBound(0, d->buttonLocation, travel);
        d->value1 = int(d->minimum + range * location / travel);
    }
    WAnnounce::ValueChanged(this, d->value1);
    emit Value1Changed(d->value1);
}

void WTrackBar::UpdateMainLineImageSudoku()
{
    d->mainLineSudoku.reset();
    if (!d->sudokuDraw || d->mainLineImage.isNull())
        return;
    // Margins past the image's own size spoil the patch whatever their size; bounding them
    // keeps the patch's arithmetic in range without changing its outcome.
    const QRect& m = d->sudokuTBLR;
    const auto bound = [](qint64 margin, int extent) {
        return int(qBound(qint64(-1), margin, qint64(extent) + 1));
    };
    const int w = d->mainLineImage.width();
    const int h = d->mainLineImage.height();
    const qint64 mw = qint64(m.right()) - m.left() + 1;
    const qint64 mh = qint64(m.bottom()) - m.top() + 1;
    d->mainLineSudoku = std::make_unique<SudokuPatch>(d->mainLineImage, bound(m.x(), h),
                                                      bound(m.y(), h), bound(mw, w), bound(mh, w));
    d->mainLineSudoku->Resize(size());
}

void WTrackBar::ReplaceButtonImageNormalColor()
{
    if (d->replaceImageWhite)
        recolour(d->buttonImageNormal, d->buttonImage, d->buttonColor);
}

void WTrackBar::ReplaceButtonImageHoverColor()
{
    if (d->replaceImageWhite)
        recolour(d->buttonImageHover, d->buttonImage, d->buttonColorHover);
}

void WTrackBar::ReplaceButtonImageDisabledColor()
{
    if (d->replaceImageWhite)
        recolour(d->buttonImageDisabled, d->buttonImage, d->buttonColorDisabled);
}

const QRect& WTrackBar::MainLineDrawArea() const
{
    return d->mainLineDrawArea;
}

const QLinearGradient& WTrackBar::MainLineGradient() const
{
    return d->mainLineGradient;
}

int WTrackBar::ButtonLocation() const
{
    return d->buttonLocation;
}

int WTrackBar::MainLine2Length() const
{
    return d->mainLine2Length;
}

bool WTrackBar::IsDragging() const
{
    return d->dragging;
}
