#include "WTest.h"

WTest::WTest(QWidget* parent) : WBase(parent)
{
    SetPaintExtent(PaintExtent::Nothing, typeid(WTest));
}

WTest::~WTest() = default;

void WTest::Paint(QPainter*) {}
