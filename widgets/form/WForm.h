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

// The library's window: a container with its own title bar (title text, minimise,
// maximise/restore and close buttons) that lives inside a frameless, translucent top-level window
// painting a soft shadow around it. Window operations (move, resize, show, minimise, close,
// modality, icon) act on that window; the form lays out and paints its content.
//
// In Designer there is no such window: the form is an ordinary child of the form editor, and
// the window operations act on the form itself where that makes sense.
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
    // A WForm parent makes this form its child window: centred on it by show(true) and
    // exec(true), and destroyed with it.
    Q_INVOKABLE explicit WForm(QWidget* parent = nullptr);
    ~WForm() override;

    // While set, the window's edges and corners resize it and a double click on the title bar
    // maximises or restores it.
    bool CanResize() const;
    void SetCanResize(bool canResize);

    // While set, the window paints its shadow and its resize zones reach 21 pixels in from the
    // window's edge; while clear, 5 pixels.
    bool ShowShadow() const;
    void SetShowShadow(bool showShadow);

    const QString& Title() const;
    void SetTitle(const QString& title);

    const QFont& TitleFont() const;
    void SetTitleFont(const QFont& font);

    int TitlePadding() const;
    void SetTitlePadding(int padding);

    // Of the title text; only the horizontal and vertical flags (the low nine bits) are kept.
    Qt::Alignment Alignment() const;
    void SetAlignment(Qt::Alignment alignment);

    int TitleHeight() const;
    void SetTitleHeight(int height);

    const QColor& TitleBackColor() const;
    void SetTitleBackColor(const QColor& color);

    // The height is cut to the title bar's height at the time of the call.
    QSize SysButtonSize() const;
    void SetSysButtonSize(const QSize& size);

    // The glyph colours of the four system buttons.
    const QColor& SysButtonColor() const;
    void SetSysButtonColor(const QColor& color);
    const QColor& SysButtonColorHover() const;
    void SetSysButtonColorHover(const QColor& color);

    bool ShowMinimizeButton() const;
    void SetShowMinimizeButton(bool show);
    bool ShowMaximizeButton() const;
    void SetShowMaximizeButton(bool show);

    // The window's icon, for the task bar and the window list; the form draws no icon itself.
    void SetIcon(const QImage& image);
    void SetIcon(const QIcon& icon);

    // Window placement in the form's own terms: the form's top-left lands on the point, and the
    // window around it is 16 pixels larger on every side.
    void move(const QPoint& pos);
    void move(int x, int y) { move(QPoint(x, y)); }
    void resize(const QSize& size);
    void resize(int w, int h) { resize(QSize(w, h)); }
    void setGeometry(const QRect& rect);
    void setGeometry(int x, int y, int w, int h);
    void setMinimumSize(int w, int h);
    void setMinimumSize(const QSize& size) { setMinimumSize(size.width(), size.height()); }

    // Shows the window; with center, centred on the parent form.
    void show(bool center = false);
    void hide();
    // Shows the window again in the state it had before it was minimised: maximised or normal.
    void showNormal();
    virtual void showMinimized();
    virtual void showMaximized();
    virtual void RestoreButtonClickedEvent();
    virtual bool close();

    // Shows the window modally and blocks until exit() is called (returning its code) or the
    // form is hidden or closed (returning 0). A form runs one exec at a time: a nested call on
    // the same form returns -1 at once.
    int exec(bool center = false);
    void exit(int code);

    // Called when the left button goes down on the bare title bar or in a resize zone, before the
    // window starts moving or resizing.
    virtual void TitleMousePressEvent();

    // How the window reaches the form; static so that the window needs to know no more of it.
    static void ShadowDeleted(QWidget* form);
    static void TitleMousePress(QWidget* form);

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void Paint(QPainter* painter) override;
    void ReLayout();

private:
    // Alt+F4 and Escape, come back unaccepted; true when used (the form may be gone then).
    bool HandleWindowKey(QKeyEvent* e);
    const std::unique_ptr<WFormPrivate> d;
};
