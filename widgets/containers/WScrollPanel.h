#pragma once

#include "WScrollContainer.h"

class WPanel;
struct WScrollPanelPrivate;

// Scrolls one content panel (the scroll widget) of a fixed size through a clipping viewport.
// The content is not handed over by a call: a WPanel child is adopted when Qt polishes it,
// which is how Designer and generated form code fill the panel.
class WEXAL_EXPORT WScrollPanel : public WScrollContainer
{
    Q_OBJECT
    Q_PROPERTY(QSize ScrollAreaSize READ ScrollAreaSize WRITE SetScrollAreaSize)

public:
    Q_INVOKABLE explicit WScrollPanel(QWidget* parent = nullptr);
    ~WScrollPanel() override;

    // The adopted content panel, or null.
    WPanel* ScrollWidget() const;

    const QSize& ScrollAreaSize() const;
    void SetScrollAreaSize(const QSize& size);

signals:
    void HScrollLocationChanged(int X);
    void VScrollLocationChanged(int Y);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;
    void childEvent(QChildEvent* e) override;
    void ScrollContainerAreaChangedEvent() override;
    void HScrollBarValueChangedEvent(int value) override;
    void VScrollBarValueChangedEvent(int value) override;

private:
    const std::unique_ptr<WScrollPanelPrivate> d;
};
