#pragma once

#include "WAccessibleWidget_p.h"

#include <QHash>

class WHourMinutePicker;

// The hour-minute picker: a group valued "HH:MM-HH:MM", whose four numbers (start hour, start
// minute, end hour, end minute) are spin boxes with value interfaces; the selected number is
// the focused one.
class WAccessiblePicker : public WAccessibleWidget
{
public:
    explicit WAccessiblePicker(QWidget* widget);
    ~WAccessiblePicker() override;

    QAccessibleInterface* focusChild() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Each number's name, and its value and range.
    static QString FieldName(int field);
    static int FieldValue(const WHourMinutePicker* picker, int field);
    static int FieldMaximum(int field);
    static void SetFieldValue(WHourMinutePicker* picker, int field, int value);

protected:
    QString ShownValue() const override;

private:
    WHourMinutePicker* Picker() const;
    mutable QHash<int, QAccessible::Id> fields;
};

// One number of the picker.
class WAccessiblePickerField : public QAccessibleInterface,
                               public QAccessibleValueInterface,
                               public QAccessibleActionInterface
{
public:
    WAccessiblePickerField(WAccessiblePicker* picker, int field);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    int Field() const { return field; }

private:
    WHourMinutePicker* Picker() const;

    WAccessiblePicker* const picker;
    const int field;
};
