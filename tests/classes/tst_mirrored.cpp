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

} // namespace

class TestMirrored : public QObject
{
    Q_OBJECT

private slots:
    void textless_data()
    {
        QTest::addColumn<std::shared_ptr<QWidget>>("widget");
        const auto bar = [](int radius) {
            auto* b = new WProgressBar;
            b->resize(120, 16);
            b->SetValue(30);
            b->SetRadius(radius);
            b->SetBackColor(QColor(0xE2, 0xE8, 0xF0));
            b->SetForeColor(QColor(0x25, 0x63, 0xEB));
            b->SetBorder(PositionFlag::Left | PositionFlag::Top);
            b->SetBorderWidth(2);
            b->SetBorderColor(Qt::red);
            return std::shared_ptr<QWidget>(b);
        };
        QTest::newRow("square bar") << bar(0);
        QTest::newRow("rounded bar") << bar(6);
        auto* combo = new WComboBox;
        combo->resize(120, 28);
        combo->SetItems({QStringLiteral("One"), QStringLiteral("Two")});
        combo->SetSelectedIndex(-1);
        combo->SetBackColor(Qt::white);
        combo->SetBorder(PositionFlag::Left);
        combo->SetBorderWidth(3);
        combo->SetBorderColor(Qt::blue);
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
        auto* panel = new WPanel;
        panel->resize(60, 40);
        panel->SetBackColor(Qt::yellow);
        panel->SetRadius(0);
        panel->SetBorder(PositionFlag::Left | PositionFlag::Bottom);
        panel->SetBorderWidth(3);
        panel->SetBorderColor(Qt::blue);
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

    // An item list's text keeps its start padding at the right end right to left.
    void paddingsChangeSides()
    {
        WItemList list;
        list.resize(200, 60);
        list.SetBackColor(Qt::white);
        list.SetForeColor(Qt::black);
        list.SetItems({QStringLiteral("MMMM")});
        list.SetPadding(QRect(0, 0, 10, 4)); // left 10 (its width), right 4 (its height)
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const auto ink = [&](Qt::LayoutDirection direction) {
            const QImage image = picture(&list, direction);
            int first = image.width(), last = -1;
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (qGray(image.pixel(x, y)) < 128) {
                        first = qMin(first, x);
                        last = qMax(last, x);
                    }
            return qMakePair(first, last);
        };
        QVERIFY(ink(Qt::LeftToRight).first >= 10 && ink(Qt::LeftToRight).first <= 12);
        const int last = ink(Qt::RightToLeft).second;
        QVERIFY2(last <= 199 - 10 && last >= 199 - 12, qPrintable(QString::number(last)));
    }

    // A label's side follows the direction unless its alignment is absolute.
    void labelSides_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("rightEnd"); // right to left, the text is at the right end
        QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignVCenter) << true;
        QTest::newRow("absolute left")
            << int(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter) << false;
        QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignVCenter) << false;
    }
    void labelSides()
    {
        QFETCH(int, alignment);
        QFETCH(bool, rightEnd);
        WLabel label;
        label.resize(200, 30);
        label.SetText(QStringLiteral("MMMM"));
        label.SetForeColor(Qt::black);
        label.SetAlignment(Qt::Alignment(alignment));
        const QImage image = picture(&label, Qt::RightToLeft);
        int first = image.width();
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 128)
                    first = qMin(first, x);
        QCOMPARE(first > 100, rightEnd);
    }
};

Q_DECLARE_METATYPE(std::shared_ptr<QWidget>)
WEXAL_TEST_MAIN(TestMirrored)
#include "tst_mirrored.moc"
