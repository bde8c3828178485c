#include "WForm.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WButton.h"
#include "WDrawAPI.h"
#include "WEvent.h"
#include "WFormParts_p.h"
#include "WFormShadow_p.h"
#include "WIconImage_p.h"
#include "WMirror_p.h"
#include "WPanel.h"
#include "WPixels_p.h"
#include "WTheme_p.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {
// Horizontal flags, AlignAbsolute, and the vertical flags: everything a title can use.
constexpr int alignmentMask = 0x1FF;

// A system button: a WButton whose glyph is one of the library's icons, in the drawing that
// suits the density it is painted at (the window may move to a denser screen, or be rendered
// into a denser image); it changes drawings when it paints at a density another one suits.
class SystemButton : public WButton
{
public:
    SystemButton(const char* path, QWidget* parent)
        : WButton(parent), path(QString::fromLatin1(path))
    {
        SetImage(WIconImage::LoadPixmap(this->path, scale));
        // The window's own controls: the keyboard closes and moves a form by its keys instead.
        SetTakesTabFocus(false);
    }

protected:
    void Paint(QPainter* painter) override
    {
        const int wanted = WIconImage::Scale(WIconImage::Ratio(painter));
        if (wanted != scale) {
            scale = wanted;
            SetImage(WIconImage::LoadPixmap(path, scale));
        }
        WButton::Paint(painter);
    }

private:
    const QString path;
    int scale = 1;
};

} // namespace

struct WFormPrivate
{
    bool canResize = true;
    bool showShadow = true;
    bool showMinimizeButton = true;
    bool showMaximizeButton = true;
    QString title;
    QFont titleFont;
    int titlePadding = 0;
    Qt::Alignment alignment = Qt::AlignCenter;
    QColor titleBackColor;
    QSize sysButtonSize{45, 30};
    QColor sysButtonColor;
    QColor sysButtonColorHover;
    QPointer<WForm> parentForm;
    WFormShadow* shadow = nullptr;
    // Children of the form; an application may delete them, so they are watched.
    QPointer<WPanel> titleBar;
    QPointer<WButton> minimizeButton;
    QPointer<WButton> maximizeButton;
    QPointer<WButton> restoreButton;
    QPointer<WButton> closeButton;
    QSize lastAreaSize{-1, -1};
    QEventLoop* loop = nullptr;
    int exitCode = 0;

    QList<WButton*> Buttons() const
    {
        QList<WButton*> all;
        for (WButton* b : {minimizeButton.data(), maximizeButton.data(), restoreButton.data(),
                           closeButton.data()}) {
            if (b)
                all << b;
        }
        return all;
    }
};

WForm::WForm(QWidget* parent)
    : WContainer(IsDesignerMode() ? parent : nullptr), d(std::make_unique<WFormPrivate>())
{
    d->parentForm = qobject_cast<WForm*>(parent);

    auto* bar = new WPanel(this);
    WThemeHooks::MarkPart(bar);
    bar->resize(0, 30);
    bar->SetDock(DockType::Top);
    bar->SetBackColor(Qt::transparent);
    d->titleBar = bar;

    // The buttons show only glyphs: a screen reader reads these names instead.
    const auto makeButton = [&](const char* image, const char* name, auto slot) {
        WButton* b = new SystemButton(image, bar);
        WThemeHooks::MarkPart(b);
        b->setAccessibleName(QCoreApplication::translate("WForm", name));
        b->SetBackColor(Qt::transparent);
        b->SetBackColorHover(Qt::transparent);
        b->SetBackColorPress(Qt::transparent);
        b->SetReplaceImageColor(true);
        connect(b, &WButton::Clicked, this, slot);
        return b;
    };
    d->minimizeButton =
        makeButton("://Icons/WForm/MinimizeButton.png", QT_TRANSLATE_NOOP("WForm", "Minimize"),
                   [this] { showMinimized(); });
    d->maximizeButton =
        makeButton("://Icons/WForm/MaximizeButton.png", QT_TRANSLATE_NOOP("WForm", "Maximize"),
                   [this] { showMaximized(); });
    d->restoreButton =
        makeButton("://Icons/WForm/RestoreButton.png", QT_TRANSLATE_NOOP("WForm", "Restore"),
                   [this] { RestoreButtonClickedEvent(); });
    d->closeButton = makeButton("://Icons/WForm/CloseButton.png",
                                QT_TRANSLATE_NOOP("WForm", "Close"), [this] { close(); });
    d->restoreButton->hide();

    if (IsDesignerMode())
        return;
    // A child form's window belongs to its parent form's window, so that the window manager
    // keeps it above and the parent's destruction takes it along.
    QWidget* owner = parent;
    if (d->parentForm && d->parentForm->d->shadow)
        owner = d->parentForm->d->shadow;
    d->shadow = new WFormShadow(owner);
    d->shadow->SetForm(this, bar, &WForm::ShadowDeleted, &WForm::TitleMousePress);
    setParent(d->shadow);
    QWidget::show(); // visible as soon as its window is
    // A modal run also ends when the window hides while the form itself was hidden from code,
    // which then hears of nothing.
    d->shadow->installEventFilter(this);
}

