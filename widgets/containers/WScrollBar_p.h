#pragma once

#include "OrientationType.h"
#include "WBase.h"

struct WScrollBarPrivate;

// The slim bar that scroll containers place along their bottom and right edges. It draws only
// a slider, is dragged with the left button, and reports the scroll offset in content pixels.
class WEXAL_AUTOTEST_EXPORT WScrollBar : public WBase
{
    Q_OBJECT

public:
    WScrollBar(OrientationType::Types orientation, QWidget* parent);
    ~WScrollBar() override;

    OrientationType::Types Orientation() const;

    int Value() const;
    // Clamped to 0 ... max(scroll length - bar length, 0).
    void SetValue(int value);

    int ScrollLength() const;
    void SetScrollLength(int length);

    int SliderMinimumSize() const;
    void SetSliderMinimumSize(int size);
    int SliderRadius() const;
    void SetSliderRadius(int radius);
    const QColor& SliderColor() const;
    void SetSliderColor(const QColor& color);
    const QColor& SliderColorHover() const;
    void SetSliderColorHover(const QColor& color);

    // Derives slider length, travel and the content-per-travel ratio from the bar length,
    // the scroll length and the value.
    void ComputeSlider();

    const QRect& SliderRect() const;
    int FreeLength() const;
    float Ratio() const;
    bool IsHover() const;
    bool IsPressed() const;

signals:
    void ValueChanged(int value);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;

private:
    int Length() const;
    int MaxValue() const;

    const std::unique_ptr<WScrollBarPrivate> d;
};
