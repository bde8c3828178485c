#pragma once

#include "WTrackBar.h"

#include "SudokuPatch.h"

#include <QImage>

#include <memory>

// Pictures of the main line drawn once and blitted while the button moves: a rounded line is
// an anti-aliased clip and path, by far the dearest part of a paint, and a gradient is costly
// too, yet neither changes with the values. The Value1 and Value2 fills are kept as separate
// pictures of the whole line (empty, second fill, first fill, both), of which each paint blits
// the stretch that the current values show.
struct WTrackBarLineCache
{
    // What the pictures were drawn from; any difference draws them again.
    quint64 generation = 0;
    QSize widgetSize;
    QRect bounds;
    int radius = 0;
    int borderWidth = 0;
    int border = 0;
    QColor borderColor;
    qreal dpr = 1;
    // Indexed by the fills they show: bit 0 the Value2 fill, bit 1 the Value1 fill.
    QImage layers[4];
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
    // Counts changes of what the main line looks like, for the line cache.
    quint64 lineGeneration = 1;
    WTrackBarLineCache lineCache;
};
