#include "WClassRegistry.h"

#include "WTestSuite.h"

#include <QDir>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTreeView>

namespace WexalTest {

namespace {

// A widget of class W, with setup applied to it when given.
template <class W> std::function<QWidget*()> made(void (*setup)(W*) = nullptr)
{
    return [setup] {
        auto* w = new W;
        if (setup)
            setup(w);
        return static_cast<QWidget*>(w);
    };
}

QPixmap testPixmap()
{
    QImage image(14, 10, QImage::Format_ARGB32);
    image.fill(QColor(0x30, 0x90, 0xE0));
    QPainter p(&image);
    p.fillRect(3, 2, 6, 5, Qt::white);
    return QPixmap::fromImage(image);
}

const QStringList threeLines{QStringLiteral("Apples"), QStringLiteral("Pears"),
                             QStringLiteral("Plums")};

// Rows a grid shows: the model outlives every grid of the tests (grids let go as they go).
WGridListData& gridRows()
{
    static WGridListData data(3);
    if (data.Rows.isEmpty()) {
        for (int r = 0; r < 12; ++r) {
            WGridListRow* row = data.CreateRow();
            for (int c = 0; c < 3; ++c)
                row->Cells[c] = QStringLiteral("r%1c%2").arg(r).arg(c);
            data.AddRow(row);
        }
    }
    return data;
}

QStandardItemModel& treeModel()
{
    static QStandardItemModel model;
    if (model.rowCount() == 0) {
        for (const QString& text : threeLines) {
            auto* item = new QStandardItem(text);
            item->appendRow(new QStandardItem(text + QStringLiteral(" inside")));
            model.appendRow(item);
        }
    }
    return model;
}

WTabPage* page(const QString& text)
{
    auto* p = new WTabPage;
    p->SetText(text);
    p->SetTabBarBackColor(QColor(0xE0, 0xE0, 0xE0));
    return p;
}

// Clicks through the window as the platform delivers a click.
// A handler may delete the widget on the press: the release then goes to the window alone.
void click(QWidget* w, QPoint at = QPoint(-1, -1), Qt::MouseButton button = Qt::LeftButton)
{
    if (at.x() < 0)
        at = w->rect().center();
    QWidget* window = w->window();
    const QPoint inWindow = w->mapTo(window, at);
    QTest::mousePress(window->windowHandle(), button, {}, inWindow);
    QTest::mouseRelease(window->windowHandle(), button, {}, inWindow);
}

// A key with the keyboard switch on, as a keyboard user presses it.
std::function<void(QWidget*)> keyboard(Qt::Key key)
{
    return [key](QWidget* w) {
        WBase::SetKeyboardAccess(true);
        QTest::keyClick(w, key);
        WBase::SetKeyboardAccess(false);
    };
}

// The line edit focused in its window with "a[bc]|def" selected, then one user action.
std::function<void(QWidget*)> onEdit(std::function<void(QWidget*)> act)
{
    return [act](QWidget* w) {
        QApplication::setActiveWindow(w->window());
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Home);
        QTest::keyClick(w, Qt::Key_Right);
        QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(w, Qt::Key_Right, Qt::ShiftModifier);
        act(w);
    };
}

QList<OwnSignal> lineEditSignals()
{
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}, bool collapse = false) {
        return onEdit([=](QWidget* w) {
            if (collapse)
                QTest::keyClick(w, Qt::Key_Right);
            QTest::keyClick(w, k, m);
        });
    };
    return {{"TextChanged()", "typing", key(Qt::Key_X, {}, true)},
            {"TextChanged()", "typing over a selection", key(Qt::Key_X)},
            {"TextChanged()", "Backspace", key(Qt::Key_Backspace, {}, true)},
            {"TextChanged()", "Delete", key(Qt::Key_Delete, {}, true)},
            {"TextChanged()", "paste", onEdit([](QWidget* w) {
                 QGuiApplication::clipboard()->setText(QStringLiteral("12"));
                 QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
             })},
            {"TextChanged()", "cut", key(Qt::Key_X, Qt::ControlModifier)},
            {"TextChanged()", "an input method's commit", onEdit([](QWidget* w) {
                 QInputMethodEvent commit;
                 commit.setCommitString(QStringLiteral("ok"));
                 QApplication::sendEvent(w, &commit);
             })},
            {"TextChanged()", "SetText",
             [](QWidget* w) { static_cast<WLineEdit*>(w)->SetText(QStringLiteral("new")); }},
            {"TextChanged()", "a screen reader's edit",
             [](QWidget* w) {
                 QAccessible::queryAccessibleInterface(w)->editableTextInterface()->replaceText(
                     0, 2, QStringLiteral("zz"));
             }},
            {"RightClicked()", "right click", [](QWidget* w) { click(w, {}, Qt::RightButton); }},
            {"FocusOut()", "focus elsewhere", onEdit([](QWidget* w) {
                 auto* other = new QWidget(w->window());
                 other->setFocusPolicy(Qt::StrongFocus);
                 other->show();
                 other->setFocus();
             })}};
}

