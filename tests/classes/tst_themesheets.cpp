// The built-in themes as the library ships them. Each reads without a complaint, names only
// colour properties its selectors' classes have, in values that convert; both name the same
// properties for the same selectors, since a sheet never resets what it leaves out and a switch
// would keep the other theme's colour; together their rules reach every writable colour of every
// class. And what each colour paints keeps its WCAG 2.1 contrast with what it is painted on, in
// every enabled state: 4.5:1 for text, 3:1 for the edges of controls, the focus ring, marks,
// fills and thumbs. Colours are resolved for a class as the cascade resolves them, translucent
// ones composited over what lies beneath, down to the page or a card.
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

std::unique_ptr<WThemeSheet> parsed(const QString& theme)
{
    return WThemeSheet::Parse(WTheme::BuiltInSheet(theme));
}

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

QString shown(const QColor& c)
{
    return c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

// The colours a theme gives a class with a variant: the declarations that match a throwaway
// widget of it, the last one winning, each converted for its property (invalid where it does not
// convert). Made once per theme, class and variant: the contrast rows ask for a few dozen.
QHash<QString, QColor> resolve(const QString& theme, const QByteArray& className,
                               const QString& variant)
{
    static QHash<QString, QHash<QString, QColor>> cache;
    const QString key =
        QStringLiteral("%1/%2/%3").arg(theme, QString::fromLatin1(className), variant);
    if (cache.contains(key))
        return cache.value(key);
    QHash<QString, QColor>& colours = cache[key];
    const auto sheet = parsed(theme);
    if (const ClassRow* row = FindClass(className)) {
        const Made made(*row);
        if (!variant.isEmpty())
            made.widget->setProperty("variant", variant);
        const QMetaObject* meta = made.widget->metaObject();
        for (const WThemeSheet::Declaration& d : sheet->Matching(made.widget)) {
            if (ColourProperties(meta, true).contains(d.property))
                colours.insert(QString::fromLatin1(d.property), colourFor(meta, d));
        }
    }
    // The focus ring belongs to no class: the engine reads it from the rule for WBase alone.
    for (const WThemeSheet::Rule& rule : sheet->Rules()) {
        for (const WThemeSheet::Declaration& d : rule.declarations) {
            if (rule.selector.trimmed() == QLatin1String("WBase") && d.property == focusRing)
                colours.insert(QString::fromLatin1(focusRing), WThemeSheet::ParseColor(d.value));
        }
    }
    return colours;
}

// What a row asks: fore, painted on the layers (the topmost first) of a widget of the class, all
// of it over the page or a card, keeps at least the ratio. With no layers fore sits right on the
// page or the card (an edge drawn on the widget's outline, the ring's outer side).
struct Pair
{
    QByteArray className;
    QString variant, fore;
    QStringList layers;
    double least;
};

constexpr double text = 4.5;
constexpr double graphic = 3.0;

QList<Pair> pairs()
{
    QList<Pair> all;
    // Every fore on every stack of layers (written with spaces between them), in every variant.
    const auto add = [&all](const char* type, const QStringList& fores, const QStringList& stacks,
                            double least, const QStringList& variants = QStringList(QString())) {
        for (const QString& variant : variants)
            for (const QString& fore : fores)
                for (const QString& stack : stacks)
                    all.append({type, variant, fore,
                                stack.split(QLatin1Char(' '), Qt::SkipEmptyParts), least});
    };
    const QStringList ring = {"FocusRingColor"}, thumbs = {"SliderColor", "SliderColorHover"};
    const QStringList buttons = {QString(), "secondary", "danger"};
    const QStringList rows = {"SingleRowBackColor BackColor", "DoubleRowBackColor BackColor",
                              "SelectedRowBackColor BackColor"};

    // The ring, drawn inside the focused widget over its own colour, its outer side on what the
    // widget sits on: every widget that takes keyboard focus, in the states it may be in while
    // focused. A page's tab is a button of its own.
    add("WLineEdit", ring, {""}, graphic);
    for (const char* type : {"WCheckBox", "WComboBox", "WLineEdit", "WHourMinutePicker",
                             "WTrackBar", "WItemList", "WGridList", "WSwitchButton"})
        add(type, ring, {"BackColor"}, graphic);
    add("WSwitchButton", ring, {"CheckedBackColor BackColor"}, graphic);
    add("WItemList", ring, {"ItemBackColorSelected BackColor"}, graphic);
    add("WGridList", ring, QStringList("ColumnHeaderBackColor BackColor") + rows, graphic);
    add("WTabPage", ring, {"TabBarBackColor", "TabBarBackColorHover", "TabBarBackColorSelected"},
        graphic);
    add("WButton", ring, {"BackColor", "BackColorHover"}, graphic, buttons);

    // Text on what the widget paints under it. The drop-down list is painted in the box's colours.
    for (const char* type : {"WCheckBox", "WSwitchButton", "WLabel", "WLineEdit", "WComboBox",
                             "WHourMinutePicker", "WItemList", "WMenu"})
        add(type, {"ForeColor"}, {"BackColor"}, text);
    add("WLabel", {"ForeColor"}, {"BackColor"}, text, {"muted", "title"});
    for (const char* type : {"WLabel", "WLineEdit"})
        add(type, {"SelectedTextForeColor"}, {"SelectedTextBackColor BackColor"}, text);
    add("WComboBox", {"ItemForeColorHover"}, {"ItemBackColorHover BackColor"}, text);
    add("WMenu", {"ItemForeColorHover"}, {"ItemBackColorHover BackColor"}, text);
    add("WHourMinutePicker", {"SelectedItemForeColor"}, {"SelectedItemBackColor BackColor"}, text);
    add("WItemList", {"ItemForeColorSelected"}, {"ItemBackColorSelected BackColor"}, text);
    add("WGridList", {"ColumnHeaderForeColor"}, {"ColumnHeaderBackColor BackColor"}, text);
    add("WGridList", {"ColumnHeaderForeColorHover"}, {"ColumnHeaderBackColorHover BackColor"},
        text);
    add("WGridList", {"RowForeColor", "LockedRowForeColor"}, rows, text);
    add("WForm", {"ForeColor"}, {"TitleBackColor"}, text);

    // Buttons and tabs in their three states. A pressed button shows ForeColorHover while the
    // pointer stays on it, ForeColor once it has been dragged off; its image likewise, and a
    // tab's text.
    add("WButton", {"ForeColor"}, {"BackColor", "BackColorPress"}, text, buttons);
    add("WButton", {"ForeColorHover"}, {"BackColorHover", "BackColorPress"}, text, buttons);
    add("WButton", {"ImageColor"}, {"BackColor", "BackColorPress"}, graphic, buttons);
    add("WButton", {"ImageColorHover"}, {"BackColorHover", "BackColorPress"}, graphic, buttons);
    add("WTabPage", {"TabBarForeColor"}, {"TabBarBackColor", "TabBarBackColorPress"}, text);
    add("WTabPage", {"TabBarForeColorHover"}, {"TabBarBackColorHover", "TabBarBackColorPress"},
        text);
    add("WTabPage", {"TabBarForeColorSelected"}, {"TabBarBackColorSelected"}, text);
    add("WTabPage", {"TabBarBorderColorSelected"}, {"TabBarBackColorSelected", "BackColor"},
        graphic);

    // Edges on the widget's outline. BorderColorHover is also the focused field's edge.
    add("WButton", {"BorderColor", "BorderColorHover"}, {""}, graphic, buttons);
    for (const char* type : {"WLineEdit", "WComboBox"})
        add(type, {"BorderColor", "BorderColorHover"}, {""}, graphic);
    for (const char* type : {"WSwitchButton", "WHourMinutePicker"})
        add(type, {"BorderColor"}, {""}, graphic);

    // Marks and the buttons inside a widget. The switch's lit half is its position: it stands
    // out from the unlit one.
    add("WCheckBox", {"CheckFlagColor"}, {"CheckRectBackColor BackColor"}, graphic);
    add("WCheckBox", {"CheckRectColor", "CheckRectColorHover"},
        {"BackColor", "CheckRectBackColor BackColor"}, graphic);
    add("WSwitchButton", {"CheckedFontColor"}, {"CheckedBackColor BackColor"}, text);
    add("WSwitchButton", {"CheckedBackColor"}, {"BackColor"}, graphic);
    add("WComboBox", {"DropDownButtonColor"}, {"BackColor"}, graphic);
    add("WHourMinutePicker", {"ButtonColor"}, {"BackColor"}, graphic);
    add("WForm", {"SysButtonColor", "SysButtonColorHover"}, {"TitleBackColor"}, graphic);

    // Scroll bars lie over the content's edge: the list's items and the grid's rows.
    add("WScrollPanel", thumbs, {"BackColor"}, graphic);
    add("WItemList", thumbs, {"BackColor", "ItemBackColorSelected BackColor"}, graphic);
    add("WGridList", QStringList("CheckFlagColor") + thumbs, rows, graphic);

    // A fill against the track it fills. The track bar's second fill lies behind the first (what
    // is buffered behind what is played): the first must read against it too, while the
    // second's own end against the empty line is a hint the first fill and thumb do not need.
    add("WProgressBar", {"ForeColor"}, {"BackColor"}, graphic);
    add("WTrackBar", {"MainLineFillColor1"},
        {"MainLineBackColor BackColor", "MainLineFillColor2 BackColor"}, graphic);
    add("WTrackBar", {"ButtonColor", "ButtonColorHover"},
        {"BackColor", "MainLineBackColor BackColor"}, graphic);

    // Not judged, by design: disabled states (WCAG exempts inactive components); the edges of
    // surfaces and displays (panels, cards, lists, tabs, the window, grid lines, a rounded
    // progress bar's outline), which their content identifies; the empty track line, bounded
    // by its fill and thumb; the tree view's colours, which paint nothing.
    return all;
}

} // namespace

