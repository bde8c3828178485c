#pragma once

#include "WContainer.h"

struct WPanelPrivate;

/// The plain container: a rounded, bordered, filled rectangle that docks and anchors its
/// WBase children.
///
/// Styled by the properties of WBase: BackColor(), Radius(), Border(), BorderWidth() and
/// BorderColor(). Children are placed in the area inside the padding and border (see
/// WContainer::Padding()): docked ones in the order they were added, the others by their
/// anchors; the layout runs again whenever a child's dock, size or visibility changes, a child
/// is removed, or the panel's area changes.
///
/// \image html WPanel.png
///
/// \sa DockType, WBase::Anchor(), WScrollPanel
class WEXAL_EXPORT WPanel : public WContainer
{
    Q_OBJECT

public:
    /// Makes an empty panel, a child of parent.
    Q_INVOKABLE explicit WPanel(QWidget* parent = nullptr);
    ~WPanel() override;

protected:
    /// Lays the children out again when one is removed, when a child's dock changes, and when
    /// the container area changes.
    bool event(QEvent* e) override;
    /// Draws the background and the border.
    void Paint(QPainter* painter) override;
    /// Runs the dock layout pass over the container area; subclasses may place differently.
    virtual void ReLayout();

private:
    const std::unique_ptr<WPanelPrivate> d;
};