// Drags the slider of a scroll panel's bar three steps along, in the window's coordinates.
std::function<void(QWidget*)> dragBar(bool vertical)
{
    return [vertical](QWidget* w) {
        QWindow* window = w->window()->windowHandle();
        const QPoint grab = w->mapTo(w->window(), vertical ? QPoint(w->width() - 4, 8)
                                                           : QPoint(8, w->height() - 4));
        const QPoint step = vertical ? QPoint(0, 15) : QPoint(15, 0);
        QTest::mousePress(window, Qt::LeftButton, {}, grab);
        for (int i = 1; i <= 3; ++i)
            QTest::mouseMove(window, grab + step * i);
        QTest::mouseRelease(window, Qt::LeftButton, {}, grab + step * 3);
    };
}

QList<OwnSignal> trackBarSignals()
{
    const auto bar = [](QWidget* w) { return static_cast<WTrackBar*>(w); };
    const auto jump = [](QWidget* w) { MousePress(w, QPoint(130, 15)); };
    const auto drag = [](QWidget* w) {
        const QPointer<QWidget> alive(w);
        MousePress(w, QPoint(6, 15));
        if (alive)
            MouseMove(w, QPoint(60, 15));
        if (alive)
            MouseRelease(w, QPoint(60, 15));
    };
    return {{"Value1Changed(int)", "SetValue1", [=](QWidget* w) { bar(w)->SetValue1(40); }},
            {"Value1Changed(int)", "a press away from the button", jump},
            {"Value1Changed(int)", "a drag", drag},
            {"Value1Changed(int)", "SetMaximum pulling it in",
             [=](QWidget* w) {
                 bar(w)->SetValue1WithoutEvent(50);
                 bar(w)->SetMaximum(10);
             }},
            {"ManuallyDragChanged(int)", "a press away from the button", jump},
            {"ManuallyDragChanged(int)", "a drag", drag},
            {"Value2Changed(int)", "SetMinimum pulling it in",
             [=](QWidget* w) { bar(w)->SetMinimum(90); }}};
}

QList<OwnSignal> tabControlSignals()
{
    const auto tabs = [](QWidget* w) { return static_cast<WTabControl*>(w); };
    // The last of two pages is selected.
    return {{"SelectedPageChanged(int)", "a click on a tab",
             [](QWidget* w) { click(w, QPoint(25, 10)); }},
            {"SelectedPageChanged(int)", "InsertPage",
             [=](QWidget* w) { tabs(w)->InsertPage(1, page(QStringLiteral("New"))); }},
            {"SelectedPageChanged(int)", "SetSelectedIndex",
             [=](QWidget* w) { tabs(w)->SetSelectedIndex(0); }},
            {"SelectedPageChanged(int)", "RemovePage of the selected",
             [=](QWidget* w) { tabs(w)->RemovePage(1); }},
            {"SelectedPageChanged(int)", "deleting the selected page",
             [=](QWidget* w) { delete tabs(w)->Page(1); }}};
}

