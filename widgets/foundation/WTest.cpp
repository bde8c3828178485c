#include "WTest.h"

WTest::WTest(QWidget* parent) : WBase(parent) {}

WTest::~WTest() = default;

void WTest::Paint(QPainter*) {}
