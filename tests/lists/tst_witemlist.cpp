#include "WClassRegistry.h"
#include "WFarPointer.h"
#include "WTestSuite.h"

using Pairs = QList<std::pair<int, int>>;

using WexalTest::NumberedLines;

class tst_WItemList : public QObject
{
    Q_OBJECT

private slots:
    void invalidValuesClamped()
    {
        WItemList list;
        list.SetSelectedIndex(0);
        QCOMPARE(list.SelectedIndex(), -1); // nothing to select
        list.SetItems(NumberedLines(3));
        for (auto [v, held] : Pairs{{1, 1}, {-5, -1}, {INT_MIN, -1}, {9, 2}, {INT_MAX, 2}}) {
            list.SetSelectedIndex(v);
            QCOMPARE(list.SelectedIndex(), held);
        }
        list.InsetItem(-5, QStringLiteral("front"));
        list.InsetItem(INT_MAX, QStringLiteral("back"));
        QCOMPARE(list.Items().first() + list.Items().last(), QStringLiteral("frontback"));
        const QSize unpadded = list.ScrollSize();
        list.SetPadding(QRect(10, 4, 6, 9)); // packed: top 10, bottom 4, left 6, right 9
        QCOMPARE(list.ScrollSize() - unpadded, QSize(15, 14));
        // Heights of 0 or less are refused (the registry's clamp rules); the largest one, scrolled
        // to its end and painted, does not overflow.
        list.SetItemHeight(INT_MAX);
        list.SetVScrollBarValue(INT_MAX);
        list.grab();
        QCOMPARE(list.ScrollSize().height(), INT_MAX);
    }

    // Clicks on a 200 x 100 list of 50 lines 20 high, scrolled by wheel and value.
    void selectionAfterScrolling()
    {
        WItemList list;
        list.resize(200, 100);
        list.SetItems(NumberedLines(50));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(WexalTest::Wheel(&list, QPoint(50, 50), QPoint(0, -240))); // two notches: 20 px
        // A click on the selected line clears the selection.
        for (const auto& [y, selected] : Pairs{{5, 1}, {10, -1}, {25, 2}}) {
            QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(30, y));
            QCOMPARE(list.SelectedIndex(), selected);
        }
        list.SetVScrollBarValue(45); // line 2 on top, 5 of its pixels above the view
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(30, 16));
        QCOMPARE(list.SelectedIndex(), 3);

        // Removing the selected line: nothing is selected, the view is back at the top.
        QStringList rest = list.Items();
        rest.removeAt(3);
        list.SetItems(rest);
        QCOMPARE(list.SelectedIndex(), -1);
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(30, 65));
        QCOMPARE(list.Items().at(list.SelectedIndex()), QStringLiteral("Line 4"));

        // Scrolled as far as it goes, the last line is at the bottom.
        list.SetVScrollBarValue(INT_MAX);
        QCOMPARE(list.VScrollBarValue(), 49 * 20 - 100);
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(30, 95));
        QCOMPARE(list.SelectedIndex(), 48);
        list.SetCanSelectItem(false); // clicks change nothing, the selection stays
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(30, 5));
        QCOMPARE(list.SelectedIndex(), 48);
    }

    // Synthesised or transformed events may carry positions int cannot hold. A press far above
    // the lines (or beside the top padding) acts as one just above them, on the first line in
    // view; one far below as one below the last line, which clears the selection.
    void farPress_data() { WexalTest::AddFarPointerRows(); }
    void farPress()
    {
        QFETCH(QPointF, far);
        const int selected = far.y() > 100 ? -1 : 0; // below the 100-pixel list or not
        WItemList list;
        list.resize(200, 100);
        list.SetItems(NumberedLines(5));
        list.SetPadding(QRect(40, 0, 0, 0)); // 40 pixels above the first line
        list.SetSelectedIndex(2);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QMouseEvent press(QEvent::MouseButtonPress, far, far, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&list, &press);
        QCOMPARE(list.SelectedIndex(), selected);
    }
};

WEXAL_TEST_MAIN(tst_WItemList)
#include "tst_witemlist.moc"
