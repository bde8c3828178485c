#include "WPopupWindow_p.h"

#include "WAliveGuard_p.h"
#include "WDrawAPI.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>

WPopupWindow::WPopupWindow(QWidget* window, EndsOn endsOn)
    : window(window), endsOn(endsOn), shadow(QStringLiteral(":/Icons/Shadow.png"), 6)
{
}

WPopupWindow::~WPopupWindow()
{
    // The window is being deleted during its own wait: the blocked Exec must come back.
    Exit();
}

void WPopupWindow::MakePopup()
{
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
}

void WPopupWindow::Exit()
{
    // A loop told once is no longer running; telling it again (the hide that follows a close)
    // would only wake the event dispatcher once more, a system call each time. One not yet
    // running would forget it anyway: exec starts afresh.
    if (loop && loop->isRunning())
        loop->exit();
}

bool WPopupWindow::Exec(const std::function<void()>& shown)
{
    Q_ASSERT(!loop);
    // On this stack frame, not in the helper: a window deleted during the wait takes the helper
    // with it, and a running loop must outlive its exec().
    QEventLoop wait;
    loop = &wait;
    const WAliveGuard alive(window);
    window->show();
    // Hidden again at once (by an event filter, or by what `shown` sets off), the window would
    // leave the wait running with nothing to end it.
    if (alive && window->isVisible()) {
        if (shown)
            shown();
        if (alive && window->isVisible())
            wait.exec();
    }
    if (!alive)
        return false;
    loop = nullptr;
    // Normally hidden already; not when the application quit under it or a press ended it.
    window->hide();
    return true;
}

void WPopupWindow::Event(const QEvent* e)
{
    // However the window went away (a press elsewhere, Escape, the application), the wait is
    // over.
    if (e->type() == QEvent::Hide || (e->type() == QEvent::Close && endsOn == EndsOn::CloseOrHide))
        Exit();
}

void WPopupWindow::PrepareShadow()
{
    shadow.Prepare(window->size(), window->devicePixelRatioF());
}

QRect WPopupWindow::Face() const
{
    return QRect(0, 0, window->width() - ShadowBand, window->height() - ShadowBand);
}

void WPopupWindow::Paint(QPainter* painter, const QColor& back, const QColor& borderColor,
                         PositionFlag::Flags borders, int borderWidth)
{
    shadow.Paint(painter, window->size());
    const QRect face = Face();
    WDrawAPI::DrawBackColor(painter, face, 0, back, borderWidth);
    WDrawAPI::DrawBorder(painter, face, 0, borderColor, borders, borderWidth);
}
