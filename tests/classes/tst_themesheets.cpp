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
    return selector + QLatin1Char(' ') + QString::fromLatin1(property);
}

// A built-in rule names a class, or that class alone with a leading dot, and at most a variant:
// the simplest sheets to copy into a theme of one's own. Anything else leaves the class empty.
struct Selector
{
    QString className;
    bool exact = false;
    QString variant;
};

Selector readSelector(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\.?)(\\w+)(?:\\[variant=\"(\\w+)\"\\])?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return {m.captured(2), !m.captured(1).isEmpty(), m.captured(3)};
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

QList<QByteArray> colourProperties(const QMetaObject* meta)
{
    QList<QByteArray> out;
    for (const QByteArray& name : WritableProperties(meta)) {
        if (meta->property(meta->indexOfProperty(name)).userType() == QMetaType::QColor)
            out << name;
    }
    return out;
}

// --- WCAG 2.1 --------------------------------------------------------------------------------

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
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

// --- The cascade -----------------------------------------------------------------------------

// What a theme gives the properties of a class with a variant: the declarations that match a
// throwaway widget of it, the last one winning, each converted for its property.
class Resolved
{
public:
    Resolved() = default;
    Resolved(const WThemeSheet& sheet, const QByteArray& className, const QString& variant)
    {
        const ClassRow* row = FindClass(className);
        if (!row) {
            problem = QStringLiteral("no class row for %1").arg(QString::fromLatin1(className));
            return;
        }
        const Made made(*row);
        if (!variant.isEmpty())
            made.widget->setProperty("variant", variant);
        const QMetaObject* meta = made.widget->metaObject();
        for (const WThemeSheet::Declaration& d : sheet.Matching(made.widget)) {
            const int index = meta->indexOfProperty(d.property.constData());
            if (index >= 0)
                values.insert(d.property, WThemeSheet::Convert(d.value, meta->property(index)));
        }
        // The focus ring belongs to no class: the engine reads it from the rule for WBase alone.
        for (const WThemeSheet::Rule& rule : sheet.Rules()) {
            if (rule.selector.trimmed() != QLatin1String("WBase"))
                continue;
            for (const WThemeSheet::Declaration& d : rule.declarations) {
                if (d.property == focusRing)
                    values.insert(focusRing, WThemeSheet::ParseColor(d.value));
            }
        }
    }

    // The colour the theme gives property, or an invalid one, with the reason in problem.
    QColor colour(const QByteArray& property)
    {
        const QVariant v = values.value(property);
        if (!v.isValid() || !v.value<QColor>().isValid())
            problem = QStringLiteral("no colour for %1").arg(QString::fromLatin1(property));
        return v.value<QColor>();
    }

    QString problem;

private:
    QHash<QByteArray, QVariant> values;
};

// The same, made once per theme, class and variant: the contrast rows ask for a few dozen.
Resolved resolve(const QString& theme, const QByteArray& className, const QString& variant)
{
    static QHash<QString, Resolved> made;
    const QString key =
        theme + QLatin1Char('/') + QString::fromLatin1(className) + QLatin1Char('/') + variant;
    auto found = made.find(key);
    if (found == made.end())
        found = made.insert(key, Resolved(*parsed(theme), className, variant));
    return *found;
}

// What a row asks: fore, painted on the layers (the topmost first) of a widget of the class, all
// of it over the page or a card, keeps at least the ratio. With no layers fore sits right on the
// page or the card (an edge drawn on the widget's outline, the ring's outer side).
struct Pair
{
    QByteArray className;
    QString variant;
    QByteArray fore;
    QList<QByteArray> layers;
    double least;
};

constexpr double text = 4.5;
constexpr double graphic = 3.0;

QList<Pair> pairs()
{
    QList<Pair> all;
    const auto add = [&all](const char* type, const QString& variant, const char* fore,
                            QList<QByteArray> layers, double least) {
        all.append({type, variant, fore, std::move(layers), least});
    };
    const auto on = [&add](const char* type, const char* fore, QList<QByteArray> layers,
                           double least) { add(type, QString(), fore, std::move(layers), least); };

    // The ring, drawn inside the focused widget over its own colour, its outer side on what the
    // widget sits on: every widget that takes keyboard focus, in the states it may be in while
    // focused.
    on("WLineEdit", "FocusRingColor", {}, graphic);
    for (const char* type : {"WCheckBox", "WComboBox", "WLineEdit", "WHourMinutePicker",
                             "WTrackBar", "WItemList", "WGridList", "WSwitchButton"})
        on(type, "FocusRingColor", {"BackColor"}, graphic);
    on("WSwitchButton", "FocusRingColor", {"CheckedBackColor", "BackColor"}, graphic);
    on("WItemList", "FocusRingColor", {"ItemBackColorSelected", "BackColor"}, graphic);
    for (const char* back : {"ColumnHeaderBackColor", "SingleRowBackColor", "DoubleRowBackColor",
                             "SelectedRowBackColor"})
        on("WGridList", "FocusRingColor", {back, "BackColor"}, graphic);
    // A page's tab is a button of its own.
    for (const char* back : {"TabBarBackColor", "TabBarBackColorHover", "TabBarBackColorSelected"})
        on("WTabPage", "FocusRingColor", {back}, graphic);

    // Buttons, each variant in its three states. A pressed button shows ForeColorHover while
    // the pointer stays on it, ForeColor once it has been dragged off; its image likewise.
    for (const QString& variant :
         {QString(), QStringLiteral("secondary"), QStringLiteral("danger")}) {
        const auto button = [&](const char* fore, const char* back, double least) {
            add("WButton", variant, fore, {back}, least);
        };
        button("ForeColor", "BackColor", text);
        button("ForeColorHover", "BackColorHover", text);
        button("ForeColorHover", "BackColorPress", text);
        button("ForeColor", "BackColorPress", text);
        button("ImageColor", "BackColor", graphic);
        button("ImageColorHover", "BackColorHover", graphic);
        button("ImageColorHover", "BackColorPress", graphic);
        button("ImageColor", "BackColorPress", graphic);
        button("FocusRingColor", "BackColor", graphic);
        button("FocusRingColor", "BackColorHover", graphic);
        add("WButton", variant, "BorderColor", {}, graphic);
        add("WButton", variant, "BorderColorHover", {}, graphic);
    }

    on("WCheckBox", "ForeColor", {"BackColor"}, text);
    on("WCheckBox", "CheckFlagColor", {"CheckRectBackColor", "BackColor"}, graphic);
    for (const char* outline : {"CheckRectColor", "CheckRectColorHover"}) {
        on("WCheckBox", outline, {"BackColor"}, graphic);
        on("WCheckBox", outline, {"CheckRectBackColor", "BackColor"}, graphic);
    }

    // The lit half is the switch's position: it stands out from the unlit one.
    on("WSwitchButton", "ForeColor", {"BackColor"}, text);
    on("WSwitchButton", "CheckedFontColor", {"CheckedBackColor", "BackColor"}, text);
    on("WSwitchButton", "CheckedBackColor", {"BackColor"}, graphic);
    on("WSwitchButton", "BorderColor", {}, graphic);

    for (const QString& variant : {QString(), QStringLiteral("muted"), QStringLiteral("title")})
        add("WLabel", variant, "ForeColor", {"BackColor"}, text);
    on("WLabel", "SelectedTextForeColor", {"SelectedTextBackColor", "BackColor"}, text);

    // BorderColorHover is also the focused field's edge.
    on("WLineEdit", "ForeColor", {"BackColor"}, text);
    on("WLineEdit", "SelectedTextForeColor", {"SelectedTextBackColor", "BackColor"}, text);
    on("WLineEdit", "BorderColor", {}, graphic);
    on("WLineEdit", "BorderColorHover", {}, graphic);

    // The drop-down list is painted in the box's colours.
    on("WComboBox", "ForeColor", {"BackColor"}, text);
    on("WComboBox", "ItemForeColorHover", {"ItemBackColorHover", "BackColor"}, text);
    on("WComboBox", "BorderColor", {}, graphic);
    on("WComboBox", "BorderColorHover", {}, graphic);
    on("WComboBox", "DropDownButtonColor", {"BackColor"}, graphic);

    on("WHourMinutePicker", "ForeColor", {"BackColor"}, text);
    on("WHourMinutePicker", "SelectedItemForeColor", {"SelectedItemBackColor", "BackColor"}, text);
    on("WHourMinutePicker", "ButtonColor", {"BackColor"}, graphic);
    on("WHourMinutePicker", "BorderColor", {}, graphic);

    // Scroll bars lie over the content's edge: the list's items and the grid's rows.
    for (const char* thumb : {"SliderColor", "SliderColorHover"}) {
        on("WScrollPanel", thumb, {"BackColor"}, graphic);
        on("WItemList", thumb, {"BackColor"}, graphic);
        on("WItemList", thumb, {"ItemBackColorSelected", "BackColor"}, graphic);
    }
    on("WItemList", "ForeColor", {"BackColor"}, text);
    on("WItemList", "ItemForeColorSelected", {"ItemBackColorSelected", "BackColor"}, text);

    on("WGridList", "ColumnHeaderForeColor", {"ColumnHeaderBackColor", "BackColor"}, text);
    on("WGridList", "ColumnHeaderForeColorHover", {"ColumnHeaderBackColorHover", "BackColor"},
       text);
    for (const char* row : {"SingleRowBackColor", "DoubleRowBackColor", "SelectedRowBackColor"}) {
        on("WGridList", "RowForeColor", {row, "BackColor"}, text);
        on("WGridList", "LockedRowForeColor", {row, "BackColor"}, text);
        on("WGridList", "CheckFlagColor", {row, "BackColor"}, graphic);
        on("WGridList", "SliderColor", {row, "BackColor"}, graphic);
        on("WGridList", "SliderColorHover", {row, "BackColor"}, graphic);
    }

    on("WMenu", "ForeColor", {"BackColor"}, text);

    on("WForm", "ForeColor", {"TitleBackColor"}, text);
    on("WForm", "SysButtonColor", {"TitleBackColor"}, graphic);
    on("WForm", "SysButtonColorHover", {"TitleBackColor"}, graphic);

    // A tab pressed and dragged off keeps its plain text on the pressed colour.
    on("WTabPage", "TabBarForeColor", {"TabBarBackColor"}, text);
    on("WTabPage", "TabBarForeColorHover", {"TabBarBackColorHover"}, text);
    on("WTabPage", "TabBarForeColorHover", {"TabBarBackColorPress"}, text);
    on("WTabPage", "TabBarForeColor", {"TabBarBackColorPress"}, text);
    on("WTabPage", "TabBarForeColorSelected", {"TabBarBackColorSelected"}, text);
    on("WTabPage", "TabBarBorderColorSelected", {"TabBarBackColorSelected"}, graphic);
    on("WTabPage", "TabBarBorderColorSelected", {"BackColor"}, graphic);

    // A fill against the track it fills. The track bar's second fill lies behind the first (what
    // is buffered behind what is played): the first must read against it too, while the
    // second's own end against the empty line is a hint the first fill and thumb do not need.
    on("WProgressBar", "ForeColor", {"BackColor"}, graphic);
    on("WTrackBar", "MainLineFillColor1", {"MainLineBackColor", "BackColor"}, graphic);
    on("WTrackBar", "MainLineFillColor1", {"MainLineFillColor2", "BackColor"}, graphic);
    for (const char* thumb : {"ButtonColor", "ButtonColorHover"}) {
        on("WTrackBar", thumb, {"BackColor"}, graphic);
        on("WTrackBar", thumb, {"MainLineBackColor", "BackColor"}, graphic);
    }

    // Not judged, by design: disabled states (WCAG exempts inactive components); the edges of
    // surfaces and displays (panels, cards, lists, tabs, the window, grid lines, a rounded
    // progress bar's outline), which their content identifies; the empty track line, bounded
    // by its fill and thumb; the tree view's colours, which paint nothing.
    return all;
}

QString pairRow(const QString& theme, const Pair& p)
{
    QString layers;
    for (const QByteArray& layer : p.layers)
        layers += (layers.isEmpty() ? QStringLiteral(" on ") : QStringLiteral(" over ")) +
                  QString::fromLatin1(layer);
    return QStringLiteral("%1: %2%3 %4%5")
        .arg(theme, QString::fromLatin1(p.className),
             p.variant.isEmpty() ? QString() : QStringLiteral("[%1]").arg(p.variant),
             QString::fromLatin1(p.fore),
             layers.isEmpty() ? QStringLiteral(" on what it sits on") : layers);
}

} // namespace

Q_DECLARE_METATYPE(Pair)

class TestThemeSheets : public QObject
{
    Q_OBJECT

    static void themes()
    {
        QTest::addColumn<QString>("theme");
        for (const QString& theme : WTheme::BuiltInThemes())
            QTest::newRow(qPrintable(theme)) << theme;
    }

private slots:
    void initTestCase()
    {
        QuietPopupWarnings();
        QCOMPARE(WTheme::BuiltInThemes(), QStringList({"light", "dark"}));
    }

    // The measure the contrast rows rely on, against values WCAG publishes.
    void contrastMeasure()
    {
        QCOMPARE(qRound(ratio(Qt::black, Qt::white) * 100), 2100);
        // #767676 is the lightest grey that keeps 4.5:1 on white.
        QVERIFY(ratio(QColor(0x767676), Qt::white) >= 4.5);
        QVERIFY(ratio(QColor(0x777777), Qt::white) < 4.5);
        QCOMPARE(over(QColor(0, 0, 0, 0), QColor(0x123456)), QColor(0x123456));
        QCOMPARE(over(QColor(0, 0, 0, 255), QColor(0x123456)), QColor(Qt::black));
        QCOMPARE(over(QColor(255, 255, 255, 128), Qt::black).red(), 128);
    }

    void readsCleanly_data() { themes(); }
    void readsCleanly()
    {
        QFETCH(QString, theme);
        QVERIFY2(!WTheme::BuiltInSheet(theme).trimmed().isEmpty(), "the sheet is not built in");
        const auto sheet = parsed(theme);
        QVERIFY2(sheet->Errors().isEmpty(), qPrintable(sheet->Errors().join(QLatin1Char('\n'))));
        QVERIFY(!sheet->Rules().isEmpty());
        QStringList wrong;
        QSet<QString> seen;
        bool ring = false;
        for (const WThemeSheet::Rule& rule : sheet->Rules()) {
            const Selector s = readSelector(rule.selector);
            const QMetaObject* meta = knownClasses().value(s.className);
            if (!meta) {
                wrong << QStringLiteral("%1: not a library class, or more than a class and a "
                                        "variant")
                             .arg(rule.selector);
                continue;
            }
            for (const WThemeSheet::Declaration& d : rule.declarations) {
                const QString name = pairName(rule.selector.trimmed(), d.property);
                if (seen.contains(name))
                    wrong << name + QStringLiteral(": set twice");
                seen.insert(name);
                if (d.property == focusRing && rule.selector.trimmed() == QLatin1String("WBase")) {
                    ring = true;
                    if (!WThemeSheet::ParseColor(d.value).isValid())
                        wrong << name + QStringLiteral(": not a colour: ") + d.value;
                    continue;
                }
                const int index = meta->indexOfProperty(d.property.constData());
                const QMetaProperty p = meta->property(index);
                if (index < 0 || !colourProperties(meta).contains(d.property)) {
                    wrong << name + QStringLiteral(": not a writable colour of the class");
                    continue;
                }
                const QVariant v = WThemeSheet::Convert(d.value, p);
                if (!v.isValid() || !v.value<QColor>().isValid())
                    wrong << name + QStringLiteral(": not a colour: ") + d.value;
            }
        }
        if (!ring)
            wrong << QStringLiteral("no FocusRingColor in a rule for WBase alone");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // A sheet never resets what it leaves out: a property one theme sets and the other does not
    // would keep the first theme's colour after a switch.
    void sameProperties()
    {
        const auto named = [](const QString& theme) {
            QSet<QString> out;
            const auto sheet = parsed(theme);
            for (const WThemeSheet::Rule& rule : sheet->Rules()) {
                for (const WThemeSheet::Declaration& d : rule.declarations)
                    out.insert(pairName(rule.selector.trimmed(), d.property));
            }
            return out;
        };
        const QStringList themes = WTheme::BuiltInThemes();
        const QSet<QString> first = named(themes.first());
        QVERIFY(!first.isEmpty());
        for (const QString& other : themes.mid(1)) {
            const QSet<QString> second = named(other);
            QStringList onlyFirst = (first - second).values();
            QStringList onlySecond = (second - first).values();
            onlyFirst.sort();
            onlySecond.sort();
            QVERIFY2(onlyFirst.isEmpty() && onlySecond.isEmpty(),
                     qPrintable(QStringLiteral("only in %1: %2\nonly in %3: %4")
                                    .arg(themes.first(), onlyFirst.join(QStringLiteral(", ")),
                                         other, onlySecond.join(QStringLiteral(", ")))));
        }
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
        const QList<QByteArray> wanted = colourProperties(meta);
        QVERIFY2(!wanted.isEmpty(), "every class has WBase's colours at least");
        QSet<QByteArray> set;
        const auto sheet = parsed(theme);
        for (const WThemeSheet::Rule& rule : sheet->Rules()) {
            const Selector s = readSelector(rule.selector);
            const QMetaObject* ruleClass = knownClasses().value(s.className);
            if (!ruleClass || !s.variant.isEmpty())
                continue;
            if (s.exact ? ruleClass != meta : !meta->inherits(ruleClass))
                continue;
            for (const WThemeSheet::Declaration& d : rule.declarations)
                set.insert(d.property);
        }
        QStringList missing;
        for (const QByteArray& property : wanted) {
            if (!set.contains(property))
                missing << QString::fromLatin1(property);
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 leaves %2 unset")
                                .arg(theme, missing.join(QStringLiteral(", ")))));
    }

    void contrast_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<Pair>("pair");
        for (const QString& theme : WTheme::BuiltInThemes()) {
            for (const Pair& p : pairs())
                QTest::newRow(qPrintable(pairRow(theme, p))) << theme << p;
        }
    }
    void contrast()
    {
        QFETCH(QString, theme);
        QFETCH(Pair, pair);
        QVERIFY2(parsed(theme)->Errors().isEmpty(), "see readsCleanly");

        // Everything sits on the page, or on a card on it.
        Resolved page = resolve(theme, "WPanel", QStringLiteral("page"));
        Resolved card = resolve(theme, "WPanel", QStringLiteral("card"));
        const QColor pageBack = page.colour("BackColor");
        const QColor cardBack = card.colour("BackColor");
        QVERIFY2(page.problem.isEmpty() && card.problem.isEmpty(),
                 qPrintable(QStringLiteral("%1: no page or card colour").arg(theme)));
        QVERIFY2(pageBack.alpha() == 255, "the page is what everything is judged over: opaque");
        const QList<std::pair<const char*, QColor>> surfaces = {{"page", pageBack},
                                                                {"card", over(cardBack, pageBack)}};

        Resolved widget = resolve(theme, pair.className, pair.variant);
        const QColor fore = widget.colour(pair.fore);
        QList<QColor> layers;
        for (const QByteArray& layer : pair.layers)
            layers << widget.colour(layer);
        QVERIFY2(widget.problem.isEmpty(), qPrintable(widget.problem));

        for (const auto& [surface, under] : surfaces) {
            QColor back = under;
            for (auto layer = layers.crbegin(); layer != layers.crend(); ++layer)
                back = over(*layer, back);
            const QColor seen = over(fore, back);
            const double r = ratio(seen, back);
            // "light WButton[variant=danger]: ForeColor #ffffff on BackColor #dc2626 over the
            // card (#ffffff): 4.83:1, below 4.5:1"
            QString on;
            for (int i = 0; i < layers.size(); ++i)
                on += QStringLiteral(" %1 %2 over")
                          .arg(QString::fromLatin1(pair.layers.at(i)), shown(layers.at(i)));
            QVERIFY2(r >= pair.least,
                     qPrintable(QStringLiteral("%1 %2%3: %4 %5 on%6 the %7 (%8): %9:1, below %10:1")
                                    .arg(theme, QString::fromLatin1(pair.className),
                                         pair.variant.isEmpty()
                                             ? QString()
                                             : QStringLiteral("[variant=%1]").arg(pair.variant),
                                         QString::fromLatin1(pair.fore), shown(fore), on,
                                         QString::fromLatin1(surface), shown(under))
                                    .arg(r, 0, 'f', 2)
                                    .arg(pair.least)));
        }
    }
};

WEXAL_TEST_MAIN(TestThemeSheets)
#include "tst_themesheets.moc"