WForm::~WForm()
{
    if (d->loop)
        d->loop->exit(d->exitCode);
    d->loop = nullptr;
    delete d->titleBar.data();
    if (WFormShadow* shadow = d->shadow) {
        d->shadow = nullptr;
        shadow->ClearForm();
        // Out of the window first, which would otherwise delete this form a second time.
        setParent(nullptr);
        delete shadow;
    }
}

bool WForm::CanResize() const
{
    return d->canResize;
}

void WForm::SetCanResize(bool canResize)
{
    if (d->canResize == canResize)
        return;
    d->canResize = canResize;
    if (d->shadow)
        d->shadow->SetCanResize(canResize);
}

bool WForm::ShowShadow() const
{
    return d->showShadow;
}

void WForm::SetShowShadow(bool showShadow)
{
    if (d->showShadow == showShadow)
        return;
    d->showShadow = showShadow;
    if (d->shadow)
        d->shadow->SetShowShadow(showShadow);
}

const QString& WForm::Title() const
{
    return d->title;
}

void WForm::SetTitle(const QString& title)
{
    if (d->title == title)
        return;
    d->title = title;
    update();
    // Also the name of the window a reader lists.
    WAnnounce::NameChanged(this);
    if (d->shadow)
        WAnnounce::NameChanged(d->shadow);
}

const QFont& WForm::TitleFont() const
{
    return d->titleFont;
}

void WForm::SetTitleFont(const QFont& font)
{
    if (d->titleFont == font)
        return;
    d->titleFont = font;
    update();
}

int WForm::TitlePadding() const
{
    return d->titlePadding;
}

void WForm::SetTitlePadding(int padding)
{
    if (d->titlePadding == padding)
        return;
    d->titlePadding = padding;
    update();
}

Qt::Alignment WForm::Alignment() const
{
    return d->alignment;
}

void WForm::SetAlignment(Qt::Alignment alignment)
{
    const Qt::Alignment kept(int(alignment) & alignmentMask);
    if (d->alignment == kept)
        return;
    d->alignment = kept;
    update();
}

int WForm::TitleHeight() const
{
    return d->titleBar ? d->titleBar->height() : 0;
}

void WForm::SetTitleHeight(int height)
{
    if (!d->titleBar || d->titleBar->height() == height)
        return;
    d->titleBar->resize(d->titleBar->width(), qBound(0, height, QWIDGETSIZE_MAX));
    ReLayout();
    update();
}

const QColor& WForm::TitleBackColor() const
{
    return d->titleBackColor;
}

void WForm::SetTitleBackColor(const QColor& color)
{
    if (d->titleBackColor == color)
        return;
    d->titleBackColor = color;
    update();
}

QSize WForm::SysButtonSize() const
{
    return d->sysButtonSize;
}

// Negative extents mean nothing for a button and are taken as 0; widths stop at Qt's widget limit.
void WForm::SetSysButtonSize(const QSize& size)
{
    const QSize cut(qBound(0, size.width(), QWIDGETSIZE_MAX),
                    qBound(0, size.height(), TitleHeight()));
    if (d->sysButtonSize == cut)
        return;
    d->sysButtonSize = cut;
    ReLayout();
}

const QColor& WForm::SysButtonColor() const
{
    return d->sysButtonColor;
}

void WForm::SetSysButtonColor(const QColor& color)
{
    if (d->sysButtonColor == color)
        return;
    d->sysButtonColor = color;
    for (WButton* b : d->Buttons())
        b->SetImageColor(color);
}

const QColor& WForm::SysButtonColorHover() const
{
    return d->sysButtonColorHover;
}

void WForm::SetSysButtonColorHover(const QColor& color)
{
    if (d->sysButtonColorHover == color)
        return;
    d->sysButtonColorHover = color;
    for (WButton* b : d->Buttons())
        b->SetImageColorHover(color);
}

bool WForm::ShowMinimizeButton() const
{
    return d->showMinimizeButton;
}

void WForm::SetShowMinimizeButton(bool show)
{
    if (d->showMinimizeButton == show)
        return;
    d->showMinimizeButton = show;
    ReLayout();
}

bool WForm::ShowMaximizeButton() const
{
    return d->showMaximizeButton;
}

