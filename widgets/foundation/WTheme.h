#pragma once

#include "wexal_export.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
struct WThemePrivate;

// Themes: sets of property values per class, written as Qt style sheets of `qproperty-` rules
// (`WButton { qproperty-BackColor: #2563EB; }`), applied to the whole application or to one
// widget and its children, and switched while the application runs.
//
// A theme never overrides what the application chose: a property set in code or in a form to a
// value other than the class's default keeps that value across every switch. Widgets that
// should follow the theme with a look of their own take a variant, a dynamic property that the
// theme's rules select (`WButton[variant="danger"] { ... }`).
class WEXAL_EXPORT WTheme : public QObject
{
    Q_OBJECT

public:
    static WTheme* Instance();

    // "light" and "dark", shipped with the library.
    static QStringList BuiltInThemes();
    // The text of a built-in theme; empty for an unknown name.
    static QString BuiltInSheet(const QString& name);

    // Applies a built-in theme by name, or a style sheet file by path, to the application
    // (root null) or to root and its children; false when it cannot be read, leaving the
    // current theme in place.
    bool Apply(const QString& nameOrFile, QWidget* root = nullptr);
    // Applies a sheet given as text, under the name Active() then reports.
    bool ApplySheet(const QString& sheet, const QString& name, QWidget* root = nullptr);
    // Takes the application's (root null) or root's theme away: what it set goes back to the
    // class defaults, or to the theme of the scope around.
    void Clear(QWidget* root = nullptr);

    // The theme in effect for widget (the nearest themed ancestor's, else the application's),
    // or the application's for null; empty when none is.
    QString Active(const QWidget* widget = nullptr) const;
    // What the last Apply or ApplySheet could not read.
    QStringList LastErrors() const;

    // While on, the application's theme follows the desktop's light or dark preference.
    void SetFollowDesktop(bool follow);
    bool FollowDesktop() const;

signals:
    // The application's theme changed (root-scoped themes do not tell).
    void ThemeChanged(const QString& name);
    // While following: the desktop's preference, as it was read and each time it changes.
    void DesktopSchemeChanged(bool dark);

private:
    WTheme();
    ~WTheme() override;
    friend struct WThemePrivate;
    const std::unique_ptr<WThemePrivate> d;
};
