// WTreeView: the inner view covering the wrapper, the style sheet handed on, the right-click
// signal on items and on empty space, and an inner view the application deletes.
#include "WTestSuite.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

namespace {

// Two top-level rows, the first with two children, expanded.
void fill(QStandardItemModel& model)
{
    auto* fruit = new QStandardItem(QStringLiteral("Fruit"));
    fruit->appendRow(new QStandardItem(QStringLiteral("Apple")));
    fruit->appendRow(new QStandardItem(QStringLiteral("Pear")));
    model.appendRow(fruit);
    model.appendRow(new QStandardItem(QStringLiteral("Bread")));
}

} // namespace

class TestWTreeView : public QObject
{
    Q_OBJECT

private slots:
    // The inner view covers the wrapper whatever its border, padding and radius, so no back
    // colour or border of the wrapper ever shows; the wrapper's style sheet is handed on (a
    // parent's reaches the view through Qt's cascade, not by copying); in Designer the view and
    // its viewport are passive to the form editor. The view is public: an application that
    // deletes it leaves a wrapper that still resizes, restyles and goes away cleanly.
    void wrapper()
    {
        WBase::SetDesignerMode(true);
        WTreeView designed;
        WBase::SetDesignerMode(false);
        const QString passive = QStringLiteral("__qt__passive_");
        QVERIFY(designed.TreeView->objectName().startsWith(passive));
        QVERIFY(designed.TreeView->viewport()->objectName().startsWith(passive));
        QWidget parent;
        auto& tree = *new WTreeView(&parent);
        QVERIFY(!tree.TreeView->objectName().startsWith(passive));
        tree.resize(240, 160);
        parent.show();
        QCOMPARE(tree.TreeView->geometry(), QRect(0, 0, 240, 160));
        tree.SetBorder(PositionFlag::All);
        tree.SetBorderWidth(5);
        tree.SetRadius(9);
        tree.resize(100, 300);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(tree.TreeView->geometry(), QRect(0, 0, 100, 300));
        tree.SetBackColor(QColor(255, 0, 255));
        tree.SetBorderColor(QColor(255, 0, 255));
        const QImage shot = tree.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* px = reinterpret_cast<const QRgb*>(shot.constBits());
        QVERIFY(std::count(px, px + shot.width() * shot.height(), qRgb(255, 0, 255)) == 0);

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

    void rightClick()
    {
        QStandardItemModel model;
        fill(model);
        WTreeView tree;
        tree.TreeView->setModel(&model);
        tree.TreeView->expandAll();
        tree.resize(240, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy spy(&tree, &WTreeView::ItemRightClicked);

        // On an item, and below the last row (emitted all the same, with an invalid index); a
        // left click is no context request.
        QWidget* viewport = tree.TreeView->viewport();
        const QModelIndex pear = model.index(1, 0, model.index(0, 0));
        const QPoint onPear = tree.TreeView->visualRect(pear).center();
        const QPoint below(20, viewport->height() - 5);
        const std::tuple<QPoint, Qt::MouseButton, QModelIndex> clicks[] = {
            {onPear, Qt::RightButton, pear},
            {below, Qt::RightButton, {}},
            {onPear, Qt::LeftButton, {}}};
        for (const auto& [at, button, index] : clicks) {
            WexalTest::MousePress(viewport, at, button);
            WexalTest::MouseRelease(viewport, at, button);
        }
        QCOMPARE(spy.count(), 2);
        for (int i : {0, 1}) {
            QCOMPARE(spy.at(i).at(0).toPoint(), std::get<0>(clicks[i]));
            QCOMPARE(spy.at(i).at(1).toModelIndex(), std::get<2>(clicks[i]));
        }
    }

};

WEXAL_TEST_MAIN(TestWTreeView)
#include "tst_wtreeview.moc"
