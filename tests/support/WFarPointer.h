#pragma once

// Pointer positions a synthesised or transformed event may carry, far outside any widget and
// outside the int range: every widget that turns a position into a line, a cell, a caret or a
// value must survive them and treat them as outside (or as the nearer end).

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QPointF>
#include <QtTest>

#include <climits>
#include <limits>

namespace WexalTest {

inline QList<QPair<QByteArray, QPointF>> FarPointerPositions()
{
    const qreal huge = 1e12, inf = std::numeric_limits<qreal>::infinity();
    const qreal max = std::numeric_limits<qreal>::max();
    return {{"right, 1e12", {huge, 10}},
            {"left, -1e12", {-huge, 10}},
            {"below, 1e12", {10, huge}},
            {"above, -1e12", {10, -huge}},
            {"just past INT_MAX", {qreal(INT_MAX) + 1, qreal(INT_MAX) + 1}},
            {"just below INT_MIN", {qreal(INT_MIN) - 1, qreal(INT_MIN) - 1}},
            {"DBL_MAX, -DBL_MAX", {max, -max}},
            {"+inf, -inf", {inf, -inf}},
            {"NaN", {qQNaN(), qQNaN()}}};
}

// The positions as rows of a QtTest table, column "far".
inline void AddFarPointerRows()
{
    QTest::addColumn<QPointF>("far");
    for (const auto& row : FarPointerPositions())
        QTest::newRow(row.first.constData()) << row.second;
}

} // namespace WexalTest
