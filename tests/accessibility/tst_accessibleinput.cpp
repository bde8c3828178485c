// The keys and the screen reader's requests on every widget class, as one table over small
// per-class adaptors, and the announcements that go with them: a row names the class, where it
// starts, what is pressed or asked, and what the widget and the reader end up with.
#include "../form/FormTestSupport.h"
#include "AccessGrid.h"
#include "WAccessibleDump.h"
#include "WComboBoxScrollArea_p.h"
#include "WComboDropDownBox_p.h"
#include "WScrollBar_p.h"
#include "WTestSuite.h"
#include "WTextTable.h"

using namespace AccessTest;

namespace {

// A widget set up for a row: the window that owns it, the widget that takes the keys and whose
// interface takes the actions, and how to read where it stands.
struct Subject
{
    std::shared_ptr<QWidget> window;
    QWidget* target = nullptr;
    std::function<void(Subject&, int)> start = [](Subject&, int) {};
    std::function<QString()> state;
    // Runs the row's input where the widget listens: inside a menu's or a list's own loop.
    std::function<void(Subject&, const std::function<void()>&)> around =
        [](Subject&, const std::function<void()>& input) { input(); };
    QList<const QObject*> heardOf;
    bool shown = true; // a menu shows itself when it runs, a form through its own window
};

QString focusLine(QObject* object)
{
    QAccessibleInterface* focus = Face(object)->focusChild();
    return focus ? WexalTest::AccessibleLine(focus, nullptr) : QStringLiteral("<none>");
}

template <class T> T* inPanel(Subject& s, QSize size = QSize(200, 100))
{
    auto* panel = new WPanel;
    panel->resize(size);
    s.window.reset(panel);
    auto* w = new T(panel);
    s.target = w;
    s.heardOf = {w};
    return w;
}

// A widget that is its own window, taking the row's input and heard of alone.
template <class T> T* alone(Subject& s, T* w)
{
    s.window.reset(w);
    s.target = w;
    s.heardOf = {w};
    return w;
}

bool show(Subject& s)
{
    return !s.shown || ShowActive(s.window.get());
}

Subject clicker(int kind)
{
    Subject s;
    WBaseButton* b = kind == 0   ? static_cast<WBaseButton*>(inPanel<WButton>(s))
                     : kind == 1 ? static_cast<WBaseButton*>(inPanel<WCheckBox>(s))
                                 : inPanel<WSwitchButton>(s);
    if (auto* box = qobject_cast<WCheckBox*>(b))
        box->SetUncheckWhenClicked(false); // as a click: once checked, it stays
    auto clicks = std::make_shared<int>(0);
    if (auto* button = qobject_cast<WButton*>(b))
        QObject::connect(button, &WButton::Clicked, [clicks] { ++*clicks; });
    s.state = [b, clicks] {
        const QVariant checked = b->property("Checked");
        return checked.isValid() ? QString(checked.toBool() ? "checked" : "unchecked")
                                 : QStringLiteral("clicks %1").arg(*clicks);
    };
    return s;
}

Subject combo(bool list)
{
    Subject s;
    auto* box = inPanel<WComboBox>(s, QSize(300, 200));
    box->setGeometry(20, 20, 120, 24);
    box->SetItems(Numbered(20));
    s.start = [box](Subject&, int i) { box->SetSelectedIndex(i); };
    auto opened = std::make_shared<int>(0);
    auto lit = std::make_shared<int>(-2);
    s.state = [box, opened, lit] {
        QString state = QString::number(box->SelectedIndex());
        if (*opened)
            state += QStringLiteral(" opened %1").arg(*opened);
        if (*lit != -2)
            state += QStringLiteral(" lit %1").arg(*lit);
        return state;
    };
    auto* watch = new QTimer(box);
    watch->setInterval(0);
    if (!list) {
        // Whatever opens the list finds it closed again at once, counted.
        QObject::connect(watch, &QTimer::timeout, [opened] {
            if (auto* open = qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget())) {
                ++*opened;
                open->hide();
            }
        });
        watch->start();
        return s;
    }
    // The row's input runs inside the list, opened by a click; the lit line is the one when
    // the last key came, the list's announcements are heard with the box's.
    s.around = [box, opened, lit](Subject& s, const std::function<void()>& input) {
        QTimer::singleShot(0, box, [=, &s] {
            auto* open = qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget());
            if (!open)
                return;
            ++*opened;
            s.heardOf << open;
            s.target = open;
            *lit = open->Content()->HoverIndex();
            input();
            if (open->isVisible())
                open->hide();
        });
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
        s.target = box;
    };
    return s;
}