void WForm::SetShowMaximizeButton(bool show)
{
    if (d->showMaximizeButton == show)
        return;
    d->showMaximizeButton = show;
    ReLayout();
}

void WForm::SetIcon(const QImage& image)
{
    if (d->shadow)
        d->shadow->SetIcon(QPixmap::fromImage(image));
}

void WForm::SetIcon(const QIcon& icon)
{
    if (d->shadow)
        d->shadow->SetIcon(icon.pixmap(icon.actualSize(QSize(32, 32), QIcon::Normal, QIcon::Off)));
}

// The form itself stays where its window puts it, at (16, 16); only the window moves.
void WForm::move(const QPoint& pos)
{
    if (d->shadow)
        d->shadow->MoveForm(pos.x(), pos.y());
    else
        QWidget::move(pos);
}

// Qt keeps a negative size asked of a child widget as it is; a form never has one, nor one whose
// window (with its shadow around it) could not be drawn.
static QSize validSize(const QWidget* form, qint64 w, qint64 h)
{
    const qint64 limit =
        WPixels::WindowSideLimit(form->devicePixelRatioF()) - 2 * WFormShadow::Margin;
    return QSize(int(qBound(qint64(0), w, limit)), int(qBound(qint64(0), h, limit)));
}

void WForm::resize(const QSize& size)
{
    const QSize valid = validSize(this, size.width(), size.height());
    if (d->shadow)
        d->shadow->ResizeForm(valid.width(), valid.height());
    QWidget::resize(valid);
}

void WForm::setGeometry(const QRect& rect)
{
    // A rectangle's width() overflows when its edges lie further apart than int reaches.
    setGeometry(
        rect.x(), rect.y(),
        int(qBound(qint64(INT_MIN), qint64(rect.right()) - rect.left() + 1, qint64(INT_MAX))),
        int(qBound(qint64(INT_MIN), qint64(rect.bottom()) - rect.top() + 1, qint64(INT_MAX))));
}

void WForm::setGeometry(int x, int y, int w, int h)
{
    const QSize valid = validSize(this, w, h);
    if (d->shadow) {
        d->shadow->SetFormGeometry(x, y, valid.width(), valid.height());
        QWidget::resize(valid);
    } else {
        QWidget::setGeometry(QRect(QPoint(WPixels::Bounded(x), WPixels::Bounded(y)), valid));
    }
}

void WForm::setMinimumSize(int w, int h)
{
    const QSize valid = validSize(this, w, h);
    if (d->shadow)
        d->shadow->SetFormMinimumSize(valid.width(), valid.height());
    QWidget::setMinimumSize(valid);
}

void WForm::show(bool center)
{
    if (!d->shadow) {
        QWidget::show();
        return;
    }
    if (center && d->parentForm) {
        const WForm* p = d->parentForm;
        d->shadow->MoveForm(
            p->mapToGlobal(QPoint((p->width() - width()) / 2, (p->height() - height()) / 2)).x(),
            p->mapToGlobal(QPoint((p->width() - width()) / 2, (p->height() - height()) / 2)).y());
    }
    d->shadow->show();
}

void WForm::hide()
{
    if (d->shadow)
        d->shadow->hide();
    else
        QWidget::hide();
}

void WForm::showNormal()
{
    if (!d->shadow)
        return;
    if (d->shadow->isMaximized())
        d->shadow->showMaximized();
    else
        d->shadow->showNormal();
}

void WForm::showMinimized()
{
    if (d->shadow)
        d->shadow->showMinimized();
}

void WForm::showMaximized()
{
    if (d->shadow)
        d->shadow->showMaximized();
}

void WForm::RestoreButtonClickedEvent()
{
    if (d->shadow)
        d->shadow->showNormal();
}

bool WForm::close()
{
    return d->shadow ? d->shadow->close() : QWidget::close();
}

int WForm::exec(bool center)
{
    if (d->loop || !d->shadow)
        return d->loop ? -1 : 0;
    QEventLoop loop;
    d->exitCode = 0;
    d->shadow->setWindowModality(Qt::WindowModal);
    show(center);
    d->loop = &loop;
    const WAliveGuard alive(this);
    // Application code runs inside: it may delete this form, whose destructor then ends the
    // loop with the code so far.
    const int code = loop.exec();
    if (!alive)
        return code;
    d->loop = nullptr;
    hide();
    if (d->shadow)
        d->shadow->setWindowModality(Qt::NonModal);
    return d->exitCode;
}

void WForm::exit(int code)
{
    if (!d->loop)
        return;
    d->exitCode = code;
    d->loop->exit(code);
}

void WForm::TitleMousePressEvent() {}

void WForm::ShadowDeleted(QWidget* form)
{
    if (auto* f = qobject_cast<WForm*>(form))
        f->d->shadow = nullptr;
}

