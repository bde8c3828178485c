#pragma once

// Shared by the grid list's view and input tests: a model and a grid styled in colours that
// are easy to tell apart in a grab, and the geometry they share.

#include "WGridList.h"
#include "WGridListData.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <memory>

namespace GridTest {

const QColor back(255, 255, 255);
const QColor headerBack(30, 40, 50);
const QColor headerBackHover(60, 70, 80);
const QColor headerFore(200, 200, 200);
const QColor headerForeHover(250, 250, 0);
const QColor gridLine(255, 0, 255);
const QColor doubleRow(10, 200, 10);
const QColor singleRow(10, 10, 200);
const QColor selectedRow(200, 10, 10);
const QColor rowFore(0, 0, 0);
const QColor lockedFore(250, 150, 0);
const QColor checkFlag(0, 128, 255);

constexpr int headerHeight = 30;
constexpr int rowHeight = 20;

inline void Settle()
{
    for (int i = 0; i < 6; ++i)
        QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

inline void Style(WGridList& grid)
{
    grid.SetBackColor(back);
    grid.SetColumnHeaderBackColor(headerBack);
    grid.SetColumnHeaderBackColorHover(headerBackHover);
    grid.SetColumnHeaderForeColor(headerFore);
    grid.SetColumnHeaderForeColorHover(headerForeHover);
    grid.SetColumnHeaderGridLineColor(gridLine);
    grid.SetDoubleRowBackColor(doubleRow);
    grid.SetSingleRowBackColor(singleRow);
    grid.SetSelectedRowBackColor(selectedRow);
    grid.SetRowForeColor(rowFore);
    grid.SetLockedRowForeColor(lockedFore);
}

// A model of rows whose every cell is empty text, for tests that fill cells themselves.
inline void AddRows(WGridListData& data, int count)
{
    for (int i = 0; i < count; ++i)
        data.AddRow(data.CreateRow());
}

inline void Show(QWidget& w, const QSize& size)
{
    w.resize(size);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Settle();
}

// The grid's own top-level grab, as RGB values.
inline QImage Grab(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline int CountColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

// A grid showing a model of the given column widths, styled, with the model set and read.
struct Fixture
{
    explicit Fixture(const QVector<int>& widths, int rows = 0)
        : data(std::make_unique<WGridListData>(widths.size()))
    {
        Style(grid);
        grid.SetColumnWidth(widths);
        AddRows(*data, rows);
        grid.SetDataSource(data.get());
        grid.UpdateData();
    }
    // The scrolled width is at least the area's width when the columns are applied, so they
    // are applied again once the grid has its real size.
    void Show(const QSize& size)
    {
        GridTest::Show(grid, size);
        grid.ApplyColumn();
        Settle();
    }

    // Declared first, destroyed last: the grid never outlives what it shows.
    std::unique_ptr<WGridListData> data;
    WGridList grid;
};

} // namespace GridTest
