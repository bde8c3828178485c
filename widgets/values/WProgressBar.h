#pragma once

#include "WBase.h"

struct WProgressBarPrivate;

// A percentage shown as a bar that fills from the left: the track in BackColor, the filled part
// in ForeColor and the outline in BorderColor. Square corners while Radius is 0, one
// anti-aliased rounded shape otherwise. No text, no input, and a fixed range of 0 to 100.
class WEXAL_EXPORT WProgressBar : public WBase
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)

public:
    Q_INVOKABLE explicit WProgressBar(QWidget* parent = nullptr);
    ~WProgressBar() override;

    int Value() const;
    // Clamped to 0 ... 100.
    void SetValue(int value);

protected:
    void Paint(QPainter* painter) override;

private:
    void PaintRounded(QPainter* painter, int fill);

    const std::unique_ptr<WProgressBarPrivate> d;
};
