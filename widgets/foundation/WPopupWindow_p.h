#pragma once

#include "PositionFlag.h"
#include "WIconPatch_p.h"
#include "wexal_export.h"

#include <QRect>

#include <functional>

class QColor;
class QEvent;
class QEventLoop;
class QPainter;
class QWidget;

// What the library's popup windows (the menu, a combo box's list) have in common: a frameless,
// translucent popup window with a soft shadow band along its right and bottom edges, shown and
// waited on in a local event loop that ends however the window goes away.
//
// The window keeps its helper in its private record and hands it every event first. Deleting
// the window then deletes the helper, which ends a wait in progress: the blocked Exec comes
// back, sees the window gone and touches nothing.
class WEXAL_AUTOTEST_EXPORT WPopupWindow
{
public:
    // The width of the shadow band; the window's face is this much narrower and shorter.
    static constexpr int ShadowBand = 4;

    // Besides the window hiding, what else ends the wait. Under CloseOrHide a close that the
    // window refuses (in a subclass's closeEvent) ends it as well: the closing was asked for,
    // and Exec then hides the window itself.
    enum class EndsOn { Hide, CloseOrHide };

    WPopupWindow(QWidget* window, EndsOn endsOn);
    ~WPopupWindow();

    WPopupWindow(const WPopupWindow&) = delete;
    WPopupWindow& operator=(const WPopupWindow&) = delete;

    // Makes the window a frameless, translucent popup without the platform's own shadow, which
    // would be drawn around the band.
    void MakePopup();

    bool IsOpen() const { return loop != nullptr; }
    // The local event loop of the open window, or null.
    QEventLoop* Loop() const { return loop; }
    // Ends the wait, if one runs; Exec returns once control is back in its loop.
    void Exit();

    // Shows the window and waits until the wait ends: by Exit, by the window going away, or by
    // the application quitting. `shown` runs only when the window did show, just before the
    // wait. The window is hidden again afterwards. Returns false when the window, and with it
    // this helper, was deleted meanwhile: the caller must then return without touching either.
    // Not while open: the callers refuse a second opening before they prepare anything.
    bool Exec(const std::function<void()>& shown = {});

    // The window's events, before it handles them.
    void Event(const QEvent* e);

    // Composes the shadow for the window's size and density now, so that the next paint only
    // blits.
    void PrepareShadow();
    // The window's rectangle without the shadow band.
    QRect Face() const;
    // The shadow band, and the face filled and bordered as a widget draws its own.
    void Paint(QPainter* painter, const QColor& back, const QColor& borderColor,
               PositionFlag::Flags borders, int borderWidth);

private:
    QWidget* window;
    EndsOn endsOn;
    QEventLoop* loop = nullptr;
    WIconPatch shadow;
};
