#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerContainerExtension>

class WScrollPanel;

// Lets Designer place a WScrollPanel's content panel. The panel adopts a WPanel child by
// itself; the extension only hands the widget to the panel and remembers it, so that Designer
// finds (and saves) the content although it lives inside the panel's viewport. Designer cannot
// add pages through it, and nothing is ever taken out.
class WScrollPanelContainerExtension : public QObject, public QDesignerContainerExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerContainerExtension)

public:
    WScrollPanelContainerExtension(WScrollPanel* panel, QObject* parent);
    ~WScrollPanelContainerExtension() override;

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
    // Widgets deleted behind Designer's back drop out of the list rather than dangle.
    QList<QWidget*> Widgets() const;

    const QPointer<WScrollPanel> panel;
    // The newest first.
    QList<QPointer<QWidget>> widgets;
};
