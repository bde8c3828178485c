#pragma once

#include "WQtCompat_p.h"
#include "wexal_export.h"

#include <QWidget>

#include <memory>

class WForm;
class WPanel;
struct WFormShadowPrivate;

// The real top-level window behind every WForm outside Designer: frameless, translucent and 16
// pixels larger than the form on every side. It paints a soft shadow into that margin, holds the
// form as its only content, and tells the window system where the title bar and the resize
// zones lie, so that the frameless window can still be dragged, resized, maximised by a double
// click and drawn as active or inactive. How it talks to the window system is up to its
// platform back end (WFormShadowPlatform_p.h); what the zones are is decided here, once.
class WEXAL_AUTOTEST_EXPORT WFormShadow : public QWidget
{
    Q_OBJECT

public:
    // The shadow band around the form, on every side; it matches the shadow images.
    static constexpr int Margin = 16;

    // What a point of the window is to the window system.
    enum class Hit {
        Client,  // a child of the form, or the form's client area: the widgets handle it
        Caption, // the bare title bar: dragging moves the window
        Left,
        Right,
        Top,
        TopLeft,
        TopRight,
        Bottom,
        BottomLeft,
        BottomRight,
    };

    explicit WFormShadow(QWidget* parent);
    ~WFormShadow() override;

    // The content and how to reach it: shadowDeleted is called from the destructor with the
    // form, titlePress on a left press in the non-client area.
    void SetForm(WForm* form, WPanel* titleBar, void (*shadowDeleted)(QWidget*),
                 void (*titlePress)(QWidget*));
    // The form is going away by itself; the window must not call it back.
    void ClearForm();
    WForm* Form() const;

    // Placing the window from form coordinates.
    void MoveForm(int x, int y);
    void ResizeForm(int w, int h);
    void SetFormGeometry(int x, int y, int w, int h);
    void SetFormMinimumSize(int w, int h);
    void FillWithForm();

    bool CanResize() const;
    void SetCanResize(bool canResize);
    bool ShowShadow() const;
    void SetShowShadow(bool showShadow);

    // Whether the window is drawn as active, and whether it was maximised at the last state
    // change.
    bool IsActive() const;
    void SetActive(bool active);
    bool WasMaximized() const;

    // Where the window system cannot show translucent pixels, the margin is cut away with a
    // window mask rather than shown as a dark band.
    bool MarginCut() const;
    // Asks the window system again and cuts the margin or restores it.
    void UpdateWindowShape();
    // Replaces the window system's answer about translucency: 1 translucent, 0 not, -1 ask.
    static void OverrideTranslucency(int translucent);

    // What the point (in window coordinates) is to the window system.
    Hit HitTest(const QPoint& pos);
    // A left press in the non-client area: the form hears of it before anything moves. The
    // form's hook may delete this window.
    void NonClientPress();
    // A double click in the non-client area: maximises or restores, unless resizing is off.
    void NonClientDoubleClick();

    void SetIcon(const QPixmap& pixmap);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool nativeEvent(const QByteArray& eventType, void* message,
                     WNativeEventResult* result) override;
    void changeEvent(QEvent* e) override;

private:
    void PlaceForm();
    // Follows the density of the screen the window is on: when it changes, the window is
    // painted again, with the drawings that suit the new density.
    void WatchScreen();

    const std::unique_ptr<WFormShadowPrivate> d;
};
