#pragma once

#include "WAccessibleWidget_p.h"

// Widgets that show a number in a range: the track bar (a slider whose value is Value1), the
// progress bar (a percentage, read-only) and the scroll containers' bars (a scroll bar whose
// value is the scroll offset in pixels). Each has the value interface; the slider and the
// scroll bar take new values from the reader, and the slider steps with "Increase" and
// "Decrease".
class WAccessibleValue : public WAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit WAccessibleValue(QWidget* widget);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

protected:
    QString ShownValue() const override;
};
