// The back end for every platform but Windows: Qt's own window API. A left press on the bare
// title bar or in a resize zone hands the move or resize to the window manager at the first
// motion (QWindow::startSystemMove / startSystemResize), or, where the platform cannot do that,
// moves and resizes the window from the pointer itself.
#include "WFormShadowPlatform_p.h"

#ifndef Q_OS_WIN

#include "WFormShadow_p.h"
#include "WQtCompat_p.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

#ifdef WEXAL_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

using Hit = WFormShadow::Hit;

Qt::Edges edgesOf(Hit hit)
{
    switch (hit) {
    case Hit::Left:
        return Qt::LeftEdge;
    case Hit::Right:
        return Qt::RightEdge;
    case Hit::Top:
        return Qt::TopEdge;
    case Hit::Bottom:
        return Qt::BottomEdge;
    case Hit::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case Hit::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case Hit::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case Hit::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape cursorOf(Hit hit)
{
    switch (hit) {
    case Hit::Left:
    case Hit::Right:
        return Qt::SizeHorCursor;
    case Hit::Top:
    case Hit::Bottom:
        return Qt::SizeVerCursor;
    case Hit::TopLeft:
    case Hit::BottomRight:
        return Qt::SizeFDiagCursor;
    case Hit::TopRight:
    case Hit::BottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

#ifdef WEXAL_HAVE_XCB
// Whether a compositing manager runs on the X display: it owns the selection _NET_WM_CM_S<n>.
// Asked over a connection of our own, kept open for the process, since Qt's is not public.
class CompositorProbe
{
public:
    ~CompositorProbe()
    {
        if (connection)
            xcb_disconnect(connection);
    }

    bool Running()
    {
        if (!Connect())
            return true; // cannot tell: keep the shadow rather than cut it away
        const xcb_get_selection_owner_cookie_t cookie = xcb_get_selection_owner(connection, atom);
        xcb_get_selection_owner_reply_t* reply =
            xcb_get_selection_owner_reply(connection, cookie, nullptr);
        const bool owned = reply && reply->owner != XCB_NONE;
        std::free(reply);
        return owned;
    }

private:
    bool Connect()
    {
        if (connection || failed)
            return connection != nullptr;
        int screen = 0;
        connection = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(connection)) {
            xcb_disconnect(connection);
            connection = nullptr;
            failed = true;
            return false;
        }
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()),
            nullptr);
        atom = reply ? reply->atom : XCB_NONE;
        std::free(reply);
        if (atom == XCB_NONE) {
            xcb_disconnect(connection);
            connection = nullptr;
            failed = true;
        }
        return connection != nullptr;
    }

    xcb_connection_t* connection = nullptr;
    xcb_atom_t atom = XCB_NONE;
    bool failed = false;
};
#endif

class QtPlatform : public QObject, public WFormShadowPlatform
{
public:
    explicit QtPlatform(WFormShadow* window) : window(window) {}

    bool NativeEvent(const QByteArray&, void*, WNativeEventResult*) override { return false; }
    bool ActivationFromQt() const override { return true; }

    bool Translucent() override
    {
#ifdef WEXAL_HAVE_XCB
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            static CompositorProbe probe;
            return probe.Running();
        }
#endif
        return true;
    }

    void WindowShown() override
    {
        QWindow* handle = window->windowHandle();
        if (handle && handle != filtered) {
            handle->installEventFilter(this);
            filtered = handle;
        }
    }

    void SetIcon(const QPixmap& pixmap) override
    {
        window->setWindowIcon(QIcon(pixmap));
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            return Press(static_cast<QMouseEvent*>(e));
        case QEvent::MouseMove:
            return Move(static_cast<QMouseEvent*>(e));
        case QEvent::MouseButtonRelease:
            return Release(static_cast<QMouseEvent*>(e));
        case QEvent::MouseButtonDblClick:
            return DoubleClick(static_cast<QMouseEvent*>(e));
        default:
            return false;
        }
    }

