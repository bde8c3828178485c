#include "WHourMinutePickerPlugin.h"

#include "WHourMinutePicker.h"

namespace {

// What Designer puts on a form for a new WHourMinutePicker.
const char defaultXml[] = R"(<widget class="WHourMinutePicker" name="wHourMinutePicker">
</widget>
)";

} // namespace

WHourMinutePickerPlugin::WHourMinutePickerPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WHourMinutePicker"), QStringLiteral("WexalEx"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WHourMinutePickerPlugin::createWidget(QWidget* parent)
{
    return new WHourMinutePicker(parent);
}
