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

using Make = QAccessibleInterface* (*)(QWidget*);

template <typename Interface> QAccessibleInterface* make(QWidget* widget)
{
    return new Interface(widget);
}

QAccessibleInterface* pane(QWidget* widget)
{
    return new WAccessibleWidget(widget, QAccessible::Pane);
}

QAccessibleInterface* plain(QWidget* widget)
{
    return new WAccessibleWidget(widget, QAccessible::Client);
}

// Qt asks with the object's own class name first and then with each base class's: an
// application's subclass of a library widget is answered at the library class, so that a
// factory of the application's own for its class comes first.
const QHash<QString, Make>& makers()
{
    static const QHash<QString, Make> table = {
        {QStringLiteral("WBaseButton"), make<WAccessibleButton>},
        {QStringLiteral("WButton"), make<WAccessibleButton>},
        {QStringLiteral("WCheckBox"), make<WAccessibleButton>},
        {QStringLiteral("WSwitchButton"), make<WAccessibleButton>},
        {QStringLiteral("WLabel"), make<WAccessibleLabel>},
        {QStringLiteral("WLineEdit"), make<WAccessibleLineEdit>},
        {QStringLiteral("WItemList"), make<WAccessibleItemList>},
        {QStringLiteral("WGridList"), make<WAccessibleGridList>},
        {QStringLiteral("WComboBox"), make<WAccessibleComboBox>},
        {QStringLiteral("WComboDropDownBox"), make<WAccessibleComboList>},
        {QStringLiteral("WMenu"), make<WAccessibleMenu>},
        {QStringLiteral("WTrackBar"), make<WAccessibleValue>},
        {QStringLiteral("WProgressBar"), make<WAccessibleValue>},
        {QStringLiteral("WScrollBar"), make<WAccessibleValue>},
        {QStringLiteral("WHourMinutePicker"), make<WAccessiblePicker>},
        {QStringLiteral("WTabControl"), make<WAccessibleTabControl>},
        {QStringLiteral("WForm"), make<WAccessibleForm>},
        {QStringLiteral("WFormShadow"), make<WAccessibleForm>},
        {QStringLiteral("WTabPage"), pane},
        {QStringLiteral("WPanel"), pane},
        {QStringLiteral("WScrollPanel"), pane},
        {QStringLiteral("WTreeView"), pane},
        {QStringLiteral("WContainer"), pane},
        {QStringLiteral("WScrollContainer"), pane},
        {QStringLiteral("WTest"), plain},
        {QStringLiteral("WBase"), plain},
    };
    return table;
}

QAccessibleInterface* wexalFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const Make maker = makers().value(className);
    return maker ? maker(static_cast<QWidget*>(object)) : nullptr;
}

void installWexalFactory()
{
    QAccessible::installFactory(wexalFactory);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installWexalFactory)
