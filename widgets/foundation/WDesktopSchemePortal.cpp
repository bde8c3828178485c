// The freedesktop settings portal: the desktops that run xdg-desktop-portal (GNOME, KDE and the
// others with a back end of their own) publish their light or dark preference there, and tell
// every change by a signal. Every call is asynchronous: a portal may be slow to start, or hang,
// and the GUI thread must never wait for it.
#include "WDesktopScheme_p.h"

#if defined(WEXAL_HAVE_DBUS) && !defined(Q_OS_WIN)

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace WDesktopSchemeSources {
std::unique_ptr<WDesktopScheme> Portal(std::unique_ptr<WDesktopScheme> fallback);
} // namespace WDesktopSchemeSources

namespace {

QString portalService()
{
    return QStringLiteral("org.freedesktop.portal.Desktop");
}
QString portalPath()
{
    return QStringLiteral("/org/freedesktop/portal/desktop");
}
QString settingsInterface()
{
    return QStringLiteral("org.freedesktop.portal.Settings");
}
QString appearance()
{
    return QStringLiteral("org.freedesktop.appearance");
}
QString colorSchemeKey()
{
    return QStringLiteral("color-scheme");
}

// The setting is a uint32: 0 no preference, 1 dark, 2 light. What else a portal may send (another
// type, a number the standard does not name) says nothing, and is Unknown.
WDesktopScheme::Scheme schemeOf(QVariant value)
{
    // Read wraps the value in one variant more than ReadOne and the signal do; unwrapping every
    // level reads both.
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    if (value.userType() != QMetaType::UInt)
        return WDesktopScheme::Scheme::Unknown;
    switch (value.toUInt()) {
    case 0: // no preference: the light look every desktop starts with
    case 2:
        return WDesktopScheme::Scheme::Light;
    case 1:
        return WDesktopScheme::Scheme::Dark;
    default:
        return WDesktopScheme::Scheme::Unknown;
    }
}

class PortalScheme final : public WDesktopScheme
{
    Q_OBJECT

public:
    explicit PortalScheme(std::unique_ptr<WDesktopScheme> fallback);
    ~PortalScheme() override;

    Scheme Current() const override { return current; }

private slots:
    void settingChanged(const QDBusMessage& message);

private:
    void read(const QString& method);
    void answered(const QDBusPendingCall& call, const QString& method);
    void giveUp();
    void take(Scheme scheme);

    QDBusConnection bus;
    std::unique_ptr<WDesktopScheme> fallback;
    Scheme current = Scheme::Unknown;
    bool listening = false;
};

PortalScheme::PortalScheme(std::unique_ptr<WDesktopScheme> fallback)
    : bus(QDBusConnection::sessionBus()), fallback(std::move(fallback))
{
    if (!bus.isConnected()) {
        giveUp();
        return;
    }
    // Listening first: a change made while the first read is on its way is not lost. The
    // signal comes with any signature; settingChanged checks it.
    listening =
        bus.connect(portalService(), portalPath(), settingsInterface(),
                    QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QDBusMessage)));
    read(QStringLiteral("ReadOne"));
}

PortalScheme::~PortalScheme()
{
    if (listening)
        bus.disconnect(portalService(), portalPath(), settingsInterface(),
                       QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QDBusMessage)));
}

void PortalScheme::read(const QString& method)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(portalService(), portalPath(), settingsInterface(), method);
    message << appearance() << colorSchemeKey();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                answered(*call, method);
            });
}

void PortalScheme::answered(const QDBusPendingCall& call, const QString& method)
{
    if (call.isError()) {
        // Portals from before ReadOne know only Read.
        if (call.error().type() == QDBusError::UnknownMethod &&
            method == QLatin1String("ReadOne")) {
            read(QStringLiteral("Read"));
            return;
        }
        // No portal, or one that does not know the setting: only a later signal can tell.
        giveUp();
        return;
    }
    const QList<QVariant> arguments = call.reply().arguments();
    const Scheme scheme =
        arguments.size() == 1 ? schemeOf(arguments.constFirst()) : Scheme::Unknown;
    if (scheme == Scheme::Unknown)
        giveUp();
    else
        take(scheme);
}

void PortalScheme::settingChanged(const QDBusMessage& message)
{
    if (message.signature() != QLatin1String("ssv"))
        return;
    const QList<QVariant> arguments = message.arguments();
    if (arguments.at(0).toString() != appearance() ||
        arguments.at(1).toString() != colorSchemeKey())
        return;
    take(schemeOf(arguments.at(2)));
}

void PortalScheme::giveUp()
{
    if (!fallback)
        return;
    connect(fallback.get(), &WDesktopScheme::Changed, this, &PortalScheme::take,
            Qt::UniqueConnection);
    take(fallback->Current());
}

void PortalScheme::take(Scheme scheme)
{
    if (scheme == Scheme::Unknown || scheme == current)
        return;
    current = scheme;
    emit Changed(current);
}

} // namespace

std::unique_ptr<WDesktopScheme>
WDesktopSchemeSources::Portal(std::unique_ptr<WDesktopScheme> fallback)
{
    return std::make_unique<PortalScheme>(std::move(fallback));
}

#include "WDesktopSchemePortal.moc"

#endif
