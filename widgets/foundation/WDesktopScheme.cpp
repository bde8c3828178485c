// Which source tells the desktop's preference on which platform. The sources live in a file per
// platform; what is here serves where none of them does.
#include "WDesktopScheme_p.h"

#include <QGuiApplication>

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QStyleHints>
#endif

// Defined by the platform files, each where it is compiled in. The portal hands over to
// `fallback` (which may be null) once it is clear that it will not answer.
namespace WDesktopSchemeSources {
#if defined(Q_OS_WIN)
std::unique_ptr<WDesktopScheme> Registry();
#elif defined(WEXAL_HAVE_DBUS)
std::unique_ptr<WDesktopScheme> Portal(std::unique_ptr<WDesktopScheme> fallback);
#endif
} // namespace WDesktopSchemeSources

namespace {

class NoScheme final : public WDesktopScheme
{
public:
    Scheme Current() const override { return Scheme::Unknown; }
};

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
// What Qt's platform theme reads: macOS's appearance, or the settings of a Linux desktop Qt
// knows (GNOME's, KDE's) where no portal runs.
class StyleHintsScheme final : public WDesktopScheme
{
public:
    StyleHintsScheme()
    {
        QStyleHints* hints = QGuiApplication::styleHints();
        connect(hints, &QStyleHints::colorSchemeChanged, this, &StyleHintsScheme::take);
        // Answered from the event loop like the other sources, so that whoever just created
        // this has connected to Changed by then.
        QMetaObject::invokeMethod(
            this, [this, hints] { take(hints->colorScheme()); }, Qt::QueuedConnection);
    }

    Scheme Current() const override { return current; }

private:
    void take(Qt::ColorScheme colorScheme)
    {
        const Scheme scheme = colorScheme == Qt::ColorScheme::Dark    ? Scheme::Dark
                              : colorScheme == Qt::ColorScheme::Light ? Scheme::Light
                                                                      : Scheme::Unknown;
        if (scheme == Scheme::Unknown || scheme == current)
            return;
        current = scheme;
        emit Changed(current);
    }

    Scheme current = Scheme::Unknown;
};
#endif

} // namespace

std::unique_ptr<WDesktopScheme> WDesktopScheme::Create()
{
    // Every source answers through the event loop; the style hints need a GUI application.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::make_unique<NoScheme>();
#if defined(Q_OS_WIN)
    return WDesktopSchemeSources::Registry();
#else
    std::unique_ptr<WDesktopScheme> hints;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    hints = std::make_unique<StyleHintsScheme>();
#endif
#if defined(WEXAL_HAVE_DBUS)
    return WDesktopSchemeSources::Portal(std::move(hints));
#else
    if (hints)
        return hints;
    return std::make_unique<NoScheme>();
#endif
#endif
}