// "grid", "long grid" (60 rows: whether the selected row is in view, and where the rows are
// scrolled) or "grid editor" (an edit in the first row's last cell, clicked into at the start).
Subject grid(const QString& name)
{
    Subject s;
    auto model = std::make_shared<AccessGrid>(name == "long grid" ? 60 : 6);
    WGridList* g = &model->grid;
    g->resize(200, 130);
    s.window = std::shared_ptr<QWidget>(model, g);
    s.target = g;
    s.heardOf = {g};
    auto clicks = std::make_shared<QSignalSpy>(g, &WGridList::RowClicked);
    auto doubles = std::make_shared<QSignalSpy>(g, &WGridList::RowDoubleClicked);
    auto headers = std::make_shared<QSignalSpy>(g, &WGridList::ColumnHeaderClicked);
    QPointer<WLineEdit> edit;
    if (name == "grid editor") {
        edit = new WLineEdit;
        edit->SetDock(DockType::Fill);
        model->data->Rows.at(0)->Cells[2] = edit.data();
        g->UpdateData();
    }
    s.start = [g, model, edit](Subject&, int r) {
        g->SetSelectedRow(r < 0 ? nullptr : model->data->Rows.at(r));
        if (edit) {
            const QRect cell = model->Tab()->cellAt(0, 2)->rect();
            QTest::mouseClick(g, Qt::LeftButton, {}, g->mapFromGlobal(cell.center()));
        }
    };
    s.state = [g, model, clicks, doubles, headers, edit, name] {
        QStringList checked;
        for (int r = 0; r < 6; ++r) {
            if (model->data->Rows.at(r)->Cells[0].IsChecked())
                checked << QString::number(r);
        }
        // Signals only where there were any: "clicks 1(1,0)", "header 2".
        QString state = QStringLiteral("row %1 checked %2")
                            .arg(g->SelectedRowIndex())
                            .arg(checked.join(QLatin1Char(',')));
        for (const auto& [name, spy] :
             {std::pair(" clicks ", clicks.get()), std::pair(" doubles ", doubles.get())}) {
            if (!spy->isEmpty())
                state += QStringLiteral("%1%2(%3,%4)")
                             .arg(QLatin1String(name))
                             .arg(spy->count())
                             .arg(spy->last().value(0).toInt())
                             .arg(spy->last().value(1).toInt());
        }
        if (!headers->isEmpty())
            state += QStringLiteral(" header %1").arg(headers->last().value(0).toInt());
        if (edit)
            state += QStringLiteral(" edit %1%2")
                         .arg(edit->Text(), g->FocusedEditor() ? " (typing)" : "");
        if (name == "long grid" && !model->Tab()->selectedCells().isEmpty()) {
            const QRect row = model->Tab()->selectedCells().first()->rect();
            const QRect rows(g->mapToGlobal(g->RowsRect().topLeft()), g->RowsRect().size());
            state += QStringLiteral(" %1 at %2")
                         .arg(rows.contains(row) ? "in view" : "out of view")
                         .arg(g->VScrollBarValue());
        }
        return state;
    };
    return s;
}

Subject itemList(bool selectable)
{
    Subject s;
    auto* list = alone(s, new WItemList);
    list->resize(100, 100); // 20-pixel lines, no bars: five lines in view
    list->SetScrollBarSize(0);
    list->SetItems(Numbered(20));
    list->SetCanSelectItem(selectable);
    s.start = [list](Subject&, int i) {
        list->setFocus();
        list->SetSelectedIndex(i);
        if (i == 19)
            list->SetVScrollBarValue(300);
    };
    s.state = [list] {
        return QStringLiteral("%1 at %2").arg(list->SelectedIndex()).arg(list->VScrollBarValue());
    };
    return s;
}

