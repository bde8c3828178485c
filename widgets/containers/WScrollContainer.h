#pragma once

#include "WContainer.h"

class WScrollBar;
struct WScrollContainerPrivate;

/// Abstract base of every widget that shows content larger than itself. It owns up to two slim
/// scroll bars, shows them only while the content (ScrollSize()) exceeds the view, and reports
/// scrolling through three hooks; moving the content is the subclass's business.
///
/// The bars are styled by the properties here (ScrollBarSize(), SliderColor(), ...), which
/// pass on to both bars. The mouse wheel scrolls vertically by WheelStepPixel() per notch while
/// the vertical bar shows; otherwise the wheel goes on to the parent.
class WEXAL_EXPORT WScrollContainer : public WContainer
{
    Q_OBJECT
    Q_PROPERTY(int WheelStepPixel READ WheelStepPixel WRITE SetWheelStepPixel)
    Q_PROPERTY(int ScrollBarSize READ ScrollBarSize WRITE SetScrollBarSize)
    Q_PROPERTY(int SliderMinimumSize READ SliderMinimumSize WRITE SetSliderMinimumSize)
    Q_PROPERTY(int SliderRadius READ SliderRadius WRITE SetSliderRadius)
    Q_PROPERTY(QColor SliderColor READ SliderColor WRITE SetSliderColor)
    Q_PROPERTY(QColor SliderColorHover READ SliderColorHover WRITE SetSliderColorHover)

public:
    /// Makes the container, a child of parent, with a horizontal bar if hasHScrollBar and a
    /// vertical one if hasVScrollBar; the bars start hidden.
    WScrollContainer(bool hasHScrollBar, bool hasVScrollBar, QWidget* parent = nullptr);
    ~WScrollContainer() override;

    /// The size of the scrolled content, in pixels; (-1, -1) until set. The bars' ranges
    /// follow it.
    const QSize& ScrollSize() const;
    /// Sets the content size and lays the bars out again; see ScrollSize() and ReLayout().
    void SetScrollSize(const QSize& size);

    /// Scrolls horizontally to value, in pixels from the content's start, clamped to 0 up to
    /// the content's width less the bar's length. Nothing happens without a horizontal bar.
    void SetHScrollBarValue(int value);
    /// Scrolls vertically to value, in pixels from the content's top, clamped to 0 up to the
    /// content's height less the bar's length. Nothing happens without a vertical bar.
    void SetVScrollBarValue(int value);
    /// The horizontal scroll offset, in pixels; 0 without a horizontal bar.
    int HScrollBarValue() const;
    /// The vertical scroll offset, in pixels; 0 without a vertical bar.
    int VScrollBarValue() const;

    /// Decides which bars are needed, places them and recomputes ScrollContainerArea(); ends by
    /// calling both value hooks with the bars' current values. Runs by itself when the
    /// container area or ScrollSize() changes.
    void ReLayout();

    /// The container area less the bars that are shown: where the content is placed and
    /// clipped, in the container's coordinates.
    const QRect& ScrollContainerArea() const { return scrollContainerArea; }

    /// How far one notch of the mouse wheel scrolls, in pixels. Default 10; stored as given
    /// (a negative step scrolls the other way). Finer wheels and touchpads add up to notches.
    int WheelStepPixel() const;
    /// Sets the wheel step; see WheelStepPixel().
    void SetWheelStepPixel(int step);
    /// The thickness of the scroll bars, in pixels. Default 10.
    int ScrollBarSize() const;
    /// Sets the bars' thickness and lays them out again; see ScrollBarSize(). Clamped to
    /// 0..QWIDGETSIZE_MAX.
    void SetScrollBarSize(int size);
    /// The shortest the slider of a bar gets, in pixels, however long the content. Default 20.
    int SliderMinimumSize() const;
    /// Sets the sliders' minimum length; see SliderMinimumSize(). Values below 1 are ignored.
    void SetSliderMinimumSize(int size);
    /// The corner radius of the sliders, in pixels. Default 0 (square).
    int SliderRadius() const;
    /// Sets the sliders' corner radius; see SliderRadius(). Negative values are taken as 0.
    void SetSliderRadius(int radius);
    /// The colour of the sliders. Default an invalid QColor.
    const QColor& SliderColor() const;
    /// Sets the slider colour; see SliderColor().
    void SetSliderColor(const QColor& color);
    /// The colour of a bar's slider while the pointer is over that bar. Default an invalid
    /// QColor.
    const QColor& SliderColorHover() const;
    /// Sets the slider colour under the pointer; see SliderColorHover().
    void SetSliderColorHover(const QColor& color);

protected:
    /// Scrolls vertically on wheel events while the vertical bar shows, and lays the bars out
    /// again when the container area changes.
    bool event(QEvent* e) override;

    /// Called when ScrollContainerArea() took a new size (or, right to left, a new side): the
    /// subclass resizes its view.
    virtual void ScrollContainerAreaChangedEvent() = 0;
    /// Scroll the content horizontally to value, in pixels. Called on every change of the
    /// bar's value and at the end of every ReLayout(), so implementations must be idempotent.
    virtual void HScrollBarValueChangedEvent(int value) = 0;
    /// Scroll the content vertically to value, in pixels. Called on every change of the bar's
    /// value and at the end of every ReLayout(), so implementations must be idempotent.
    virtual void VScrollBarValueChangedEvent(int value) = 0;

    /// The horizontal bar (a library-internal widget), or null when the container has none.
    WScrollBar* HScrollBar() const;
    /// The vertical bar (a library-internal widget), or null when the container has none.
    WScrollBar* VScrollBar() const;

    /// The area the content is shown in; see ScrollContainerArea().
    QRect scrollContainerArea;

private:
    const std::unique_ptr<WScrollContainerPrivate> d;
};
