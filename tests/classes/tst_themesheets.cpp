// The built-in themes as the library ships them. Each reads without a complaint, names only
// colour properties its selectors' classes have, in values that convert; both name the same
// properties for the same selectors, since a sheet never resets what it leaves out and a switch
// would keep the other theme's colour; together their rules reach every writable colour of every
// class. And each class's own text keeps its WCAG 2.1 contrast with what it is painted on.
#include "WClassRegistry.h"
#include "WTestSuite.h"
#include "WTheme.h"
#include "WThemeSheet_p.h"

#include <QMetaMethod>
#include <QRegularExpression>

#include <cmath>

using namespace WexalTest;

namespace {

const QByteArray focusRing = QByteArrayLiteral("FocusRingColor");

QString pairName(const QString& selector, const QByteArray& property)
{
    return selector.trimmed() + QLatin1Char(' ') + QString::fromLatin1(property);
}

// A built-in rule names a class (captured(2)), or that class alone with a leading dot
// (captured(1)), and at most a variant (captured(3)): the simplest sheets to copy into a theme of
// one's own. Anything else captures no class.
QRegularExpressionMatch readSelector(const QString& selector)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\.?)(\\w+)(?:\\[variant=\"(\\w+)\"\\])?$"));
    return form.match(selector.trimmed());
}

// Every library class a selector may name: the registry's classes and their bases.
const QMap<QString, const QMetaObject*>& knownClasses()
{
    static const QMap<QString, const QMetaObject*> classes = [] {
        QMap<QString, const QMetaObject*> all;
        for (const ClassRow& row : Classes()) {
            const Made made(row);
            for (const QMetaObject* m = made.widget->metaObject();
                 m && m != &QWidget::staticMetaObject; m = m->superClass())
                all.insert(QString::fromLatin1(m->className()), m);
        }
        return all;
    }();
    return classes;
}

QColor colourFor(const QMetaObject* meta, const WThemeSheet::Declaration& d)
{
    const int index = meta->indexOfProperty(d.property.constData());
    return index >= 0 ? WThemeSheet::Convert(d.value, meta->property(index)).value<QColor>()
                      : WThemeSheet::ParseColor(d.value);
}

