#pragma once

#include "WWidgetPlugin.h"

// Offers WScrollPanel, with a content panel in its default XML, and registers the container
// extension through which Designer places that content.
class WScrollPanelPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WScrollPanelPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;

protected:
    bool InitializeOnce(QDesignerFormEditorInterface* core) override;
};
