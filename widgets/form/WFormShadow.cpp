#include "WFormShadow_p.h"

#include "WDrawAPI.h"
#include "WForm.h"
#include "WFormShadowPlatform_p.h"
#include "WIconPatch_p.h"
#include "WPanel.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <climits>

namespace {

int translucencyOverride = -1;

// Resize zones: with the shadow band they reach 5 pixels into the form; without it they are the
// window's outermost 5 pixels.
constexpr int wideZone = WFormShadow::Margin + 5;
constexpr int narrowZone = 5;

// Form coordinates become window coordinates 16 pixels further out; sizes 32 pixels larger.
// Taken wide and clamped, so that absurd values place the window far out instead of
// overflowing.
int outward(int v)
{
    // Far enough for any screen, and near enough that a window's far edge stays an int.
    constexpr qint64 limit = 1 << 28;
    return int(qBound(-limit, qint64(v) - WFormShadow::Margin, limit));
}

int grown(int v)
{
    return int(qBound(qint64(0), qint64(v) + 2 * WFormShadow::Margin, qint64(QWIDGETSIZE_MAX)));
}

// The form covers the centre.
std::unique_ptr<WIconPatch> shadowPatch(const char* path)
{
    return std::make_unique<WIconPatch>(QString::fromLatin1(path), WFormShadow::Margin, true);
}

} // namespace

struct WFormShadowPrivate
{
    bool active = false;
    bool maximized = false;
    std::unique_ptr<WIconPatch> activeShadow = shadowPatch("://Icons/WForm/ShadowActive.png");
    std::unique_ptr<WIconPatch> inactiveShadow = shadowPatch("://Icons/WForm/ShadowInactive.png");
    bool canResize = true;
    bool showShadow = true;
    bool marginCut = false;
    WForm* form = nullptr;
    QPointer<WPanel> titleBar;
    void (*shadowDeleted)(QWidget*) = nullptr;
    void (*titlePress)(QWidget*) = nullptr;
    std::unique_ptr<WFormShadowPlatform> platform;
    QPointer<QScreen> watchedScreen;
    QMetaObject::Connection densityChange;
};

WFormShadow::WFormShadow(QWidget* parent)
    : QWidget(parent), d(std::make_unique<WFormShadowPrivate>())
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    d->platform = WFormShadowPlatform::Create(this);
}

WFormShadow::~WFormShadow()
{
    d->activeShadow.reset();
    d->inactiveShadow.reset();
    d->platform.reset();
    // The form, still a child, is destroyed with this window; it must not delete it again.
    if (d->shadowDeleted && d->form)
        d->shadowDeleted(d->form);
}

void WFormShadow::SetForm(WForm* form, WPanel* titleBar, void (*shadowDeleted)(QWidget*),
                          void (*titlePress)(QWidget*))
{
    d->form = form;
    d->titleBar = titleBar;
    d->shadowDeleted = shadowDeleted;
    d->titlePress = titlePress;
}

void WFormShadow::ClearForm()
{
    d->form = nullptr;
    d->titleBar = nullptr;
}

WForm* WFormShadow::Form() const
{
    return d->form;
}

void WFormShadow::MoveForm(int x, int y)
{
    move(outward(x), outward(y));
}

void WFormShadow::ResizeForm(int w, int h)
{
    resize(grown(w), grown(h));
}

void WFormShadow::SetFormGeometry(int x, int y, int w, int h)
{
    setGeometry(outward(x), outward(y), grown(w), grown(h));
}

void WFormShadow::SetFormMinimumSize(int w, int h)
{
    setMinimumSize(grown(w), grown(h));
}

void WFormShadow::FillWithForm()
{
    if (d->form)
        d->form->QWidget::setGeometry(0, 0, width(), height());
}

bool WFormShadow::CanResize() const
{
    return d->canResize;
}

void WFormShadow::SetCanResize(bool canResize)
{
    d->canResize = canResize;
}

bool WFormShadow::ShowShadow() const
{
    return d->showShadow;
}

void WFormShadow::SetShowShadow(bool showShadow)
{
    if (d->showShadow == showShadow)
        return;
    d->showShadow = showShadow;
    update();
}

bool WFormShadow::IsActive() const
{
    return d->active;
}

