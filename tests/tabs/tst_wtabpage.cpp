// WTabPage: the tab button it creates and owns, the two looks of the tab kept apart, the
// properties that live in the button, font propagation and pages without a tab.
#include "WButton.h"
#include "WRandomInput.h"
#include "WTabPage.h"

#include <QMetaProperty>
#include <QtTest>

namespace {

const QColor normal(0x11, 0x22, 0x33), selected(0xAA, 0xBB, 0xCC), other(0x44, 0x55, 0x66);

QPixmap filled(const QColor& colour)
{
    QPixmap p(4, 4);
    p.fill(colour);
    return p;
}

// The colour the button shows for one of the four switched looks.
QColor shown(const WButton* b, const QString& look)
{
    if (look == QLatin1String("Back"))
        return b->BackColor();
    if (look == QLatin1String("Fore"))
        return b->ForeColor();
    if (look == QLatin1String("Border"))
        return b->BorderColor();
    return b->Image().isNull() ? QColor() : b->Image().toImage().pixelColor(0, 0);
}

void setLook(WTabPage& page, const QString& look, bool selectedLook, const QColor& c)
{
    const QString name =
        QStringLiteral("TabBar%1%2%3")
            .arg(look, look == QLatin1String("Image") ? QString() : QStringLiteral("Color"),
                 selectedLook ? QStringLiteral("Selected") : QString());
    const QVariant v = look == QLatin1String("Image") ? QVariant(filled(c)) : QVariant(c);
    QVERIFY2(page.setProperty(name.toLatin1().constData(), v), qPrintable(name));
}

} // namespace

