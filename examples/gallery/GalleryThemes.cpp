#include "GalleryThemes.h"

#include "WSwitchButton.h"
#include "WTheme.h"

#include <QFile>

namespace {

QString gallerySheet(const QString& name)
{
    QFile file(QStringLiteral(":/gallery/gallery-%1.qss").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool apply(const QString& name)
{
    const QString builtIn = WTheme::BuiltInSheet(name);
    if (builtIn.isEmpty())
        return false;
    WTheme* theme = WTheme::Instance();
    // Appended, so that the gallery's rules win over built-in ones of the same weight.
    theme->ApplySheet(builtIn + QLatin1Char('\n') + gallerySheet(name), name);
    for (const QString& error : theme->LastErrors())
        qWarning("theme %s: %s", qPrintable(name), qPrintable(error));
    return true;
}

} // namespace

bool GalleryThemes::Use(const QString& choice)
{
    WTheme* theme = WTheme::Instance();
    if (choice == QLatin1String("desktop")) {
        // Following, the library applies its built-in sheet alone: the gallery's rules are put
        // back on top each time.
        static bool listening = false;
        if (!listening) {
            listening = true;
            QObject::connect(theme, &WTheme::DesktopSchemeChanged, theme, [](bool dark) {
                if (WTheme::Instance()->FollowDesktop())
                    apply(dark ? QStringLiteral("dark") : QStringLiteral("light"));
            });
        }
        theme->SetFollowDesktop(true);
        // A desktop that states no preference (yet) gets the gallery's usual look.
        if (theme->Active().isEmpty())
            apply(QStringLiteral("light"));
        return true;
    }
    if (!WTheme::BuiltInThemes().contains(choice))
        return false;
    theme->SetFollowDesktop(false);
    return apply(choice);
}

WSwitchButton* GalleryThemes::MakeSwitch(QWidget* parent)
{
    auto* toggle = new WSwitchButton(parent);
    toggle->SetLeftText(QStringLiteral("Light"));
    toggle->SetRightText(QStringLiteral("Dark"));
    toggle->setAccessibleName(QStringLiteral("Theme"));
    toggle->SetCheckedWithoutEvent(WTheme::Instance()->Active() == QLatin1String("dark"));
    QObject::connect(toggle, &WSwitchButton::CheckedChanged, toggle, [](bool dark) {
        Use(dark ? QStringLiteral("dark") : QStringLiteral("light"));
    });
    QObject::connect(WTheme::Instance(), &WTheme::ThemeChanged, toggle,
                     [toggle](const QString& name) {
                         toggle->SetCheckedWithoutEvent(name == QLatin1String("dark"));
                     });
    return toggle;
}
