#include "WRightPress_p.h"

#include "WAliveGuard_p.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>

#include <utility>
#include <vector>

namespace {

struct Pending
{
    QPointer<QObject> owner;
    std::function<void()> emitSignal;
};

class RightPressWatch : public QObject
{
public:
    // While Qt delivers a spontaneous right press to a window whose platform opens context menus
    // on the press (all but Windows, which opens them on the release).
    bool armed = false;
    std::vector<Pending> pending;

    void Flush()
    {
        armed = false;
        // Each emit may run application code that presses again or deletes owners.
        std::vector<Pending> due;
        due.swap(pending);
        for (Pending& p : due) {
            if (p.owner)
                p.emitSignal();
        }
    }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!watched->isWindowType())
                break;
            // A press whose context menu never came (another filter took it) still announces
            // itself, now that its delivery is over.
            if (!pending.empty()) {
                const QPointer<QObject> target(watched);
                Flush();
                if (!target)
                    return true;
            }
            armed = e->type() == QEvent::MouseButtonPress && e->spontaneous() &&
                    static_cast<QMouseEvent*>(e)->button() == Qt::RightButton &&
                    ContextMenuOnPress();
            break;
        case QEvent::ContextMenu: {
            if (!armed || static_cast<QContextMenuEvent*>(e)->reason() != QContextMenuEvent::Mouse)
                break;
            const WAliveGuard receiver(watched);
            Flush();
            // Qt must not deliver to a receiver the handlers deleted; the event counts as taken.
            if (!receiver)
                return true;
            break;
        }
        default:
            break;
        }
        return false;
    }

    static bool ContextMenuOnPress()
    {
        static const bool onPress = !QGuiApplication::platformName().startsWith(
            QLatin1String("windows"), Qt::CaseInsensitive);
        return onPress;
    }
};

RightPressWatch* watch()
{
    static QPointer<RightPressWatch> instance;
    auto* app = QCoreApplication::instance();
    if (!instance && app) {
        // A child of the application goes with it; a later application gets a new watch.
        instance = new RightPressWatch;
        instance->setParent(app);
        app->installEventFilter(instance);
    }
    return instance;
}

} // namespace

void WRightPress::Watch()
{
    watch();
}

void WRightPress::Emit(QObject* owner, std::function<void()> emitSignal)
{
    RightPressWatch* w = watch();
    if (w && w->armed) {
        w->pending.push_back(Pending{owner, std::move(emitSignal)});
        return;
    }
    emitSignal();
}
