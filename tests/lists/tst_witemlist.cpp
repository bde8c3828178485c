#include "WItemList.h"
#include "WRandomInput.h"
#include "WScrollBar_p.h"
#include "WTestMouse.h"

#include <QPainter>
#include <QtTest>

#include <climits>

class tst_WItemList : public QObject
{
    Q_OBJECT

private slots:
    void selectedIndexClamped_data();
    void selectedIndexClamped();
    void clicksSelectAndDeselect();
    void clicksIgnoredWhenSelectionOff();
    void itemChangesAndSelection();
    void removingSelectedLine();
    void scrolledOffsets();
    void selectionAfterScrolling();
    void contentSize();
    void itemHeightRefused_data();
    void itemHeightRefused();
    void widthOfLargeLists();
    void fontChangeRemeasures();
    void paintsVisibleLines();
    void randomInput();
};

static QStringList numbered(int n, const QString& prefix = QStringLiteral("Line "))
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << prefix + QString::number(i);
    return l;
}

static void showAndSettle(QWidget& w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

static void click(WItemList& list, int y)
{
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(30, y));
}

void tst_WItemList::selectedIndexClamped_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::newRow("negative") << 3 << -5 << -1;
    QTest::newRow("INT_MIN") << 3 << INT_MIN << -1;
    QTest::newRow("past the end") << 3 << 100 << 2;
    QTest::newRow("INT_MAX") << 3 << INT_MAX << 2;
    QTest::newRow("inside") << 3 << 1 << 1;
    QTest::newRow("empty, negative") << 0 << -5 << -1;
    QTest::newRow("empty, past the end") << 0 << 100 << -1;
}

void tst_WItemList::selectedIndexClamped()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(int, expected);
    WItemList list;
    list.SetItems(numbered(count));
    list.SetSelectedIndex(index);
    QCOMPARE(list.SelectedIndex(), expected);
}

void tst_WItemList::clicksSelectAndDeselect()
{
    WItemList list;
    list.resize(200, 100);
    list.SetItems(numbered(3));
    showAndSettle(list);

    click(list, 25);
    QCOMPARE(list.SelectedIndex(), 1);
    click(list, 30); // the selected line again
    QCOMPARE(list.SelectedIndex(), -1);
    click(list, 5);
    QCOMPARE(list.SelectedIndex(), 0);
    click(list, 70); // below the last line
    QCOMPARE(list.SelectedIndex(), -1);
    QTest::mouseClick(&list, Qt::RightButton, {}, QPoint(30, 45));
    QCOMPARE(list.SelectedIndex(), 2);
}

void tst_WItemList::clicksIgnoredWhenSelectionOff()
{
    WItemList list;
    list.resize(200, 100);
    list.SetItems(numbered(3));
    list.SetItemBackColorSelected(Qt::red);
    list.SetBackColor(Qt::white);
    list.SetSelectedIndex(1);
    list.SetCanSelectItem(false);
    showAndSettle(list);

    click(list, 5);
    click(list, 25);
    QCOMPARE(list.SelectedIndex(), 1);
    const QImage image = list.grab().toImage();
    QCOMPARE(image.pixelColor(190, 30), QColor(Qt::red)); // still drawn as selected
    QCOMPARE(image.pixelColor(190, 10), QColor(Qt::white));
}

