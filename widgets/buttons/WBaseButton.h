#pragma once

#include "WBase.h"

#include <QPoint>
#include <QString>

struct WBaseButtonPrivate;

// The base of every clickable widget: a caption with its offset and alignment, hover and press
// tracking, and click recognition. A left-button release over the enabled widget is a click and
// calls ClickedEvent(); what a click means is the subclass's business.
class WEXAL_EXPORT WBaseButton : public WBase
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QPoint TextOffset READ TextOffset WRITE SetTextOffset)
    Q_PROPERTY(Qt::Alignment alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool CanHover READ CanHover WRITE SetCanHover)

public:
    explicit WBaseButton(QWidget* parent = nullptr);
    ~WBaseButton() override;

    const QString& Text() const;
    void SetText(const QString& text);

    // Top-left corner of the caption's rectangle.
    const QPoint& TextOffset() const;
    void SetTextOffset(const QPoint& offset);

    // Only the horizontal and vertical flags (the low nine bits) are kept.
    Qt::Alignment Alignment() const;
    void SetAlignment(Qt::Alignment alignment);

    // Turning hover off drops the hover state at once; it does not repaint.
    bool CanHover() const;
    void SetCanHover(bool canHover);

protected:
    virtual void ClickedEvent() = 0;
    bool event(QEvent* e) override;

    // Read by the subclasses' painting. hovered is only ever set while CanHover is true;
    // pressed is set by a left press on the enabled widget and cleared by the next left
    // release, wherever it happens.
    bool hovered = false;
    bool pressed = false;

private:
    // Screen readers click buttons as the mouse does.
    friend class WAccessibleButton;

    const std::unique_ptr<WBaseButtonPrivate> d;
};