// What a reader is told must be what the widget is.
QAccessibleInterface* face(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

// A check box's or switch's: its flips, told and announced, by pointer and by keyboard; its
// checked state as a reader reads it.
void checkable(ClassRow* r)
{
    r->notices = {{"Checked", {"CheckedChanged(bool)", QAccessible::StateChanged}}};
    r->ownSignals = {{"CheckedChanged(bool)", "click", [](QWidget* w) { click(w); }},
                     {"CheckedChanged(bool)", "Space", keyboard(Qt::Key_Space)}};
    r->invariant = [](QWidget* w) {
        return face(w)->state().checked == w->property("Checked").toBool()
                   ? QString()
                   : QStringLiteral("the checked state is not Checked");
    };
}

// An item list's lines or a tab control's pages: one child each, the selected one selected.
QString selectionInvariant(QWidget* w)
{
    QAccessibleInterface* list = face(w);
    const int count = list->childCount();
    auto* items = qobject_cast<WItemList*>(w);
    if (items && count != items->Items().size())
        return QStringLiteral("%1 children for other lines").arg(count);
    const int selected =
        items ? items->SelectedIndex() : static_cast<WTabControl*>(w)->SelectedIndex();
    for (int i = 0; i < count; ++i) {
        // A page without a tab of its own is there as itself: no tab to select.
        QAccessibleInterface* child = list->child(i);
        if (child->role() != QAccessible::Pane && child->state().selected != (i == selected))
            return QStringLiteral("child %1 reads the wrong selection").arg(i);
    }
    return QString();
}

std::function<QString(QWidget*)> valueInvariant(const char* property)
{
    return [property](QWidget* w) {
        return face(w)->valueInterface()->currentValue() == w->property(property)
                   ? QString()
                   : QStringLiteral("the reader's value is not the widget's");
    };
}

QList<ClassRow> makeRows()
{
    QList<ClassRow> rows;
    const auto add = [&rows](const char* name, QSize size, QAccessible::Role role,
                             std::function<QWidget*()> make) -> ClassRow& {
        rows.append(ClassRow{name, std::move(make), size, role, {}, {}, {}, {}, {}, {}, {}, {}});
        return rows.last();
    };
    add("WPanel", {80, 50}, QAccessible::Pane, made<WPanel>());
    // Larger inside than out, so that both bars show
    ClassRow* r =
        &add("WScrollPanel", {120, 90}, QAccessible::Pane, made<WScrollPanel>([](WScrollPanel* p) {
                 new WPanel(p); // the content it scrolls
                 p->SetScrollAreaSize(QSize(300, 200));
             }));
    r->values = {{"ScrollAreaSize", QSize(400, 300)}};
    r->unseen = {"WheelStepPixel"};
    r->ownSignals = {{"VScrollLocationChanged(int)", "dragging its bar", dragBar(true)},
                     {"HScrollLocationChanged(int)", "dragging its bar", dragBar(false)}};
    r = &add("WButton", {80, 30}, QAccessible::PushButton, made<WButton>());
    r->values = {{"Image", testPixmap()}};
    r->ownSignals = {{"Clicked()", "click", [](QWidget* w) { click(w); }},
                     {"Clicked()", "Space", keyboard(Qt::Key_Space)}};
    r->refresh = {"Image"}; // every image set rebuilds the recoloured ones, even the same again
    r = &add("WCheckBox", {100, 24}, QAccessible::CheckBox, made<WCheckBox>([](WCheckBox* b) {
                 b->SetText(QStringLiteral("Check"));
                 b->SetChecked(true); // the flag shows
             }));
    checkable(r);
    r->unseen = {"UncheckWhenClicked"};
    checkable(&add("WSwitchButton", {80, 30}, QAccessible::PushButton, made<WSwitchButton>()));
    r = &add("WLabel", {100, 30}, QAccessible::StaticText, made<WLabel>([](WLabel* l) {
                 l->SetText(QStringLiteral("Total: 1,284.50 EUR"));
                 l->SetCanSelectText(true);
             }));
    r->notices = {{"Text", {{}, QAccessible::NameChanged}}};
    r->unseen = {"CanSelectText"};
    r->invariant = [](QWidget* w) {
        QAccessibleTextInterface* text = face(w)->textInterface();
        int start = 0, end = 0;
        text->selection(0, &start, &end);
        const bool same = !text->selectionCount() ||
                          text->text(start, end) == static_cast<WLabel*>(w)->SelectedText();
        return same ? QString() : QStringLiteral("the reader's selection is not the label's");
    };
    r = &add("WLineEdit", {120, 30}, QAccessible::EditableText,
             made<WLineEdit>([](WLineEdit* e) { e->SetText(QStringLiteral("abcdef")); }));
    r->values = {{"TextMaxLength", 3}};
    r->notices = {{"Text", {"TextChanged()", QAccessible::TextUpdated}}};
    r->unseen = {"ReadOnly", "TextMaxLength"};
    r->ownSignals = lineEditSignals();
    r = &add("WProgressBar", {120, 20}, QAccessible::ProgressBar, made<WProgressBar>());
    r->clamps = {{"Value", -5, 0}, {"Value", 250, 100}};
    r->notices = {{"Value", {{}, QAccessible::ValueChanged}}};
    r->invariant = valueInvariant("Value");
    r = &add("WTrackBar", {160, 30}, QAccessible::Slider, made<WTrackBar>());
    r->values = {{"MainLineImage", testPixmap()}, {"ButtonImage", testPixmap()}};
    r->clamps = {{"Value1", -5, 0}, {"Value1", 1000, 100}, {"Type", 9, 0}};
    r->notices = {{"Value1", {"Value1Changed(int)", QAccessible::ValueChanged}},
                  {"Value2", {"Value2Changed(int)", QAccessible::InvalidEvent}}};
    r->ownSignals = trackBarSignals();
    // Setting the type again rebuilds its gradient, an image its nine pieces.
    r->refresh = {"Type", "MainLineImage", "ButtonImage"};
    r->invariant = valueInvariant("Value1");
    r = &add("WHourMinutePicker", {140, 30}, QAccessible::Grouping, made<WHourMinutePicker>());
    r->values = {{"EndHour", 20}, {"EndMinute", 30}};
    r->clamps = {{"StartHour", -3, 0},        {"StartHour", INT_MAX, 23}, {"StartMinute", 99, 59},
                 {"StartMinute", INT_MIN, 0}, {"EndHour", 24, 23},        {"EndHour", -3, 0},
                 {"EndMinute", 60, 59},       {"EndMinute", INT_MIN, 0}};
    r = &add("WComboBox", {120, 30}, QAccessible::ComboBox, made<WComboBox>([](WComboBox* c) {
                 c->SetItems(threeLines);
                 c->SetSelectedIndex(0); // a chosen line, so that the face shows its alignment
             }));
    r->values = {{"SelectedIndex", 1}};
    r->clamps = {{"SelectedIndex", 7, 2},   {"SelectedIndex", INT_MAX, 2},
                 {"SelectedIndex", -5, -1}, {"SelectedIndex", INT_MIN, -1},
                 {"ItemHeight", 0, 20},     {"ItemHeight", INT_MIN, 20}};
    r->notices = {{"SelectedIndex", {"SelectedIndexChanged(int)", QAccessible::ValueChanged}}};
    r->unseen = {"ItemBackColorHover", "ItemForeColorHover", "ItemHeight"};
    r->ownSignals = {{"SelectedIndexChanged(int)", "set",
                      [](QWidget* w) { static_cast<WComboBox*>(w)->SetSelectedIndex(2); }}};
    r->refresh = {"Items"}; // new lines are measured afresh, even when they read the same
    r->invariant = [](QWidget* w) {
        return face(w)->state().expanded == static_cast<WComboBox*>(w)->IsPopupOpen()
                   ? QString()
                   : QStringLiteral("expanded is not whether the list is open");
    };
    // More lines than it shows, so that its scroll bar is there to paint.
    r = &add("WItemList", {120, 90}, QAccessible::List,
             made<WItemList>([](WItemList* l) { l->SetItems(NumberedLines(12)); }));
    r->clamps = {{"ItemHeight", 0, 20}, {"ItemHeight", -1, 20}, {"ItemHeight", INT_MIN, 20}};
    r->unseen = {"WheelStepPixel", "CanSelectItem"};
    r->refresh = {"Items"}; // setting the lines starts the list afresh: unselected, at the top
    r->twice = {"Border", "BorderWidth", "ItemHeight", "PaddingTBLR"};
    r->invariant = selectionInvariant;
    r = &add("WGridList", {180, 120}, QAccessible::Table, made<WGridList>([](WGridList* g) {
                 for (const char* title : {"One", "Two", "Three"})
                     g->AddColumn(50, QString::fromLatin1(title));
                 g->SetDataSource(&gridRows());
                 g->UpdateData();
             }));
    r->unseen = {"WheelStepPixel", "CanChangeColumnWidth"};
    r->ownSignals = {
        {"RowClicked(int,int)", "click a row", [](QWidget* w) { click(w, QPoint(20, 40)); }},
        {"ColumnHeaderClicked(int)", "click the header",
         [](QWidget* w) { click(w, QPoint(20, 5)); }},
        {"RowDoubleClicked(int,int)", "double click a row",
         [](QWidget* w) {
             QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {},
                                w->mapTo(w->window(), QPoint(20, 40)));
         }},
        {"RightClicked()", "right click",
         [](QWidget* w) { click(w, QPoint(20, 40), Qt::RightButton); }}};
    r->twice = {"Border", "BorderWidth"};
    r = &add("WMenu", {120, 90}, QAccessible::PopupMenu, made<WMenu>([](WMenu* m) {
                 for (const QString& text : threeLines)
                     m->AddItem(text);
             }));
    r->invariant = [](QWidget* w) {
        auto* menu = static_cast<WMenu*>(w);
        QAccessibleInterface* hover = face(w)->child(menu->IndexOf(menu->HoverItem()));
        if (face(w)->childCount() != menu->ItemCount())
            return QStringLiteral("the items and the children differ");
        return !menu->isVisible() || !hover || face(w)->focusChild() == hover
                   ? QString()
                   : QStringLiteral("the hovered item is not the focused child");
    };
    r = &add("WTreeView", {160, 120}, QAccessible::Pane,
             made<WTreeView>([](WTreeView* t) { t->TreeView->setModel(&treeModel()); }));
    r->ownSignals = {{"ItemRightClicked(QPoint,QModelIndex)", "right click", [](QWidget* w) {
                          QWidget* view = static_cast<WTreeView*>(w)->TreeView->viewport();
                          click(view, QPoint(30, 8), Qt::RightButton);
                      }}};
    r = &add("WTabPage", {160, 90}, QAccessible::Pane, [] {
        // Its tab shows only in a control.
        auto* c = new WTabControl;
        c->SetTabBarSize(QSize(50, 22));
        WTabPage* p = page(QStringLiteral("Page"));
        c->AddPage(p);
        return static_cast<QWidget*>(p);
    });
    r->values = {{"TabBarImage", testPixmap()}, {"TabBarImageSelected", testPixmap()}};
    // The page is selected: its tab shows the selected look.
    r->unseen = {"TabBarImage", "TabBarBackColor", "TabBarForeColor", "TabBarBorderColor"};
    r->refresh = {"TabBarImageSelected"}; // the tab rebuilds every image it is handed
    r = &add("WTabControl", {200, 120}, QAccessible::PageTabList,
             made<WTabControl>([](WTabControl* c) {
                 c->SetTabBarSize(QSize(50, 22));
                 c->AddPage(page(QStringLiteral("One")));
                 c->AddPage(page(QStringLiteral("Two"))); // and selects it
             }));
    r->values = {{"SelectedIndex", 0}};
    r->clamps = {{"SelectedIndex", 9, 1}, {"SelectedIndex", -7, -1}, {"TabBarPosition", 17, 0}};
    r->notices = {{"SelectedIndex", {"SelectedPageChanged(int)", QAccessible::InvalidEvent}}};
    r->ownSignals = tabControlSignals();
    r->invariant = selectionInvariant;
    r = &add("WForm", {240, 160}, QAccessible::Window,
             made<WForm>([](WForm* f) { f->SetTitle(QStringLiteral("Form")); }));
    r->values = {{"SysButtonSize", QSize(44, 20)}};
    r->clamps = {{"SysButtonSize", QSize(-5, -5), QSize(0, 0)}};
    r->notices = {{"Title", {{}, QAccessible::NameChanged}}};
    r->unseen = {"CanResize"};
    add("WTest", {60, 30}, QAccessible::Client, made<WTest>());
    return rows;
}

} // namespace