Subject tabs(bool fromPage)
{
    Subject s;
    auto* t = alone(s, new WTabControl);
    t->resize(360, 200);
    t->SetTabBarSize(QSize(80, 24));
    for (int i = 0; i < 3; ++i) {
        auto* page = new WTabPage;
        page->SetText(QStringLiteral("Page %1").arg(i));
        t->AddPage(page);
        (new WButton(page))->setGeometry(10, 10, 60, 24);
    }
    s.start = [t, fromPage](Subject& s, int i) {
        t->SetSelectedIndex(i);
        auto* page = static_cast<WTabPage*>(t->Page(i));
        s.target = fromPage ? static_cast<QWidget*>(page->findChild<WButton*>()) : t;
        if (fromPage || t->isVisible())
            (fromPage ? s.target : page->TabButton())->setFocus(Qt::MouseFocusReason);
    };
    s.state = [t] {
        QWidget* focus = QApplication::focusWidget();
        int tab = -1;
        for (int i = 0; i < t->Count(); ++i) {
            if (focus == static_cast<WTabPage*>(t->Page(i))->TabButton())
                tab = i;
        }
        return QStringLiteral("page %1 focus on tab %2").arg(t->SelectedIndex()).arg(tab);
    };
    return s;
}

Subject track(OrientationType::Types orientation)
{
    Subject s;
    auto* bar = inPanel<WTrackBar>(s, QSize(200, 200));
    bar->SetOrientation(orientation);
    bar->resize(orientation == OrientationType::Horizontal ? QSize(200, 20) : QSize(20, 200));
    bar->SetButtonSize(QSize(10, 10));
    bar->SetMaximum(1000);
    auto changes = std::make_shared<QSignalSpy>(bar, &WTrackBar::Value1Changed);
    auto manual = std::make_shared<QSignalSpy>(bar, &WTrackBar::ManuallyDragChanged);
    s.start = [bar, changes, manual](Subject&, int v) {
        bar->SetValue1(v);
        changes->clear();
        manual->clear();
    };
    s.state = [bar, changes, manual] {
        QString state = QString::number(bar->Value1());
        if (!changes->isEmpty())
            state += QStringLiteral(" changes %1").arg(changes->count());
        if (!manual->isEmpty())
            state += QStringLiteral(" dragged %1").arg(manual->last().value(0).toInt());
        return state;
    };
    return s;
}

Subject picker()
{
    Subject s;
    auto* p = inPanel<WHourMinutePicker>(s, QSize(300, 60));
    p->SetStartHour(8);
    p->SetStartMinute(5);
    p->SetEndHour(17);
    p->SetEndMinute(30);
    s.start = [p](Subject&, int endMinute) {
        p->SetEndMinute(endMinute);
        p->setFocus(Qt::MouseFocusReason);
    };
    // The number a key goes to is the reader's focused, selected child too.
    s.state = [p] {
        QAccessibleInterface* focus = Face(p)->focusChild();
        const bool shown = focus && focus->state().focused && focus->state().selected;
        const int read = shown ? Face(p)->indexOfChild(focus) : -1;
        QString state = QStringLiteral("%1 at %2")
                            .arg(Face(p)->text(QAccessible::Value))
                            .arg(p->SelectedItem());
        if (read != p->SelectedItem())
            state += QStringLiteral(" [the reader's at %1]").arg(read);
        return state;
    };
    return s;
}

