#include "WKeyRules_p.h"

#include <Qt>

#include <climits>

bool WKeyRules::IsLineKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
}

int WKeyRules::LineKeyTarget(int key, int current, int count, int page)
{
    if (count <= 0)
        return -1;
    // Wide: the current line and the page come from the application and may be anywhere.
    const qint64 target = key == Qt::Key_Up         ? qint64(current) - 1
                          : key == Qt::Key_Down     ? qint64(current) + 1
                          : key == Qt::Key_PageUp   ? qint64(current) - page
                          : key == Qt::Key_PageDown ? qint64(current) + page
                          : key == Qt::Key_Home     ? 0
                                                    : qint64(count) - 1;
    return int(qBound(qint64(0), target, qint64(count) - 1));
}

int WKeyRules::ScrollValueShowing(qint64 top, qint64 height, int value, qint64 view)
{
    if (top < value)
        return int(qBound(qint64(0), top, qint64(INT_MAX)));
    if (top + height > value + view)
        return int(qBound(qint64(0), qMin(top, top + height - view), qint64(INT_MAX)));
    return value;
}

int WKeyRules::RangeStep(int minimum, int maximum)
{
    return int(qMax<qint64>(1, (qint64(maximum) - minimum) / 100));
}

int WKeyRules::RangePage(int minimum, int maximum)
{
    return int(qMax<qint64>(1, (qint64(maximum) - minimum) / 10));
}
