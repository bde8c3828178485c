#pragma once

#include "WWidgetPlugin.h"

// Offers WTabControl with two pages, registers the container extension through which Designer
// adds, inserts and removes pages, and tells the form window whenever a control switches page
// so that the property editor shows the page now in front.
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
