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
#include <QDebug>
#include <QHeaderView>
#include <QPointer>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

// A tree view whose colours are properties, so that a theme sets them: the inner Qt view takes
// its look only from a style sheet, which is written anew from them.
class GalleryTreeView : public WTreeView
{
    Q_OBJECT
    Q_PROPERTY(QColor ViewBackColor READ ViewBackColor WRITE SetViewBackColor)
    Q_PROPERTY(QColor ViewForeColor READ ViewForeColor WRITE SetViewForeColor)
    Q_PROPERTY(QColor ViewLineColor READ ViewLineColor WRITE SetViewLineColor)
    Q_PROPERTY(QColor HeaderBackColor READ HeaderBackColor WRITE SetHeaderBackColor)
    Q_PROPERTY(QColor HeaderForeColor READ HeaderForeColor WRITE SetHeaderForeColor)
    Q_PROPERTY(QColor SelectionBackColor READ SelectionBackColor WRITE SetSelectionBackColor)
    Q_PROPERTY(QColor SelectionForeColor READ SelectionForeColor WRITE SetSelectionForeColor)

public:
    explicit GalleryTreeView(QWidget* parent) : WTreeView(parent) { Restyle(); }

    QColor ViewBackColor() const { return colours[Back]; }
    void SetViewBackColor(const QColor& c) { Set(Back, c); }
    QColor ViewForeColor() const { return colours[Fore]; }
    void SetViewForeColor(const QColor& c) { Set(Fore, c); }
    QColor ViewLineColor() const { return colours[Line]; }
    void SetViewLineColor(const QColor& c) { Set(Line, c); }
    QColor HeaderBackColor() const { return colours[HeaderBack]; }
    void SetHeaderBackColor(const QColor& c) { Set(HeaderBack, c); }
    QColor HeaderForeColor() const { return colours[HeaderFore]; }
    void SetHeaderForeColor(const QColor& c) { Set(HeaderFore, c); }
    QColor SelectionBackColor() const { return colours[SelectionBack]; }
    void SetSelectionBackColor(const QColor& c) { Set(SelectionBack, c); }
    QColor SelectionForeColor() const { return colours[SelectionFore]; }
    void SetSelectionForeColor(const QColor& c) { Set(SelectionFore, c); }

private:
    enum Colour { Back, Fore, Line, HeaderBack, HeaderFore, SelectionBack, SelectionFore, Count };

    void Set(Colour which, const QColor& c)
    {
        // A colour a sheet cannot read would leave the view with Qt's look: refused.
        if (!c.isValid() || colours[which] == c)
            return;
        colours[which] = c;
        Restyle();
    }

    void Restyle()
    {
        const auto name = [this](Colour which) { return colours[which].name(QColor::HexArgb); };
        // The wrapper hands its sheet on to the inner view. The header takes a sheet of its own:
        // it kept the section colours of the wrapper's first sheet through every later one.
        setStyleSheet(
            QStringLiteral("QTreeView { background: %1; border: 1px solid %3; color: %2;"
                           "  selection-background-color: %4; selection-color: %5; }")
                .arg(name(Back), name(Fore), name(Line), name(SelectionBack), name(SelectionFore)));
        TreeView->header()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background: %1; color: %2; border: none;"
                           "  border-bottom: 1px solid %3; padding: 4px 6px; }")
                .arg(name(HeaderBack), name(HeaderFore), name(Line)));
    }

    // Until a theme says otherwise: the light look.
    QColor colours[Count] = {QColor(0xFF, 0xFF, 0xFF), QColor(0x1F, 0x29, 0x37),
                             QColor(0xDD, 0xE2, 0xEA), QColor(0xF8, 0xFA, 0xFC),
                             QColor(0x6B, 0x72, 0x80), QColor(0xDB, 0xEA, 0xFE),
                             QColor(0x1E, 0x40, 0xAF)};
};

namespace {

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
    auto* strip = SetVariant(new WPanel(body), "stage");
    strip->SetRadius(6);
    strip->SetBorder(PositionFlag::All);
    strip->SetBorderWidth(1);
    strip->SetPadding(WPadding{0, 0, 10, 10});
    strip->resize(body->width(), 30);
    strip->SetDock(DockType::Bottom);
    auto* heading =
        SetVariant(new GalleryText(QStringLiteral("Right-clicked:"), strip, 8, true), "muted");
    heading->resize(heading->width(), 30);
    heading->SetDock(DockType::Left);
    auto* shown =
        SetVariant(new GalleryText(QStringLiteral("nothing yet"), strip, 9, true), "accent");
    shown->resize(170, 30);
    shown->SetDock(DockType::Left);
    auto* where = SetVariant(
        new GalleryText(QString(), strip, 8, false, Qt::AlignRight | Qt::AlignVCenter), "muted");
    where->resize(90, 30);
    where->SetDock(DockType::Right);
    auto* gapPanel = new WTest(body);
    gapPanel->resize(10, 10);
    gapPanel->SetDock(DockType::Bottom);

    auto* tree = new GalleryTreeView(body);
    tree->resize(body->width(), body->height() - 40);
    tree->SetDock(DockType::Fill);
    QTreeView* view = tree->TreeView;
    view->setModel(projectModel(tree));
    view->expandAll();
    view->setColumnWidth(0, 240);
    view->header()->setStretchLastSection(true);

    // A right click on an item opens the library's popup menu at the pointer; the strip shows
    // what was hit and what was chosen. Folders cannot be deleted here.
    auto* menu = new WMenu(tree);
    menu->SetBorder(PositionFlag::All);
    menu->SetBorderWidth(1);
    menu->SetPadding(WPadding{4, 4, 12, 24});
    menu->SetItemHeight(26);
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
                                      82,
                                      216,
                                      buildTree,
                                      {QStringLiteral("WTreeView")}});

} // namespace

#include "GalleryTree.moc"
