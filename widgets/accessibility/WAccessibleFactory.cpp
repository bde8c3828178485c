// The library's one accessibility factory, installed as the library loads: every widget of the
// library gets an interface that describes what it paints, instead of Qt's generic one, which
// would show a self-painted widget as an empty client area.
#include "WAccessibleButton_p.h"
#include "WAccessibleComboBox_p.h"
#include "WAccessibleForm_p.h"
#include "WAccessibleGridList_p.h"
#include "WAccessibleItemList_p.h"
#include "WAccessibleLabel_p.h"
#include "WAccessibleLineEdit_p.h"
#include "WAccessibleMenu_p.h"
#include "WAccessiblePicker_p.h"
#include "WAccessibleTabControl_p.h"
#include "WAccessibleValue_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QWidget>

namespace {

enum class Kind {
    Button,
    Label,
    LineEdit,
    ItemList,
    GridList,
    ComboBox,
    ComboList,
    Menu,
    Value,
    Picker,
    TabControl,
    Form,
    Pane,
    Plain
};

// Qt asks with the object's own class name first and then with each base class's: an
// application's subclass of a library widget is answered at the library class, so that a
// factory of the application's own for its class comes first.
const QHash<QString, Kind>& kinds()
{
    static const QHash<QString, Kind> table = {
        {QStringLiteral("WBaseButton"), Kind::Button},
        {QStringLiteral("WButton"), Kind::Button},
        {QStringLiteral("WCheckBox"), Kind::Button},
        {QStringLiteral("WSwitchButton"), Kind::Button},
        {QStringLiteral("WLabel"), Kind::Label},
        {QStringLiteral("WLineEdit"), Kind::LineEdit},
        {QStringLiteral("WItemList"), Kind::ItemList},
        {QStringLiteral("WGridList"), Kind::GridList},
        {QStringLiteral("WComboBox"), Kind::ComboBox},
        {QStringLiteral("WComboDropDownBox"), Kind::ComboList},
        {QStringLiteral("WMenu"), Kind::Menu},
        {QStringLiteral("WTrackBar"), Kind::Value},
        {QStringLiteral("WProgressBar"), Kind::Value},
        {QStringLiteral("WScrollBar"), Kind::Value},
        {QStringLiteral("WHourMinutePicker"), Kind::Picker},
        {QStringLiteral("WTabControl"), Kind::TabControl},
        {QStringLiteral("WForm"), Kind::Form},
        {QStringLiteral("WFormShadow"), Kind::Form},
        {QStringLiteral("WTabPage"), Kind::Pane},
        {QStringLiteral("WPanel"), Kind::Pane},
        {QStringLiteral("WScrollPanel"), Kind::Pane},
        {QStringLiteral("WTreeView"), Kind::Pane},
        {QStringLiteral("WContainer"), Kind::Pane},
        {QStringLiteral("WScrollContainer"), Kind::Pane},
        {QStringLiteral("WTest"), Kind::Plain},
        {QStringLiteral("WBase"), Kind::Plain},
    };
    return table;
}

QAccessibleInterface* wexalFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const auto found = kinds().constFind(className);
    if (found == kinds().constEnd())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (found.value()) {
    case Kind::Button:
        return new WAccessibleButton(widget);
    case Kind::Label:
        return new WAccessibleLabel(widget);
    case Kind::LineEdit:
        return new WAccessibleLineEdit(widget);
    case Kind::ItemList:
        return new WAccessibleItemList(widget);
    case Kind::GridList:
        return new WAccessibleGridList(widget);
    case Kind::ComboBox:
        return new WAccessibleComboBox(widget);
    case Kind::ComboList:
        return new WAccessibleComboList(widget);
    case Kind::Menu:
        return new WAccessibleMenu(widget);
    case Kind::Value:
        return new WAccessibleValue(widget);
    case Kind::Picker:
        return new WAccessiblePicker(widget);
    case Kind::TabControl:
        return new WAccessibleTabControl(widget);
    case Kind::Form:
        return new WAccessibleForm(widget);
    case Kind::Pane:
        return new WAccessibleWidget(widget, QAccessible::Pane);
    case Kind::Plain:
        return new WAccessibleWidget(widget, QAccessible::Client);
    }
    return nullptr;
}

void installWexalFactory()
{
    QAccessible::installFactory(wexalFactory);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installWexalFactory)
