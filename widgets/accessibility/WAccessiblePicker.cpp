#include "WAccessiblePicker_p.h"

#include "WBase.h"
#include "WHourMinutePicker.h"

#include <QCoreApplication>

namespace {
constexpr int fieldCount = 4;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

WAccessiblePicker::WAccessiblePicker(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::Grouping)
{
}

WAccessiblePicker::~WAccessiblePicker()
{
    for (QAccessible::Id id : qAsConst(fields))
        QAccessible::deleteAccessibleInterface(id);
}

WHourMinutePicker* WAccessiblePicker::Picker() const
{
    return static_cast<WHourMinutePicker*>(widget());
}

QString WAccessiblePicker::FieldName(int field)
{
    switch (field) {
    case 0:
        return QCoreApplication::translate("WHourMinutePicker", "Start hour");
    case 1:
        return QCoreApplication::translate("WHourMinutePicker", "Start minute");
    case 2:
        return QCoreApplication::translate("WHourMinutePicker", "End hour");
    default:
        return QCoreApplication::translate("WHourMinutePicker", "End minute");
    }
}

int WAccessiblePicker::FieldValue(const WHourMinutePicker* picker, int field)
{
    switch (field) {
    case 0:
        return picker->StartHour();
    case 1:
        return picker->StartMinute();
    case 2:
        return picker->EndHour();
    default:
        return picker->EndMinute();
    }
}

int WAccessiblePicker::FieldMaximum(int field)
{
    return field % 2 == 0 ? 23 : 59;
}

void WAccessiblePicker::SetFieldValue(WHourMinutePicker* picker, int field, int value)
{
    switch (field) {
    case 0:
        picker->SetStartHour(value);
        break;
    case 1:
        picker->SetStartMinute(value);
        break;
    case 2:
        picker->SetEndHour(value);
        break;
    default:
        picker->SetEndMinute(value);
        break;
    }
}

QAccessibleInterface* WAccessiblePicker::focusChild() const
{
    const WHourMinutePicker* picker = Picker();
    return picker->hasFocus() ? child(picker->SelectedItem()) : nullptr;
}

int WAccessiblePicker::childCount() const
{
    return fieldCount;
}

QAccessibleInterface* WAccessiblePicker::child(int index) const
{
    if (index < 0 || index >= fieldCount)
        return nullptr;
    const auto found = fields.constFind(index);
    if (found != fields.constEnd())
        return QAccessible::accessibleInterface(found.value());
    auto* field = new WAccessiblePickerField(const_cast<WAccessiblePicker*>(this), index);
    fields.insert(index, QAccessible::registerAccessibleInterface(field));
    return field;
}

int WAccessiblePicker::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* field = dynamic_cast<const WAccessiblePickerField*>(child);
    return field && field->parent() == this ? field->Field() : -1;
}

QAccessibleInterface* WAccessiblePicker::childAt(int x, int y) const
{
    const QPoint local = Picker()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < fieldCount; ++i) {
        if (WHourMinutePicker::ItemRect(i).contains(local))
            return child(i);
    }
    return nullptr;
}

QString WAccessiblePicker::ShownValue() const
{
    const WHourMinutePicker* p = Picker();
    return QStringLiteral("%1:%2-%3:%4")
        .arg(twoDigits(p->StartHour()), twoDigits(p->StartMinute()), twoDigits(p->EndHour()),
             twoDigits(p->EndMinute()));
}

WAccessiblePickerField::WAccessiblePickerField(WAccessiblePicker* picker, int field)
    : picker(picker), field(field)
{
}

WHourMinutePicker* WAccessiblePickerField::Picker() const
{
    return static_cast<WHourMinutePicker*>(picker->object());
}

bool WAccessiblePickerField::isValid() const
{
    return picker->isValid();
}

QObject* WAccessiblePickerField::object() const
{
    return nullptr;
}

QWindow* WAccessiblePickerField::window() const
{
    return picker->window();
}

QAccessibleInterface* WAccessiblePickerField::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* WAccessiblePickerField::parent() const
{
    return picker;
}

QAccessibleInterface* WAccessiblePickerField::child(int) const
{
    return nullptr;
}

int WAccessiblePickerField::childCount() const
{
    return 0;
}

int WAccessiblePickerField::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString WAccessiblePickerField::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return WAccessiblePicker::FieldName(field);
    if (t == QAccessible::Value)
        return twoDigits(WAccessiblePicker::FieldValue(Picker(), field));
    return QString();
}

void WAccessiblePickerField::setText(QAccessible::Text t, const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (t == QAccessible::Value && ok)
        setCurrentValue(value);
}

QRect WAccessiblePickerField::rect() const
{
    const QRect r = WHourMinutePicker::ItemRect(field);
    return QRect(Picker()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role WAccessiblePickerField::role() const
{
    return QAccessible::SpinBox;
}

QAccessible::State WAccessiblePickerField::state() const
{
    const WHourMinutePicker* p = Picker();
    QAccessible::State s;
    s.focusable = true;
    s.editable = true;
    s.selected = p->SelectedItem() == field;
    s.focused = s.selected && p->hasFocus();
    s.disabled = !p->isEnabled();
    s.invisible = !p->isVisible();
    return s;
}

void* WAccessiblePickerField::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (t == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QVariant WAccessiblePickerField::currentValue() const
{
    return WAccessiblePicker::FieldValue(Picker(), field);
}

// Clamped by the picker's setters, as the digit keys clamp.
void WAccessiblePickerField::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const qlonglong v = value.toLongLong(&ok);
    if (ok && Picker()->isEnabled())
        WAccessiblePicker::SetFieldValue(Picker(), field,
                                         int(qBound(qlonglong(-1), qlonglong(v), qlonglong(100))));
}

QVariant WAccessiblePickerField::maximumValue() const
{
    return WAccessiblePicker::FieldMaximum(field);
}

QVariant WAccessiblePickerField::minimumValue() const
{
    return 0;
}

QVariant WAccessiblePickerField::minimumStepSize() const
{
    return 1;
}

QStringList WAccessiblePickerField::actionNames() const
{
    if (!Picker()->isEnabled())
        return {};
    return {increaseAction(), decreaseAction()};
}

// As the arrows do: around the end of the range to its other end.
void WAccessiblePickerField::doAction(const QString& actionName)
{
    if (!actionNames().contains(actionName))
        return;
    const int count = WAccessiblePicker::FieldMaximum(field) + 1;
    const int step = actionName == increaseAction() ? 1 : -1;
    const int value = WAccessiblePicker::FieldValue(Picker(), field);
    WAccessiblePicker::SetFieldValue(Picker(), field, (value + step + count) % count);
}

QStringList WAccessiblePickerField::keyBindingsForAction(const QString& actionName) const
{
    if (!WBase::IsKeyboardAccess() || !actionNames().contains(actionName))
        return {};
    return {actionName == increaseAction() ? QStringLiteral("Up") : QStringLiteral("Down")};
}