// Made in an order unlike their places, where Tab goes by rows from the top, left to right in a
// row: two buttons, a disabled and a hidden one, a selectable label; two buttons, one taller; a
// nested panel with a check box and an edit; a read-only edit, the picker and a button. The row
// starts with a click into the one at that index (-1: the hidden one shown, the first clicked);
// the state is where the focus went, in order, and the picker's number.
Subject tabOrder()
{
    Subject s;
    auto* panel = new WPanel;
    s.window.reset(panel);
    s.target = panel;
    panel->resize(520, 310);
    auto* nested = new WPanel(panel);
    auto* picker = new WHourMinutePicker(panel);
    auto* label = new WLabel(panel);
    label->SetCanSelectText(true);
    auto* edit = new WLineEdit(panel);
    edit->SetReadOnly(true);
    const QList<QWidget*> all{new WButton(panel),
                              new WSwitchButton(panel),
                              new WButton(panel),
                              new WButton(panel),
                              new WCheckBox(nested),
                              new WLineEdit(nested),
                              label,
                              edit,
                              picker,
                              new WButton(panel),
                              new WButton(panel),
                              new WButton(panel)};
    const QList<QRect> places{{10, 10, 60, 24},   {200, 14, 60, 24}, {10, 100, 60, 40},
                              {200, 100, 60, 24}, {0, 8, 60, 24},    {100, 5, 80, 24},
                              {300, 10, 80, 24},  {10, 270, 80, 24}, {100, 270, 150, 25},
                              {270, 270, 60, 24}, {100, 10, 60, 24}, {120, 10, 60, 24}};
    nested->setGeometry(10, 200, 300, 60);
    for (int i = 0; i < all.size(); ++i)
        all.at(i)->setGeometry(places.at(i));
    all.at(10)->setEnabled(false);
    all.at(11)->hide();
    s.heardOf = {picker};
    auto went = std::make_shared<QStringList>();
    QObject::connect(qApp, &QApplication::focusChanged, panel, [all, went](QWidget*, QWidget* now) {
        static const QStringList names{"b11",   "b12",  "b21",    "b22",  "c1",       "c2",
                                       "label", "edit", "picker", "last", "disabled", "hidden"};
        if (all.contains(now))
            *went << names.at(all.indexOf(now));
    });
    s.start = [all, picker, went](Subject&, int i) {
        if (i < 0)
            all.at(11)->show();
        if (all.at(qMax(i, 0)) == picker)
            QTest::mouseClick(picker, Qt::LeftButton, {}, picker->ItemRect(0).center());
        else
            all.at(qMax(i, 0))->setFocus(Qt::MouseFocusReason);
        went->clear();
    };
    s.state = [picker, went] {
        return QStringLiteral("[%1] picker at %2").arg(went->join(' ')).arg(picker->SelectedItem());
    };
    return s;
}

// "Open", "Save as", a disabled "Delete", "Close".
Subject menu(bool empty)
{
    Subject s;
    auto* m = alone(s, new WMenu);
    s.shown = false;
    if (!empty) {
        m->AddItem(QStringLiteral("Open"));
        m->AddItem(QStringLiteral("Save as"));
        m->AddItem(QStringLiteral("Delete"))->Enabled = false;
        m->AddItem(QStringLiteral("Close"));
    }
    auto chosen = std::make_shared<int>(-2);
    auto openAfter = std::make_shared<bool>(false);
    s.around = [m, chosen, openAfter](Subject&, const std::function<void()>& input) {
        QTimer::singleShot(0, m, [=] {
            input();
            *openAfter = m->isVisible();
            QTimer::singleShot(50, m, &WMenu::close); // a menu left open is closed for it
        });
        *chosen = m->IndexOf(m->exec(QPoint(100, 100)));
    };
    s.state = [chosen, openAfter] {
        return QStringLiteral("chose %1%2").arg(*chosen).arg(*openAfter ? " (open after)" : "");
    };
    return s;
}