const QList<ClassRow>& Classes()
{
    static const QList<ClassRow> rows = makeRows();
    return rows;
}

const QSet<QByteArray>& Unseen()
{
    // Placement asks the parent, which a top-level has not; the flag is the application's;
    // hover draws only once the pointer is over the widget.
    static const QSet<QByteArray> names{"Dock", "Anchor", "UserFlag", "CanHover"};
    return names;
}

const ClassRow* FindClass(const QByteArray& name)
{
    for (const ClassRow& row : Classes()) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

QStringList NumberedLines(int n, const QString& stem)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << stem.arg(i);
    return lines;
}

QList<QByteArray> WritableProperties(const QMetaObject* meta)
{
    QList<QByteArray> names;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        // A class may declare a base class's property again, read-only: the last one counts.
        const QMetaProperty p = meta->property(meta->indexOfProperty(meta->property(i).name()));
        if (p.isWritable() && !names.contains(p.name()))
            names.append(p.name());
    }
    return names;
}

QList<QByteArray> ColourProperties(const QMetaObject* meta, bool invokable)
{
    QList<QByteArray> out;
    for (const QByteArray& name : WritableProperties(meta)) {
        if (meta->property(meta->indexOfProperty(name)).userType() == QMetaType::QColor)
            out << name;
    }
    for (int i = QWidget::staticMetaObject.methodCount(); invokable && i < meta->methodCount();
         ++i) {
        const QByteArray name = meta->method(i).name().mid(3);
        if (meta->method(i).methodSignature() == "Set" + name + "(QColor)" &&
            meta->indexOfMethod(name + "()") >= 0)
            out << name;
    }
    return out;
}

