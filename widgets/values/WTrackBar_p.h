#pragma once

#include "WTrackBar.h"

#include "SudokuPatch.h"

#include <QImage>

#include <memory>

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
