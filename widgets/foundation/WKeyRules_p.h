#pragma once

#include "wexal_export.h"

#include <QtGlobal>

// The pure rules behind the keys of the widgets that move a cursor over lines or step a value:
// the same keys do the same thing in every list, and the screen-reader actions step a value as
// the keys do.
namespace WKeyRules {

// Whether the key moves a line cursor: Up, Down, Page Up, Page Down, Home or End.
WEXAL_AUTOTEST_EXPORT bool IsLineKey(int key);
// The line such a key moves a cursor at `current` (-1: none yet) to among `count` lines, `page`
// of them in view; -1 when there are no lines.
WEXAL_AUTOTEST_EXPORT int LineKeyTarget(int key, int current, int count, int page);
// The scroll value that shows the line from top, height high, in a view `view` high now scrolled
// to `value`: value itself when the line is in view, else the nearest that shows it.
WEXAL_AUTOTEST_EXPORT int ScrollValueShowing(qint64 top, qint64 height, int value, qint64 view);
// One step and one page of a value between minimum and maximum: a hundredth and a tenth of the
// range, at least 1.
WEXAL_AUTOTEST_EXPORT int RangeStep(int minimum, int maximum);
WEXAL_AUTOTEST_EXPORT int RangePage(int minimum, int maximum);

} // namespace WKeyRules
