// The Windows back end: the window answers the native non-client messages itself, so that
// Windows moves and resizes the frameless window, maximises it on a double click and tells it
// when it is active.
#include "WFormShadowPlatform_p.h"

#ifdef Q_OS_WIN

#include "WFormShadow_p.h"

#include <QPixmap>

#include <windows.h>
#include <windowsx.h>

// Exported by Qt Gui on Windows; turns a pixmap into a native icon handle.
Q_GUI_EXPORT HICON qt_pixmapToWinHICON(const QPixmap& pixmap);

namespace {

using Hit = WFormShadow::Hit;

LRESULT hitCode(Hit hit)
{
    switch (hit) {
    case Hit::Caption:
        return HTCAPTION;
    case Hit::Left:
        return HTLEFT;
    case Hit::Right:
        return HTRIGHT;
    case Hit::Top:
        return HTTOP;
    case Hit::TopLeft:
        return HTTOPLEFT;
    case Hit::TopRight:
        return HTTOPRIGHT;
    case Hit::Bottom:
        return HTBOTTOM;
    case Hit::BottomLeft:
        return HTBOTTOMLEFT;
    case Hit::BottomRight:
        return HTBOTTOMRIGHT;
    default:
        return HTCLIENT;
    }
}

class WinPlatform : public WFormShadowPlatform
{
public:
    explicit WinPlatform(WFormShadow* window) : window(window) {}

    bool NativeEvent(const QByteArray&, void* message, WNativeEventResult* result) override
    {
        const MSG* msg = static_cast<const MSG*>(message);
        switch (msg->message) {
        case WM_NCACTIVATE:
            window->SetActive(msg->wParam != 0);
            return false; // Windows goes on with its own activation handling
        case WM_NCHITTEST: {
            // The message carries physical screen pixels; the window works in logical ones.
            const qreal ratio = window->devicePixelRatioF();
            const QPoint pos(qRound(GET_X_LPARAM(msg->lParam) / ratio) - window->x(),
                             qRound(GET_Y_LPARAM(msg->lParam) / ratio) - window->y());
            const Hit hit = window->HitTest(pos);
            if (hit == Hit::Client)
                return false;
            *result = WNativeEventResult(hitCode(hit));
            return true;
        }
        case WM_NCLBUTTONDOWN:
            window->NonClientPress();
            return false; // Windows goes on with its own move or resize
        case WM_NCLBUTTONDBLCLK:
            window->NonClientDoubleClick();
            return true;
        default:
            return false;
        }
    }

    bool ActivationFromQt() const override { return false; }
    bool Translucent() override { return true; }
    void WindowShown() override {}

    void SetIcon(const QPixmap& pixmap) override
    {
        const HWND hwnd = reinterpret_cast<HWND>(window->winId());
        const HICON icon = pixmap.isNull() ? nullptr : qt_pixmapToWinHICON(pixmap);
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }

private:
    WFormShadow* const window;
};

} // namespace

std::unique_ptr<WFormShadowPlatform> WFormShadowPlatform::Create(WFormShadow* window)
{
    return std::make_unique<WinPlatform>(window);
}

#endif
