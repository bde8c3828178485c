#include "WScrollPanelContainerExtension.h"

#include "WScrollPanel.h"

WScrollPanelContainerExtension::WScrollPanelContainerExtension(WScrollPanel* panel, QObject* parent)
    : QObject(parent), panel(panel)
{
}

WScrollPanelContainerExtension::~WScrollPanelContainerExtension() = default;

QList<QWidget*> WScrollPanelContainerExtension::Widgets() const
{
    QList<QWidget*> alive;
    for (const QPointer<QWidget>& widget : widgets) {
        if (widget)
            alive.append(widget.data());
    }
    return alive;
}

int WScrollPanelContainerExtension::count() const
{
    return Widgets().size();
}

QWidget* WScrollPanelContainerExtension::widget(int index) const
{
    const QList<QWidget*> alive = Widgets();
    return index >= 0 && index < alive.size() ? alive.at(index) : nullptr;
}

int WScrollPanelContainerExtension::currentIndex() const
{
    return panel && panel->ScrollWidget() ? 0 : -1;
}

void WScrollPanelContainerExtension::setCurrentIndex(int) {}

void WScrollPanelContainerExtension::addWidget(QWidget* widget)
{
    // The panel itself or a widget holding it cannot become its child.
    if (!panel || !widget || widget == panel || widget->isAncestorOf(panel))
        return;
    // Handed in again (an undone and redone command), a widget moves to the front rather than
    // being listed, and saved with the form, twice.
    widgets.removeAll(QPointer<QWidget>(widget));
    widgets.prepend(widget);
    widget->setParent(panel);
}

void WScrollPanelContainerExtension::insertWidget(int, QWidget* widget)
{
    addWidget(widget);
}

void WScrollPanelContainerExtension::remove(int) {}

bool WScrollPanelContainerExtension::canAddWidget() const
{
    return false;
}

bool WScrollPanelContainerExtension::canRemove(int) const
{
    return true;
}
