#pragma once

#include "WTrackBar.h"

#include "SudokuPatch.h"
#include "wexal_export.h"

#include <QImage>

#include <memory>

// Pictures of the main line drawn once and blitted while the button moves: a rounded line is
// an anti-aliased clip and path, by far the dearest part of a paint, and a gradient is costly
// too, yet neither changes with the values. The Value1 and Value2 fills are kept as separate
// pictures of the whole line (empty, second fill, first fill, both), of which each paint blits
// the stretch that the current values show.
//
// The pictures live in one cache for all track bars, keyed by everything that decides their
// pixels (the look, the size and the density), so that tracks of one look share them, and
// bounded in bytes. This is its window for tests.
struct WEXAL_AUTOTEST_EXPORT WTrackBarLineCache
{
    static qint64 CachedBytes();
    static qint64 LimitBytes();
    static int Count();
    static void Clear();
};

// The track bar's state, shared by its two source files.
struct WTrackBarPrivate
{
    WTrackBar::TrackType type = WTrackBar::Normal;
    OrientationType::Types orientation = OrientationType::Horizontal;
    int mainLineSize = 10;
    QColor mainLineBackColor;
    QColor mainLineFillColor1;
    QColor mainLineFillColor2;
    QPixmap mainLineImage;
    bool sudokuDraw = false;
    QRect sudokuTBLR;
    QSize buttonSize;
    QColor buttonColor;
    QColor buttonColorHover;
    QColor buttonColorDisabled;
    QPixmap buttonImage;
    bool replaceImageWhite = false;
    int maximum = 100;
    int minimum = 0;
    int value1 = 0;
    int value2 = 0;
    QRect mainLineDrawArea;
    QLinearGradient mainLineGradient{0, 0, 0, 0};
    std::unique_ptr<SudokuPatch> mainLineSudoku;
    QImage buttonImageNormal;
    QImage buttonImageHover;
    QImage buttonImageDisabled;
    bool hover = false;
    bool dragging = false;
    int buttonLocation = 0;
    int lastMousePos = 0;
    int mainLine2Length = 0;
};
