#include "WTreeView.h"

#include "WBase_p.h"

#include <QEvent>
#include <QPointer>
#include <QTreeView>

struct WTreeViewPrivate
{
    // The application reaches the inner view and may delete it; the wrapper must then neither
    // resize nor delete it again.
    QPointer<QTreeView> view;
};

WTreeView::WTreeView(QWidget* parent)
    : WBase(parent), d(std::make_unique<WTreeViewPrivate>()), TreeView(new QTreeView(this))
{
    d->view = TreeView;
    TreeView->move(0, 0);
    TreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView, &QWidget::customContextMenuRequested, this,
            &WTreeView::CustomContextMenuEvent);
    if (IsDesignerMode())
        MarkPassive(TreeView);
}

WTreeView::~WTreeView()
{
    delete d->view.data();
}

void WTreeView::CustomContextMenuEvent(const QPoint& pos)
{
    if (!d->view)
        return;
    emit ItemRightClicked(pos, d->view->indexAt(pos));
}

bool WTreeView::event(QEvent* e)
{
    if (d->view) {
        if (e->type() == QEvent::Resize)
            d->view->resize(size());
        // Qt 5 announces a new style sheet with StyleChange, which also arrives for changes of
        // the parents' styles; only a sheet that differs is handed on, as a reparse is dear.
        else if (e->type() == QEvent::StyleChange && d->view->styleSheet() != styleSheet())
            d->view->setStyleSheet(styleSheet());
    }
    return WBase::event(e);
}

void WTreeView::Paint(QPainter*) {}
