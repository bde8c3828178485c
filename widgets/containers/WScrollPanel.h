#pragma once

#include "WScrollContainer.h"

class WPanel;
struct WScrollPanelPrivate;

/// Scrolls one content panel (the scroll widget) of a fixed size through a clipping viewport,
/// with a horizontal and a vertical bar that show only while the content is larger than the
/// view.
///
/// The content is not handed over by a call: a WPanel child is adopted when Qt polishes it,
/// which is how Designer and generated form code fill the panel. Make the WPanel a child of the
/// scroll panel, give the scroll panel the content's size with SetScrollAreaSize(), and put the
/// content into the WPanel. While the keyboard switch is on (WBase::SetKeyboardAccess()), a
/// widget inside that takes the focus by keyboard is scrolled into view.
///
/// \image html WScrollPanel.png
///
/// \sa WScrollContainer
class WEXAL_EXPORT WScrollPanel : public WScrollContainer
{
    Q_OBJECT
    Q_PROPERTY(QSize ScrollAreaSize READ ScrollAreaSize WRITE SetScrollAreaSize)

public:
    /// Makes the scroll panel, a child of parent, with both bars and an empty viewport.
    Q_INVOKABLE explicit WScrollPanel(QWidget* parent = nullptr);
    ~WScrollPanel() override;

    /// The adopted content panel, or null before one was adopted (or after it was deleted).
    WPanel* ScrollWidget() const;

    /// The size of the scrolled content, in pixels, the same as ScrollSize(); (-1, -1) until
    /// set. The content panel is kept at least this large (negative extents count as 0) and at
    /// least as large as the view.
    const QSize& ScrollAreaSize() const;
    /// Sets the content size; see ScrollAreaSize(). The bars and the content panel follow.
    void SetScrollAreaSize(const QSize& size);

signals:
    /// Emitted when the content panel was put at a horizontal offset: on every change of the
    /// horizontal bar's value, and again at each re-layout, where the offset may be unchanged.
    /// X is the offset in pixels from the content's start. Not emitted without a content panel.
    void HScrollLocationChanged(int X);
    /// Emitted when the content panel was put at a vertical offset: on every change of the
    /// vertical bar's value, and again at each re-layout, where the offset may be unchanged. Y
    /// is the offset in pixels from the content's top. Not emitted without a content panel.
    void VScrollLocationChanged(int Y);

protected:
    /// Scrolls a widget inside into view when it takes the focus by keyboard.
    bool event(QEvent* e) override;
    /// Draws the background and the border.
    void Paint(QPainter* painter) override;
    /// Adopts a WPanel child as the content when Qt polishes it.
    void childEvent(QChildEvent* e) override;
    /// Fits the viewport to the scroll container area.
    void ScrollContainerAreaChangedEvent() override;
    /// Moves the content to the horizontal offset and emits HScrollLocationChanged().
    void HScrollBarValueChangedEvent(int value) override;
    /// Moves the content to the vertical offset and emits VScrollLocationChanged().
    void VScrollBarValueChangedEvent(int value) override;

private:
    const std::unique_ptr<WScrollPanelPrivate> d;
};
