// What a screen reader sees of each widget in the situations that matter to it: roles, names,
// values and ranges, states, actions and children, written out as the reader would walk them.
#include "../form/FormTestSupport.h"
#include "AccessGrid.h"
#include "WAccessibleDump.h"
#include "WComboDropDownBox_p.h"
#include "WScrollBar_p.h"
#include "WTestSuite.h"
#include "WTextTable.h"

#include <QAccessibleWidget>
#include <QTreeView>

using namespace AccessTest;
using WexalTest::AccessibleDump;

// A label class of an application's own is still read as a label.
class LabelOfTheApplication : public WLabel
{
    Q_OBJECT

public:
    using WLabel::WLabel;
};

namespace {

QAccessibleInterface* ownFactory(const QString& className, QObject* object)
{
    return className == QLatin1String("LabelOfTheApplication")
               ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Link)
               : nullptr;
}

template <class T> T* add(QWidget* parent, const QString& text = QString())
{
    auto* w = new T(parent);
    if (!text.isEmpty())
        w->SetText(text);
    return w;
}

// The combo box's dump taken while its list is open, from inside the list's own loop.
QString openComboDump(WComboBox* box)
{
    QString seen = QStringLiteral("<the list did not open>");
    QTimer::singleShot(0, box, [&] {
        if (auto* list = qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget())) {
            seen = AccessibleDump(box);
            list->hide();
        }
    });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
    return seen;
}

} // namespace

class TestAccessibleTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }

    void dumps_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QString>("expected");
        // A hidden button is left out; a plain widget is a client area.
        row("buttons in a panel, as they are and checked or disabled, one hidden", [] {
            WPanel panel;
            for (const bool changed : {false, true}) {
                add<WButton>(&panel, QStringLiteral("Save"))->setEnabled(!changed);
                add<WCheckBox>(&panel, QStringLiteral("Remember me"))->SetChecked(changed);
                auto* toggle = add<WSwitchButton>(&panel, changed ? QString() : "Wi-Fi");
                toggle->SetLeftText(QStringLiteral("Off"));
                toggle->SetRightText(QStringLiteral("On"));
                toggle->SetChecked(changed);
            }
            add<WButton>(&panel)->setAccessibleName(QStringLiteral("Close window"));
            add<WButton>(&panel, QStringLiteral("hidden"))->hide();
            new QWidget(&panel);
            return AccessibleDump(&panel, {2, 12});
        });
        row("combo boxes closed, one without lines", [] {
            WPanel panel;
            auto* box = new WComboBox(&panel);
            box->SetItems(Numbered(3));
            box->SetSelectedIndex(1);
            (new WComboBox(&panel))->setAccessibleName(QStringLiteral("Priority"));
            return AccessibleDump(&panel);
        });
        row("combo box open", [] {
            WPanel window;
            window.resize(300, 200);
            auto* box = new WComboBox(&window);
            box->setGeometry(20, 20, 120, 24);
            box->SetItems(Numbered(3));
            box->SetSelectedIndex(1);
            if (!ShowActive(&window))
                return QStringLiteral("<not shown>");
            return openComboDump(box);
        });
        row("form", [] {
            WForm form;
            form.SetTitle(QStringLiteral("Invoice #2041"));
            auto* label = add<WLabel>(&form, QStringLiteral("Total"));
            label->setGeometry(10, 40, 100, 20);
            if (!FormTest::showForm(form))
                return QStringLiteral("<not shown>");
            form.SetCanResize(false);
            return AccessibleDump(FormTest::shadowOf(form));
        });
        row("form in Designer", [] {
            WBase::SetDesignerMode(true);
            QWidget editor;
            auto* form = new WForm(&editor);
            WBase::SetDesignerMode(false);
            form->SetTitle(QStringLiteral("Dialog"));
            return AccessibleDump(form, {2, 8});
        });
        row("grid: a hidden row, a selected row", [] {
            AccessGrid g(4);
            g.grid.SetSelectedRow(g.data->Rows.at(3));
            const QString dump = AccessibleDump(&g.grid, {3, 12}) + QLatin1Char('\n');
            // A hidden selected row is not among the shown ones.
            g.grid.SetSelectedRow(g.data->Rows.at(2));
            return dump + AccessibleDump(&g.grid, {1, 12});
        });
        row("grid: two columns of three, then rows off, then no model", [] {
            AccessGrid g(2);
            g.grid.SetColumnWidth({40, 60});
            QString dump = AccessibleDump(&g.grid, {3, 12}) + QLatin1Char('\n');
            g.data->ShowRows = false;
            dump += AccessibleDump(&g.grid) + QLatin1Char('\n');
            g.grid.SetDataSource(nullptr);
            return dump + AccessibleDump(&g.grid);
        });
        row("item list with a selected line", [] {
            WItemList list;
            list.SetItems(Numbered(3, QStringLiteral("Line %1")));
            list.SetSelectedIndex(1);
            const QString dump = AccessibleDump(&list) + QLatin1Char('\n');
            list.SetCanSelectItem(false);
            return dump + AccessibleDump(&list);
        });
        row("item list shown and scrolled", [] {
            WItemList list;
            list.resize(100, 100);
            list.SetItems(Numbered(30, QStringLiteral("%1")));
            if (!ShowActive(&list))
                return QStringLiteral("<not shown>");
            QCoreApplication::sendPostedEvents();
            list.SetPadding(QRect(4, 0, 0, 0)); // 4 pixels above the first line
            list.SetVScrollBarValue(100);
            QString dump = AccessibleDump(&list, {2, 4}) + QLatin1Char('\n');
            for (WScrollBar* bar : list.findChildren<WScrollBar*>())
                dump += AccessibleDump(bar) + QLatin1Char('\n');
            // Where a reader finds a line in view, and that it finds none far outside the list.
            QAccessibleInterface* face = Face(&list);
            const QRect line = LocalRect(face, face->child(7), &list);
            const QPoint far = list.mapToGlobal(QPoint(500, 50));
            return dump + QStringLiteral("line 7 at %1,%2 %3x%4, far off: %5")
                              .arg(line.x())
                              .arg(line.y())
                              .arg(line.width())
                              .arg(line.height())
                              .arg(Name(face->childAt(far.x(), far.y())));
        });
        row("labels", [] {
            WPanel panel;
            add<WLabel>(&panel, QStringLiteral("Tracking: 1Z 999"));
            auto* selectable = add<WLabel>(&panel, QStringLiteral("Tracking: 1Z 999"));
            selectable->setAccessibleName(QStringLiteral("Tracking number"));
            selectable->SetCanSelectText(true);
            add<LabelOfTheApplication>(&panel, QStringLiteral("mine"));
            const QString dump = AccessibleDump(&panel) + QLatin1Char('\n');
            // An application that describes its own class itself is asked first.
            QAccessible::installFactory(ownFactory);
            const QString own = AccessibleDump(new LabelOfTheApplication(&panel));
            QAccessible::removeFactory(ownFactory);
            return dump + own;
        });
        row("menu, closed", [] {
            WMenu menu;
            menu.AddItem(QStringLiteral("Open"));
            menu.AddItem(QStringLiteral("Save as"));
            menu.AddItem(QStringLiteral("Delete"))->Enabled = false;
            menu.AddItem(QStringLiteral("Close"));
            menu.SetItemText(1, QStringLiteral("Save a copy"));
            const QString dump = AccessibleDump(&menu) + QLatin1Char('\n');
            menu.RemoveItem(3);
            return dump + AccessibleDump(&menu);
        });
        row("hour-minute picker", [] {
            WHourMinutePicker picker;
            picker.SetStartHour(8);
            picker.SetStartMinute(5);
            picker.SetEndHour(17);
            picker.SetEndMinute(30);
            return AccessibleDump(&picker);
        });
        row("tab control with a page without a tab, then a page taken out", [] {
            WTabControl tabs;
            QList<WTabPage*> pages;
            for (int i = 0; i < 2; ++i) {
                pages << new WTabPage;
                pages.last()->SetText(QStringLiteral("Page %1").arg(i));
                tabs.AddPage(pages.last());
                add<WButton>(pages.last(), QStringLiteral("In %1").arg(i));
            }
            auto* bare = new WTabPage(nullptr, false);
            bare->SetText(QStringLiteral("ignored"));
            tabs.AddPage(bare);
            tabs.SetSelectedIndex(1);
            const QString dump = AccessibleDump(&tabs) + QLatin1Char('\n');
            tabs.RemovePage(0);
            return dump + AccessibleDump(&tabs) + QLatin1Char('\n') +
                   AccessibleDump(pages.at(0)->TabButton());
        });
        row("line edits, track bars and a progress bar in a panel", [] {
            WPanel panel;
            for (const bool readOnly : {false, true}) {
                auto* edit = add<WLineEdit>(&panel, QStringLiteral("Köln"));
                edit->setAccessibleName(QStringLiteral("City"));
                edit->SetReadOnly(readOnly);
            }
            auto* password = new WLineEdit(&panel);
            password->SetTextType(TextType::Password);
            password->SetText(QStringLiteral("hunter2"));
            for (const bool enabled : {true, false}) {
                auto* track = new WTrackBar(&panel);
                track->SetMinimum(10);
                track->SetMaximum(1010);
                track->SetValue1(300);
                track->setAccessibleName(QStringLiteral("Volume"));
                track->setEnabled(enabled);
            }
            (new WProgressBar(&panel))->SetValue(42);
            return AccessibleDump(&panel);
        });
        row("tree view holds Qt's tree", [] {
            WTreeView tree;
            // Qt 6 calls its own tree focusable and Qt 5 does not: not ours to hold.
            tree.TreeView->setFocusPolicy(Qt::NoFocus);
            return AccessibleDump(&tree, {2, 8});
        });
    }

    void dumps()
    {
        QFETCH(Scenario, scenario);
        QFETCH(QString, expected);
        const QString wrong = WexalTest::DumpMismatch(scenario().trimmed(), expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

private:
    // The dumps are kept in tst_accessibletree.dumps, each under "== " and its row's name.
    static void row(const char* name, const Scenario& scenario)
    {
        QTest::newRow(name) << scenario
                            << WexalTest::ExpectedText(
                                   WexalTest::TestData("accessibility/tst_accessibletree.dumps"),
                                   QString::fromUtf8(name));
    }
};

WEXAL_TEST_MAIN(TestAccessibleTree)
#include "tst_accessibletree.moc"
