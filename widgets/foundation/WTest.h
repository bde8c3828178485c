#pragma once

#include "WBase.h"

// An empty widget: a placeholder that takes part in docking and paints nothing.
class WEXAL_EXPORT WTest : public WBase
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit WTest(QWidget* parent = nullptr);
    ~WTest() override;

protected:
    void Paint(QPainter* painter) override;
};
