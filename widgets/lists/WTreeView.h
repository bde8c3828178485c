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
/// A standard QTreeView wrapped in a library widget, so that a tree docks and anchors like any
/// other widget.
///
/// The wrapper draws nothing: the inner view, TreeView, always covers it exactly and paints and
/// handles input as Qt does. The application sets the model, the headers and the selection
/// behaviour on TreeView directly; the wrapper's style sheet is handed on to the inner view, while
/// the library's look properties (BackColor, Border and the others) are not drawn.
/// ItemRightClicked() reports a context menu request with the index under the pointer.
///
/// \image html WTreeView.png
class WEXAL_EXPORT WTreeView : public WBase
{
    Q_OBJECT
    // First of the members: constructing the inner view already sends the wrapper events.
    const std::unique_ptr<WTreeViewPrivate> d;

public:
    /// Constructs the wrapper and its inner view, without a model, as a child of \a parent.
    Q_INVOKABLE explicit WTreeView(QWidget* parent = nullptr);
    /// Destroys the wrapper and its inner view.
    ~WTreeView() override;

    // The inner view, owned by the wrapper.
    /// The inner view, owned by the wrapper. Its context menu policy is Qt::CustomContextMenu and
    /// should stay so for ItemRightClicked() to be emitted. If the application deletes the view,
    /// the wrapper copes, but this pointer is left dangling.
    QTreeView* const TreeView;

signals:
    // Pos is in the inner view's viewport coordinates.
    /// Emitted when a context menu is asked for in the view (a right click, or the menu key), with
    /// the position \a Pos in the inner view's viewport coordinates and the model \a Index under
    /// it, invalid over empty space.
    void ItemRightClicked(QPoint Pos, QModelIndex Index);

protected:
    /// Keeps the inner view the wrapper's size and hands on a changed style sheet.
    bool event(QEvent* e) override;
    /// Draws nothing: the inner view covers the wrapper.
    void Paint(QPainter* painter) override;

private slots:
    void CustomContextMenuEvent(const QPoint& pos);
};
