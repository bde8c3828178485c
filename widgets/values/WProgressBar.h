#pragma once

#include "WBase.h"

struct WProgressBarPrivate;

// A percentage shown as a bar that fills from the left: the track in BackColor, the filled part
// in ForeColor and the outline in BorderColor. Square corners while Radius is 0, one
// anti-aliased rounded shape otherwise. No text, no input, and a fixed range of 0 to 100.
/// A bar that shows a percentage, filling from the left (from the right in a right-to-left
/// layout).
///
/// The track is painted in BackColor, the filled part in ForeColor and the outline in BorderColor
/// with the inherited Border and BorderWidth. With a Radius of 0 the corners are square; with a
/// larger Radius the bar is one anti-aliased rounded shape. The bar shows no text, takes no input
/// and emits no signals; its range is fixed at 0 to 100.
///
/// \image html WProgressBar.png
/// \sa WTrackBar
class WEXAL_EXPORT WProgressBar : public WBase
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)

public:
    /// Constructs an empty bar (value 0) as a child of \a parent.
    Q_INVOKABLE explicit WProgressBar(QWidget* parent = nullptr);
    /// Destroys the bar.
    ~WProgressBar() override;

    /// The percentage shown, from 0 to 100; 0 by default.
    int Value() const;
    // Clamped to 0 ... 100.
    /// Sets the percentage shown; see Value(). Values below 0 are taken as 0 and values above 100
    /// as 100. An equal value does nothing; a change repaints and is told to screen readers.
    void SetValue(int value);

protected:
    /// Draws the track, the filled part and the outline.
    void Paint(QPainter* painter) override;

private:
    void PaintRounded(QPainter* painter, int fill);

    const std::unique_ptr<WProgressBarPrivate> d;
};
