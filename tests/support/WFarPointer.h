#pragma once

// Pointer positions a synthesised or transformed event may carry, far outside any widget and
// outside the int range: every widget that turns a position into a line, a cell, a caret or a
// value must survive them and treat them as outside (or as the nearer end).

#include <QPointF>
#include <QtTest>

#include <climits>
#include <limits>

namespace WexalTest {

// The positions as rows of a QtTest table, column "far".
inline void AddFarPointerRows()
{
    const qreal huge = 1e12, inf = std::numeric_limits<qreal>::infinity();
    const qreal max = std::numeric_limits<qreal>::max();
    QTest::addColumn<QPointF>("far");
    QTest::newRow("right, 1e12") << QPointF(huge, 10);
    QTest::newRow("left, -1e12") << QPointF(-huge, 10);
    QTest::newRow("below, 1e12") << QPointF(10, huge);
    QTest::newRow("above, -1e12") << QPointF(10, -huge);
    QTest::newRow("just past INT_MAX") << QPointF(qreal(INT_MAX) + 1, qreal(INT_MAX) + 1);
    QTest::newRow("just below INT_MIN") << QPointF(qreal(INT_MIN) - 1, qreal(INT_MIN) - 1);
    QTest::newRow("DBL_MAX, -DBL_MAX") << QPointF(max, -max);
    QTest::newRow("+inf, -inf") << QPointF(inf, -inf);
    QTest::newRow("NaN") << QPointF(qQNaN(), qQNaN());
}

} // namespace WexalTest