private:
    // A non-client interaction, from the left press to its release. While one runs the widgets
    // see none of its mouse events: a press they never saw must not end in a release they do
    // (a button would take it for a click).
    enum class Drag {
        None,
        Armed,  // pressed, not moved yet
        Manual, // following the pointer ourselves
        System, // the window manager follows it; its release may never reach us
        Swallow // a double click happened; waiting for the release
    };

    bool Press(QMouseEvent* e)
    {
        if (e->button() != Qt::LeftButton)
            return drag != Drag::None;
        hit = window->HitTest(WEventPos(e).toPoint());
        if (hit == Hit::Client) {
            drag = Drag::None;
            return false;
        }
        drag = Drag::Armed;
        pressGlobal = WGlobalPos(e);
        startGeometry = window->geometry();
        // The form's hook may delete the window and this back end with it: nothing is touched
        // after it.
        window->NonClientPress();
        return true;
    }

    bool Move(QMouseEvent* e)
    {
        const bool held = e->buttons() & Qt::LeftButton;
        switch (drag) {
        case Drag::Armed:
            if (!held)
                break;
            // The move starts at the first motion, with the button surely down: started at the
            // press, a quick click could reach the window manager after its release and leave
            // it moving the window with no button held.
            if (StartSystemDrag()) {
                drag = Drag::System;
            } else {
                drag = Drag::Manual;
                Follow(WGlobalPos(e));
            }
            return true;
        case Drag::Manual:
            if (!held)
                break;
            Follow(WGlobalPos(e));
            return true;
        case Drag::System:
        case Drag::Swallow:
            if (held)
                return true;
            break;
        case Drag::None:
            break;
        }
        drag = Drag::None;
        UpdateCursor(window->HitTest(WEventPos(e).toPoint()));
        return false;
    }

    bool Release(QMouseEvent* e)
    {
        if (drag == Drag::None)
            return false;
        if (e->button() == Qt::LeftButton)
            drag = Drag::None;
        return true;
    }

    bool DoubleClick(QMouseEvent* e)
    {
        if (e->button() != Qt::LeftButton)
            return drag != Drag::None;
        if (window->HitTest(WEventPos(e).toPoint()) == Hit::Client)
            return false;
        drag = Drag::Swallow;
        window->NonClientDoubleClick();
        return true;
    }

    bool StartSystemDrag()
    {
        QWindow* handle = window->windowHandle();
        if (!handle)
            return false;
        const Qt::Edges edges = edgesOf(hit);
        return edges ? handle->startSystemResize(edges) : handle->startSystemMove();
    }

    // Moves or resizes the window by the pointer's way since the press, keeping within the
    // window's size limits; a left or top edge moves while the opposite one stays.
    void Follow(const QPoint& global)
    {
        const QPoint delta = global - pressGlobal;
        const Qt::Edges edges = edgesOf(hit);
        if (!edges) {
            window->move(startGeometry.topLeft() + delta);
            return;
        }
        const QSize low = window->minimumSize().expandedTo(
            QSize(2 * WFormShadow::Margin + 1, 2 * WFormShadow::Margin + 1));
        const QSize high = window->maximumSize().expandedTo(low);
        QRect g = startGeometry;
        if (edges & Qt::LeftEdge)
            g.setLeft(qBound(g.right() + 1 - high.width(), g.left() + delta.x(),
                             g.right() + 1 - low.width()));
        if (edges & Qt::RightEdge)
            g.setWidth(qBound(low.width(), g.width() + delta.x(), high.width()));
        if (edges & Qt::TopEdge)
            g.setTop(qBound(g.bottom() + 1 - high.height(), g.top() + delta.y(),
                            g.bottom() + 1 - low.height()));
        if (edges & Qt::BottomEdge)
            g.setHeight(qBound(low.height(), g.height() + delta.y(), high.height()));
        window->setGeometry(g);
    }

    // The zone's resize cursor while the pointer is over a zone. It is set on the window, so that
    // every widget under the pointer that has no cursor of its own shows it.
    void UpdateCursor(Hit now)
    {
        const Qt::CursorShape shape = cursorOf(now);
        if (shape == zoneCursor)
            return;
        zoneCursor = shape;
        if (shape == Qt::ArrowCursor)
            window->unsetCursor();
        else
            window->setCursor(shape);
    }

    WFormShadow* const window;
    QPointer<QWindow> filtered;
    Drag drag = Drag::None;
    Hit hit = Hit::Client;
    QPoint pressGlobal;
    QRect startGeometry;
    Qt::CursorShape zoneCursor = Qt::ArrowCursor; // the window's own cursor; arrow: none
};

} // namespace

std::unique_ptr<WFormShadowPlatform> WFormShadowPlatform::Create(WFormShadow* window)
{
    return std::make_unique<QtPlatform>(window);
}

#endif
