#pragma once

#include "WBase.h"

/// An empty widget: a placeholder that takes part in docking and paints nothing.
///
/// Useful as a fixed gap between docked siblings: give it a size and a WBase::Dock().
class WEXAL_EXPORT WTest : public WBase
{
    Q_OBJECT

public:
    /// Makes an empty widget, a child of parent.
    Q_INVOKABLE explicit WTest(QWidget* parent = nullptr);
    ~WTest() override;

protected:
    /// Draws nothing.
    void Paint(QPainter* painter) override;
};
