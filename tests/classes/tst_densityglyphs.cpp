// Every glyph and shadow the library draws from its icon files, on painters of 1, 1.5, 2 and 3
// device pixels per pixel: a row makes the widget and says where each drawing must show, pixel
// for pixel, in which colour, enabled and disabled. Each is painted first at 1 and at 3 (a
// window moving between screens) and must still show the drawing made for the ratio it is
// painted at, recoloured from the white drawing, never from a colour it had before.
#include "../form/FormTestSupport.h"
#include "../lists/GridListTestSupport.h"
#include "WTestSuite.h"

using namespace WexalTest;

namespace {

using Glyphs = std::function<QString(qreal ratio, int drawing)>;

// Empty when widget, painted at ratio after the other densities, shows file's drawing for that
// density at `at` (the area's corner unless given) over back, in ink when given.
QString shows(QWidget* widget, qreal ratio, int drawing, const QRect& area, const QColor& back,
              const char* file, const QColor& ink = {}, QPoint at = {-1, -1})
{
    RenderAt(widget, 1);
    RenderAt(widget, 3);
    return Shows(RenderAt(widget, ratio), area, back, IconFile(file, drawing, ink),
                 at.x() < 0 ? area.topLeft() : at);
}

const QColor paper(0xFF, 0xF0, 0xC0), ink(0xC0, 0x10, 0x10), off(0x90, 0x90, 0x90);

} // namespace

Q_DECLARE_METATYPE(Glyphs)

class TestDensityGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QuietPopupWarnings(); }

    void glyphs_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("drawing");
        QTest::addColumn<Glyphs>("glyphs");
        const auto row = [](const char* name, const Glyphs& glyphs) {
            for (const auto& [ratio, drawing] : {std::pair{1.0, 1}, {1.5, 2}, {2.0, 2}, {3.0, 3}})
                QTest::addRow("%s at %g", name, ratio) << ratio << drawing << glyphs;
        };
        row("check box tick", [](qreal r, int d) {
            WCheckBox box;
            box.resize(80, 20);
            box.SetCheckRectBackColor(paper);
            box.SetCheckRectBackColorDisabled(paper);
            box.SetCheckRectColor(Qt::transparent);
            box.SetCheckRectColorDisabled(Qt::transparent);
            box.SetCheckFlagColor(ink);
            box.SetCheckFlagColorDisabled(off);
            box.SetChecked(true);
            const QRect inside(0, 2, 16, 16);
            const char* file = "://Icons/CheckBox/CheckFlag.png";
            const QString wrong = shows(&box, r, d, inside, paper, file, ink);
            box.setEnabled(false);
            return wrong + shows(&box, r, d, inside, paper, file, off);
        });
        row("combo box arrow", [](qreal r, int d) {
            WComboBox box;
            box.resize(120, 25);
            box.SetBackColor(paper);
            box.SetDropDownButtonColor(ink);
            box.SetDropDownButtonColorDisable(off);
            const QRect arrow(120 - box.BorderWidth() - 19, (25 - 9) / 2, 11, 9);
            const char* file = "://Icons/ComboBox/DropDownIcon.png";
            QString wrong = shows(&box, r, d, arrow, paper, file, ink);
            box.setEnabled(false);
            return wrong + shows(&box, r, d, arrow, paper, file, off);
        });
        row("hour-minute picker arrows", [](qreal r, int d) {
            WHourMinutePicker p;
            p.SetBackColor(paper);
            p.SetButtonColor(ink);
            p.SetButtonColorDisable(off);
            const auto both = [&](const QColor& colour) {
                return shows(&p, r, d, WHourMinutePicker::UpButtonRect(), paper,
                             "://Icons/WHourMinutePicker/UpButton.png", colour) +
                       shows(&p, r, d, WHourMinutePicker::DownButtonRect(), paper,
                             "://Icons/WHourMinutePicker/DownButton.png", colour);
            };
            const QString wrong = both(ink);
            p.setEnabled(false);
            return wrong + both(off);
        });
        row("grid list check cells", [](qreal r, int d) {
            using namespace GridTest;
            Fixture f({40, 60}, 2);
            f.grid.SetCheckFlagColor(ink);
            f.data->Rows.at(0)->Cells[0] = true;
            f.data->Rows.at(1)->Cells[0] = false;
            f.Show(QSize(200, 120));
            return shows(&f.grid, r, d, {12, headerHeight + 2, 16, 16}, doubleRow,
                         "://Icons/GridList/Checked.png", ink) +
                   shows(&f.grid, r, d, {12, headerHeight + rowHeight + 2, 16, 16}, singleRow,
                         "://Icons/GridList/Uncheck.png", ink);
        });
        // A combo box's open list has the same shadow, from the same popup code.
        row("menu shadow, at two sizes", [](qreal r, int d) {
            WMenu menu;
            menu.AddItem(QStringLiteral("Open"));
            QString wrong;
            for (const QSize& size : {QSize(90, 60), QSize(140, 75)}) {
                menu.resize(size);
                wrong +=
                    shows(&menu, r, d, {size.width() - 4, size.height() - 4, 4, 4}, Qt::transparent,
                          ":/Icons/Shadow.png", {}, {size.width() - 16, size.height() - 16});
            }
            return wrong;
        });
        // The system buttons' glyphs centred on each, the restore button's once it replaces
        // maximise; the shadow's corners are the drawing's, and so is its left edge stretched
        // along the window.
        row("form system buttons and shadow, active and not", [](qreal r, int d) {
            using namespace FormTest;
            const QColor bar(0x11, 0x18, 0x27);
            WForm form;
            form.SetTitleBackColor(bar);
            form.SetSysButtonColor(ink);
            if (!showForm(form, QSize(300, 200)))
                return QStringLiteral("the form did not show");
            const auto glyph = [&](Button which, const char* file, const QSize& size) {
                const WButton* b = buttonOf(form, which);
                const QPoint at = b->mapTo(&form, QPoint((b->width() - size.width()) / 2,
                                                         (b->height() - size.height()) / 2));
                return shows(&form, r, d, QRect(at, size), bar, file, ink);
            };
            WFormShadow* shadow = shadowOf(form);
            const QPoint far(shadow->width() - 100, shadow->height() - 100);
            const auto edges = [&](const char* file) {
                return shows(shadow, r, d, {0, 0, 16, 16}, Qt::transparent, file) +
                       shows(shadow, r, d, {far + QPoint(84, 84), QSize(16, 16)}, Qt::transparent,
                             file, {}, far) +
                       shows(shadow, r, d, {0, 150, 16, 20}, Qt::transparent, file, {}, {0, 100});
            };
            QString wrong = glyph(Minimize, "://Icons/WForm/MinimizeButton.png", {12, 1}) +
                            glyph(Maximize, "://Icons/WForm/MaximizeButton.png", {12, 12}) +
                            glyph(Close, "://Icons/WForm/CloseButton.png", {12, 12});
            shadow->SetActive(true);
            wrong += edges("://Icons/WForm/ShadowActive.png");
            shadow->SetActive(false);
            wrong += edges("://Icons/WForm/ShadowInactive.png");
            form.showMaximized();
            if (!QTest::qWaitFor([&] { return buttonOf(form, Restore)->isVisible(); }))
                return QStringLiteral("no restore button");
            settle();
            return wrong + glyph(Restore, "://Icons/WForm/RestoreButton.png", {12, 12});
        });
    }

    void glyphs()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, drawing);
        QFETCH(Glyphs, glyphs);
        QCOMPARE(glyphs(ratio, drawing), QString());
    }
};

WEXAL_TEST_MAIN(TestDensityGlyphs)
#include "tst_densityglyphs.moc"
