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

/// The base of every widget in the library: a common look held in properties, one paint entry
/// point (Paint()), and the library's dock-and-anchor placement, negotiated with the parent
/// through posted WEvents instead of Qt layouts.
///
/// The look is styled only through properties: BackColor(), ForeColor(), BorderColor(),
/// Border(), BorderWidth() and Radius() here, and the state colours of each subclass. Set them
/// in code, in Designer, or from a theme (WTheme). Colours default to an invalid QColor, which
/// a theme normally replaces. Every setter that is given the value already held does nothing.
///
/// Inside a WContainer (WPanel, WForm, ...) a child is placed by its Dock(), or, when not
/// docked, keeps its geometry and follows the edges named by its Anchor().
///
/// \image html WBase.png
///
/// \sa WPanel, WTheme, WDrawAPI
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
    /// Makes the widget, a child of parent. It takes the focus by click only (see
    /// SetKeyboardAccess() for Tab).
    explicit WBase(QWidget* parent = nullptr);
    ~WBase() override;

    /// A free slot for whoever owns the widget; the library never touches it. Default 0.
    int Tag = 0;

    /// Whether the widget is docked (Dock() is not DockType::None), so that its parent's
    /// layout pass sets its geometry.
    bool IsPassive() const;

    /// How the parent's layout pass places this widget. Default DockType::None: the widget keeps
    /// its geometry and follows its Anchor(). A docked widget is resized across its docking
    /// direction by every pass; its own height (for Top and Bottom) or width (for Left and Right)
    /// is kept, cut to the room left.
    DockType::Types Dock() const;
    /// Sets the docking position and asks the parent to lay out again; see Dock(). A value outside
    /// DockType::Types is ignored.
    void SetDock(DockType::Types dock);

    /// The edges of the parent's area an undocked widget keeps its distance to when the area
    /// changes size. Default Top | Left: the widget stays where it is. Anchored to Right only, it
    /// moves with the right edge; to Left and Right, it stretches; to neither, it stays centred
    /// between them (the same for Top and Bottom). Right to left, Left and Right swap.
    PositionFlag::Flags Anchor() const;
    /// Sets the anchored edges; see Anchor(). Bits other than the four sides are dropped. Takes
    /// effect at the parent's next change of size.
    void SetAnchor(PositionFlag::Flags anchor);

    /// The corner radius of the background and border, in pixels. Default 0; any value below 1
    /// draws square corners.
    int Radius() const;
    /// Sets the corner radius; see Radius(). Stored as given.
    void SetRadius(int radius);

    /// The background colour. Default an invalid QColor; a colour with zero alpha
    /// (Qt::transparent) draws no background.
    const QColor& BackColor() const;
    /// Sets the background colour; see BackColor().
    void SetBackColor(const QColor& color);

    /// The text colour (caption, title or content, as the subclass draws it). Default an invalid
    /// QColor.
    const QColor& ForeColor() const;
    /// Sets the text colour; see ForeColor().
    void SetForeColor(const QColor& color);

    /// The sides the border is drawn on. Default PositionFlag::None. With a Radius() of 1 or more
    /// any side draws the whole rounded outline. Right to left, Left and Right swap. In a
    /// container, the sides named here also narrow the area its children are placed in.
    PositionFlag::Flags Border() const;
    /// Sets the border sides; see Border(). Bits other than the four sides are dropped.
    void SetBorder(PositionFlag::Flags border);

    /// The border's width, in pixels, drawn inside the widget. Default 0; a width below 1 draws
    /// no border.
    int BorderWidth() const;
    /// Sets the border width; see BorderWidth(). Stored as given.
    void SetBorderWidth(int width);

    /// The border colour. Default an invalid QColor; a colour with zero alpha draws no border.
    const QColor& BorderColor() const;
    /// Sets the border colour; see BorderColor().
    void SetBorderColor(const QColor& color);

    /// A free flag for whoever owns the widget, settable from Designer and themes; the library
    /// never reads it. Default false.
    bool UserFlag() const;
    /// Sets the owner's flag; see UserFlag().
    void SetUserFlag(bool flag);

    /// Sets whether changes of this widget's dock, size or visibility ask its parent to lay out
    /// again; see CanReLayoutParent().
    void SetCanReLayoutParent(bool can);
    /// Whether changes of this widget's dock, size or visibility ask its parent to lay out
    /// again. Default true; composite widgets switch it off on the children they place
    /// themselves.
    bool CanReLayoutParent() const;

    /// Asks this widget, as a parent, to lay out its children again by posting
    /// WEvent::ChildDockChanged to it; further requests collapse into that one until it is
    /// delivered.
    void PostChildDockChangedEvent();
    /// Whether such a request is posted and not delivered yet.
    bool IsChildDockChangePending() const;

    /// The one way a layout pass places a child: a pure move when the size is unchanged, else
    /// setGeometry(). A rectangle wider or taller than Qt allows is cut to QWIDGETSIZE_MAX.
    void LayoutSetGeometry(const QRect& rect);
    /// Whether a layout pass has ever changed this widget's size through LayoutSetGeometry().
    bool IsLayoutPlaced() const;

    /// Paints this widget and its library descendants onto a foreign painter at offset, without
    /// a paint event (as a grid cell shows an embedded widget). Children that are not WBase
    /// widgets are skipped with their subtrees.
    void GridListPaint(QPainter* painter, const QPoint& offset);

    /// Sets the process-wide Designer flag; see IsDesignerMode().
    static void SetDesignerMode(bool on);
    /// The process-wide Designer flag, set by the Designer plugin. Composite widgets created
    /// while it is set mark their internal children passive so that the form editor hands them
    /// mouse input, and WForm makes no window of its own. Default false.
    static bool IsDesignerMode();

    /// Sets the process-wide keyboard switch; see IsKeyboardAccess(). Applies to existing
    /// widgets and to those made later.
    static void SetKeyboardAccess(bool on);
    /// The process-wide keyboard switch, off by default: widgets then take the focus by click
    /// only and handle few keys. Switched on, the interactive widgets take the focus with Tab and
    /// Shift+Tab as well, in reading order, show a focus ring, and answer Space, Enter, the arrows
    /// and Escape as desktop users expect.
    static bool IsKeyboardAccess();
    /// Sets the colour of the focus ring; see FocusRingColor().
    static void SetFocusRingColor(const QColor& color);
    /// The colour of the two-pixel focus ring drawn around the focused widget while the
    /// keyboard switch is on. An invalid colour (the default) takes the palette's highlight
    /// colour of the focused widget.
    static QColor FocusRingColor();
    /// Whether the widget is of a kind a keyboard user operates (buttons, inputs, lists, values):
    /// those take Tab focus while the switch is on.
    bool TakesTabFocus() const;

