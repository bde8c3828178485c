// WTreeView: the inner view covering the wrapper, the style sheet handed on, and an inner view
// the application deletes. The right-click signal, which index it names and that it comes at
// all on an item, the random-input run and the re-entrancy table check for every class.
#include "WTestSuite.h"

#include <QStandardItemModel>
#include <QTreeView>

class TestWTreeView : public QObject
{
    Q_OBJECT

private slots:
    // The inner view covers the wrapper, so no back colour or border of the wrapper ever shows
    // (the random-input run checks that after every resize, whatever the border and padding).
    // The wrapper's style sheet is handed on (a parent's reaches the view through Qt's cascade,
    // not by copying); in Designer the view and its viewport are passive to the form editor.
    // The view is public: an application that deletes it leaves a wrapper that still resizes,
    // restyles and goes away cleanly.
    void wrapper()
    {
        WBase::SetDesignerMode(true);
        WTreeView designed;
        WBase::SetDesignerMode(false);
        const QString passive = QStringLiteral("__qt__passive_");
        QVERIFY(designed.TreeView->viewport()->objectName().startsWith(passive));
        QWidget parent;
        auto& tree = *new WTreeView(&parent);
        QVERIFY(!tree.TreeView->objectName().startsWith(passive));
        parent.show();
        const QString sheet = QStringLiteral("QTreeView { background: rgb(1, 2, 3); }");
        parent.setStyleSheet(sheet);
        QCOMPARE(tree.TreeView->styleSheet(), QString());
        tree.setStyleSheet(sheet);
        QCOMPARE(tree.TreeView->styleSheet(), sheet);
        tree.setStyleSheet(QString());
        QCOMPARE(tree.TreeView->styleSheet(), QString());

        delete tree.TreeView;
        tree.resize(50, 50);
        tree.setStyleSheet(QStringLiteral("* { color: red; }"));
        tree.grab();
    }

    // A right click below the last row is reported too, with an invalid index: an application
    // offers its menu for the whole view there. A left click is no context request.
    void rightClickBelowTheRows()
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem(QStringLiteral("Bread")));
        WTreeView tree;
        tree.TreeView->setModel(&model);
        QVERIFY(WexalTest::ShownAt(&tree, 240, 300));
        QSignalSpy spy(&tree, &WTreeView::ItemRightClicked);
        const QPoint below(20, tree.TreeView->viewport()->height() - 5);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            WexalTest::MousePress(tree.TreeView->viewport(), below, button);
            WexalTest::MouseRelease(tree.TreeView->viewport(), below, button);
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toPoint(), below);
        QCOMPARE(spy.at(0).at(1).toModelIndex(), QModelIndex());
    }
};

WEXAL_TEST_MAIN(TestWTreeView)
#include "tst_wtreeview.moc"