QVariant TestValue(const ClassRow& row, const QMetaProperty& property, const QVariant& current)
{
    if (row.values.contains(property.name()))
        return row.values.value(property.name());
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        const int now = current.toInt();
        if (QByteArray(property.typeName()).endsWith("Alignment"))
            return int(now & Qt::AlignRight ? Qt::AlignLeft | Qt::AlignBottom
                                            : Qt::AlignRight | Qt::AlignBottom);
        if (e.isFlag()) // one side more or less
            return now ^ e.value(e.keyCount() > 1 ? 1 : 0);
        for (int k = 0; k < e.keyCount(); ++k) {
            if (e.value(k) != now)
                return e.value(k);
        }
        return {};
    }
    switch (int(current.userType())) {
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::Int:
        return current.toInt() + 3;
    case QMetaType::QColor:
        return current.value<QColor>() == QColor(0x12, 0x9A, 0x5C) ? QColor(0x9A, 0x12, 0x5C)
                                                                   : QColor(0x12, 0x9A, 0x5C);
    case QMetaType::QString:
        return current.toString() + QStringLiteral(" changed");
    case QMetaType::QStringList:
        return QStringList{QStringLiteral("North"), QStringLiteral("South"), QStringLiteral("East"),
                           QStringLiteral("West")};
    case QMetaType::QPixmap:
        return testPixmap();
    case QMetaType::QSize:
        return current.toSize().isValid() ? current.toSize() + QSize(6, 4) : QSize(40, 20);
    case QMetaType::QPoint:
        return current.toPoint() + QPoint(2, 1);
    case QMetaType::QRect: // moved by (1, 2), grown by (3, 4)
        return current.toRect().adjusted(1, 2, 4, 6);
    case QMetaType::QFont: {
        QFont f = current.value<QFont>();
        f.setPointSize(f.pointSize() + 3);
        f.setBold(!f.bold());
        return f;
    }
    default:
        return {};
    }
}