protected:
    /// Interactive classes call this with true as they are made, so that they take Tab focus
    /// while the keyboard switch is on; see TakesTabFocus().
    void SetTakesTabFocus(bool takes);

    /// Keeps the parent informed of this widget's changes of size, visibility and place, and
    /// the widget in its theme. Subclasses that handle events here pass the rest on to it.
    bool event(QEvent* e) override;
    /// Opens a painter and calls Paint(), unless the widget declared it would draw nothing
    /// (see SetPaintExtent()); then, while the keyboard switch is on and the widget has the
    /// focus, draws the focus ring.
    void paintEvent(QPaintEvent* e) override;
    /// Draws the widget, in widget coordinates, with a painter whose layout direction is the
    /// widget's. Every subclass implements it; it is also how GridListPaint() draws onto a
    /// foreign painter, so it must draw only through painter.
    virtual void Paint(QPainter* painter) = 0;

    /// What Paint() draws in exactly one class; see SetPaintExtent().
    enum class PaintExtent {
        /// Anything: every paint event opens a painter.
        Anything,
        /// Only the widget's look, that is its BackColor() and its border as WDrawAPI draws them
        /// from the properties above: no painter is opened while neither would show.
        LookOnly,
        /// Nothing at all: no painter is ever opened.
        Nothing
    };
    /// Declares what Paint() draws in exactly the class type, so that a paint event with
    /// nothing to draw opens no painter (opening one costs more than an empty widget's whole
    /// paint). Subclasses of type are painted as usual whatever they
    /// draw. Call it from the class's constructor with typeid of that class.
    void SetPaintExtent(PaintExtent extent, const std::type_info& type);

    /// Marks the start (true) and the end (false) of this container's own placing of its
    /// children, so that the moves and resizes it causes are not taken for changes made by
    /// anyone else (see TakeChildrenChanged()).
    void SetPlacingChildren(bool placing);
    /// Whether, since the last call, a child was resized, moved, shown, hidden, restacked or
    /// re-docked by anyone but this widget's own placing; the mark is cleared.
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
