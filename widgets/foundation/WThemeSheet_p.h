#pragma once

#include "wexal_export.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

class QMetaProperty;
class QObject;

// A theme as read from a Qt style sheet: only its `qproperty-` declarations count. Selectors are
// the subset Qt's own sheets use for widgets: a type (matching subclasses too), `*`, `.Type`
// (that class only), `#name`, `[property="value"]` and `[property~="value"]`, joined by
// descendant (space) and child (`>`) combinators, in comma-separated lists. Rules with pseudo
// states (`:hover`) are skipped: our states are properties of their own.
class WEXAL_AUTOTEST_EXPORT WThemeSheet
{
public:
    struct Declaration
    {
        QByteArray property; // without the qproperty- prefix
        QString value;       // as written, trimmed
    };
    struct Rule
    {
        QString selector; // one selector of the list, as written
        QVector<Declaration> declarations;
    };

    WThemeSheet();
    ~WThemeSheet();
    WThemeSheet(const WThemeSheet&) = delete;
    WThemeSheet& operator=(const WThemeSheet&) = delete;

    // Reads `text`; what cannot be read is skipped and told in Errors().
    static std::unique_ptr<WThemeSheet> Parse(const QString& text);

    // One rule per selector of a list, in the order of the text.
    const QVector<Rule>& Rules() const;
    const QStringList& Errors() const;

    // The declarations that apply to `object`, the most specific last, later rules after earlier
    // ones of the same specificity: writing them in order leaves what the sheet means.
    QVector<Declaration> Matching(const QObject* object) const;

    // The value a declaration gives to a property of that type; invalid when it cannot say.
    static QVariant Convert(const QString& value, const QMetaProperty& property);
    // Colours as sheets write them: #rgb, #rrggbb, #aarrggbb, names, rgb(), rgba().
    static QColor ParseColor(const QString& value);

private:
    struct Compiled;
    std::unique_ptr<Compiled> c;
};
