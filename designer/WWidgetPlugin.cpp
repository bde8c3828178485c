#include "WWidgetPlugin.h"

namespace {

QString DefaultXml(const QString& className, const QSize& size, const char* xml)
{
    if (!size.isValid())
        return QString::fromLatin1(xml);
    QString objectName = className;
    objectName[0] = objectName[0].toLower();
    return QStringLiteral("<widget class=\"%1\" name=\"%2\">\n"
                          " <property name=\"geometry\">\n"
                          "  <rect>\n"
                          "   <x>0</x>\n"
                          "   <y>0</y>\n"
                          "   <width>%3</width>\n"
                          "   <height>%4</height>\n"
                          "  </rect>\n"
                          " </property>\n"
                          "%5"
                          "</widget>\n")
        .arg(className, objectName)
        .arg(size.width())
        .arg(size.height())
        .arg(QString::fromLatin1(xml));
}

} // namespace

WWidgetPlugin::WWidgetPlugin(const Facts& facts, QObject* parent)
    : QObject(parent), widgetName(QString::fromLatin1(facts.name)),
      widgetGroup(QString::fromLatin1(facts.group)), container(facts.traits & Container),
      xml(DefaultXml(widgetName, facts.size, facts.xml)), withIcon(!(facts.traits & WithoutIcon)),
      make(facts.make)
{
}

WWidgetPlugin::~WWidgetPlugin() = default;

QString WWidgetPlugin::name() const
{
    return widgetName;
}

QString WWidgetPlugin::group() const
{
    return widgetGroup;
}

QString WWidgetPlugin::toolTip() const
{
    return QString();
}

QString WWidgetPlugin::whatsThis() const
{
    return QString();
}

// Headers install flat, so generated code includes each widget by its class name.
QString WWidgetPlugin::includeFile() const
{
    return widgetName + QStringLiteral(".h");
}

QIcon WWidgetPlugin::icon() const
{
    return withIcon ? QIcon(QStringLiteral("://Icons/Wexal.ico")) : QIcon();
}

bool WWidgetPlugin::isContainer() const
{
    return container;
}

QString WWidgetPlugin::domXml() const
{
    return xml;
}

QWidget* WWidgetPlugin::createWidget(QWidget* parent)
{
    return make(parent);
}

bool WWidgetPlugin::isInitialized() const
{
    return initialized;
}

void WWidgetPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (initialized)
        return;
    if (InitializeOnce(core))
        initialized = true;
}

bool WWidgetPlugin::InitializeOnce(QDesignerFormEditorInterface*)
{
    return true;
}
