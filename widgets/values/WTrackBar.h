#pragma once

#include "WBase.h"

#include "OrientationType.h"

#include <QColor>
#include <QLinearGradient>
#include <QPixmap>
#include <QRect>
#include <QSize>

class QKeyEvent;
class QMouseEvent;
class QPainterPath;
struct WTrackBarPrivate;

// A slider: a main line across the widget and a button the user drags along it. It holds two
// values in one range: Value1, which the button shows and the mouse changes, and Value2, which
// is only drawn, as a second fill behind the first (a media player's buffered part, say).
//
// The main line is three colour fills, a stretched or nine-patch image, or, for the HSL types,
// a gradient of hue, saturation or lightness, so that three track bars make a colour picker.
// The button is a filled rectangle, or an image that may be recoloured per state.
//
// The main line uses the inherited Radius, Border, BorderWidth and BorderColor; BackColor is
// not painted.
class WEXAL_EXPORT WTrackBar : public WBase
{
    Q_OBJECT
    Q_PROPERTY(TrackType Type READ Type WRITE SetType)
    Q_PROPERTY(OrientationType::Types Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(int MainLineSize READ MainLineSize WRITE SetMainLineSize)
    Q_PROPERTY(QColor MainLineBackColor READ MainLineBackColor WRITE SetMainLineBackColor)
    Q_PROPERTY(QColor MainLineFillColor1 READ MainLineFillColor1 WRITE SetMainLineFillColor1)
    Q_PROPERTY(QColor MainLineFillColor2 READ MainLineFillColor2 WRITE SetMainLineFillColor2)
    Q_PROPERTY(QPixmap MainLineImage READ MainLineImage WRITE SetMainLineImage)
    Q_PROPERTY(bool SudokuDraw READ SudokuDraw WRITE SetSudokuDraw)
    Q_PROPERTY(QRect SudokuTBLR READ SudokuTBLR WRITE SetSudokuTBLR)
    Q_PROPERTY(QSize ButtonSize READ ButtonSize WRITE SetButtonSize)
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE SetButtonColor)
    Q_PROPERTY(QColor ButtonColorHover READ ButtonColorHover WRITE SetButtonColorHover)
    Q_PROPERTY(QColor ButtonColorDisabled READ ButtonColorDisabled WRITE SetButtonColorDisabled)
    Q_PROPERTY(QPixmap ButtonImage READ ButtonImage WRITE SetButtonImage)
    Q_PROPERTY(bool ReplaceImageWhite READ ReplaceImageWhite WRITE SetReplaceImageWhite)
    Q_PROPERTY(int Maximum READ Maximum WRITE SetMaximum)
    Q_PROPERTY(int Minimum READ Minimum WRITE SetMinimum)
    Q_PROPERTY(int Value1 READ Value1 WRITE SetValue1)
    Q_PROPERTY(int Value2 READ Value2 WRITE SetValue2)

public:
    // How the main line is filled: colours or an image (Normal), or the gradient of one HSL
    // channel.
    enum TrackType : int { Normal = 0, HslColorH = 1, HslColorS = 2, HslColorL = 3 };
    Q_ENUM(TrackType)

    Q_INVOKABLE explicit WTrackBar(QWidget* parent = nullptr);
    ~WTrackBar() override;

    TrackType Type() const;
    // Always rebuilds the gradient, so setting the same type again refreshes it. A value
    // outside the enumeration is ignored.
    void SetType(TrackType type);

    OrientationType::Types Orientation() const;
    void SetOrientation(OrientationType::Types orientation);

    // The main line's thickness across the axis.
    int MainLineSize() const;
    void SetMainLineSize(int size);

    // The line's background; for HslColorS also the colour whose hue and lightness the
    // saturation gradient runs through.
    const QColor& MainLineBackColor() const;
    void SetMainLineBackColor(const QColor& color);

    // The fill from the start of the line up to the button.
    const QColor& MainLineFillColor1() const;
    void SetMainLineFillColor1(const QColor& color);

    // The fill from the start of the line up to Value2, under the first.
    const QColor& MainLineFillColor2() const;
    void SetMainLineFillColor2(const QColor& color);

    // Drawn instead of the colour fills (Normal type only): stretched over the whole widget,
    // or as a nine-patch when SudokuDraw is set.
    const QPixmap& MainLineImage() const;
    void SetMainLineImage(const QPixmap& image);

    bool SudokuDraw() const;
    void SetSudokuDraw(bool on);

