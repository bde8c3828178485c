#pragma once

#include "WContainer.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

class QIcon;
class QImage;
class QKeyEvent;
class WFormShadow;
class WPanel;
struct WFormPrivate;

/// The library's window: a container with its own title bar (title text, minimise,
/// maximise/restore and close buttons) that lives inside a frameless, translucent top-level window
/// painting a soft shadow around it. Window operations (move, resize, show, minimise, close,
/// modality, icon) act on that window; the form lays out and paints its content.
///
/// Children dock and anchor in the area below the title bar as in a WPanel. Styled by
/// properties: BackColor() for the content, TitleBackColor(), TitleFont() and ForeColor() for
/// the title bar, SysButtonColor() and SysButtonColorHover() for the buttons' glyphs, and the
/// border properties of WBase. While the keyboard switch is on (WBase::SetKeyboardAccess()),
/// Alt+F4 closes the window and Escape closes a modal one.
///
/// The window operations hide QWidget's functions of the same names, which are not virtual:
/// call them on a WForm, not through a QWidget pointer, which would reach only the form inside
/// its window.
///
/// In Designer there is no such window: the form is an ordinary child of the form editor, and
/// the window operations act on the form itself where that makes sense.
///
/// \image html WForm.png
///
/// \sa WPanel
class WEXAL_EXPORT WForm : public WContainer
{
    Q_OBJECT
    Q_PROPERTY(DockType::Types Dock READ Dock DESIGNABLE false)
    Q_PROPERTY(PositionFlag::Flags Anchor READ Anchor DESIGNABLE false)
    Q_PROPERTY(int Radius READ Radius DESIGNABLE false)
    Q_PROPERTY(bool CanResize READ CanResize WRITE SetCanResize)
    Q_PROPERTY(bool ShowShadow READ ShowShadow WRITE SetShowShadow)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QFont TitleFont READ TitleFont WRITE SetTitleFont)
    Q_PROPERTY(int TitlePadding READ TitlePadding WRITE SetTitlePadding)
    Q_PROPERTY(Qt::Alignment alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int TitleHeight READ TitleHeight WRITE SetTitleHeight)
    Q_PROPERTY(QColor TitleBackColor READ TitleBackColor WRITE SetTitleBackColor)
    Q_PROPERTY(QSize SysButtonSize READ SysButtonSize WRITE SetSysButtonSize)
    Q_PROPERTY(QColor SysButtonColor READ SysButtonColor WRITE SetSysButtonColor)
    Q_PROPERTY(QColor SysButtonColorHover READ SysButtonColorHover WRITE SetSysButtonColorHover)
    Q_PROPERTY(bool ShowMinimizeButton READ ShowMinimizeButton WRITE SetShowMinimizeButton)
    Q_PROPERTY(bool ShowMaximizeButton READ ShowMaximizeButton WRITE SetShowMaximizeButton)

