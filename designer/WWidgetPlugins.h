#pragma once

#include "WWidgetPlugin.h"

// The plugin of every widget the collection offers, one class each, named after its widget.
// Their facts and how they make their widgets are in WWidgetPlugins.cpp; only the scroll panel
// and the tab control, which come with container extensions, add members of their own.

class WPanelPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WPanelPlugin(QObject* parent = nullptr);
};

class WButtonPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WButtonPlugin(QObject* parent = nullptr);
};

class WCheckBoxPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WCheckBoxPlugin(QObject* parent = nullptr);
};

class WSwitchButtonPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WSwitchButtonPlugin(QObject* parent = nullptr);
};

class WComboBoxPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WComboBoxPlugin(QObject* parent = nullptr);
};

class WLabelPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WLabelPlugin(QObject* parent = nullptr);
};

class WLineEditPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WLineEditPlugin(QObject* parent = nullptr);
};

class WProgressBarPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WProgressBarPlugin(QObject* parent = nullptr);
};

class WTrackBarPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTrackBarPlugin(QObject* parent = nullptr);
};

class WItemListPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WItemListPlugin(QObject* parent = nullptr);
};

class WTabPagePlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTabPagePlugin(QObject* parent = nullptr);
};

class WGridListPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WGridListPlugin(QObject* parent = nullptr);
};

class WTreeViewPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTreeViewPlugin(QObject* parent = nullptr);
};

class WHourMinutePickerPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WHourMinutePickerPlugin(QObject* parent = nullptr);
};

class WFormPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WFormPlugin(QObject* parent = nullptr);
};

class WTestPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTestPlugin(QObject* parent = nullptr);
};

// Registers the container extension through which Designer places the scroll panel's content.
class WScrollPanelPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WScrollPanelPlugin(QObject* parent = nullptr);

protected:
    bool InitializeOnce(QDesignerFormEditorInterface* core) override;
};

// Registers the container extension through which Designer adds, inserts and removes pages, and
// tells the form window whenever a control switches page so that the property editor shows the
// page now in front.
class WTabControlPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTabControlPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;

protected:
    bool InitializeOnce(QDesignerFormEditorInterface* core) override;

private slots:
    void SelectedPageChanged(int Index);
};
