// The item list's lines to a screen reader: where each is on screen and the interfaces of
// lines that go.
#include "AccessTestSupport.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

QStringList lines(int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Line %1").arg(i);
    return list;
}

// 100 x 100 with 20-pixel lines and no bars: five lines in view.
bool shown(WItemList& list, int count)
{
    list.resize(100, 100);
    list.SetScrollBarSize(0);
    list.SetItems(lines(count));
    if (!ShowActive(&list))
        return false;
    QCoreApplication::sendPostedEvents();
    return true;
}

} // namespace

class TestWAccessibleItemList : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void interfacesOfLinesThatGo();
    void whereLinesAre();
};

// A line the list no longer has reads as invalid; once the list is read again its interface is
// gone, and the line that comes back gets a new one.
void TestWAccessibleItemList::interfacesOfLinesThatGo()
{
    WItemList list;
    list.SetItems(lines(3));
    QAccessibleInterface* face = Face(&list);
    QAccessibleInterface* second = face->child(1);
    QCOMPARE(face->child(1), second); // the same interface every time
    const QAccessible::Id secondId = QAccessible::uniqueId(second);
    list.SetItems(lines(1));
    QVERIFY(!second->isValid());
    QCOMPARE(face->childCount(), 1);
    QCOMPARE(face->indexOfChild(second), -1);
    QVERIFY(face->child(0));
    // (Qt hands a freed id to the next interface it registers.)
    const QAccessibleInterface* under = QAccessible::accessibleInterface(secondId);
    QVERIFY(!under || under->isValid());
    list.AddItem(QStringLiteral("again"));
    QCOMPARE(Name(face->child(1)), QStringLiteral("again"));
    QCOMPARE(WalkTree(face), QString());

    // A reader walking many lines leaves a bounded number of interfaces behind: the first it
    // read goes, the last stays and is handed out again.
    list.SetItems(lines(20000));
    const QAccessible::Id first = QAccessible::uniqueId(face->child(0));
    for (int i = 0; i < 20000; ++i)
        QVERIFY(face->child(i));
    under = QAccessible::accessibleInterface(first);
    QVERIFY(!under || Name(const_cast<QAccessibleInterface*>(under)) != QStringLiteral("Line 0"));
    QAccessibleInterface* last = face->child(19999);
    QCOMPARE(face->child(19999), last);
    QCOMPARE(Name(last), QStringLiteral("Line 19999"));
}

void TestWAccessibleItemList::whereLinesAre()
{
    WItemList list;
    QVERIFY(shown(list, 30));
    list.SetPadding(QRect(4, 0, 0, 0)); // 4 pixels above the first line
    QAccessibleInterface* face = Face(&list);
    const QPoint origin = list.mapToGlobal(QPoint(0, 0));
    QCOMPARE(face->child(2)->rect(), QRect(origin + QPoint(0, 44), QSize(100, 20)));
    QVERIFY(!face->child(2)->state().offscreen);
    QVERIFY(face->child(10)->state().offscreen);
    QCOMPARE(face->childAt(origin.x() + 50, origin.y() + 50), face->child(2));
    list.SetVScrollBarValue(100);
    QCOMPARE(face->child(7)->rect().top(), origin.y() + 4 + 140 - 100);
    QVERIFY(face->child(2)->state().offscreen);
    QCOMPARE(face->childAt(origin.x() + 50, origin.y() + 50), face->child(7));
    QCOMPARE(face->childAt(origin.x() + 500, origin.y() + 50), nullptr);
}

WEXAL_TEST_MAIN(TestWAccessibleItemList)
#include "tst_waccessibleitemlist.moc"