void tst_WItemList::itemChangesAndSelection()
{
    WItemList list;
    const QStringList abc{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    list.SetItems(abc);
    list.SetSelectedIndex(1);
    list.SetItems(abc); // an identical list still clears
    QCOMPARE(list.SelectedIndex(), -1);

    list.SetSelectedIndex(1);
    list.AddItem(QStringLiteral("d"));
    QCOMPARE(list.SelectedIndex(), 1);
    list.InsetItem(0, QStringLiteral("x")); // not adjusted: now names the line moved into place
    QCOMPARE(list.SelectedIndex(), 1);
    list.InsetItem(-5, QStringLiteral("front"));
    list.InsetItem(INT_MAX, QStringLiteral("back"));
    list.InsetItem(3, QStringLiteral("mid"));
    QCOMPARE(list.Items(),
             (QStringList{QStringLiteral("front"), QStringLiteral("x"), QStringLiteral("a"),
                          QStringLiteral("mid"), QStringLiteral("b"), QStringLiteral("c"),
                          QStringLiteral("d"), QStringLiteral("back")}));
    QCOMPARE(list.ScrollSize().height(), 8 * 20);
}

void tst_WItemList::removingSelectedLine()
{
    WItemList list;
    list.resize(200, 100);
    list.SetItems(numbered(10));
    showAndSettle(list);
    list.SetVScrollBarValue(60);
    click(list, 5); // line 3
    QCOMPARE(list.SelectedIndex(), 3);

    QStringList rest = list.Items();
    rest.removeAt(3);
    list.SetItems(rest);
    QCOMPARE(list.SelectedIndex(), -1);
    QCOMPARE(list.VScrollBarValue(), 0);
    QCOMPARE(list.ScrollSize().height(), 180);
    click(list, 65); // line 3 is now what was line 4
    QCOMPARE(list.SelectedIndex(), 3);
    QCOMPARE(list.Items().at(3), QStringLiteral("Line 4"));
}

void tst_WItemList::scrolledOffsets()
{
    WItemList list;
    list.resize(200, 100);
    list.SetBackColor(Qt::white);
    list.SetItemBackColorSelected(Qt::red);
    list.SetItems(numbered(20));
    showAndSettle(list);
    list.SetSelectedIndex(2);
    list.SetVScrollBarValue(45); // line 2 first, 5 pixels of it above the top

    const QImage image = list.grab().toImage();
    QCOMPARE(image.pixelColor(150, 0), QColor(Qt::red));
    QCOMPARE(image.pixelColor(150, 14), QColor(Qt::red));
    QCOMPARE(image.pixelColor(150, 15), QColor(Qt::white));

    click(list, 16);
    QCOMPARE(list.SelectedIndex(), 3);
}

void tst_WItemList::selectionAfterScrolling()
{
    WItemList list;
    list.resize(200, 100);
    list.SetItems(numbered(50));
    showAndSettle(list);
    QVERIFY(WexalTest::Wheel(&list, QPoint(50, 50), QPoint(0, -240))); // two notches: 20 px
    QCOMPARE(list.VScrollBarValue(), 20);
    click(list, 5);
    QCOMPARE(list.SelectedIndex(), 1);

    // Drag the bar to its end: the last line sits at the bottom.
    WScrollBar* bar = nullptr;
    for (WScrollBar* b : list.findChildren<WScrollBar*>())
        if (b->Orientation() == OrientationType::Vertical)
            bar = b;
    QVERIFY(bar && bar->isVisible());
    WexalTest::MousePress(bar, QPoint(5, bar->SliderRect().top() + 2));
    WexalTest::MouseMove(bar, QPoint(5, 500));
    WexalTest::MouseRelease(bar, QPoint(5, 500));
    QCOMPARE(list.VScrollBarValue(), 50 * 20 - 100);
    click(list, 95);
    QCOMPARE(list.SelectedIndex(), 49);
}

void tst_WItemList::contentSize()
{
    WItemList list;
    const QStringList lines{QStringLiteral("short"), QStringLiteral("the widest line here"),
                            QStringLiteral("mid line")};
    list.SetItems(lines);
    const int widest = QFontMetrics(list.font()).horizontalAdvance(lines.at(1));
    QCOMPARE(list.ScrollSize(), QSize(widest, 60));

    list.SetPadding(QRect(10, 4, 6, 8)); // top 10, bottom 4, left 6, right 8
    QCOMPARE(list.ScrollSize(), QSize(widest + 14, 74));
    list.SetItems({});
    QCOMPARE(list.ScrollSize(), QSize(14, 14));
}

void tst_WItemList::itemHeightRefused_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0 << 20;
    QTest::newRow("negative") << -1 << 20;
    QTest::newRow("INT_MIN") << INT_MIN << 20;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("INT_MAX") << INT_MAX << INT_MAX;
}

void tst_WItemList::itemHeightRefused()
{
    QFETCH(int, height);
    QFETCH(int, expected);
    WItemList list;
    list.resize(100, 100);
    list.SetItems(numbered(5));
    showAndSettle(list);
    list.SetItemHeight(height);
    QCOMPARE(list.ItemHeight(), expected);
    QCOMPARE(list.ScrollSize().height(), int(qMin(qint64(INT_MAX), qint64(expected) * 5)));
    list.SetVScrollBarValue(INT_MAX);
    list.grab(); // paints with whatever it holds
}

// Large lists measure printable ASCII from a table instead of shaping each line; the numbers
// must be the shaped ones, kerning and ligature-prone letters included.
void tst_WItemList::widthOfLargeLists()
{
    for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")}) {
        WItemList list;
        QFont f(family);
        f.setPointSize(11);
        list.setFont(f);
        QRandomGenerator rng(7);
        QStringList lines;
        const QString alphabet = QString::fromUtf8("AVWTYLafilfft.,o yrPJ-0123456789ÄéøŁ«»·");
        for (int i = 0; i < 9000; ++i) {
            QString s;
            for (int n = rng.bounded(1, 30); n > 0; --n)
                s += alphabet.at(rng.bounded(alphabet.size()));
            lines << s;
        }
        lines << QString::fromUtf8("Grüße, Ωμέγα — tab\there");
        // The widest line is full of ligatures, which a pairwise sum gets wrong.
        lines
            << QStringLiteral("Affluent office staff fifty fluffy waffles, ffi ffl fj").repeated(2);
        const QFontMetrics fm(f);
        int widest = 0;
        for (const QString& s : qAsConst(lines))
            widest = qMax(widest, fm.horizontalAdvance(s));
        list.SetItems(lines);
        QCOMPARE(list.ScrollSize().width(), widest);

        // Appending measures the one new line.
        const QString wide = QStringLiteral("AVAVAVAVAV To To To Wa Wa Wa LT LT LT yy.yy.yy ") +
                             QString(80, QLatin1Char('W'));
        list.AddItem(wide);
        QCOMPARE(list.ScrollSize().width(), qMax(widest, fm.horizontalAdvance(wide)));
    }
}

