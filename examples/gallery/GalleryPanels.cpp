// Panels: the dock layout, border sides and radii, and anchored children following a resize.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WPanel.h"
#include "WTest.h"

namespace {

using namespace GalleryTheme;

// A coloured tile: its colours are the point of the demonstration, and its caption's ink goes
// with them, so both stay in either theme.
WPanel* tile(QWidget* parent, const QColor& back, const QString& caption, const QColor& ink, int w,
             int h)
{
    auto* p = new WPanel(parent);
    p->SetBackColor(back);
    p->resize(w, h);
    auto* t = new GalleryText(caption, p, 8, true, Qt::AlignCenter);
    t->SetForeColor(ink);
    t->SetDock(DockType::Fill);
    return p;
}

// The tinted, outlined surface the demonstrations are staged on.
WPanel* stagePanel(QWidget* parent, const QSize& size)
{
    auto* p = SetVariant(new WPanel(parent), "stage");
    p->SetRadius(8);
    p->SetBorder(PositionFlag::All);
    p->SetBorderWidth(1);
    p->resize(size);
    return p;
}

void buildDocking(WPanel* body)
{
    auto* frame = stagePanel(body, body->size());
    frame->SetPadding(WPadding{6, 6, 6, 6});
    frame->SetDock(DockType::Fill);

    tile(frame, accent, QStringLiteral("Top"), Qt::white, 10, 34)->SetDock(DockType::Top);
    tile(frame, QColor(0xE2, 0xE8, 0xF0), QStringLiteral("Bottom · status"), muted, 10, 24)
        ->SetDock(DockType::Bottom);
    tile(frame, QColor(0x1E, 0x29, 0x3B), QStringLiteral("Left"), Qt::white, 70, 10)
        ->SetDock(DockType::Left);
    tile(frame, QColor(0xFE, 0xF3, 0xC7), QStringLiteral("Right"), QColor(0x92, 0x40, 0x0E), 80, 10)
        ->SetDock(DockType::Right);
    auto* fill = tile(frame, Qt::white, QStringLiteral("Fill"), ink, 10, 10);
    fill->SetBorder(PositionFlag::All);
    fill->SetBorderWidth(1);
    fill->SetBorderColor(accentSoft);
    fill->SetDock(DockType::Fill);
}

void buildBorders(WPanel* body)
{
    struct Sample
    {
        const char* caption;
        int radius;
        PositionFlag::Flags sides;
        int width;
        QColor back, border;
    };
    const Sample samples[] = {
        {"square, all", 0, PositionFlag::All, 1, Qt::white, cardBorder},
        {"radius 8", 8, PositionFlag::All, 2, accentSoft, accent},
        {"bottom 3", 0, PositionFlag::Bottom, 3, QColor(0xF8, 0xFA, 0xFC), accent},
        {"left 4", 0, PositionFlag::Left, 4, QColor(0xFE, 0xF2, 0xF2), danger},
        {"radius 18", 18, PositionFlag::None, 0, QColor(0xDC, 0xFC, 0xE7), success},
        {"top + bottom", 0, PositionFlag::Top | PositionFlag::Bottom, 2, QColor(0xFF, 0xFB, 0xEB),
         warning},
    };
    // Two rows of three, built from docked rows so the tiles share the width evenly.
    for (int row = 0; row < 2; ++row) {
        auto* line = new WPanel(body);
        line->SetBackColor(Qt::transparent);
        line->resize(body->width(), 66);
        line->SetDock(DockType::Top);
        for (int i = 0; i < 3; ++i) {
            const Sample& s = samples[row * 3 + i];
            auto* p = tile(line, s.back, QString::fromLatin1(s.caption), ink, 108, 66);
            p->SetRadius(s.radius);
            p->SetBorder(s.sides);
            p->SetBorderWidth(s.width);
            p->SetBorderColor(s.border);
            p->SetDock(DockType::Left);
            auto* gap = new WTest(line);
            gap->resize(12, 10);
            gap->SetDock(DockType::Left);
        }
        auto* gap = new WTest(body);
        gap->resize(10, 12);
        gap->SetDock(DockType::Top);
    }
}

void buildAnchors(WPanel* body)
{
    auto* stage = stagePanel(body, QSize(240, 110));

    auto* bar = tile(stage, accent, QStringLiteral("Left | Right: stretches"), Qt::white, 216, 28);
    bar->move(12, 12);
    bar->SetRadius(6);
    bar->SetAnchor(PositionFlag::Left | PositionFlag::Right | PositionFlag::Top);

    auto* centre = tile(stage, accentSoft, QStringLiteral("None: centred"), accent, 110, 26);
    centre->move(65, 48);
    centre->SetRadius(6);
    centre->SetAnchor(PositionFlag::None);

    // Slate rather than near black: it must stand out from the stage in the dark theme too.
    auto* corner =
        tile(stage, QColor(0x33, 0x41, 0x55), QStringLiteral("Right | Bottom"), Qt::white, 110, 24);
    corner->move(118, 76);
    corner->SetRadius(6);
    corner->SetAnchor(PositionFlag::Right | PositionFlag::Bottom);

    // The first pass records the area; growing the stage afterwards moves the anchored
    // children by the difference, as they would follow a user's window resize.
    GallerySection::AfterFirstLayout([stage] { stage->resize(360, 150); });
}

const GallerySection::Registrar
    docking({QStringLiteral("Panels · dock layout"),
             QStringLiteral("Top, Bottom, Left, Right and Fill, in child order"),
             10,
             190,
             buildDocking,
             {QStringLiteral("WPanel"), QStringLiteral("WContainer"), QStringLiteral("DockType")}});
const GallerySection::Registrar
    borders({QStringLiteral("Panels · borders and radii"),
             QStringLiteral("Per-side borders, widths and corner radii"),
             11,
             144,
             buildBorders,
             {QStringLiteral("WBase"), QStringLiteral("PositionFlag")}});
const GallerySection::Registrar
    anchors({QStringLiteral("Panels · anchors"),
             QStringLiteral("The stage grew by 120 × 40 after its first layout"),
             12,
             150,
             buildAnchors,
             {QStringLiteral("PositionFlag")}});

} // namespace
