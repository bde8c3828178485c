#include "WTabControlContainerExtension.h"

#include "WTabControl.h"
#include "WTabPage.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerMetaDataBaseInterface>

WTabControlContainerExtension::WTabControlContainerExtension(WTabControl* control, QObject* parent)
    : QObject(parent), control(control)
{
}

WTabControlContainerExtension::~WTabControlContainerExtension() = default;

int WTabControlContainerExtension::count() const
{
    return control ? control->Count() : 0;
}

QWidget* WTabControlContainerExtension::widget(int index) const
{
    return control ? control->Page(index) : nullptr;
}

int WTabControlContainerExtension::currentIndex() const
{
    return control ? control->SelectedIndex() : -1;
}

void WTabControlContainerExtension::setCurrentIndex(int) {}

void WTabControlContainerExtension::addWidget(QWidget* widget)
{
    insertWidget(count(), widget);
}

void WTabControlContainerExtension::insertWidget(int index, QWidget* widget)
{
    if (!control || !widget)
        return;
    auto* page = qobject_cast<WTabPage*>(widget);
    if (!page) {
        // Designer's own page commands hand in a plain widget of their making. A tab control
        // holds only WTabPages, so a page of the same name takes its place, known to the form
        // as if Designer had made it; the handed widget stays where Designer put it, folded
        // away to nothing.
        QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control);
        QDesignerFormEditorInterface* core = form ? form->core() : nullptr;
        if (!core || !core->metaDataBase())
            return;
        page = new WTabPage(nullptr, true);
        page->setObjectName(widget->objectName());
        core->metaDataBase()->add(page);
        widget->setGeometry(QRect());
    }
    control->InsertPage(index, page);
}

void WTabControlContainerExtension::remove(int index)
{
    if (control)
        control->RemovePage(index);
}

bool WTabControlContainerExtension::canAddWidget() const
{
    return true;
}

bool WTabControlContainerExtension::canRemove(int) const
{
    return true;
}
