#pragma once

// What every test file includes: QtTest and the Qt classes most tests use, every public header
// of the library, and the support the tests of every area share. Test files of one area share
// one program: WEXAL_TEST_MAIN(Class) takes the place of QTEST_MAIN and enters the class under
// its file's name, which ctest passes to run it alone.

#include "DockType.h"
#include "OrientationType.h"
#include "PositionFlag.h"
#include "PositionType.h"
#include "SudokuPatch.h"
#include "TextType.h"
#include "WBase.h"
#include "WBaseButton.h"
#include "WButton.h"
#include "WCheckBox.h"
#include "WComboBox.h"
#include "WContainer.h"
#include "WDenseRendering.h"
#include "WDrawAPI.h"
#include "WEvent.h"
#include "WForm.h"
#include "WGridList.h"
#include "WGridListCell.h"
#include "WGridListCellButton.h"
#include "WGridListColumn.h"
#include "WGridListData.h"
#include "WGridListRow.h"
#include "WHourMinutePicker.h"
#include "WItemList.h"
#include "WLabel.h"
#include "WLineEdit.h"
#include "WMenu.h"
#include "WMenuItem.h"
#include "WPadding.h"
#include "WPanel.h"
#include "WProgressBar.h"
#include "WQuietPopups.h"
#include "WRandomInput.h"
#include "WScrollContainer.h"
#include "WScrollPanel.h"
#include "WSwitchButton.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTest.h"
#include "WTestMouse.h"
#include "WTestRemoval.h"
#include "WTrackBar.h"
#include "WTreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMetaProperty>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <climits>
#include <functional>
#include <memory>

namespace WexalTest {

// Where a layout places rect in a space width wide when it runs right to left: the mirror image
// across the middle, as Qt's own layouts place it.
inline QRect Mirrored(const QRect& rect, int width)
{
    return QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
}

// Both directions, for a layout table to run as written and mirrored.
inline QList<Qt::LayoutDirection> Directions()
{
    return {Qt::LeftToRight, Qt::RightToLeft};
}

// Resizes and shows a top-level widget; true once it is exposed.
inline bool ShownAt(QWidget* w, int width, int height)
{
    w->resize(width, height);
    w->show();
    return QTest::qWaitForWindowExposed(w);
}

// The widget as it looks now, opaque, so that pixels compare as plain colours.
inline QImage Snapshot(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using SuiteFactory = QObject* (*)();
int RegisterSuite(const char* file, SuiteFactory make);
// The file name of the class that is running, for a test that starts its program again.
QString CurrentSuite();

} // namespace WexalTest

#define WEXAL_TEST_MAIN(Class)                                                                     \
    static const int wexalSuite##Class =                                                           \
        WexalTest::RegisterSuite(__FILE__, []() -> QObject* { return new Class; });