Subject make(const QString& name)
{
    if (name == "button" || name == "checkbox" || name == "switch")
        return clicker(name == "button" ? 0 : name == "checkbox" ? 1 : 2);
    if (name.startsWith("combo"))
        return combo(name == "combo list");
    if (name.contains("grid"))
        return grid(name);
    if (name.startsWith("item list"))
        return itemList(name == "item list");
    if (name.startsWith("tabs"))
        return tabs(name == "tabs page");
    if (name.startsWith("track"))
        return track(name.contains("vertical") ? OrientationType::Vertical
                                               : OrientationType::Horizontal);
    if (name == "picker")
        return picker();
    if (name == "tab order")
        return tabOrder();
    if (name.startsWith("menu"))
        return menu(name == "menu empty");
    if (name == "form") {
        Subject s;
        auto* form = new WForm;
        s.window.reset(form->window());
        s.shown = false;
        s.target = form;
        s.start = [form](Subject&, int) { FormTest::showForm(*form); };
        s.state = [form] { return QString(form->window()->isVisible() ? "shown" : "hidden"); };
        return s;
    }
    if (name == "progress" || name.endsWith("edit") || name == "scroll bar") {
        Subject s;
        if (name == "progress") {
            auto* bar = inPanel<WProgressBar>(s);
            bar->SetValue(42);
            s.state = [bar] { return QString::number(bar->Value()); };
        } else if (name.endsWith("edit")) {
            // Starts read-only for 1, from "12345" for 2, both for 3.
            auto* edit = inPanel<WLineEdit>(s);
            edit->SetTextType(name == "number edit"     ? TextType::Number
                              : name == "password edit" ? TextType::Password
                                                        : TextType::Normal);
            s.start = [edit](Subject&, int start) {
                edit->SetText(start & 2 ? QStringLiteral("12345") : QString());
                edit->SetReadOnly(start & 1);
                edit->setFocus();
            };
            // The text, then what the reader reads of it where that differs, and the reader's
            // caret and selection, which must be the edit's.
            s.state = [edit] {
                QAccessibleTextInterface* text = Face(edit)->textInterface();
                int from = 0, to = 0;
                text->selection(0, &from, &to);
                QString state = edit->Text();
                if (Face(edit)->text(QAccessible::Value) != state)
                    state += QStringLiteral(" reads ") + Face(edit)->text(QAccessible::Value);
                state += QStringLiteral(" caret %1").arg(text->cursorPosition());
                if (text->selectionCount())
                    state += QStringLiteral(" selects %1..%2").arg(from).arg(to);
                if (text->cursorPosition() != edit->CaretIndex() ||
                    text->text(from, to) != edit->SelectedText())
                    state += QStringLiteral(" [not the edit's]");
                return state;
            };
        } else {
            auto* list = inPanel<WItemList>(s);
            list->resize(100, 100);
            list->SetItems(Numbered(30));
            s.start = [list](Subject& s, int) {
                QCoreApplication::sendPostedEvents();
                for (WScrollBar* b : list->findChildren<WScrollBar*>()) {
                    if (b->Orientation() == OrientationType::Vertical)
                        s.target = b;
                }
            };
            s.state = [list] { return QString::number(list->VScrollBarValue()); };
        }
        return s;
    }
    qFatal("no adaptor for %s", qPrintable(name));
}

// "Ctrl+Shift+Tab", "Num+Enter"; a leading "~" sends the key as held down (auto-repeated).
void press(QWidget* to, QString key)
{
    const bool held = key.startsWith(QLatin1Char('~'));
    if (held)
        key.remove(0, 1);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const int combined = QKeySequence::fromString(key)[0].toCombined();
#else
    const int combined = QKeySequence::fromString(key)[0];
#endif
    auto code = Qt::Key(combined & ~Qt::KeyboardModifierMask);
    const auto modifiers = Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask);
    const QString text = key.size() == 1 ? key.toLower() : QString();
    if (held) {
        QKeyEvent e(QEvent::KeyPress, code, modifiers, text, true);
        QApplication::sendEvent(to, &e);
    } else if (code == Qt::Key_Tab && modifiers) {
        QTest::keyClick(to, modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : code, modifiers);
    } else {
        QTest::sendKeyEvent(QTest::Click, to, code, text, modifiers);
    }
}