Q_DECLARE_METATYPE(Pair)

class TestThemeSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QuietPopupWarnings();
        QCOMPARE(WTheme::BuiltInThemes(), QStringList({"light", "dark"}));
    }

    // Each sheet reads without a complaint and names only colour properties of its selectors'
    // classes, each once, in values that convert. Both name the same properties for the same
    // selectors: a sheet never resets what it leaves out, so a property one theme sets and the
    // other does not would keep the first theme's colour after a switch.
    void readsCleanly()
    {
        QStringList wrong;
        QMap<QString, QSet<QString>> named;
        for (const QString& theme : WTheme::BuiltInThemes()) {
            const auto sheet = parsed(theme);
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
                    if (seen.contains(name))
                        wrong << theme + ": " + name + ": set twice";
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
        }
        for (const QString& name : named["light"] - named["dark"])
            wrong << name + ": in light, not in dark";
        for (const QString& name : named["dark"] - named["light"])
            wrong << name + ": in dark, not in light";
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Every colour a class can be given is given by a rule for the class or a base class with
    // no variant, so that a widget without a variant is wholly themed.
    void everyColourSet_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QByteArray>("type");
        for (const QString& theme : WTheme::BuiltInThemes()) {
            for (const ClassRow& row : Classes())
                QTest::addRow("%s: %s", qPrintable(theme), row.name.constData())
                    << theme << row.name;
        }
    }
    void everyColourSet()
    {
        QFETCH(QString, theme);
        QFETCH(QByteArray, type);
        const QMetaObject* meta = knownClasses().value(QString::fromLatin1(type));
        QVERIFY(meta);
        QStringList missing;
        for (const QByteArray& property : ColourProperties(meta, true))
            missing << QString::fromLatin1(property);
        QVERIFY2(!missing.isEmpty(), "every class has WBase's colours at least");
        const auto sheet = parsed(theme);
        for (const WThemeSheet::Rule& rule : sheet->Rules()) {
            const QRegularExpressionMatch s = readSelector(rule.selector);
            const QMetaObject* ruleClass = knownClasses().value(s.captured(2));
            if (!ruleClass || !s.captured(3).isEmpty() ||
                (s.captured(1).isEmpty() ? !meta->inherits(ruleClass) : ruleClass != meta))
                continue;
            for (const WThemeSheet::Declaration& d : rule.declarations)
                missing.removeAll(QString::fromLatin1(d.property));
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(theme + " leaves " + missing.join(QStringLiteral(", ")) + " unset"));
    }

    void contrast_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<Pair>("pair");
        for (const QString& theme : WTheme::BuiltInThemes()) {
            for (const Pair& p : pairs())
                QTest::addRow("%s: %s%s %s on %s", qPrintable(theme), p.className.constData(),
                              qPrintable(p.variant.isEmpty() ? p.variant : "[" + p.variant + "]"),
                              qPrintable(p.fore),
                              qPrintable(p.layers.isEmpty()
                                             ? QStringLiteral("what it sits on")
                                             : p.layers.join(QStringLiteral(" over "))))
                    << theme << p;
        }
    }
    void contrast()
    {
        QFETCH(QString, theme);
        QFETCH(Pair, pair);
        // The measure itself, against values WCAG tools publish: #767676 is the lightest grey
        // that keeps 4.5:1 on white; pure red has 4:1 on it, pure blue 8.59:1.
        QVERIFY(ratio(QColor(0x767676), Qt::white) >= 4.5);
        QVERIFY(ratio(QColor(0x777777), Qt::white) < 4.5);
        QCOMPARE(qRound(ratio(Qt::red, Qt::white) * 100), 400);
        QCOMPARE(qRound(ratio(Qt::blue, Qt::white) * 100), 859);
        QCOMPARE(over(QColor(255, 0, 0, 128), Qt::blue).name(), QStringLiteral("#80007f"));

        // Everything sits on the page, or on a card on it.
        const QColor page = resolve(theme, "WPanel", QStringLiteral("page")).value("BackColor");
        const QColor card = resolve(theme, "WPanel", QStringLiteral("card")).value("BackColor");
        QVERIFY2(page.isValid() && card.isValid(), "no page or card colour");
        QVERIFY2(page.alpha() == 255, "the page is what everything is judged over: opaque");
        const QList<std::pair<const char*, QColor>> surfaces = {{"page", page},
                                                                {"card", over(card, page)}};

        const QHash<QString, QColor> widget = resolve(theme, pair.className, pair.variant);
        for (const QString& name : QStringList(pair.fore) + pair.layers)
            QVERIFY2(widget.value(name).isValid(), qPrintable("no colour for " + name));
        // "#ffffff on #dc2626 over the card, #dc2626 in all: 4.83:1, below 4.5:1"
        QString told = shown(widget.value(pair.fore));
        for (const QString& layer : pair.layers)
            told += " on " + shown(widget.value(layer));
        for (auto [surface, back] : surfaces) {
            for (auto layer = pair.layers.crbegin(); layer != pair.layers.crend(); ++layer)
                back = over(widget.value(*layer), back);
            const double r = ratio(over(widget.value(pair.fore), back), back);
            QVERIFY2(r >= pair.least,
                     qPrintable(QStringLiteral("%1 over the %2, %3 in all: %4:1, below %5:1")
                                    .arg(told, QLatin1String(surface), shown(back))
                                    .arg(r, 0, 'f', 2)
                                    .arg(pair.least)));
        }
    }
};

WEXAL_TEST_MAIN(TestThemeSheets)
#include "tst_themesheets.moc"
