#pragma once

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerContainerExtension>

class WTabControl;

// Maps Designer's page operations onto a WTabControl's pages. Designer switches pages through
// the control's own tabs, not through setCurrentIndex; the tab control plugin reports every
// switch to the form window.
class WTabControlContainerExtension : public QObject, public QDesignerContainerExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)

public:
    WTabControlContainerExtension(WTabControl* control, QObject* parent);
    ~WTabControlContainerExtension() override;

    int count() const override;
    QWidget* widget(int index) const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    void addWidget(QWidget* widget) override;
    void insertWidget(int index, QWidget* widget) override;
    void remove(int index) override;
    bool canAddWidget() const override;
    bool canRemove(int index) const override;

private:
    // Designer may keep asking after the control is gone; the answers are then those of an
    // empty control.
    const QPointer<WTabControl> control;
};