void WFormShadow::SetActive(bool active)
{
    if (d->active == active)
        return;
    d->active = active;
    update();
}

bool WFormShadow::WasMaximized() const
{
    return d->maximized;
}

bool WFormShadow::MarginCut() const
{
    return d->marginCut;
}

void WFormShadow::OverrideTranslucency(int translucent)
{
    translucencyOverride = translucent < 0 ? -1 : int(translucent != 0);
}

void WFormShadow::UpdateWindowShape()
{
    const bool translucent =
        translucencyOverride >= 0 ? translucencyOverride == 1 : d->platform->Translucent();
    d->marginCut = !translucent;
    if (d->marginCut && !d->maximized) {
        setMask(
            QRegion(Margin, Margin, qMax(width() - 2 * Margin, 1), qMax(height() - 2 * Margin, 1)));
    } else if (!mask().isEmpty()) {
        clearMask();
    }
}

WFormShadow::Hit WFormShadow::HitTest(const QPoint& pos)
{
    if (d->canResize && !d->maximized) {
        // Where the margin is cut away, its outer part cannot be pointed at: the zones then
        // reach into the form as they do beside a shadow.
        const int m = d->showShadow || d->marginCut ? wideZone : narrowZone;
        const int right = width() - m, bottom = height() - m;
        if (pos.x() < m)
            return pos.y() < m ? Hit::TopLeft : pos.y() > bottom ? Hit::BottomLeft : Hit::Left;
        if (pos.x() > right)
            return pos.y() < m ? Hit::TopRight : pos.y() > bottom ? Hit::BottomRight : Hit::Right;
        if (pos.y() < m)
            return Hit::Top;
        if (pos.y() > bottom)
            return Hit::Bottom;
    }
    QPoint local = pos;
    QWidget* under = WDrawAPI::GetChildAt(this, local, true, true);
    return under && under == d->titleBar ? Hit::Caption : Hit::Client;
}

void WFormShadow::NonClientPress()
{
    if (d->titlePress && d->form)
        d->titlePress(d->form);
}

void WFormShadow::NonClientDoubleClick()
{
    if (!d->canResize)
        return;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void WFormShadow::SetIcon(const QPixmap& pixmap)
{
    d->platform->SetIcon(pixmap);
}

bool WFormShadow::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (d->platform->ActivationFromQt())
            SetActive(e->type() == QEvent::WindowActivate);
        break;
    case QEvent::Show:
        // Before the window is mapped, so that a cut margin never flashes up.
        d->platform->WindowShown();
        UpdateWindowShape();
        WatchScreen();
        break;
    case QEvent::ScreenChangeInternal:
        WatchScreen();
        update();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void WFormShadow::WatchScreen()
{
    const QWindow* window = windowHandle();
    QScreen* screen = window ? window->screen() : nullptr;
    if (screen == d->watchedScreen)
        return;
    disconnect(d->densityChange);
    d->watchedScreen = screen;
    // Qt 5 tells the windows of a screen nothing when its density changes (the user picked
    // another scale for it); the screen itself says so.
    if (screen)
        d->densityChange =
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { update(); });
}

void WFormShadow::paintEvent(QPaintEvent*)
{
    if (!d->showShadow || d->maximized)
        return;
    QPainter painter(this);
    WIconPatch& patch = d->active ? *d->activeShadow : *d->inactiveShadow;
    patch.Paint(&painter, size());
}

void WFormShadow::resizeEvent(QResizeEvent*)
{
    PlaceForm();
    if (isVisible())
        UpdateWindowShape();
}

bool WFormShadow::nativeEvent(const QByteArray& eventType, void* message,
                              WNativeEventResult* result)
{
    return d->platform->NativeEvent(eventType, message, result);
}

void WFormShadow::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::WindowStateChange && isMaximized() != d->maximized) {
        d->maximized = isMaximized();
        PlaceForm();
        UpdateWindowShape();
        update();
    }
    QWidget::changeEvent(e);
}

void WFormShadow::PlaceForm()
{
    if (!d->form)
        return;
    if (d->maximized)
        FillWithForm();
    else
        d->form->QWidget::setGeometry(Margin, Margin, qMax(width() - 2 * Margin, 0),
                                      qMax(height() - 2 * Margin, 0));
}
