// WCheckBox: checking by click with its signal and the UncheckWhenClicked rule; the box, tick,
// outline and caption as painted in each state.
#include "ButtonTestSupport.h"
#include "WTestSuite.h"

using namespace ButtonTest;

const QColor boxBack(0xFF, 0xF0, 0xC0), tick(0xC0, 0x10, 0x10), outline(0x60, 0x60, 0x60);
const QColor outlineHover(0x20, 0x60, 0xE0), outlineOff(Qt::darkGray), tickOff(Qt::gray);

class TestWCheckBox : public QObject
{
    Q_OBJECT

private slots:
    void clicksAndLook_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("top"); // of the 16 x 16 box, vertically centred
        QTest::newRow("20 high") << 20 << 2;
        QTest::newRow("25 high, odd") << 25 << 4;
        QTest::newRow("15 high, rounds toward zero") << 15 << 0;
        QTest::newRow("10 high, partly outside") << 10 << -3;
    }

    void clicksAndLook()
    {
        QFETCH(int, height);
        QFETCH(int, top);
        WCheckBox box;
        box.SetCheckRectBackColor(boxBack);
        box.SetCheckRectBackColorDisabled(boxBack);
        box.SetCheckRectColor(outline);
        box.SetCheckRectColorHover(outlineHover);
        box.SetCheckRectColorDisabled(outlineOff);
        box.SetText(QStringLiteral("Remember me"));
        box.SetTextOffset(QPoint(6, -2));
        QFont font = box.font();
        font.setPixelSize(14); // the reference image and the screen may differ in resolution
        box.setFont(font);
        QVERIFY(shown(&box, 100, height));
        CheckedWatch<WCheckBox> watch(&box);
        // The box's background, the bundle's white tick in the given colour (none while unset) and
        // a one-pixel outline; the caption from x = 21 + offset to the last-but-one column and row.
        const auto expected = [&](const QColor& frame, const QColor& mark) {
            QImage image(box.size(), QImage::Format_RGB32);
            image.fill(box.palette().color(QPalette::Window));
            QImage glyph(QStringLiteral("://Icons/CheckBox/CheckFlag.png"));
            WDrawAPI::ImageReplaceWhite(glyph, mark);
            QPainter p(&image);
            p.fillRect(0, top, 16, 16, boxBack);
            if (mark.isValid())
                p.drawImage(0, top, glyph);
            p.setPen(frame);
            p.drawRect(0, top, 15, 15);
            p.setFont(font);
            p.setPen(box.ForeColor());
            p.drawText(QRect(QPoint(27, -2), QPoint(98, height - 2)), Qt::AlignVCenter, box.Text());
            return image;
        };
        // A click, on the caption too, checks; unchecks only with UncheckWhenClicked.
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(60, height / 2));
        QVERIFY(box.Checked());
        QCOMPARE(snapshot(&box), expected(outline, QColor()));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, height / 2));
        QVERIFY(!box.Checked());
        box.SetUncheckWhenClicked(false);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, height / 2));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, height / 2));
        QVERIFY(box.Checked());
        box.SetCheckFlagColor(Qt::blue);
        box.SetCheckFlagColor(tick); // each colour starts again from the white glyph
        QCOMPARE(snapshot(&box), expected(outline, tick));
        mouse(&box, Enter);
        QCOMPARE(snapshot(&box), expected(outlineHover, tick));
        box.SetCheckFlagColorDisabled(tickOff);
        box.setEnabled(false);
        QCOMPARE(snapshot(&box), expected(outlineOff, tickOff));
        watch.Silently(false); // says nothing
        QCOMPARE(watch.Error(), QString());
    }
};

WEXAL_TEST_MAIN(TestWCheckBox)
#include "tst_wcheckbox.moc"