// What a step of an action row does on the node at the path ("0.7:Press" is the press action of
// the first child's eighth child): an action by name, "=V" sets the value, "text=T" the text,
// "ins2=ab" inserts at 2, "del1-3" deletes from 1 to 3, "rep1-3=ab" replaces that range, "car4"
// puts the caret at 4, "sel1-3" selects from 1 to 3, "add1-3" adds a selection, "uns0" removes
// the first; in a table "row2" selects shown row 2, "unr2" unselects it, "col0" a column.
QString act(QAccessibleInterface* node, const QString& step)
{
    const int colon = step.indexOf(QLatin1Char(':'));
    for (const QString& i : step.left(qMax(colon, 0)).split('.', Qt::SkipEmptyParts))
        node = node ? node->child(i.toInt()) : nullptr;
    if (!node)
        return QStringLiteral(" [no such child]");
    const QString what = step.mid(colon + 1);
    static const QRegularExpression edit(
        QStringLiteral("^(\\w\\w\\w)(-?\\d+)(?:-(-?\\d+))?(?:=(.*))?$"));
    const QRegularExpressionMatch m = edit.match(what);
    const int a = m.captured(2).toInt(), b = m.captured(3).toInt();
    QAccessibleTextInterface* t = node->textInterface();
    QAccessibleEditableTextInterface* e = node->editableTextInterface();
    if (what.startsWith(QLatin1Char('='))) {
        node->valueInterface()->setCurrentValue(what.mid(1).toLongLong());
    } else if (what.startsWith(QLatin1String("text="))) {
        node->setText(QAccessible::Value, what.mid(5));
    } else if (m.hasMatch() && e && m.captured(1) == "ins") {
        e->insertText(a, m.captured(4));
    } else if (m.hasMatch() && e && m.captured(1) == "del") {
        e->deleteText(a, b);
    } else if (m.hasMatch() && e && m.captured(1) == "rep") {
        e->replaceText(a, b, m.captured(4));
    } else if (m.hasMatch() && t && m.captured(1) == "car") {
        t->setCursorPosition(a);
    } else if (m.hasMatch() && t && m.captured(1) == "sel") {
        t->setSelection(0, a, b);
    } else if (m.hasMatch() && t && m.captured(1) == "add") {
        t->addSelection(a, b);
    } else if (m.hasMatch() && t && m.captured(1) == "uns") {
        t->removeSelection(a);
    } else if (QAccessibleTableInterface* table = node->tableInterface(); table && m.hasMatch()) {
        const bool done = m.captured(1) == "row"   ? table->selectRow(a)
                          : m.captured(1) == "unr" ? table->unselectRow(a)
                                                   : table->selectColumn(a);
        if (!done)
            return QStringLiteral(" [refused %1]").arg(what);
    } else {
        QAccessibleActionInterface* actions = node->actionInterface();
        const QString name = what == "Press"      ? QAccessibleActionInterface::pressAction()
                             : what == "Toggle"   ? QAccessibleActionInterface::toggleAction()
                             : what == "ShowMenu" ? QAccessibleActionInterface::showMenuAction()
                             : what == "Increase" ? QAccessibleActionInterface::increaseAction()
                                                  : QAccessibleActionInterface::decreaseAction();
        const bool offered = actions && actions->actionNames().contains(name);
        if (actions)
            actions->doAction(name);
        if (!offered)
            return QStringLiteral(" [no %1]").arg(what);
    }
    return QString();
}

constexpr int off = -100; // the start of a row whose widget is disabled

// The rows of tst_accessibleinput.keys: "subject | start | keys | state | heard", with a start
// of "off" for a disabled widget.
void keyRows()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("heard");
    for (const QStringList& f :
         WexalTest::TextTable(WexalTest::TestData("accessibility/tst_accessibleinput.keys"), 5)) {
        const int start = f[1] == QLatin1String("off") ? off : f[1].toInt();
        QTest::addRow("%s, %s: %s", qPrintable(f[0]), qPrintable(f[1]), qPrintable(f[2]))
            << f[0] << start << f[2] << f[3] << f[4];
    }
}

} // namespace

class TestAccessibleInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }
    void init() { WBase::SetKeyboardAccess(true); }
    void cleanup() { WBase::SetKeyboardAccess(false); }

    // Keys, with the keyboard switch on ("off:" before the keys runs them with it off), or a
    // screen reader's requests ("reader: " before the steps that act() takes): "[no Press]"
    // after the state where the node did not offer the action it was asked for.
    void input_data() { keyRows(); }

    void input()
    {
        QFETCH(QString, subject);
        QFETCH(int, start);
        QFETCH(QString, input);
        QVERIFY2(!subject.startsWith(QLatin1Char('<')), qPrintable(subject));
        const bool reader = input.startsWith(QLatin1String("reader: "));
        if (input.startsWith(QLatin1String("off:")))
            WBase::SetKeyboardAccess(false);
        input.remove(QRegularExpression(QStringLiteral("^(off:|reader: )")));
        Subject s = make(subject);
        if (!show(s))
            QSKIP("the window did not come up");
        s.start(s, start);
        if (start == off)
            s.target->setEnabled(false);
        const Recorder heard;
        QString refused;
        s.around(s, [&] {
            const QString before = s.state();
            for (const QString& step : input.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                QWidget* focus = QApplication::focusWidget();
                if (reader)
                    refused += act(Face(s.target), step);
                else
                    press(focus && s.target->isAncestorOf(focus) ? focus : s.target, step);
            }
            // What a reader asks for happens after its request has returned.
            if (reader && s.state() != before)
                refused += QStringLiteral(" [at once]");
            if (reader)
                QTest::qWait(20);
        });
        QTEST(s.state() + refused, "state");
        QTEST(Said(s.heardOf), "heard");
    }

    void announcements_data()
    {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QString>("heard");
        // What each row hears is kept under its name in tst_accessibleinput.heard.
        const auto row =
            [](const char* name, const Scenario& scenario) {
                QTest::newRow(name)
                    << scenario
                    << WexalTest::ExpectedText(
                           WexalTest::TestData("accessibility/tst_accessibleinput.heard"), name);
            };
        // Equal writes and the plain announcements of setters are the property walker's: here
        // what it cannot write, and what an announcement carries.
        row("setters: quiet ones, and what the others say", [] {
            const Recorder heard;
            WCheckBox box;
            WButton button;
            WLabel label;
            WTrackBar track;
            WProgressBar bar;
            WHourMinutePicker picker;
            box.SetCheckedWithoutEvent(true); // quiet for the application, not a reader
            button.SetText(QStringLiteral("Send"));
            label.AppendText(QStringLiteral("ab"));
            label.SetCanSelectText(true);
            label.resize(100, 20);
            QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&label, &dbl);
            track.SetValue1WithoutEvent(40);
            bar.SetValue(700);
            picker.SetEndHour(20);
            return Said({&box, &button, &label, &track, &bar, &picker});
        });
        row("grid: reset, selection without and with the focus", [] {
            Subject s = make("grid");
            if (!show(s))
                return QStringLiteral("<not shown>");
            auto* grid = static_cast<WGridList*>(s.target);
            grid->clearFocus();
            const Recorder heard;
            grid->UpdateData();
            s.start(s, 3);
            s.start(s, 3);
            grid->setFocus();
            s.start(s, 1);
            return Said({grid}) + QStringLiteral(" / focused: ") + focusLine(grid);
        });
        row("item list: selection, focus, clicks", [] {
            Subject s = make("item list");
            if (!show(s))
                return QStringLiteral("<not shown>");
            auto* list = static_cast<WItemList*>(s.target);
            list->clearFocus();
            const Recorder heard;
            list->SetSelectedIndex(3);
            list->SetSelectedIndex(3);
            list->setFocus();
            const QString focused = focusLine(list);
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 25), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(list, &press); // selects line 1
            QApplication::sendEvent(list, &press); // clears the selection: nothing to say
            return Said({list}) + QStringLiteral(" / focused: ") + focused;
        });
        row("menu: open, hover, close", [] {
            Subject s = make("menu");
            auto* menu = static_cast<WMenu*>(s.target);
            menu->SetPadding(WPadding{5, 5, 10, 10});
            const Recorder heard;
            QString hovered;
            QTimer::singleShot(0, menu, [&] {
                QTest::mouseMove(menu->windowHandle(), QPoint(20, 5 + 30 + 15));
                hovered = focusLine(menu);
                menu->close();
            });
            menu->exec(QPoint(100, 100));
            return Said({menu}) + QStringLiteral(" / ") + hovered;
        });
    }

    void announcements()
    {
        QFETCH(Scenario, scenario);
        QTEST(scenario(), "heard");
    }

    // A reader's click is queued: the button may be gone by the time it would run (under
    // AddressSanitizer a use of the deleted button fails the run).
    void deletedBeforeItsQueuedClick()
    {
        auto* box = new WCheckBox;
        Face(box)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        delete box;
        QCoreApplication::processEvents();
    }
};

WEXAL_TEST_MAIN(TestAccessibleInput)
#include "tst_accessibleinput.moc"