public:
    /// Makes the form and its window, hidden until show() or exec(). A WForm parent makes this
    /// form its child window: kept above the parent's, centred on it by show(true) and
    /// exec(true), and destroyed with it.
    Q_INVOKABLE explicit WForm(QWidget* parent = nullptr);
    ~WForm() override;

    /// Whether the user may resize the window: while set, the window's edges and corners resize
    /// it and a double click on the title bar maximises or restores it. Default true.
    bool CanResize() const;
    /// Sets whether the user may resize the window; see CanResize().
    void SetCanResize(bool canResize);

    /// Whether the window paints its shadow. While set, the resize zones reach 21 pixels in from
    /// the window's edge (the 16-pixel shadow band and 5 pixels of the form); while clear, 5
    /// pixels. Default true.
    bool ShowShadow() const;
    /// Sets whether the window paints its shadow; see ShowShadow().
    void SetShowShadow(bool showShadow);

    /// The text drawn in the title bar, also the name a screen reader gives the window. Default
    /// empty. The window title the task bar shows is QWidget::setWindowTitle()'s, as usual.
    const QString& Title() const;
    /// Sets the title text; see Title().
    void SetTitle(const QString& title);

    /// The font of the title text. Default the application's font when the form was made.
    const QFont& TitleFont() const;
    /// Sets the title font; see TitleFont().
    void SetTitleFont(const QFont& font);

    /// The room kept free before the title text at the start of the title bar, in pixels
    /// (the right end, right to left). Default 0. A padding that leaves no room leaves no text.
    int TitlePadding() const;
    /// Sets the room before the title; see TitlePadding(). Stored as given.
    void SetTitlePadding(int padding);

    /// How the title text is aligned in the title bar. Default Qt::AlignCenter.
    Qt::Alignment Alignment() const;
    /// Sets the title's alignment; see Alignment(). Only the horizontal and vertical flags (the low
    /// nine bits) are kept.
    void SetAlignment(Qt::Alignment alignment);

    /// The height of the title bar, in pixels. Default 30.
    int TitleHeight() const;
    /// Sets the title bar's height and lays the form out again; see TitleHeight(). Clamped to
    /// 0..QWIDGETSIZE_MAX. The system buttons keep their height (see SetSysButtonSize()).
    void SetTitleHeight(int height);

    /// The background colour of the title bar. Default an invalid QColor.
    const QColor& TitleBackColor() const;
    /// Sets the title bar's background colour; see TitleBackColor().
    void SetTitleBackColor(const QColor& color);

    /// The size of each system button (minimise, maximise or restore, close), in pixels; they
    /// sit side by side at the end of the title bar. Default 45 x 30.
    QSize SysButtonSize() const;
    /// Sets the system buttons' size; see SysButtonSize(). Negative extents are taken as 0; the
    /// height is cut to the title bar's height at the time of the call.
    void SetSysButtonSize(const QSize& size);

    /// The colour of the system buttons' glyphs. Default an invalid QColor, which leaves them
    /// white.
    const QColor& SysButtonColor() const;
    /// Sets the system buttons' glyph colour; see SysButtonColor().
    void SetSysButtonColor(const QColor& color);
    /// The colour of a system button's glyph while the pointer is over it. Default an invalid
    /// QColor, which leaves it white.
    const QColor& SysButtonColorHover() const;
    /// Sets the system buttons' hover glyph colour; see SysButtonColorHover().
    void SetSysButtonColorHover(const QColor& color);

    /// Whether the title bar shows the minimise button. Default true.
    bool ShowMinimizeButton() const;
    /// Sets whether the minimise button shows; see ShowMinimizeButton().
    void SetShowMinimizeButton(bool show);
    /// Whether the title bar shows the maximise (or, while maximised, restore) button. Default
    /// true.
    bool ShowMaximizeButton() const;
    /// Sets whether the maximise button shows; see ShowMaximizeButton().
    void SetShowMaximizeButton(bool show);

    /// Sets the window's icon, for the task bar and the window list; the form draws no icon
    /// itself. Does nothing in Designer.
    void SetIcon(const QImage& image);
    /// Sets the window's icon from icon's pixmap closest to 32 x 32; see SetIcon(const QImage&).
    void SetIcon(const QIcon& icon);

    /// Moves the window so that the form's top-left lands on pos, in screen coordinates; the
    /// window around it is 16 pixels larger on every side, for the shadow.
    void move(const QPoint& pos);
    /// Moves the window; see move(const QPoint&).
    void move(int x, int y) { move(QPoint(x, y)); }
    /// Resizes the form, and its window around it. Negative extents are taken as 0, and sizes
    /// larger than a window can be are cut.
    void resize(const QSize& size);
    /// Resizes the form; see resize(const QSize&).
    void resize(int w, int h) { resize(QSize(w, h)); }
    /// Moves and resizes the form in one step, as move() and resize() do.
    void setGeometry(const QRect& rect);
    /// Moves and resizes the form; see setGeometry(const QRect&).
    void setGeometry(int x, int y, int w, int h);
    /// Sets the smallest size the user can resize the form to; clamped as in resize().
    void setMinimumSize(int w, int h);
    /// Sets the smallest size; see setMinimumSize(int, int).
    void setMinimumSize(const QSize& size) { setMinimumSize(size.width(), size.height()); }

    /// Shows the window; with center, centred on the parent form first (no effect without a
    /// WForm parent).
    void show(bool center = false);
    /// Hides the window; a modal exec() returns 0.
    void hide();
    /// Shows the window again in the state it had before it was minimised: maximised or normal.
    void showNormal();
    /// Minimises the window; the minimise button calls it.
    virtual void showMinimized();
    /// Maximises the window; the maximise button calls it.
    virtual void showMaximized();
    /// Called when the restore button is clicked; restores the maximised window to its normal
    /// size.
    virtual void RestoreButtonClickedEvent();
    /// Closes the window, as QWidget::close() does for it; the close button calls it. Returns
    /// whether it was closed.
    virtual bool close();

    /// Shows the window modally (blocking input to its parent's window) and blocks until exit()
    /// is called (returning its code) or the form is hidden or closed (returning 0). A form runs
    /// one exec at a time: a nested call on the same form returns -1 at once. With center, the
    /// window is centred on the parent form first. Returns 0 at once in Designer.
    int exec(bool center = false);
    /// Ends the running exec(), which returns code; does nothing when none runs.
    void exit(int code);

    /// Called when the left button goes down on the bare title bar or in a resize zone, before
    /// the window starts moving or resizing. Does nothing by default.
    virtual void TitleMousePressEvent();

    /// How the form's window tells the form that it is being destroyed; not for applications.
    static void ShadowDeleted(QWidget* form);
    /// How the form's window reports a press on the title bar (it calls
    /// TitleMousePressEvent()); not for applications.
    static void TitleMousePress(QWidget* form);

protected:
    /// Lays the form out when its children or area change, ends a modal run when the form is
    /// hidden, and handles Alt+F4 and Escape while the keyboard switch is on.
    bool event(QEvent* e) override;
    /// Ends a modal run when the form's window is hidden.
    bool eventFilter(QObject* watched, QEvent* e) override;
    /// Draws the title bar's background and title, the content's background and the border.
    void Paint(QPainter* painter) override;
    /// Places the docked and anchored children that are visible, and the system buttons at the
    /// end of the title bar.
    void ReLayout();

private:
    // Alt+F4 and Escape, come back unaccepted; true when used (the form may be gone then).
    bool HandleWindowKey(QKeyEvent* e);
    const std::unique_ptr<WFormPrivate> d;
};
