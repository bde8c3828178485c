#pragma once

#include "WBase.h"

#include <QPoint>
#include <QString>

struct WBaseButtonPrivate;

/// The base of every clickable widget: a caption with its offset and alignment, hover and press
/// tracking, and click recognition. A left-button release over the enabled widget is a click and
/// calls ClickedEvent(); what a click means is the subclass's business.
///
/// While the keyboard switch is on (WBase::SetKeyboardAccess()), Space and Enter click the
/// focused button as well. Screen readers click it as the mouse does.
class WEXAL_EXPORT WBaseButton : public WBase
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QPoint TextOffset READ TextOffset WRITE SetTextOffset)
    Q_PROPERTY(Qt::Alignment alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool CanHover READ CanHover WRITE SetCanHover)

public:
    /// Makes the button, a child of parent; it takes Tab focus while the keyboard switch is on.
    explicit WBaseButton(QWidget* parent = nullptr);
    ~WBaseButton() override;

    /// The caption, drawn in the widget's font and ForeColor(); also the name a screen reader
    /// reads. Default empty.
    const QString& Text() const;
    /// Sets the caption; see Text().
    void SetText(const QString& text);

    /// The top-left corner of the caption's rectangle, in pixels from the widget's top-left;
    /// the rectangle reaches to one pixel inside the bottom-right corner, and the caption is
    /// aligned in it by Alignment(). Default (0, 0).
    const QPoint& TextOffset() const;
    /// Sets the caption's offset; see TextOffset().
    void SetTextOffset(const QPoint& offset);

    /// How the caption is aligned in its rectangle. Default Qt::AlignCenter.
    Qt::Alignment Alignment() const;
    /// Sets the caption's alignment; see Alignment(). Only the horizontal and vertical flags (the
    /// low nine bits) are kept.
    void SetAlignment(Qt::Alignment alignment);

    /// Whether the button follows the pointer to show its hover look. Default true.
    bool CanHover() const;
    /// Sets whether the button tracks hover; see CanHover(). Turning hover off drops the hover
    /// state at once; it does not repaint.
    void SetCanHover(bool canHover);

protected:
    /// Called on every click, by the mouse, by the keyboard while the keyboard switch is on, or
    /// by a screen reader. The button may be deleted by what the click does; nothing of it is
    /// used after the call.
    virtual void ClickedEvent() = 0;
    /// Tracks hover and press, and recognises clicks.
    bool event(QEvent* e) override;

    /// Whether the pointer is over the enabled button, for the subclass's painting; only ever
    /// set while CanHover() is true, and cleared when the button is hidden or disabled.
    bool hovered = false;
    /// Whether the left button is held down on the button, for the subclass's painting: set by
    /// a left press on the enabled widget and cleared by the next left release, wherever it
    /// happens, or when the button is hidden or disabled.
    bool pressed = false;

private:
    // Screen readers click buttons as the mouse does.
    friend class WAccessibleButton;

    const std::unique_ptr<WBaseButtonPrivate> d;
};
