#pragma once

#include "WBase.h"

#include <QModelIndex>
#include <QPoint>

class QTreeView;
struct WTreeViewPrivate;

// A standard QTreeView wrapped in a library widget, so that a tree can dock and anchor like
// any other widget. The wrapper draws nothing: the inner view always covers it exactly and
// paints and handles input as Qt does. The application sets the model, headers and selection
// behaviour on TreeView directly.
//
// A right click anywhere in the view emits ItemRightClicked with the index under the pointer,
// invalid over empty space. The wrapper's style sheet is handed on to the inner view.
class WEXAL_EXPORT WTreeView : public WBase
{
    Q_OBJECT
    // First of the members: constructing the inner view already sends the wrapper events.
    const std::unique_ptr<WTreeViewPrivate> d;

public:
    Q_INVOKABLE explicit WTreeView(QWidget* parent = nullptr);
    ~WTreeView() override;

    // The inner view, owned by the wrapper.
    QTreeView* const TreeView;

signals:
    // Pos is in the inner view's viewport coordinates.
    void ItemRightClicked(QPoint Pos, QModelIndex Index);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;

private slots:
    void CustomContextMenuEvent(const QPoint& pos);
};
