#pragma once

#include "wexal_export.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
struct WThemePrivate;

/// Themes: sets of property values per class, written as Qt style sheets of `qproperty-` rules
/// (`WButton { qproperty-BackColor: #2563EB; }`), applied to the whole application or to one
/// widget and its children, and switched while the application runs.
///
/// A theme never overrides what the application chose: a property set in code or in a form to a
/// value other than the class's default keeps that value across every switch. Widgets that
/// should follow the theme with a look of their own take a variant, a dynamic property that the
/// theme's rules select (`WButton[variant="danger"] { ... }`). Widgets made after a theme was
/// applied take its values before their first paint.
///
/// The library ships two themes, "light" and "dark"; the properties they set are listed on the
/// theme properties page, and the rules of the sheets are explained on the themes page.
class WEXAL_EXPORT WTheme : public QObject
{
    Q_OBJECT

public:
    /// The one theme manager of the application, made on first use and owned by the
    /// application object.
    static WTheme* Instance();

    /// The names of the built-in themes: "light" and "dark".
    static QStringList BuiltInThemes();
    /// The style sheet text of a built-in theme, to extend it with rules of your own and pass
    /// it to ApplySheet(); empty for an unknown name.
    static QString BuiltInSheet(const QString& name);

    /// Applies a built-in theme by name, or a style sheet file by path, to the application
    /// (root null) or to root and its children. Returns false, with the reason in LastErrors(),
    /// when the file cannot be read, leaving the current theme in place. Parts of the sheet it
    /// cannot parse are skipped and listed in LastErrors(), as for ApplySheet().
    bool Apply(const QString& nameOrFile, QWidget* root = nullptr);
    /// Applies a sheet given as text, under the name Active() then reports, to the application
    /// (root null) or to root and its children. Always returns true. Parts it cannot parse (a
    /// malformed selector, an unclosed rule, a declaration without a value) are skipped and
    /// listed in LastErrors(); a declaration for a property the widget does not have, or with a
    /// value the property cannot take, is skipped without a message.
    bool ApplySheet(const QString& sheet, const QString& name, QWidget* root = nullptr);
    /// Takes the application's (root null) or root's theme away: what it set goes back to the
    /// class defaults, or to the theme of the scope around. Does nothing where no theme was
    /// applied.
    void Clear(QWidget* root = nullptr);

    /// The name of the theme in effect for widget (the nearest themed ancestor's, else the
    /// application's), or the application's for null; empty when none is.
    QString Active(const QWidget* widget = nullptr) const;
    /// What the last Apply() or ApplySheet() could not read or parse, one message per problem;
    /// empty when the whole sheet was read.
    QStringList LastErrors() const;

    /// Sets whether the application's theme follows the desktop's light or dark preference;
    /// see FollowDesktop().
    void SetFollowDesktop(bool follow);
    /// Whether the application's theme follows the desktop's light or dark preference: while
    /// on, "light" or "dark" is applied to the application as the desktop reports its
    /// preference, at once and at every change (nothing happens while the desktop reports
    /// none). Default false.
    bool FollowDesktop() const;

signals:
    /// Emitted after a theme was applied to, or cleared from, the whole application; name is
    /// the theme's name (empty after Clear()). Themes applied to one widget's tree do not
    /// emit it.
    void ThemeChanged(const QString& name);
    /// Emitted while following the desktop, after the theme was switched to the desktop's
    /// preference: when it is first read and each time it changes. dark is true for a dark
    /// preference.
    void DesktopSchemeChanged(bool dark);

private:
    WTheme();
    ~WTheme() override;
    friend struct WThemePrivate;
    const std::unique_ptr<WThemePrivate> d;
};