    // The nine-patch margins packed in a rectangle: x is the top margin, y the bottom one,
    // width the left one and height the right one.
    const QRect& SudokuTBLR() const;
    void SetSudokuTBLR(const QRect& margins);

    // No button is drawn until this is set.
    const QSize& ButtonSize() const;
    void SetButtonSize(const QSize& size);

    // The button's fill, or with ReplaceImageWhite the colour its image's white turns into;
    // one per state, the disabled one taking precedence over the hover one.
    const QColor& ButtonColor() const;
    void SetButtonColor(const QColor& color);
    const QColor& ButtonColorHover() const;
    void SetButtonColorHover(const QColor& color);
    const QColor& ButtonColorDisabled() const;
    void SetButtonColorDisabled(const QColor& color);

    // Drawn at its own size instead of the filled rectangle; ButtonSize only places it.
    const QPixmap& ButtonImage() const;
    void SetButtonImage(const QPixmap& image);

    bool ReplaceImageWhite() const;
    void SetReplaceImageWhite(bool on);

    // The range: 0 <= Minimum < Maximum always holds. A bound that would break it is moved
    // to the nearest value that keeps it, and values outside the new range are brought in
    // through SetValue1 and SetValue2, with their signals.
    int Maximum() const;
    void SetMaximum(int maximum);
    int Minimum() const;
    void SetMinimum(int minimum);

    int Value1() const;
    // Clamped into the range; emits Value1Changed on a real change. Ignored while the user
    // drags the button, so that code feeding a position does not fight the hand.
    void SetValue1(int value);
    // As SetValue1, without the signal.
    void SetValue1WithoutEvent(int value);

    int Value2() const;
    // Clamped into the range; emits Value2Changed on a real change.
    void SetValue2(int value);

    // The computing steps the setters and the resize handler run; each may be called alone.
    // The main line's rectangle, and the gradient's end along the axis.
    void ComputemMainLineDrawArea();
    // The gradient's stops for the current type (none for Normal).
    void ComputemMainLineGradient();
    // The button's leading edge from Value1.
    void ComputeButtonLocation();
    // The length of the Value2 fill.
    void ComputeButtonMainLine2Length();
    // Value1 from the button's position; always emits Value1Changed.
    void ComputeValue();
    // Rebuilds the nine-patch from MainLineImage and SudokuTBLR at the widget's size.
    void UpdateMainLineImageSudoku();
    // Recolour ButtonImage's white for one state (only with ReplaceImageWhite).
    void ReplaceButtonImageNormalColor();
    void ReplaceButtonImageHoverColor();
    void ReplaceButtonImageDisabledColor();

    // What the steps above computed, for code that draws beside the track (a tooltip over
    // the button, say).
    const QRect& MainLineDrawArea() const;
    const QLinearGradient& MainLineGradient() const;
    // Along the axis, in pixels from the left (or top) edge.
    int ButtonLocation() const;
    int MainLine2Length() const;
    // From a left press on the button to the next left release.
    bool IsDragging() const;

signals:
    // Once when a press beside the button makes it jump, and once when a drag ends.
    void ManuallyDragChanged(int Value);
    void Value1Changed(int Value);
    void Value2Changed(int Value);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;

private:
    // The widget's extent along the axis, and the button's (never below 0).
    int AxisLength() const;
    int ButtonLength() const;
    // How far the button's leading edge can travel; 0 when the button fills the track.
    int Travel() const;
    // Both return false when a slot deleted the widget.
    bool StoreValue1(int value, bool announce);
    bool StoreValue2(int value);
    // Puts the button and the second fill where the values say, after a range or size change.
    void PlaceFromValues();
    // The main line's outline with the inherited radius and border width.
    QPainterPath MainLinePath() const;
    // The main line with the two fills at the given lengths, drawn afresh.
    void PaintMainLineDirect(QPainter* painter, int fill2Length, int fill1Length);
    // The main line as the values show it, from the line cache where that pays.
    void PaintMainLine(QPainter* painter);
    void PaintButton(QPainter* painter);
    // Each returns false when a slot deleted the widget.
    bool MousePress(QMouseEvent* e);
    bool MouseMove(QMouseEvent* e);
    bool MouseRelease(QMouseEvent* e);
    // The keys of the keyboard switch: returns false when a slot deleted the widget, and sets
    // used when the key moved, or could have moved, the button.
    bool KeyPress(QKeyEvent* e, bool& used);

    const std::unique_ptr<WTrackBarPrivate> d;
};
