// Right to left, a widget that shows no text is the mirror image of itself left to right: fills
// from the other end, borders on the other side, glyphs at the other end. (Rounded outlines
// follow the half-pixel geometry of the drawing helpers, which is not symmetric: square ones.)
#include "WTestSuite.h"

namespace {

QImage picture(QWidget* w, Qt::LayoutDirection direction)
{
    w->setLayoutDirection(direction);
    for (int i = 0; i < 4; ++i) // the layout a change of direction posts
        QCoreApplication::sendPostedEvents();
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    w->render(&image);
    return image;
}

// The first and last columns with dark ink in them.
QPair<int, int> inkColumns(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
    return qMakePair(first, last);
}

} // namespace

class TestMirrored : public QObject
{
    Q_OBJECT

private slots:
    void textless_data()
    {
        QTest::addColumn<std::shared_ptr<QWidget>>("widget");
        // Of the size, on a back colour, edged on some sides only: a mirror must move the edges.
        const auto edged = [](auto* w, QSize size, QColor back, PositionFlag::Flags sides,
                              int width, QColor edge) {
            w->resize(size);
            w->SetBackColor(back);
            w->SetBorder(sides);
            w->SetBorderWidth(width);
            w->SetBorderColor(edge);
            return w;
        };
        const auto bar = [&](int radius) {
            auto* b = edged(new WProgressBar, {120, 16}, QColor(0xE2, 0xE8, 0xF0),
                            PositionFlag::Left | PositionFlag::Top, 2, Qt::red);
            b->SetValue(30);
            b->SetRadius(radius);
            b->SetForeColor(QColor(0x25, 0x63, 0xEB));
            return std::shared_ptr<QWidget>(b);
        };
        QTest::newRow("square bar") << bar(0);
        QTest::newRow("rounded bar") << bar(6);
        auto* combo = edged(new WComboBox, {120, 28}, Qt::white, PositionFlag::Left, 3, Qt::blue);
        combo->SetItems({QStringLiteral("One"), QStringLiteral("Two")});
        combo->SetSelectedIndex(-1);
        QTest::newRow("combo box, nothing chosen") << std::shared_ptr<QWidget>(combo);
        auto* track = new WTrackBar;
        track->resize(120, 20);
        track->SetMaximum(100);
        track->SetValue1(30);
        track->SetValue2(60);
        track->SetMainLineBackColor(QColor(0xE2, 0xE8, 0xF0));
        track->SetMainLineFillColor1(QColor(0x25, 0x63, 0xEB));
        track->SetMainLineFillColor2(QColor(0x93, 0xC5, 0xFD));
        track->SetButtonColor(Qt::darkBlue);
        QTest::newRow("track bar") << std::shared_ptr<QWidget>(track);
        auto* panel = edged(new WPanel, {60, 40}, Qt::yellow,
                            PositionFlag::Left | PositionFlag::Bottom, 3, Qt::blue);
        panel->SetRadius(0);
        QTest::newRow("panel, two sides") << std::shared_ptr<QWidget>(panel);
    }
    void textless()
    {
        QFETCH(std::shared_ptr<QWidget>, widget);
        const QImage ltr = picture(widget.get(), Qt::LeftToRight);
        QVERIFY(ltr != ltr.mirrored(true, false)); // else the row shows nothing
        QCOMPARE(picture(widget.get(), Qt::RightToLeft), ltr.mirrored(true, false));
        QCOMPARE(picture(widget.get(), Qt::LeftToRight), ltr);
    }

    // Lines keep their start padding at the right end right to left: an item list's, and a
    // menu's within its face (its shadow band stays at the right).
    void paddingsChangeSides_data()
    {
        QTest::addColumn<std::shared_ptr<QWidget>>("widget");
        QTest::addColumn<int>("face"); // the width the lines mirror across
        auto* list = new WItemList;
        list->SetBackColor(Qt::white);
        list->SetItems({QStringLiteral("MMMM")});
        list->SetPadding(QRect(0, 0, 10, 4)); // left 10 (its width), right 4 (its height)
        QTest::newRow("item list") << std::shared_ptr<QWidget>(list) << 200;
        auto* menu = new WMenu;
        menu->SetBackColor(Qt::white);
        menu->AddItem(QStringLiteral("MMMM"));
        menu->AddItem(QStringLiteral("M"));
        menu->SetPadding({4, 4, 10, 30});
        menu->SetBorderWidth(0);
        QTest::newRow("menu") << std::shared_ptr<QWidget>(menu) << 200 - 4;
    }
    void paddingsChangeSides()
    {
        QFETCH(std::shared_ptr<QWidget>, widget);
        QFETCH(int, face);
        widget->resize(200, 60);
        widget->setProperty("ForeColor", QColor(Qt::black));
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        const int first = inkColumns(picture(widget.get(), Qt::LeftToRight)).first;
        QVERIFY2(first >= 10 && first <= 12, qPrintable(QString::number(first)));
        const int last = inkColumns(picture(widget.get(), Qt::RightToLeft)).second;
        QVERIFY2(last <= face - 1 - 10 && last >= face - 1 - 12, qPrintable(QString::number(last)));
    }

    // A label's side follows the direction unless its alignment is absolute.
    void labelSides()
    {
        WLabel label;
        label.resize(200, 30);
        label.SetText(QStringLiteral("MMMM"));
        label.SetForeColor(Qt::black);
        label.SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(inkColumns(picture(&label, Qt::RightToLeft)).first > 100, true);
        label.SetAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
        QCOMPARE(inkColumns(picture(&label, Qt::RightToLeft)).first > 100, false);
    }
};

Q_DECLARE_METATYPE(std::shared_ptr<QWidget>)
WEXAL_TEST_MAIN(TestMirrored)
#include "tst_mirrored.moc"
