#pragma once

#include "WGridListColumn.h"
#include "WGridListRowLocator_p.h"
#include "WGridListTextCache_p.h"
#include "WIconGlyph_p.h"
#include "WLineEdit.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>

class WGridListData;
class WGridListRow;

// The model's rows read from the grid's thread while a worker may be adding to them: taken only
// when the lock is free, so the grid never waits for the worker; a paint or read that finds it
// taken is skipped (no rows drawn, no hover, no row under a click) until the next event.
class WGridListRowsLock
{
public:
    explicit WGridListRowsLock(WGridListData* data);
    ~WGridListRowsLock();
    WGridListRowsLock(const WGridListRowsLock&) = delete;
    WGridListRowsLock& operator=(const WGridListRowsLock&) = delete;
    // The model, while its lock is held; null when there is none or it was taken elsewhere.
    WGridListData* Rows() const { return taken ? data : nullptr; }
    // Lets go early, before a signal runs application code that may take the lock itself.
    void Release();

private:
    WGridListData* const data;
    bool taken;
};

// The state of a WGridList, shared by its view half (WGridList.cpp) and its input half
// (WGridListInput.cpp).
struct WGridListPrivate
{
    QList<WGridListColumn> columns;
    WGridListRow* selectedRow = nullptr;
    WGridListRow* lockedRow = nullptr;

    bool canChangeColumnWidth = true;
    int columnHeaderHeight = 30;
    QColor columnHeaderBackColor;
    QColor columnHeaderBackColorHover;
    QColor columnHeaderForeColor;
    QColor columnHeaderForeColorHover;
    QColor columnHeaderGridLineColor;
    int rowHeight = 20;
    QColor singleRowBackColor;
    QColor doubleRowBackColor;
    QColor selectedRowBackColor;
    QColor rowForeColor;
    QColor lockedRowForeColor;
    QColor checkFlagColor;
    // Recoloured copies of the check glyphs, at the density the grid was last painted at.
    WIconGlyph checkedImage{QStringLiteral("://Icons/GridList/Checked.png")};
    WIconGlyph uncheckImage{QStringLiteral("://Icons/GridList/Uncheck.png")};
    WGridListTextCache textCache;

    QRect headerRect;
    QRect rowsRect;
    int firstColumn = 0;
    int columnOffset = 0;
    int firstRow = 0;
    int rowOffset = 0;
    int contentWidth = 0;
    int contentHeight = 0;
    // A scroll step that came while another thread held the model: the first row is found
    // at the next paint (under its lock) or hit test, from this offset.
    bool firstRowPending = false;
    int pendingVValue = 0;
    WGridListRowLocator rowLocator;

    bool overHeader = false;
    bool overResizeZone = false;
    bool resizing = false;
    int hoverColumn = -1;
    int hoverRow = -1;
    QPoint dragLast;
    QPoint cellPoint;
    WGridListData* dataSource = nullptr;
    // Cell widgets belong to rows the application may delete at any time; guarded pointers
    // forget them instead of dangling.
    QPointer<QWidget> hoverWidget;
    QPointer<QWidget> pressedWidget;
    QPointer<WLineEdit> focusedEditor;

    // Columns that both the grid and the model have: the rest are neither drawn nor hit.
    int UsableColumns() const;
};
