// Themes applied while the application runs: every colour of every class follows a switch, is
// painted and ends looking exactly like a widget given those colours in code; what the
// application chose survives every switch; variants, scopes and widgets made
// later follow; a theme taken away leaves the class's own values; bad sheets and slots that delete
// what a theme writes to never crash. The selectors and colours a sheet is read with.
#include "WClassRegistry.h"
#include "WTestSuite.h"
#include "WTheme.h"
#include "WThemeSheet_p.h"

using namespace WexalTest;

namespace {

// A sheet giving every colour property of the class a colour of its own, from seed.
QString sheetFor(const QMetaObject* meta, int seed)
{
    QString body;
    int i = 0;
    for (const QByteArray& name : ColourProperties(meta)) {
        const QColor c = QColor::fromHsv((seed * 97 + ++i * 37) % 360, 200, 120 + seed * 40 % 100);
        body += QStringLiteral(" qproperty-%1: %2;").arg(QString::fromLatin1(name), c.name());
    }
    return QStringLiteral("%1 {%2 }").arg(QString::fromLatin1(meta->className()), body);
}

WTheme* theme()
{
    return WTheme::Instance();
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void cleanup()
    {
        theme()->Clear();
        QCOMPARE(theme()->Active(), QString());
    }

    void everyClass_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const ClassRow& row : Classes())
            QTest::newRow(row.name) << row.name;
    }

    // Two switches, each painted, then the picture against a fresh widget given the same colours
    // in code: a cached picture drawn from the first theme's colours would show here.
    void everyClass()
    {
        QFETCH(QByteArray, type);
        const ClassRow& row = *FindClass(type);
        const Made made(row);
        QWidget* const w = made.widget;
        QVERIFY(ShowRow(row, w));
        const QMetaObject* meta = w->metaObject();
        const QList<QByteArray> colours = ColourProperties(meta);
        const auto coloursOf = [&colours](const QObject* o) {
            QVariantMap values;
            for (const QByteArray& name : colours)
                values.insert(QString::fromLatin1(name), o->property(name));
            return values;
        };
        const QVariantMap before = coloursOf(w);
        // What the row's own setup chose stays; the rest takes the sheet's colours.
        const std::unique_ptr<QObject> fresh(meta->newInstance(Q_ARG(QWidget*, nullptr)));
        QVERIFY(fresh);
        const QVariantMap defaults = coloursOf(fresh.get());
        QVERIFY(theme()->ApplySheet(sheetFor(meta, 1), QStringLiteral("one")));
        Settle();
        PaintCount paints(w->window());
        QVERIFY(theme()->ApplySheet(sheetFor(meta, 2), QStringLiteral("two")));
        QVERIFY(theme()->LastErrors().isEmpty());
        Settle();
        QVERIFY2(paints.Most() >= 1, "not painted again");
        const auto sheet = WThemeSheet::Parse(sheetFor(meta, 2));
        const QImage themed = Picture(w);
        const Made reference(row);
        QVERIFY(ShowRow(row, reference.widget));
        for (const WThemeSheet::Declaration& decl : sheet->Rules().first().declarations) {
            const QString name = QString::fromLatin1(decl.property);
            const QVariant was = before.value(name);
            if (was != defaults.value(name)) {
                QCOMPARE(w->property(decl.property), was);
                continue;
            }
            QCOMPARE(w->property(decl.property).value<QColor>(),
                     WThemeSheet::ParseColor(decl.value));
            reference.widget->setProperty(decl.property, w->property(decl.property));
        }
        Settle();
        QVERIFY(SamePicture(themed, Picture(reference.widget), QString::fromLatin1(type)));
        theme()->Clear();
        Settle();
        for (const QByteArray& name : colours)
            QCOMPARE(w->property(name), before.value(QString::fromLatin1(name)));
    }

    // Set in code after the theme, the application's value stays through every switch (one set
    // before is the tab page row's own colour in everyClass); the untouched neighbour follows. So
    // do colours a class keeps out of its properties but lets themes reach by an invokable pair.
    void applicationChoicesSurvive()
    {
        WPanel panel;
        auto* later = new WButton(&panel);
        auto* plain = new WButton(&panel);
        WMenu chosen;
        WMenu menu;
        const QString a = QStringLiteral("WButton { qproperty-BackColor: #112233; "
                                         "qproperty-ForeColor: #445566; } WMenu { "
                                         "qproperty-ItemBackColorHover: #123456; "
                                         "qproperty-ItemForeColorHover: #123456; }");
        const QString b = QStringLiteral("WButton { qproperty-BackColor: #778899; "
                                         "qproperty-ForeColor: #AABBCC; } WMenu { "
                                         "qproperty-ItemBackColorHover: #654321; "
                                         "qproperty-ItemForeColorHover: #654321; }");
        theme()->ApplySheet(a, QStringLiteral("a"));
        later->SetBackColor(Qt::yellow);
        chosen.SetItemForeColorHover(Qt::red);
        for (const QString& sheet : {b, a, b}) {
            theme()->ApplySheet(sheet, QStringLiteral("x"));
            const QColor back = WThemeSheet::Parse(sheet)->Matching(plain).at(0).value;
            const QColor hover = WThemeSheet::Parse(sheet)->Matching(&menu).at(0).value;
            QCOMPARE(later->BackColor(), QColor(Qt::yellow));
            QCOMPARE(plain->BackColor(), back);
            QCOMPARE(later->ForeColor(), plain->ForeColor()); // only what was chosen stays
            QCOMPARE(menu.ItemBackColorHover(), hover);
            QCOMPARE(menu.ItemForeColorHover(), hover);
            QCOMPARE(chosen.ItemForeColorHover(), QColor(Qt::red));
        }
        theme()->Clear();
        QCOMPARE(menu.ItemBackColorHover(), WMenu().ItemBackColorHover());
    }

    // A variant set before or after the theme, taken away, or met by moving under a selected
    // parent; the most specific rule wins whatever its place in the sheet.
    void variants()
    {
        theme()->ApplySheet(
            QStringLiteral("WPanel[variant=\"card\"] WButton { qproperty-ForeColor: #010203; }"
                           "WButton[variant=\"danger\"] { qproperty-BackColor: #DC2626; }"
                           "WButton { qproperty-BackColor: #2563EB; "
                           "qproperty-ForeColor: #FFFFFF; }"),
            QStringLiteral("v"));
        WPanel window;
        window.resize(200, 100);
        auto* card = new WPanel(&window);
        card->setProperty("variant", QStringLiteral("card"));
        auto* button = new WButton(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->BackColor(), QColor(0x2563EB));
        button->setProperty("variant", QStringLiteral("danger"));
        QCOMPARE(button->BackColor(), QColor(0xDC2626));
        button->setProperty("variant", QVariant());
        QCOMPARE(button->BackColor(), QColor(0x2563EB));
        button->setParent(card);
        button->show();
        QCOMPARE(button->ForeColor(), QColor(0x010203));
    }

    // A theme of its own for one widget and its children, inside the application's.
    void scopes()
    {
        theme()->ApplySheet(QStringLiteral("WLabel { qproperty-ForeColor: #111111; }"),
                            QStringLiteral("outer"));
        WPanel window;
        auto* root = new WPanel(&window);
        auto* inner = new WLabel(root);
        auto* outer = new WLabel(&window);
        window.ensurePolished();
        QVERIFY(theme()->ApplySheet(QStringLiteral("WLabel { qproperty-ForeColor: #EEEEEE; }"),
                                    QStringLiteral("inner"), root));
        QCOMPARE(inner->ForeColor(), QColor(0xEEEEEE));
        QCOMPARE(outer->ForeColor(), QColor(0x111111));
        QCOMPARE(theme()->Active(inner), QStringLiteral("inner"));
        QCOMPARE(theme()->Active(outer), QStringLiteral("outer"));
        QCOMPARE(theme()->Active(), QStringLiteral("outer"));
        auto* late = new WLabel(root);
        late->ensurePolished();
        QCOMPARE(late->ForeColor(), QColor(0xEEEEEE));
        outer->setParent(root);
        outer->ensurePolished();
        QCOMPARE(outer->ForeColor(), QColor(0xEEEEEE));
        theme()->Clear(root);
        QCOMPARE(inner->ForeColor(), QColor(0x111111));
        theme()->ApplySheet(QStringLiteral("WLabel { qproperty-ForeColor: #EEEEEE; }"),
                            QStringLiteral("inner"), root);
        delete root; // the scope goes with it
        theme()->Clear(root);
        QCOMPARE(theme()->Active(&window), QStringLiteral("outer"));
    }

    // What cannot be read is skipped and told; what can still applies.
    void badSheets_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("radius"); // what the button ends with
        QTest::addColumn<bool>("told");
        QTest::newRow("bad colour")
            << "WButton { qproperty-BackColor: nonsense; qproperty-Radius: 7; }" << 7 << false;
        QTest::newRow("pseudo state") << "WButton:hover { qproperty-Radius: 9; }" << 0 << true;
        QTest::newRow("unclosed") << "WButton { qproperty-Radius: 9;" << 0 << true;
        QTest::newRow("braces") << "{{{ }}} WButton { qproperty-Radius: 3 }" << 0 << true;
        QTest::newRow("unknown property")
            << "WButton { qproperty-Radus: 5; qproperty-Radius: 4px }" << 4 << false;
        QTest::newRow("huge number")
            << "WButton { qproperty-Radius: 99999999999999; }" << 0 << false;
        QTest::newRow("read only") << "WButton { qproperty-IsPassive: true; }" << 0 << false;
        QTest::newRow("bad attribute") << "WButton[variant] { qproperty-Radius: 2; }" << 0 << true;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("not ours") << "QPushButton { color: red; } WButton { border: 1px; }" << 0
                                  << false;
    }
    void badSheets()
    {
        QFETCH(QString, sheet);
        QFETCH(int, radius);
        QFETCH(bool, told);
        WButton button;
        QVERIFY(theme()->ApplySheet(sheet, QStringLiteral("bad")));
        QCOMPARE(button.Radius(), radius);
        QCOMPARE(!theme()->LastErrors().isEmpty(), told);
        QVERIFY(!theme()->Apply(QStringLiteral("/no/such/theme.qss")));
        QCOMPARE(theme()->Active(), QStringLiteral("bad"));
        QVERIFY(!theme()->LastErrors().isEmpty());
    }

    // A theme that writes a property with a signal, to a widget whose slot deletes it or its
    // parent: the switch goes on with the others.
    void deletedByWhatTheThemeWrites_data()
    {
        QTest::addColumn<Removal>("mode");
        for (const auto& removal : Removals())
            QTest::newRow(qPrintable(removal.second)) << removal.first;
    }
    void deletedByWhatTheThemeWrites()
    {
        QFETCH(Removal, mode);
        auto* window = new WPanel;
        auto* box = new WCheckBox(new WPanel(window));
        auto* other = new WCheckBox(window);
        QObject::connect(box, &WCheckBox::CheckedChanged, [box, mode] { Remove(box, mode); });
        QPointer<QWidget> alive(window);
        theme()->ApplySheet(QStringLiteral("WCheckBox { qproperty-Checked: true; }"),
                            QStringLiteral("checks"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (alive) {
            QVERIFY(other->Checked());
            delete window;
        }
    }

    void selectors_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("matches"); // object names, in tree order
        const QList<std::array<const char*, 3>> rows{
            {"type, subclasses too", "WPanel", "root card page"},
            {"exact class", ".WPanel", "root card"},
            {"any", "*", "root card page label button"},
            {"name", "#label", "label"},
            {"attribute", "[variant=\"card\"]", "card"},
            {"word of a list", "WButton[tags~=\"b\"]", "button"},
            {"descendant", "#root WLabel", "label"},
            {"child", "#card > WLabel", "label"},
            {"not a child", "#root > WLabel", ""},
            {"child of a descendant", "#root WPanel > WButton", "button"}};
        for (const auto& [name, selector, matches] : rows)
            QTest::newRow(name) << QString(selector) << QString(matches);
    }
    void selectors()
    {
        QFETCH(QString, selector);
        QFETCH(QString, matches);
        WPanel root;
        root.setObjectName(QStringLiteral("root"));
        auto* card = new WPanel(&root);
        card->setObjectName(QStringLiteral("card"));
        card->setProperty("variant", QStringLiteral("card"));
        auto* page = new WTabPage(card);
        page->setObjectName(QStringLiteral("page"));
        auto* label = new WLabel(card);
        label->setObjectName(QStringLiteral("label"));
        auto* button = new WButton(page);
        button->setObjectName(QStringLiteral("button"));
        button->setProperty("tags", QStringList{QStringLiteral("a"), QStringLiteral("b")});
        const auto sheet =
            WThemeSheet::Parse(selector + QStringLiteral(" { qproperty-Radius: 1; }"));
        QVERIFY(sheet->Errors().isEmpty());
        QStringList hit;
        for (QWidget* w : QList<QWidget*>{&root, card, page, label, button}) {
            if (!sheet->Matching(w).isEmpty())
                hit << w->objectName();
        }
        QCOMPARE(hit.join(QLatin1Char(' ')), matches);
    }

    // Hexadecimal forms are Qt's to read: one stands for all.
    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("#rrggbb") << "#2563EB" << QColor(0x25, 0x63, 0xEB);
        QTest::newRow("name") << "white" << QColor(Qt::white);
        QTest::newRow("transparent") << "transparent" << QColor(Qt::transparent);
        QTest::newRow("rgb") << "rgb(1, 2, 3)" << QColor(1, 2, 3);
        QTest::newRow("rgba 0-255") << "rgba(1, 2, 3, 128)" << QColor(1, 2, 3, 128);
        QTest::newRow("rgba fraction") << "rgba(1,2,3,0.5)" << QColor(1, 2, 3, 128);
        QTest::newRow("percent") << "rgb(100%, 0%, 50%)" << QColor(255, 0, 128);
        QTest::newRow("clamped") << "rgb(300, -4, 7)" << QColor(255, 0, 7);
        QTest::newRow("too few") << "rgb(1, 2)" << QColor();
        QTest::newRow("words") << "rgb(a, b, c)" << QColor();
        QTest::newRow("no such name") << "blurple" << QColor();
    }
    void colours()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(WThemeSheet::ParseColor(text), colour);
    }
};

WEXAL_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
