#pragma once

#include "WQtCompat_p.h"

#include <QByteArray>

#include <memory>

class QPixmap;
class WFormShadow;

// How a form's window talks to the window system. The window decides what each point is
// (WFormShadow::HitTest) and what a non-client press or double click does; a back end only
// carries that to and from the platform. Windows has its own back end, compiled only there,
// which answers the native non-client messages; everywhere else the Qt back end starts the
// window manager's own move and resize, sets the resize cursors and reports activation from
// Qt's events.
class WFormShadowPlatform
{
public:
    virtual ~WFormShadowPlatform() = default;

    // The back end of this platform for window, which owns it.
    static std::unique_ptr<WFormShadowPlatform> Create(WFormShadow* window);

    // The native messages of the window; true when handled, with the answer in result.
    virtual bool NativeEvent(const QByteArray& eventType, void* message,
                             WNativeEventResult* result) = 0;
    // Whether the active and inactive look follows Qt's activation events (otherwise the
    // native messages say when the window is active).
    virtual bool ActivationFromQt() const = 0;
    // Whether the window system shows the window's transparent pixels as transparent.
    virtual bool Translucent() = 0;
    // Called when the window is about to be shown, its native window created.
    virtual void WindowShown() = 0;
    // The big and the small icon of the window, both from this pixmap.
    virtual void SetIcon(const QPixmap& pixmap) = 0;
};