void WForm::TitleMousePress(QWidget* form)
{
    if (auto* f = qobject_cast<WForm*>(form))
        f->TitleMousePressEvent();
}

bool WForm::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::ChildRemoved:
    case WEvent::ChildDockChanged:
    case WEvent::ContainerAreaChanged:
        ReLayout();
        break;
    case QEvent::Hide:
        if (d->loop) {
            d->exitCode = 0;
            d->loop->exit(0);
        }
        break;
    case QEvent::KeyPress:
        // What the widgets inside leave, as a dialog takes it: Alt+F4 closes the window, and
        // Escape a modal one.
        if (IsKeyboardAccess() && d->shadow && HandleWindowKey(static_cast<QKeyEvent*>(e)))
            return true;
        break;
    default:
        break;
    }
    return WContainer::event(e);
}

bool WForm::HandleWindowKey(QKeyEvent* e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool altF4 = e->key() == Qt::Key_F4 && mods == Qt::AltModifier;
    const bool escape = e->key() == Qt::Key_Escape && mods == Qt::NoModifier && window()->isModal();
    if (!altF4 && !escape)
        return false;
    e->accept();
    close(); // may delete the form: nothing of it is read afterwards
    return true;
}

bool WFormParts::IsTitleBar(const QWidget* widget)
{
    auto* form = widget ? qobject_cast<const WForm*>(widget->parentWidget()) : nullptr;
    // The form makes its title bar before anything else, so it is the form's first panel.
    return form && qobject_cast<const WPanel*>(widget) &&
           form->findChild<WPanel*>(QString(), Qt::FindDirectChildrenOnly) == widget;
}

bool WFormParts::IsSystemButton(const QWidget* widget)
{
    return qobject_cast<const WButton*>(widget) && IsTitleBar(widget->parentWidget());
}

bool WForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == d->shadow && e->type() == QEvent::Hide && d->loop) {
        d->exitCode = 0;
        d->loop->exit(0);
    }
    return WContainer::eventFilter(watched, e);
}

void WForm::Paint(QPainter* painter)
{
    const QRect& a = containerArea;
    if (a.isEmpty())
        return;
    const int th = qMin(TitleHeight(), a.height());
    WDrawAPI::DrawBackColor(painter, QRect(a.left(), a.top(), a.width(), th), 0, d->titleBackColor,
                            BorderWidth());
    WDrawAPI::DrawBackColor(painter, QRect(a.left(), a.top() + th, a.width(), a.height() - th), 0,
                            BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, rect(), 0, BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
    if (d->title.isEmpty() || !d->titleBar)
        return;
    // The system buttons lie over the right end of the text; they are the title bar's
    // children and paint over it.
    // Any padding is allowed; one that leaves no room leaves no text.
    const QRect bar = d->titleBar->geometry();
    const qint64 textWidth = qint64(bar.width()) - d->titlePadding;
    if (textWidth <= 0 || textWidth > bar.width() + qint64(QWIDGETSIZE_MAX) || th <= 0)
        return;
    // Right to left, the padding and the buttons are at the left end.
    const QRect text =
        WMirror::Rect(QRect(d->titlePadding, 0, int(textWidth), th), bar.width(), isRightToLeft())
            .translated(bar.topLeft());
    painter->setPen(ForeColor());
    painter->setFont(d->titleFont);
    painter->drawText(text, int(d->alignment), d->title);
}

void WForm::ReLayout()
{
    const QRect& a = containerArea;
    if (a.left() > a.right() || a.top() > a.bottom())
        return;
    // Children of a window not yet shown are not visible yet; they are placed once it is.
    DockLayout(d->lastAreaSize, true);
    if (!d->closeButton || !d->maximizeButton || !d->restoreButton || !d->minimizeButton)
        return;
    const int bw = d->sysButtonSize.width(), bh = d->sysButtonSize.height();
    const bool mirrored = isRightToLeft();
    const auto at = [&](int x) { return WMirror::Rect(QRect(x, 0, bw, bh), a.width(), mirrored); };
    int x = a.width() - bw;
    d->closeButton->LayoutSetGeometry(at(x));
    const bool maximized = d->shadow && d->shadow->isMaximized();
    d->maximizeButton->setVisible(d->showMaximizeButton && !maximized);
    d->restoreButton->setVisible(d->showMaximizeButton && maximized);
    x -= bw;
    if (d->showMaximizeButton) {
        d->maximizeButton->LayoutSetGeometry(at(x));
        d->restoreButton->LayoutSetGeometry(at(x));
        x -= bw;
    }
    d->minimizeButton->setVisible(d->showMinimizeButton);
    if (d->showMinimizeButton)
        d->minimizeButton->LayoutSetGeometry(at(x));
}