// WCAG 2.1's relative luminance and contrast ratio.
double luminance(const QColor& c)
{
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// top painted over an opaque bottom, as the painter blends them.
QColor over(const QColor& top, const QColor& bottom)
{
    const double a = top.alphaF();
    const auto mix = [a](double t, double b) { return t * a + b * (1 - a); };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

// The colours a theme gives a widget of the class with a variant: the declarations that match
// it, the last one winning, each converted for its property.
QHash<QByteArray, QColor> resolve(const QString& theme, const QByteArray& className,
                                  const QString& variant)
{
    QHash<QByteArray, QColor> colours;
    const Made made(*FindClass(className));
    if (!variant.isEmpty())
        made.widget->setProperty("variant", variant);
    for (const WThemeSheet::Declaration& d :
         WThemeSheet::Parse(WTheme::BuiltInSheet(theme))->Matching(made.widget))
        colours.insert(d.property, colourFor(made.widget->metaObject(), d));
    return colours;
}

} // namespace

class TestThemeSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QuietPopupWarnings(); }

    // Each sheet reads without a complaint and names only colour properties of its selectors'
    // classes, in values that convert, and together every colour of every class. Both
    // name the same properties for the same selectors: a sheet never resets what it leaves out,
    // so a property one theme sets and the other does not would keep the first theme's colour
    // after a switch.
    void readsCleanly()
    {
        QStringList wrong;
        QMap<QString, QSet<QString>> named;
        for (const QString& theme : WTheme::BuiltInThemes()) {
            const auto sheet = WThemeSheet::Parse(WTheme::BuiltInSheet(theme));
            for (const QString& error : sheet->Errors())
                wrong << theme + ": " + error;
            QSet<QString>& seen = named[theme];
            for (const WThemeSheet::Rule& rule : sheet->Rules()) {
                const QMetaObject* meta =
                    knownClasses().value(readSelector(rule.selector).captured(2));
                if (!meta) {
                    wrong << theme + ": " + rule.selector +
                                 ": not a library class, or more than a class and a variant";
                    continue;
                }
                for (const WThemeSheet::Declaration& d : rule.declarations) {
                    const QString name = pairName(rule.selector, d.property);
                    seen.insert(name);
                    const bool ring = name == pairName(QStringLiteral("WBase"), focusRing);
                    if (!ring && !ColourProperties(meta, true).contains(d.property)) {
                        wrong << theme + ": " + name + ": not a writable colour of the class";
                        continue;
                    }
                    const QColor colour =
                        ring ? WThemeSheet::ParseColor(d.value) : colourFor(meta, d);
                    if (!colour.isValid())
                        wrong << theme + ": " + name + ": not a colour: " + d.value;
                }
            }
            if (!seen.contains(pairName(QStringLiteral("WBase"), focusRing)))
                wrong << theme + ": no FocusRingColor in a rule for WBase alone";
            // Every colour a class can be given is given by a rule for the class or a base class
            // with no variant, so that a widget without a variant is wholly themed.
            for (const ClassRow& row : Classes()) {
                const QMetaObject* meta = knownClasses().value(QString::fromLatin1(row.name));
                QStringList missing;
                for (const QByteArray& property : ColourProperties(meta, true))
                    missing << QString::fromLatin1(property);
                for (const WThemeSheet::Rule& rule : sheet->Rules()) {
                    const QRegularExpressionMatch s = readSelector(rule.selector);
                    const QMetaObject* ruleClass = knownClasses().value(s.captured(2));
                    if (!ruleClass || !s.captured(3).isEmpty() ||
                        (s.captured(1).isEmpty() ? !meta->inherits(ruleClass) : ruleClass != meta))
                        continue;
                    for (const WThemeSheet::Declaration& d : rule.declarations)
                        missing.removeAll(QString::fromLatin1(d.property));
                }
                if (!missing.isEmpty())
                    wrong << theme + ": " + row.name + " leaves " + missing.join(", ") + " unset";
            }
        }
        for (const QString& name : named["light"] - named["dark"])
            wrong << name + ": in light, not in dark";
        for (const QString& name : named["dark"] - named["light"])
            wrong << name + ": in dark, not in light";
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Each class's own text, and the variants of labels and buttons, keeps WCAG 2.1's 4.5:1
    // with what it is painted on: the widget's colour over the page or a card, translucent ones
    // composited down to them.
    void textContrast_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("widget"); // a class, and its variant in brackets
        for (const QString& theme : WTheme::BuiltInThemes()) {
            for (const char* widget :
                 {"WCheckBox", "WSwitchButton", "WLabel", "WLabel[muted]", "WLabel[title]",
                  "WLineEdit", "WComboBox", "WHourMinutePicker", "WItemList", "WMenu", "WButton",
                  "WButton[secondary]", "WButton[danger]"})
                QTest::addRow("%s: %s", qPrintable(theme), widget) << theme << QString(widget);
        }
    }
    void textContrast()
    {
        QFETCH(QString, theme);
        QFETCH(QString, widget);
        // The measure itself, against values WCAG tools publish: #767676 is the lightest grey
        // that keeps 4.5:1 on white.
        QVERIFY(ratio(QColor(0x767676), Qt::white) >= 4.5);
        QVERIFY(ratio(QColor(0x777777), Qt::white) < 4.5);
        QCOMPARE(over(QColor(255, 0, 0, 128), Qt::blue).name(), QStringLiteral("#80007f"));

        const QColor page = resolve(theme, "WPanel", QStringLiteral("page")).value("BackColor");
        const QColor card = resolve(theme, "WPanel", QStringLiteral("card")).value("BackColor");
        QVERIFY2(page.alpha() == 255, "the page is what everything is judged over: opaque");
        const QStringList named = widget.split(QRegularExpression(QStringLiteral("[][]")));
        const QHash<QByteArray, QColor> colours =
            resolve(theme, named[0].toLatin1(), named.value(1));
        const QColor fore = colours.value("ForeColor"), back = colours.value("BackColor");
        QVERIFY(fore.isValid() && back.isValid() && card.isValid());
        for (const QColor& surface : {page, over(card, page)}) {
            const QColor under = over(back, surface);
            const double r = ratio(over(fore, under), under);
            QVERIFY2(r >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1")
                                              .arg(fore.name(QColor::HexArgb), under.name())
                                              .arg(r, 0, 'f', 2)));
        }
    }
};

WEXAL_TEST_MAIN(TestThemeSheets)
#include "tst_themesheets.moc"