class TestWTabPage : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        WTabPage page;
        WButton* tab = page.TabButton();
        QVERIFY(tab);
        QCOMPARE(tab->parent(), nullptr); // the tab control adopts it
        QVERIFY(!tab->CanReLayoutParent());
        QVERIFY(!page.CanReLayoutParent());
        QCOMPARE(page.Dock(), DockType::Fill);
        QVERIFY(!page.IsSelected());
        QVERIFY(tab->CanHover());

        // Dock, Anchor and Radius are shown to Designer as read-only, not designable.
        const QMetaObject* mo = page.metaObject();
        for (const char* name : {"Dock", "Anchor", "Radius"}) {
            const QMetaProperty p = mo->property(mo->indexOfProperty(name));
            QVERIFY2(p.isValid() && !p.isWritable() && !p.isDesignable(), name);
        }

        // In Designer the tab takes mouse input inside the form editor.
        WBase::SetDesignerMode(true);
        WTabPage designed;
        WBase::SetDesignerMode(false);
        QVERIFY(designed.TabButton()->objectName().startsWith(QLatin1String("__qt__passive_")));
        QVERIFY(!page.TabButton()->objectName().startsWith(QLatin1String("__qt__passive_")));
    }

    // The page keeps the normal and the selected look; the button shows the one of the state.
    void looksKeptApart_data()
    {
        QTest::addColumn<QString>("look");
        for (const char* look : {"Back", "Fore", "Border", "Image"})
            QTest::newRow(look) << QString::fromLatin1(look);
    }
    void looksKeptApart()
    {
        QFETCH(QString, look);
        WTabPage page;
        const WButton* tab = page.TabButton();
        setLook(page, look, false, normal);
        setLook(page, look, true, selected);
        QCOMPARE(shown(tab, look), normal);

        page.SetSelected(true);
        QCOMPARE(shown(tab, look), selected);
        QVERIFY(!tab->CanHover());
        // Changing the normal look while selected only stores it.
        setLook(page, look, false, other);
        QCOMPARE(shown(tab, look), selected);

        page.SetSelected(false);
        QCOMPARE(shown(tab, look), other);
        QVERIFY(tab->CanHover());
        // And the selected look while not selected.
        setLook(page, look, true, normal);
        QCOMPARE(shown(tab, look), other);
        page.SetSelected(true);
        QCOMPARE(shown(tab, look), normal);
    }

    void selectingTwiceChangesNothing()
    {
        WTabPage page;
        page.SetTabBarBackColorSelected(selected);
        page.SetSelected(true);
        page.TabButton()->SetBackColor(other);
        page.SetSelected(true);
        QCOMPARE(page.TabButton()->BackColor(), other);
        page.SetSelected(false);
        page.TabButton()->SetCanHover(false);
        page.SetSelected(false);
        QVERIFY(!page.TabButton()->CanHover());
    }

    // Hover, press, caption and border sides live in the button: the page reads and writes it.
    void forwardedToButton()
    {
        WTabPage page;
        WButton* tab = page.TabButton();
        page.SetText(QStringLiteral("Files"));
        page.SetTextOffset(QPoint(3, 4));
        page.SetTabBarBackColorHover(normal);
        page.SetTabBarBackColorPress(selected);
        page.SetTabBarForeColorHover(other);
        page.SetTabBarBorder(PositionFlag::Bottom);
        page.SetTabBarBorderWidth(3);
        page.SetTabBarBorderColorHover(selected);
        QCOMPARE(tab->Text(), QStringLiteral("Files"));
        QCOMPARE(tab->TextOffset(), QPoint(3, 4));
        QCOMPARE(tab->BackColorHover(), normal);
        QCOMPARE(tab->BackColorPress(), selected);
        QCOMPARE(tab->ForeColorHover(), other);
        QCOMPARE(tab->Border(), PositionFlag::Flags(PositionFlag::Bottom));
        QCOMPARE(tab->BorderWidth(), 3);
        QCOMPARE(tab->BorderColorHover(), selected);

        tab->SetText(QStringLiteral("Edit"));
        tab->SetBackColorHover(other);
        tab->SetBorderWidth(1);
        QCOMPARE(page.Text(), QStringLiteral("Edit"));
        QCOMPARE(page.TabBarBackColorHover(), other);
        QCOMPARE(page.TabBarBorderWidth(), 1);
        // The hover colour holds in either state.
        page.SetSelected(true);
        QCOMPARE(tab->BackColorHover(), other);
    }

    void fontReachesTab()
    {
        WTabPage page;
        QFont big = page.font();
        big.setPointSize(31);
        page.setFont(big);
        QCOMPARE(page.TabButton()->font().pointSize(), 31);

        QFont own = big;
        own.setPointSize(7);
        page.TabButton()->setFont(own);
        QFont bold = big;
        bold.setBold(true);
        page.setFont(bold);
        QCOMPARE(page.TabButton()->font().pointSize(), 31);
        QVERIFY(page.TabButton()->font().bold());
    }

    void withoutTabButton()
    {
        WTabPage page(nullptr, false);
        QCOMPARE(page.TabButton(), nullptr);
        page.SetText(QStringLiteral("x"));
        page.SetTextOffset(QPoint(1, 1));
        page.SetTabBarBackColor(normal);
        page.SetTabBarBackColorSelected(normal);
        page.SetTabBarBackColorHover(normal);
        page.SetTabBarImage(filled(normal));
        page.SetTabBarBorder(PositionFlag::All);
        page.SetTabBarBorderWidth(4);
        page.SetSelected(true);
        page.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
        QVERIFY(page.IsSelected());
        QCOMPARE(page.Text(), QString());
        QCOMPARE(page.TextOffset(), QPoint());
        QCOMPARE(page.TabBarBackColor(), QColor());
        QCOMPARE(page.TabBarBackColorSelected(), QColor());
        QCOMPARE(page.TabBarBackColorHover(), QColor());
        QVERIFY(page.TabBarImage().isNull());
        QCOMPARE(page.TabBarBorder(), PositionFlag::Flags(PositionFlag::None));
        QCOMPARE(page.TabBarBorderWidth(), 0);
    }

    // The button sits among someone else's children, where the application can delete it.
    void tabDeletedByApplication()
    {
        QWidget holder;
        auto* page = new WTabPage(&holder);
        QPointer<WButton> tab = page->TabButton();
        tab->setParent(&holder);
        delete tab.data();
        QCOMPARE(page->TabButton(), nullptr);
        page->SetTabBarBackColor(normal);
        page->SetSelected(true);
        QCOMPARE(page->TabBarBackColor(), QColor());
        delete page;

        auto* owned = new WTabPage(&holder);
        tab = owned->TabButton();
        delete owned; // deletes its tab with it
        QVERIFY(tab.isNull());
    }

    void randomInput()
    {
        QWidget holder;
        holder.resize(300, 200);
        auto* page = new WTabPage(&holder);
        page->resize(300, 170);
        page->TabButton()->setParent(&holder);
        page->TabButton()->setGeometry(0, 170, 60, 30);
        WexalTest::RandomInputOptions options;
        // Written straight into the button they would break the look the invariant checks.
        options.skipProperties =
            QStringList{QStringLiteral("BackColor"), QStringLiteral("CanHover")};
        options.action = [page](QRandomGenerator& rng, QWidget*) {
            page->SetSelected(rng.bounded(2));
            if (rng.bounded(4) == 0) {
                QFont f = page->font();
                f.setPointSize(rng.bounded(1, 40));
                page->setFont(f);
            }
        };
        options.invariant = [page](QWidget*) {
            const WButton* tab = page->TabButton();
            if (tab->CanHover() == page->IsSelected())
                return QStringLiteral("the tab hovers while selected, or not while normal");
            if (tab->BackColor() !=
                (page->IsSelected() ? page->TabBarBackColorSelected() : page->TabBarBackColor()))
                return QStringLiteral("the tab shows the other look");
            return QString();
        };
        QCOMPARE(WexalTest::RunRandomInput(&holder, options), QString());
    }
};

QTEST_MAIN(TestWTabPage)
#include "tst_wtabpage.moc"
