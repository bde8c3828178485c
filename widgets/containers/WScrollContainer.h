#pragma once

#include "WContainer.h"

class WScrollBar;
struct WScrollContainerPrivate;

// Abstract base of every widget that shows content larger than itself. It owns up to two slim
// scroll bars, shows them only while the content (ScrollSize) exceeds the view, and reports
// scrolling through three hooks; moving the content is the subclass's business.
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
    WScrollContainer(bool hasHScrollBar, bool hasVScrollBar, QWidget* parent = nullptr);
    ~WScrollContainer() override;

    // The size of the scrolled content; (-1, -1) until set.
    const QSize& ScrollSize() const;
    void SetScrollSize(const QSize& size);

    // Passed to the bar, which clamps them to its range; nothing happens without that bar.
    void SetHScrollBarValue(int value);
    void SetVScrollBarValue(int value);
    int HScrollBarValue() const;
    int VScrollBarValue() const;

    // Decides which bars are needed, places them and recomputes scrollContainerArea; ends by
    // calling both value hooks with the bars' current values.
    void ReLayout();

    const QRect& ScrollContainerArea() const { return scrollContainerArea; }

    int WheelStepPixel() const;
    void SetWheelStepPixel(int step);
    int ScrollBarSize() const;
    void SetScrollBarSize(int size);
    int SliderMinimumSize() const;
    void SetSliderMinimumSize(int size);
    int SliderRadius() const;
    void SetSliderRadius(int radius);
    const QColor& SliderColor() const;
    void SetSliderColor(const QColor& color);
    const QColor& SliderColorHover() const;
    void SetSliderColorHover(const QColor& color);

protected:
    bool event(QEvent* e) override;

    // scrollContainerArea was set to a new size.
    virtual void ScrollContainerAreaChangedEvent() = 0;
    // Scroll the content to this offset. Called on every change of a bar's value and at the
    // end of every ReLayout, so implementations must be idempotent.
    virtual void HScrollBarValueChangedEvent(int value) = 0;
    virtual void VScrollBarValueChangedEvent(int value) = 0;

    WScrollBar* HScrollBar() const;
    WScrollBar* VScrollBar() const;

    // The container area less the bars that are shown: where the content is placed and clipped.
    QRect scrollContainerArea;

private:
    const std::unique_ptr<WScrollContainerPrivate> d;
};
