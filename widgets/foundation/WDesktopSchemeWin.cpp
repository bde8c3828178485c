// Windows keeps the applications' light or dark preference in the registry. It tells top-level
// windows of a change (WM_SETTINGCHANGE), but reading one registry value every two seconds needs
// no window and no native event filter, and a switch shows soon enough.
#include "WDesktopScheme_p.h"

#if defined(Q_OS_WIN)

#include <QSettings>
#include <QTimer>

namespace WDesktopSchemeSources {
std::unique_ptr<WDesktopScheme> Registry();
} // namespace WDesktopSchemeSources

namespace {

class RegistryScheme final : public WDesktopScheme
{
public:
    RegistryScheme()
    {
        poll.setTimerType(Qt::VeryCoarseTimer);
        connect(&poll, &QTimer::timeout, this, &RegistryScheme::read);
        poll.start(2000);
        // From the event loop, as the other sources answer: whoever created this has connected
        // to Changed by then.
        QMetaObject::invokeMethod(this, &RegistryScheme::read, Qt::QueuedConnection);
    }

    Scheme Current() const override { return current; }

private:
    void read()
    {
        // A fresh reader each time: nothing it read before stands in for the registry of now.
        const QSettings personalize(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
                           "Themes\\Personalize"),
            QSettings::NativeFormat);
        // Windows from before the preference has no such value: nothing to follow.
        const QVariant value = personalize.value(QStringLiteral("AppsUseLightTheme"));
        bool number = false;
        const int light = value.toInt(&number);
        if (!number)
            return;
        const Scheme scheme = light == 0 ? Scheme::Dark : Scheme::Light;
        if (scheme == current)
            return;
        current = scheme;
        emit Changed(current);
    }

    QTimer poll;
    Scheme current = Scheme::Unknown;
};

} // namespace

std::unique_ptr<WDesktopScheme> WDesktopSchemeSources::Registry()
{
    return std::make_unique<RegistryScheme>();
}

#endif
