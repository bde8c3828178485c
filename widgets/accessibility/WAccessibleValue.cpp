#include "WAccessibleValue_p.h"

#include "WKeyRules_p.h"

#include "WBase.h"
#include "WProgressBar.h"
#include "WScrollBar_p.h"
#include "WTrackBar.h"

#include <climits>

namespace {

// The largest offset a bar can scroll to: its content beyond its own length.
int scrollMaximum(const WScrollBar* bar)
{
    const int length =
        bar->Orientation() == OrientationType::Horizontal ? bar->width() : bar->height();
    return int(qMax<qint64>(0, qint64(bar->ScrollLength()) - length));
}

} // namespace

WAccessibleValue::WAccessibleValue(QWidget* widget) : WAccessibleWidget(widget, QAccessible::Slider)
{
}

void* WAccessibleValue::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return WAccessibleWidget::interface_cast(t);
}

QAccessible::Role WAccessibleValue::role() const
{
    if (qobject_cast<const WProgressBar*>(widget()))
        return QAccessible::ProgressBar;
    if (qobject_cast<const WScrollBar*>(widget()))
        return QAccessible::ScrollBar;
    return QAccessible::Slider;
}

QAccessible::State WAccessibleValue::state() const
{
    QAccessible::State s = WAccessibleWidget::state();
    s.readOnly = qobject_cast<const WProgressBar*>(widget()) != nullptr;
    return s;
}

QVariant WAccessibleValue::currentValue() const
{
    if (auto* track = qobject_cast<const WTrackBar*>(widget()))
        return track->Value1();
    if (auto* progress = qobject_cast<const WProgressBar*>(widget()))
        return progress->Value();
    if (auto* bar = qobject_cast<const WScrollBar*>(widget()))
        return bar->Value();
    return QVariant();
}

// Values outside the range are brought in by the widgets' own setters.
void WAccessibleValue::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const qlonglong wide = value.toLongLong(&ok);
    if (!ok || !widget()->isEnabled())
        return;
    const int v = int(qBound(qlonglong(INT_MIN), qlonglong(wide), qlonglong(INT_MAX)));
    if (auto* track = qobject_cast<WTrackBar*>(widget()))
        track->SetValue1(v);
    else if (auto* bar = qobject_cast<WScrollBar*>(widget()))
        bar->SetValue(v);
}

QVariant WAccessibleValue::maximumValue() const
{
    if (auto* track = qobject_cast<const WTrackBar*>(widget()))
        return track->Maximum();
    if (qobject_cast<const WProgressBar*>(widget()))
        return 100;
    if (auto* bar = qobject_cast<const WScrollBar*>(widget()))
        return scrollMaximum(bar);
    return QVariant();
}

QVariant WAccessibleValue::minimumValue() const
{
    if (auto* track = qobject_cast<const WTrackBar*>(widget()))
        return track->Minimum();
    return 0;
}

QVariant WAccessibleValue::minimumStepSize() const
{
    if (auto* track = qobject_cast<const WTrackBar*>(widget()))
        return WKeyRules::RangeStep(track->Minimum(), track->Maximum());
    return 1;
}

QStringList WAccessibleValue::actionNames() const
{
    if (!qobject_cast<const WTrackBar*>(widget()) || !widget()->isEnabled())
        return WAccessibleWidget::actionNames();
    return QStringList{increaseAction(), decreaseAction()} + WAccessibleWidget::actionNames();
}

void WAccessibleValue::doAction(const QString& actionName)
{
    if (actionName != increaseAction() && actionName != decreaseAction()) {
        WAccessibleWidget::doAction(actionName);
        return;
    }
    auto* track = qobject_cast<WTrackBar*>(widget());
    if (!track || !actionNames().contains(actionName))
        return;
    const qint64 step = WKeyRules::RangeStep(track->Minimum(), track->Maximum());
    const qint64 to = track->Value1() + (actionName == increaseAction() ? step : -step);
    track->SetValue1(int(qBound(qint64(track->Minimum()), qint64(to), qint64(track->Maximum()))));
}

QStringList WAccessibleValue::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != increaseAction() && actionName != decreaseAction())
        return WAccessibleWidget::keyBindingsForAction(actionName);
    if (!WBase::IsKeyboardAccess() || !actionNames().contains(actionName))
        return {};
    return {actionName == increaseAction() ? QStringLiteral("Right") : QStringLiteral("Left")};
}

QString WAccessibleValue::ShownValue() const
{
    if (auto* progress = qobject_cast<const WProgressBar*>(widget()))
        return QStringLiteral("%1%").arg(progress->Value());
    return currentValue().toString();
}