bool SameValue(const QVariant& read, const QVariant& expected)
{
    if (read.userType() == QMetaType::QPixmap)
        return read.value<QPixmap>().toImage() == expected.value<QPixmap>().toImage();
    if (read.userType() != expected.userType() && expected.userType() == QMetaType::Int)
        return read.toInt() == expected.toInt();
    return read == expected;
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The outermost ancestor: what owns a widget made in a control or a window.
static QWidget* topOf(QWidget* widget)
{
    while (widget->parentWidget())
        widget = widget->parentWidget();
    return widget;
}

Made::Made(const ClassRow& row) : widget(row.make()), owner(topOf(widget)) {}

bool ShowRow(const ClassRow& row, QWidget* widget)
{
    QWidget* top = topOf(widget);
    top->resize(row.size);
    top->show();
    if (!QTest::qWaitForWindowExposed(widget->window()))
        return false;
    Settle();
    return true;
}

QImage Picture(QWidget* widget)
{
    // Without the focus: a caret or focus frame depends on timing and activation.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    Settle();
    return widget->window()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool SamePicture(const QImage& actual, const QImage& expected, const QString& name)
{
    if (actual == expected)
        return true;
    QString file = name;
    file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    const QString base = QDir::temp().filePath(QStringLiteral("wexal-") + file);
    actual.save(base + QStringLiteral("-actual.png"));
    expected.save(base + QStringLiteral("-expected.png"));
    qWarning("pictures differ: %s-{actual,expected}.png", qPrintable(base));
    return false;
}

} // namespace WexalTest
