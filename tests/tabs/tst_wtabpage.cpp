// WTabPage: the tab button it creates and owns, the two looks of the tab kept apart, the
// properties that live in the button, font propagation and pages without a tab.
#include "WTestSuite.h"

namespace {

const QColor normal(0x11, 0x22, 0x33), selected(0xAA, 0xBB, 0xCC), other(0x44, 0x55, 0x66);
const QString passive = QStringLiteral("__qt__passive_");

QVariant look(const QString& kind, const QColor& c)
{
    if (kind != QLatin1String("Image"))
        return c;
    QPixmap p(4, 4);
    p.fill(c);
    return p;
}

// What the button shows for one of the four switched looks, as a colour.
QColor shown(const WButton* b, const QString& kind)
{
    const QVariant v = b->property(kind == QLatin1String("Image")
                                       ? "Image"
                                       : (kind + QLatin1String("Color")).toLatin1().constData());
    if (kind != QLatin1String("Image"))
        return v.value<QColor>();
    const QPixmap p = v.value<QPixmap>();
    return p.isNull() ? QColor() : p.toImage().pixelColor(0, 0);
}

QByteArray lookName(const QString& kind, bool selectedLook)
{
    return (QStringLiteral("TabBar") + kind +
            (kind == QLatin1String("Image") ? QString() : QStringLiteral("Color")) +
            (selectedLook ? QStringLiteral("Selected") : QString()))
        .toLatin1();
}

void setLook(WTabPage& page, const QString& kind, bool selectedLook, const QColor& c)
{
    const QByteArray name = lookName(kind, selectedLook);
    QVERIFY2(page.setProperty(name.constData(), look(kind, c)), name.constData());
}

} // namespace

class TestWTabPage : public QObject
{
    Q_OBJECT

private slots:
    // The page keeps a normal and a selected look; the button shows the one of the state, and
    // a change of the other one waits for the next switch.
    void looksKeptApart_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"Back", "Fore", "Border", "Image"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void looksKeptApart()
    {
        QFETCH(QString, kind);
        WTabPage page;
        WButton* tab = page.TabButton();
        QVERIFY(!page.IsSelected() && tab->CanHover());
        setLook(page, kind, false, normal);
        setLook(page, kind, true, selected);
        QCOMPARE(shown(tab, kind), normal);
        page.SetSelected(true);
        QCOMPARE(shown(tab, kind), selected);
        QVERIFY(!tab->CanHover());
        setLook(page, kind, false, other);
        QCOMPARE(shown(tab, kind), selected);
        page.SetSelected(false);
        QCOMPARE(shown(tab, kind), other);
        QVERIFY(tab->CanHover());
        setLook(page, kind, true, normal);
        QCOMPARE(shown(tab, kind), other);
        page.SetSelected(true);
        QCOMPARE(shown(tab, kind), normal);
        // Selecting again changes nothing: a colour set on the button in between stays.
        tab->SetBackColor(other);
        page.SetSelected(true);
        QCOMPARE(tab->BackColor(), other);

        // A page without a tab keeps no look and takes a selection and a font all the same.
        WTabPage tabless(nullptr, false);
        QCOMPARE(tabless.TabButton(), nullptr);
        setLook(tabless, kind, false, normal);
        setLook(tabless, kind, true, normal);
        tabless.SetSelected(true);
        tabless.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
        QVERIFY(tabless.IsSelected());
        for (const bool selectedLook : {false, true}) {
            const QVariant v = tabless.property(lookName(kind, selectedLook).constData());
            QVERIFY(kind == QLatin1String("Image") ? v.value<QPixmap>().isNull()
                                                   : !v.value<QColor>().isValid());
        }
    }

    // Hover, press, caption and border sides live in the button, both ways.
    void forwardedToButton_data()
    {
        QTest::addColumn<QString>("pageProperty");
        QTest::addColumn<QString>("buttonProperty");
        QTest::addColumn<QVariant>("value");
        const auto row = [](const char* name, const char* page, const char* button,
                            const QVariant& value) {
            QTest::newRow(name) << page << button << value;
        };
        const QVariant c = QVariant::fromValue(other);
        row("Text", "Text", "Text", QStringLiteral("Files"));
        row("TextOffset", "TextOffset", "TextOffset", QPoint(3, 4));
        row("back hover", "TabBarBackColorHover", "BackColorHover", c);
        row("back press", "TabBarBackColorPress", "BackColorPress", c);
        row("fore hover", "TabBarForeColorHover", "ForeColorHover", c);
        row("border hover", "TabBarBorderColorHover", "BorderColorHover", c);
        row("border sides", "TabBarBorder", "Border",
            QVariant::fromValue(PositionFlag::Flags(PositionFlag::Bottom)));
        row("border width", "TabBarBorderWidth", "BorderWidth", 3);
    }
    void forwardedToButton()
    {
        QFETCH(QString, pageProperty);
        QFETCH(QString, buttonProperty);
        QFETCH(QVariant, value);
        const QByteArray pp = pageProperty.toLatin1(), bp = buttonProperty.toLatin1();
        WTabPage page;
        QVERIFY(page.setProperty(pp.constData(), value));
        QCOMPARE(page.TabButton()->property(bp.constData()), value);
        page.SetSelected(true); // the same in either state
        const QVariant initial = WTabPage().property(pp.constData());
        QVERIFY(page.TabButton()->setProperty(bp.constData(), initial));
        QCOMPARE(page.property(pp.constData()), initial);
        // A page without a tab stores nothing and reports the initial value.
        WTabPage tabless(nullptr, false);
        tabless.setProperty(pp.constData(), value);
        QCOMPARE(tabless.property(pp.constData()), initial);
    }

    // The tab the page makes and owns: left for the control to adopt, never relaying out
    // either parent, passive to Designer's form editor only in Designer, taking the page's font
    // (a font of its own lasts until the page's changes again), and deleted with its page
    // unless the application deleted it first.
    void tabButton()
    {
        QWidget holder;
        auto* page = new WTabPage(&holder);
        QPointer<WButton> tab = page->TabButton();
        QCOMPARE(tab->parent(), nullptr);
        QVERIFY(!tab->CanReLayoutParent() && !page->CanReLayoutParent());
        QCOMPARE(page->Dock(), DockType::Fill);
        QVERIFY(!tab->objectName().startsWith(passive));
        QFont big = page->font();
        big.setPointSize(31);
        page->setFont(big);
        QCOMPARE(tab->font().pointSize(), 31);
        QFont own = big;
        own.setPointSize(7);
        tab->setFont(own);
        big.setBold(true);
        page->setFont(big);
        QCOMPARE(tab->font().pointSize(), 31);
        QVERIFY(tab->font().bold());
        tab->setParent(&holder); // where the control puts it
        delete page;             // takes its tab with it
        QVERIFY(tab.isNull());

        WBase::SetDesignerMode(true);
        page = new WTabPage(&holder);
        WBase::SetDesignerMode(false);
        tab = page->TabButton();
        QVERIFY(tab->objectName().startsWith(passive));
        tab->setParent(&holder);
        delete tab.data();
        QCOMPARE(page->TabButton(), nullptr);
        page->SetTabBarBackColor(normal);
        page->SetSelected(true);
        QCOMPARE(page->TabBarBackColor(), QColor());
        delete page; // no second delete of the tab
    }
};

WEXAL_TEST_MAIN(TestWTabPage)
#include "tst_wtabpage.moc"
