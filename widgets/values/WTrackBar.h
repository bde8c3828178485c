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
/// A slider: a main line across the widget and a button that the user drags along it.
///
/// The track bar holds two values in one range from Minimum() to Maximum(): Value1(), which the
/// button shows and the user changes, and Value2(), which is only drawn, as a second fill behind
/// the first (the buffered part of a media player, say). The main line is three colour fills, a
/// stretched or nine-patch image, or, for the HSL types, a gradient of hue, saturation or
/// lightness, so that three track bars make a colour picker. The button is a filled rectangle, or
/// an image that may be recoloured per state. A horizontal bar grows to the right (to the left in a
/// right-to-left layout), a vertical one downwards.
///
/// The main line uses the inherited Radius, Border, BorderWidth and BorderColor; BackColor is not
/// painted. With the keyboard switch on (WBase::SetKeyboardAccess()), the arrow keys move the
/// button by a hundredth of the range (at least 1), Page Up and Page Down by a tenth, Home and End
/// to the ends. Value1Changed() reports every change of Value1(); ManuallyDragChanged() reports the
/// end of each move the user makes.
///
/// \image html WTrackBar.png
/// \sa WProgressBar
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
    /// How the main line is filled: with colours or an image, or with the gradient of one HSL
    /// channel.
    enum TrackType : int { Normal = 0, HslColorH = 1, HslColorS = 2, HslColorL = 3 };
    /// \var WTrackBar::Normal
    /// The main line is drawn from MainLineBackColor() and the two fill colours, or from
    /// MainLineImage() when one is set.
    /// \var WTrackBar::HslColorH
    /// The main line runs through the hues: red, yellow, green, cyan, blue, magenta and back to
    /// red.
    /// \var WTrackBar::HslColorS
    /// The main line runs from no saturation to full saturation, at the hue and lightness of
    /// MainLineBackColor().
    /// \var WTrackBar::HslColorL
    /// The main line runs from black to white.
    Q_ENUM(TrackType)

    /// Constructs a horizontal track bar with the range 0 to 100 and both values at 0, as a child
    /// of \a parent.
    Q_INVOKABLE explicit WTrackBar(QWidget* parent = nullptr);
    /// Destroys the track bar.
    ~WTrackBar() override;

    /// How the main line is filled; WTrackBar::Normal by default.
    TrackType Type() const;
    // Always rebuilds the gradient, so setting the same type again refreshes it. A value
    // outside the enumeration is ignored.
    /// Sets how the main line is filled; see Type(). Setting any type, the same one included,
    /// rebuilds the gradient and repaints. A value outside the enumeration is ignored.
    void SetType(TrackType type);

    /// Whether the bar runs across (OrientationType::Horizontal, the default) or down
    /// (OrientationType::Vertical) the widget.
    OrientationType::Types Orientation() const;
    /// Sets the direction of the bar; see Orientation(). An equal value, or one outside the
    /// enumeration, is ignored.
    void SetOrientation(OrientationType::Types orientation);

    // The main line's thickness across the axis.
    /// The main line's thickness across the axis, in pixels, centred in the widget; 10 by default.
    /// A thickness of 0 or less draws no line.
    int MainLineSize() const;
    /// Sets the main line's thickness; see MainLineSize(). Any value is stored; an equal one does
    /// nothing.
    void SetMainLineSize(int size);

    // The line's background; for HslColorS also the colour whose hue and lightness the
    // saturation gradient runs through.
    /// The main line's background; for WTrackBar::HslColorS also the colour whose hue and lightness
    /// the saturation gradient runs through. An invalid QColor until set.
    const QColor& MainLineBackColor() const;
    /// Sets the main line's background; see MainLineBackColor(). An equal colour does nothing.
    void SetMainLineBackColor(const QColor& color);

    // The fill from the start of the line up to the button.
    /// The fill from the start of the main line up to the button, showing Value1(); an invalid
    /// QColor until set.
    const QColor& MainLineFillColor1() const;
    /// Sets the fill up to the button; see MainLineFillColor1(). An equal colour does nothing.
    void SetMainLineFillColor1(const QColor& color);

    // The fill from the start of the line up to Value2, under the first.
    /// The fill from the start of the main line up to Value2(), drawn under the first fill; an
    /// invalid QColor until set.
    const QColor& MainLineFillColor2() const;
    /// Sets the fill up to Value2(); see MainLineFillColor2(). An equal colour does nothing.
    void SetMainLineFillColor2(const QColor& color);

    // Drawn instead of the colour fills (Normal type only): stretched over the whole widget,
    // or as a nine-patch when SudokuDraw is set.
    /// An image drawn instead of the colour fills (WTrackBar::Normal only): stretched over the
    /// whole widget, or as a nine-patch when SudokuDraw() is set. Null by default.
    const QPixmap& MainLineImage() const;
    /// Sets the main line's image; see MainLineImage(). Pixmaps are not compared: setting the same
    /// one again rebuilds the nine-patch, which refreshes an image painted into since.
    void SetMainLineImage(const QPixmap& image);

    /// Whether MainLineImage() is drawn as a nine-patch with the margins of SudokuTBLR(), rather
    /// than stretched; false by default.
    bool SudokuDraw() const;
    /// Sets whether the image is drawn as a nine-patch; see SudokuDraw(). An equal value does
    /// nothing.
    void SetSudokuDraw(bool on);

    // The nine-patch margins packed in a rectangle: x is the top margin, y the bottom one,
    // width the left one and height the right one.
    /// The nine-patch margins of MainLineImage(), in the image's pixels, packed in a rectangle: x
    /// is the top margin, y the bottom one, width the left one and height the right one. All 0 by
    /// default.
    const QRect& SudokuTBLR() const;
    /// Sets the nine-patch margins; see SudokuTBLR(). An equal value does nothing. Margins beyond
    /// the image's size are stored as given.
    void SetSudokuTBLR(const QRect& margins);

    // No button is drawn until this is set.
    /// The button's size in pixels; its extent along the axis is what it takes from the button's
    /// travel. Invalid (QSize()) by default: the filled button is drawn only with a positive
    /// width and height, while ButtonImage() is drawn at its own size regardless.
    const QSize& ButtonSize() const;
    /// Sets the button's size; see ButtonSize(). An equal size does nothing; otherwise the button
    /// moves to where Value1() lies on its new travel.
    void SetButtonSize(const QSize& size);

    // The button's fill, or with ReplaceImageWhite the colour its image's white turns into;
    // one per state, the disabled one taking precedence over the hover one.
    /// The button's fill, or with ReplaceImageWhite() the colour the white of ButtonImage() turns
    /// into; an invalid QColor until set. ButtonColorHover() replaces it while the pointer is over
    /// the widget, and ButtonColorDisabled() while the widget is disabled.
    const QColor& ButtonColor() const;
    /// Sets the button's normal colour; see ButtonColor(). An equal colour does nothing.
    void SetButtonColor(const QColor& color);
    /// The button's colour while the pointer is over the enabled track bar; an invalid QColor until
    /// set.
    const QColor& ButtonColorHover() const;
    /// Sets the button's hover colour; see ButtonColorHover(). An equal colour does nothing.
    void SetButtonColorHover(const QColor& color);
    /// The button's colour while the track bar is disabled, taking precedence over the hover one;
    /// an invalid QColor until set.
    const QColor& ButtonColorDisabled() const;
    /// Sets the button's disabled colour; see ButtonColorDisabled(). An equal colour does nothing.
    void SetButtonColorDisabled(const QColor& color);

    // Drawn at its own size instead of the filled rectangle; ButtonSize only places it.
    /// An image drawn at its own size in place of the filled rectangle; ButtonSize() then only
    /// places it. Null by default.
    const QPixmap& ButtonImage() const;
    /// Sets the button's image; see ButtonImage(). Pixmaps are not compared: the recoloured copies
    /// are made again each time.
    void SetButtonImage(const QPixmap& image);

    /// Whether ButtonImage() is drawn recoloured, its white turned into the colour of the button's
    /// state; false by default.
    bool ReplaceImageWhite() const;
    /// Sets whether the button's image is recoloured; see ReplaceImageWhite(). An equal value does
    /// nothing.
    void SetReplaceImageWhite(bool on);

    // The range: 0 <= Minimum < Maximum always holds. A bound that would break it is moved
    // to the nearest value that keeps it, and values outside the new range are brought in
    // through SetValue1 and SetValue2, with their signals.
    /// The upper end of the range; 100 by default. 0 <= Minimum() < Maximum() always holds.
    int Maximum() const;
    /// Sets the upper end of the range; see Maximum(). A value not above Minimum() is taken as
    /// Minimum() + 1. An equal value does nothing; values above the new maximum are brought down
    /// through SetValue1() and SetValue2(), with their signals.
    void SetMaximum(int maximum);
    /// The lower end of the range; 0 by default. It is never negative.
    int Minimum() const;
    /// Sets the lower end of the range; see Minimum(). The value is clamped to 0 ... Maximum() - 1.
    /// An equal value does nothing; values below the new minimum are brought up through SetValue1()
    /// and SetValue2(), with their signals.
    void SetMinimum(int minimum);

    /// The value the button shows and the user changes, from Minimum() to Maximum(); 0 by default.
    int Value1() const;
    // Clamped into the range; emits Value1Changed on a real change. Ignored while the user
    // drags the button, so that code feeding a position does not fight the hand.
    /// Sets the button's value; see Value1(). The value is clamped into the range; a real change
    /// moves the button, repaints and emits Value1Changed(). Ignored while the user drags the
    /// button, so that code feeding a position does not fight the hand.
    void SetValue1(int value);
    // As SetValue1, without the signal.
    /// As SetValue1(), without emitting Value1Changed().
    void SetValue1WithoutEvent(int value);

    /// The second value, drawn as the fill in MainLineFillColor2(), from Minimum() to Maximum(); 0
    /// by default. The user cannot change it.
    int Value2() const;
    // Clamped into the range; emits Value2Changed on a real change.
    /// Sets the second value; see Value2(). The value is clamped into the range; a real change
    /// repaints and emits Value2Changed(). Unlike SetValue1(), it applies during a drag too.
    void SetValue2(int value);

    // The computing steps the setters and the resize handler run; each may be called alone.
    // The main line's rectangle, and the gradient's end along the axis.
    /// Recomputes MainLineDrawArea() and the gradient's end from the widget's size, Orientation()
    /// and MainLineSize().
    void ComputemMainLineDrawArea();
    // The gradient's stops for the current type (none for Normal).
    /// Rebuilds the stops of MainLineGradient() for the current Type(); none for WTrackBar::Normal.
    void ComputemMainLineGradient();
    // The button's leading edge from Value1.
    /// Recomputes ButtonLocation() from Value1(), the range and the button's travel.
    void ComputeButtonLocation();
    // The length of the Value2 fill.
    /// Recomputes MainLine2Length() from Value2() and the range.
    void ComputeButtonMainLine2Length();
    // Value1 from the button's position; always emits Value1Changed.
    /// Sets Value1() from ButtonLocation(), as a drag does, and emits Value1Changed(), even when
    /// the value stays the same. The value is left alone while the button cannot move (it is as
    /// long as the widget, or longer).
    void ComputeValue();
    // Rebuilds the nine-patch from MainLineImage and SudokuTBLR at the widget's size.
    /// Rebuilds the nine-patch from MainLineImage() and SudokuTBLR() at the widget's size; drops it
    /// unless SudokuDraw() is set and there is an image.
    void UpdateMainLineImageSudoku();
    // Recolour ButtonImage's white for one state (only with ReplaceImageWhite).
    /// Makes the copy of ButtonImage() recoloured with ButtonColor(). Does nothing without
    /// ReplaceImageWhite(), and keeps the previous copy while the colour is fully transparent.
    void ReplaceButtonImageNormalColor();
    /// As ReplaceButtonImageNormalColor(), with ButtonColorHover().
    void ReplaceButtonImageHoverColor();
    /// As ReplaceButtonImageNormalColor(), with ButtonColorDisabled().
    void ReplaceButtonImageDisabledColor();

    // What the steps above computed, for code that draws beside the track (a tooltip over
    // the button, say).
    /// The main line's rectangle, in widget coordinates: the widget's full length along the axis,
    /// MainLineSize() across it, centred. For code that draws beside the track.
    const QRect& MainLineDrawArea() const;
    /// The gradient that fills the main line for the HSL types, from the widget's start to its end
    /// along the axis.
    const QLinearGradient& MainLineGradient() const;
    // Along the axis, in pixels from the left (or top) edge.
    /// The button's leading edge along the axis, in pixels from the left (or top) edge; from the
    /// right edge for a horizontal bar in a right-to-left layout.
    int ButtonLocation() const;
    /// The length of the Value2() fill along the axis, in pixels from the bar's start.
    int MainLine2Length() const;
    // From a left press on the button to the next left release.
    /// Whether the user is dragging the button: from a left press on it to the next left release.
    bool IsDragging() const;

signals:
    // Once when a press beside the button makes it jump, and once when a drag ends.
    /// Emitted with Value1() when a move by the user is over: after a press beside the button made
    /// it jump there, when a drag ends, and after a key moved the button. Value1Changed() comes
    /// first.
    void ManuallyDragChanged(int Value);
    /// Emitted with the new Value1() when it changes, whether by the user (repeatedly while the
    /// button is dragged) or by code; not by SetValue1WithoutEvent().
    void Value1Changed(int Value);
    /// Emitted with the new Value2() when it changes, through SetValue2() or a range change.
    void Value2Changed(int Value);

protected:
    /// Handles pressing, dragging, hovering, the keys and resizing.
    bool event(QEvent* e) override;
    /// Draws the main line with its fills, then the button.
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
