#pragma once

#include "WContainer.h"

struct WPanelPrivate;

// The plain container: a rounded, bordered, filled rectangle that docks and anchors its
// WBase children.
class WEXAL_EXPORT WPanel : public WContainer
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit WPanel(QWidget* parent = nullptr);
    ~WPanel() override;

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;
    // Runs the dock layout pass over the container area; subclasses may place differently.
    virtual void ReLayout();

private:
    const std::unique_ptr<WPanelPrivate> d;
};
