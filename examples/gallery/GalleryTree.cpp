// Tree view: a Qt tree over a small QStandardItemModel, docked like any other widget and styled
// through the wrapper's style sheet, with a popup menu on the item under a right click.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WMenu.h"
#include "WMenuItem.h"
#include "WPanel.h"
#include "WTest.h"
#include "WTreeView.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPointer>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

namespace {

using namespace GalleryTheme;

QList<QStandardItem*> row(const QString& name, const QString& size)
{
    auto* second = new QStandardItem(size);
    second->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return {new QStandardItem(name), second};
}

QStandardItemModel* projectModel(QObject* owner)
{
    auto* model = new QStandardItemModel(owner);
    model->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size")});
    QList<QStandardItem*> widgets = row(QStringLiteral("widgets"), QString());
    for (const char* name : {"WTabControl.cpp", "WTabPage.cpp", "WTreeView.cpp"})
        widgets.first()->appendRow(row(QString::fromLatin1(name), QStringLiteral("8 KB")));
    QList<QStandardItem*> tests = row(QStringLiteral("tests"), QString());
    tests.first()->appendRow(row(QStringLiteral("tst_wtabcontrol.cpp"), QStringLiteral("21 KB")));
    model->appendRow(widgets);
    model->appendRow(tests);
    model->appendRow(row(QStringLiteral("README.md"), QStringLiteral("3 KB")));
    return model;
}

void buildTree(WPanel* body)
{
    // What the last right click hit, in a strip under the tree.
    auto* strip = new WPanel(body);
    strip->SetBackColor(QColor(0xF8, 0xFA, 0xFC));
    strip->SetRadius(6);
    strip->SetBorder(PositionFlag::All);
    strip->SetBorderWidth(1);
    strip->SetBorderColor(cardBorder);
    strip->SetPadding(WPadding{0, 0, 10, 10});
    strip->resize(body->width(), 30);
    strip->SetDock(DockType::Bottom);
    auto* heading = new GalleryText(QStringLiteral("Right-clicked:"), strip, 8, true);
    heading->resize(heading->width(), 30);
    heading->SetForeColor(muted);
    heading->SetDock(DockType::Left);
    auto* shown = new GalleryText(QStringLiteral("nothing yet"), strip, 9, true);
    shown->resize(170, 30);
    shown->SetForeColor(accent);
    shown->SetDock(DockType::Left);
    auto* where = new GalleryText(QString(), strip, 8, false, Qt::AlignRight | Qt::AlignVCenter);
    where->resize(90, 30);
    where->SetForeColor(muted);
    where->SetDock(DockType::Right);
    auto* gapPanel = new WTest(body);
    gapPanel->resize(10, 10);
    gapPanel->SetDock(DockType::Bottom);

    auto* tree = new WTreeView(body);
    tree->resize(body->width(), body->height() - 40);
    tree->SetDock(DockType::Fill);
    // Handed on to the inner view by the wrapper.
    tree->setStyleSheet(
        QStringLiteral("QTreeView { background: white; border: 1px solid #DDE2EA; color: #1F2937;"
                       "  selection-background-color: #DBEAFE; selection-color: #1E40AF; }"
                       "QHeaderView::section { background: #F8FAFC; color: #6B7280; border: none;"
                       "  border-bottom: 1px solid #DDE2EA; padding: 4px 6px; }"));
    QTreeView* view = tree->TreeView;
    view->setModel(projectModel(tree));
    view->expandAll();
    view->setColumnWidth(0, 240);
    view->header()->setStretchLastSection(true);

    // A right click on an item opens the library's popup menu at the pointer; the strip shows
    // what was hit and what was chosen. Folders cannot be deleted here.
    auto* menu = new WMenu(tree);
    menu->SetBackColor(Qt::white);
    menu->SetForeColor(ink);
    menu->SetBorder(PositionFlag::All);
    menu->SetBorderWidth(1);
    menu->SetBorderColor(cardBorder);
    menu->SetPadding(WPadding{4, 4, 12, 24});
    menu->SetItemHeight(26);
    menu->SetItemBackColorHover(accentSoft);
    menu->SetItemForeColorHover(accentPress);
    menu->SetItemForeColorDisable(QColor(0xB0, 0xB7, 0xC3));
    for (const char* text : {"Open", "Rename", "Delete"})
        menu->AddItem(QString::fromLatin1(text));
    QObject::connect(tree, &WTreeView::ItemRightClicked, shown,
                     [shown, where, menu, view](const QPoint& pos, const QModelIndex& index) {
                         const QModelIndex name = index.sibling(index.row(), 0);
                         shown->SetText(index.isValid() ? name.data().toString()
                                                        : QStringLiteral("empty space"));
                         where->SetText(QStringLiteral("at %1, %2").arg(pos.x()).arg(pos.y()));
                         if (!index.isValid())
                             return;
                         menu->Item(2)->Enabled = !view->model()->hasChildren(name);
                         // The menu runs its own loop: the card may be gone when it returns.
                         const QPointer<GalleryText> alive(where);
                         WMenuItem* chosen = menu->exec(view->viewport()->mapToGlobal(pos));
                         if (alive && chosen)
                             where->SetText(chosen->Text);
                     });

    // For the picture: one right click on a file, as a user would make it; its menu is
    // dismissed as soon as it has opened.
    GallerySection::AfterFirstLayout([view, menu] {
        const QModelIndex file = view->model()->index(1, 0, view->model()->index(0, 0));
        const QPoint pos = view->visualRect(file).center();
        QTimer::singleShot(0, menu, [menu] { menu->close(); });
        QContextMenuEvent e(QContextMenuEvent::Mouse, pos, view->viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(view->viewport(), &e);
    });
}

const GallerySection::Registrar tree({QStringLiteral("Tree view"),
                                      QStringLiteral("A Qt tree that docks; right-click an item"),
                                      82, 216, buildTree});

} // namespace
