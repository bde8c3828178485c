#pragma once

#include "wexal_export.h"

#include "DockType.h"
#include "PositionFlag.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <typeinfo>

class QPainter;
struct WBasePrivate;

// The base of every widget in the library: a common look held in properties, one paint entry
// point (Paint), and the library's dock-and-anchor placement, negotiated with the parent
// through posted WEvents instead of Qt layouts.
class WEXAL_EXPORT WBase : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool IsPassive READ IsPassive)
    Q_PROPERTY(DockType::Types Dock READ Dock WRITE SetDock)
    Q_PROPERTY(PositionFlag::Flags Anchor READ Anchor WRITE SetAnchor)
    Q_PROPERTY(int Radius READ Radius WRITE SetRadius)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(PositionFlag::Flags Border READ Border WRITE SetBorder)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool UserFlag READ UserFlag WRITE SetUserFlag)

public:
    explicit WBase(QWidget* parent = nullptr);
    ~WBase() override;

    // A free slot for whoever owns the widget; the library never touches it.
    int Tag = 0;

    bool IsPassive() const;

    DockType::Types Dock() const;
    void SetDock(DockType::Types dock);

    PositionFlag::Flags Anchor() const;
    void SetAnchor(PositionFlag::Flags anchor);

    int Radius() const;
    void SetRadius(int radius);

    const QColor& BackColor() const;
    void SetBackColor(const QColor& color);

    const QColor& ForeColor() const;
    void SetForeColor(const QColor& color);

    PositionFlag::Flags Border() const;
    void SetBorder(PositionFlag::Flags border);

    int BorderWidth() const;
    void SetBorderWidth(int width);

    const QColor& BorderColor() const;
    void SetBorderColor(const QColor& color);

    bool UserFlag() const;
    void SetUserFlag(bool flag);

    // Composite widgets switch this off on the children they place themselves.
    void SetCanReLayoutParent(bool can);
    bool CanReLayoutParent() const;

    // Asks this widget, as a parent, to re-run its layout; requests collapse until delivered.
    void PostChildDockChangedEvent();
    // Whether such a request is posted and not delivered yet.
    bool IsChildDockChangePending() const;

    // The one way a layout pass places a child: a pure move when the size is unchanged.
    void LayoutSetGeometry(const QRect& rect);
    // Whether a layout pass has ever changed this widget's size.
    bool IsLayoutPlaced() const;

    // Paints this widget and its descendants onto a foreign painter, without a paint event.
    void GridListPaint(QPainter* painter, const QPoint& offset);

    // The process-wide Designer flag: composite widgets created while it is set mark their
    // internal children passive so that the form editor hands them mouse input.
    static void SetDesignerMode(bool on);
    static bool IsDesignerMode();

    // The process-wide keyboard switch, off by default: widgets then take the focus by click
    // only and handle few keys. Switched on, the interactive widgets take the focus with Tab and
    // Shift+Tab as well, in reading order, show a focus ring, and answer Space, Enter, the arrows
    // and Escape as desktop users expect. Applies to existing widgets and to those made later.
    static void SetKeyboardAccess(bool on);
    static bool IsKeyboardAccess();
    // The colour of the focus ring; an invalid colour (the default) takes the palette's
    // highlight colour of the focused widget.
    static void SetFocusRingColor(const QColor& color);
    static QColor FocusRingColor();
    // Whether the widget is of a kind a keyboard user operates (buttons, inputs, lists, values):
    // those take Tab focus while the switch is on.
    bool TakesTabFocus() const;

protected:
    // Interactive classes say so as they are made.
    void SetTakesTabFocus(bool takes);

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    virtual void Paint(QPainter* painter) = 0;

    // What Paint draws in exactly the class `type`, declared by that class so that a paint
    // event with nothing to draw opens no painter (opening one costs more than an empty
    // widget's whole paint): nothing at all, or only the widget's look, that is, its BackColor
    // and its border as WDrawAPI draws them from the properties above. Subclasses of `type`
    // are painted as usual whatever they draw.
    enum class PaintExtent { Anything, LookOnly, Nothing };
    void SetPaintExtent(PaintExtent extent, const std::type_info& type);

    // A container brackets its own placing of children with these, so that the Move and Resize
    // events its placing causes are not taken for changes made by anyone else.
    void SetPlacingChildren(bool placing);
    // Whether, since the last call, a child was resized, moved, shown, hidden, restacked or
    // re-docked by anyone but this widget's own placing; the mark is cleared.
    bool TakeChildrenChanged();

private:
    friend class WFocusChain;
    bool TabStopSuspended() const;
    void SetTabStopSuspended(bool suspended);
    void PaintFocusRing();
    void TellParentOfChange();
    // Tab focus for the widgets that take it while the keyboard switch is on, and back.
    void ApplyKeyboardFocus();
    bool PaintsNothing() const;

    const std::unique_ptr<WBasePrivate> d;
};
