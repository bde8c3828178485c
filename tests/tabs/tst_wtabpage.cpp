// WTabPage: the tab button it creates and owns, the two looks of the tab kept apart, the
// properties that live in the button, font propagation and pages without a tab.
#include "WClassRegistry.h"
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
    }

    // A page without a tab takes every property of the tab (the caption, its looks, hover,
    // press and border) without storing it: each reads as on a fresh page. The selection and a
    // font it takes all the same. (With a tab, that each property lives in the button is the
    // property walk's: the page reads them back from there.)
    void tablessStoresNothing()
    {
        const WexalTest::ClassRow& row = *WexalTest::FindClass("WTabPage");
        WTabPage tabless(nullptr, false);
        const QMetaObject* meta = tabless.metaObject();
        int taken = 0;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            const QByteArray name = p.name();
            if (!name.startsWith("TabBar") && !name.startsWith("Text"))
                continue;
            const QVariant initial = p.read(&tabless);
            QVERIFY2(p.write(&tabless, WexalTest::TestValue(row, p, initial)), name.constData());
            QVERIFY2(WexalTest::SameValue(p.read(&tabless), initial), name.constData());
            ++taken;
        }
        QCOMPARE(taken, 16);
        tabless.SetSelected(true);
        tabless.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
        QVERIFY(tabless.IsSelected());
    }

    // The tab the page makes and owns: left for the control to adopt, passive to Designer's form
    // editor only in Designer, taking the page's font, and deleted with its page
    // unless the application deleted it first.
    void tabButton()
    {
        QWidget holder;
        auto* page = new WTabPage(&holder);
        QPointer<WButton> tab = page->TabButton();
        QCOMPARE(tab->parent(), nullptr);
        QVERIFY(!tab->objectName().startsWith(passive));
        QFont big = page->font();
        big.setPointSize(31);
        page->setFont(big);
        QCOMPARE(tab->font().pointSize(), 31);
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
