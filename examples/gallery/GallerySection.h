#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <vector>

class WPanel;

// One card of the gallery page. Each widget family lives in its own file and registers its
// card with a static GallerySection::Registrar, so sections are independent of each other.
struct GallerySection
{
    QString title;
    QString subtitle;
    int order = 0;    // cards are laid out in ascending order
    int height = 200; // the card body's height in pixels (its width follows the column)
    std::function<void(WPanel* body)> build; // fills the card body
    // The library classes the card shows, main one first: --cards saves the card's picture
    // under each name that no card earlier in order took.
    QStringList classes;

    static std::vector<GallerySection>& All();

    // Runs action once the window is shown and its first layout has settled: for sections that
    // demonstrate how widgets follow a later change (a resize, a new value).
    static void AfterFirstLayout(std::function<void()> action);
    static std::vector<std::function<void()>>& PendingActions();

    // Runs action after every theme switch once the window is up, one action after another:
    // for sections that keep pictures of what a page cannot show (an open popup), taken in the
    // look of their time.
    static void AfterThemeSwitch(std::function<void()> action);
    static std::vector<std::function<void()>>& ThemeSwitchActions();

    struct Registrar
    {
        explicit Registrar(GallerySection section) { All().push_back(std::move(section)); }
    };
};

// Gives a widget one of the theme's looks: the variant its sheets' rules select by name. A colour
// set in code would be the application's choice and stay through every theme switch.
template <class Widget> Widget* SetVariant(Widget* widget, const char* variant)
{
    widget->setProperty("variant", QString::fromLatin1(variant));
    return widget;
}

// The colours of the demonstrations whose point is a colour the application chose (button
// schemes, coloured tiles, a dark list): they keep them in either theme. Everything else takes
// the theme's look. They match the light theme, so that both kinds sit together there.
namespace GalleryTheme {
inline const QColor cardBorder{0xDD, 0xE2, 0xEA};
inline const QColor ink{0x1F, 0x29, 0x37};
inline const QColor muted{0x6B, 0x72, 0x80};
inline const QColor accent{0x25, 0x63, 0xEB};
inline const QColor accentHover{0x1D, 0x4E, 0xD8};
inline const QColor accentPress{0x1E, 0x40, 0xAF};
inline const QColor accentSoft{0xDB, 0xEA, 0xFE};
inline const QColor success{0x16, 0xA3, 0x4A};
inline const QColor warning{0xF5, 0x9E, 0x0B};
inline const QColor danger{0xDC, 0x26, 0x26};
inline const QColor dark{0x11, 0x18, 0x27};
} // namespace GalleryTheme