void tst_WItemList::fontChangeRemeasures()
{
    WItemList list;
    list.SetItems({QStringLiteral("abcdef"), QStringLiteral("xyz")});
    QFont big = list.font();
    big.setPointSize(big.pointSize() * 3);
    list.setFont(big);
    list.AddItem(QStringLiteral("q"));
    QCOMPARE(list.ScrollSize().width(),
             QFontMetrics(big).horizontalAdvance(QStringLiteral("abcdef")));
}

// Lines are drawn left-aligned and vertically centred in their rows, clipped to the view and
// shifted by the horizontal offset.
void tst_WItemList::paintsVisibleLines()
{
    WItemList list;
    list.resize(160, 70);
    list.SetBackColor(Qt::white);
    list.SetForeColor(Qt::black);
    list.SetItemBackColorSelected(Qt::blue);
    list.SetItemForeColorSelected(Qt::yellow);
    list.SetSliderColor(Qt::gray);
    list.SetPadding(QRect(3, 0, 4, 0));
    QStringList lines = numbered(40, QStringLiteral("Entry number "));
    lines[3] = QStringLiteral("A much longer line that runs past the right edge");
    list.SetItems(lines);
    showAndSettle(list);
    list.SetSelectedIndex(3);
    list.SetVScrollBarValue(47);
    list.SetHScrollBarValue(9);

    const QRect view = list.ScrollContainerArea();
    QCOMPARE(view, QRect(0, 0, 150, 60));
    QImage expected(list.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::white);
    // Point sizes turn into pixels by the device's resolution: paint at the screen's.
    expected.setDotsPerMeterX(qRound(list.logicalDpiX() / 0.0254));
    expected.setDotsPerMeterY(qRound(list.logicalDpiY() / 0.0254));
    {
        QPainter p(&expected);
        p.setFont(list.font());
        p.setClipRect(view);
        // 47 = 2 lines of 20 and 7 pixels; the top padding of 3 stays.
        for (int i = 2, top = 3 - 7; top <= view.bottom(); ++i, top += 20) {
            const QRect line(4 - 9, top, 150 - 4 + 9, 20);
            p.setPen(i == 3 ? Qt::yellow : Qt::black);
            if (i == 3)
                p.fillRect(line, Qt::blue);
            p.drawText(line, Qt::AlignVCenter, lines.at(i));
        }
    }
    const QImage actual = list.grab().toImage().convertToFormat(expected.format());
    QCOMPARE(actual.copy(view), expected.copy(view));
}

void tst_WItemList::randomInput()
{
    WItemList list;
    list.resize(220, 160);
    list.SetItems(numbered(60));
    list.SetForeColor(Qt::black);
    WexalTest::RandomInputOptions options;
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* l = static_cast<WItemList*>(w);
        switch (rng.bounded(7)) {
        case 0:
            l->SetSelectedIndex(WexalTest::ExtremeInt(rng));
            break;
        case 1:
            l->InsetItem(WexalTest::ExtremeInt(rng), WexalTest::RandomText(rng));
            break;
        case 2:
            l->AddItem(WexalTest::RandomText(rng));
            break;
        case 3:
            l->SetItems(rng.bounded(3) ? numbered(rng.bounded(200)) : QStringList());
            break;
        case 4:
            l->SetVScrollBarValue(WexalTest::ExtremeInt(rng));
            break;
        case 5:
            l->SetHScrollBarValue(WexalTest::ExtremeInt(rng));
            break;
        default:
            l->SetItemHeight(WexalTest::ExtremeInt(rng));
            break;
        }
    };
    options.invariant = [](QWidget* w) -> QString {
        auto* l = static_cast<WItemList*>(w);
        if (l->SelectedIndex() < -1 || l->SelectedIndex() >= l->Items().size())
            return QStringLiteral("selection %1 of %2 lines")
                .arg(l->SelectedIndex())
                .arg(l->Items().size());
        if (l->ItemHeight() < 1)
            return QStringLiteral("item height %1").arg(l->ItemHeight());
        for (WScrollBar* bar : l->findChildren<WScrollBar*>()) {
            const int length =
                bar->Orientation() == OrientationType::Vertical ? bar->height() : bar->width();
            if (!bar->isHidden() &&
                (bar->Value() < 0 || bar->Value() > qMax(bar->ScrollLength() - length, 0)))
                return QStringLiteral("bar value %1 outside its range").arg(bar->Value());
        }
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&list, options), QString());
}

QTEST_MAIN(tst_WItemList)
#include "tst_witemlist.moc"
