#pragma once

// Shared by the grid list's tests: a grid styled in colours that are easy to tell apart in a
// grab, over a model it does not own, and the plain walk that the fast lookup of the first
// visible row must agree with.

#include "WGridList.h"
#include "WGridListData.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <memory>

namespace GridTest {

const QColor back(255, 255, 255), headerBack(30, 40, 50), doubleRow(10, 200, 10),
    singleRow(10, 10, 200), selectedRow(200, 10, 10), rowFore(0, 0, 0), lockedFore(250, 150, 0);
constexpr int headerHeight = 30, rowHeight = 20; // the grid's defaults

inline QImage Grab(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The largest difference of one colour channel between two images of one size (-1 if their
// sizes differ).
inline int LargestChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// A styled grid over a model of empty rows with one column per width, read by UpdateData.
struct Fixture
{
    explicit Fixture(const QVector<int>& widths, int rows = 0)
        : data(std::make_unique<WGridListData>(widths.size()))
    {
        grid.SetBackColor(back);
        grid.SetColumnHeaderBackColor(headerBack);
        grid.SetDoubleRowBackColor(doubleRow);
        grid.SetSingleRowBackColor(singleRow);
        grid.SetSelectedRowBackColor(selectedRow);
        grid.SetRowForeColor(rowFore);
        grid.SetLockedRowForeColor(lockedFore);
        grid.SetColumnWidth(widths);
        for (int i = 0; i < rows; ++i)
            data->AddRow(data->CreateRow());
        grid.SetDataSource(data.get());
        grid.UpdateData();
    }
    void Show(const QSize& size)
    {
        grid.resize(size);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
    }
    std::unique_ptr<WGridListData> data; // declared first, destroyed after the grid
    WGridList grid;
};

// The first visible row whose bottom lies below the scroll offset and how far into it the
// offset is, walked from the top; (0, 0) when no row does.
inline QPair<int, int> Walk(const QList<WGridListRow*>& rows, int height, int value)
{
    qint64 remaining = value; // what is left of the offset past the rows walked so far
    for (int r = 0; r < rows.size(); ++r)
        if (rows.at(r) && rows.at(r)->Visible && (remaining -= height) < 0)
            return {r, int(remaining + height)};
    return {0, 0};
}

} // namespace GridTest
