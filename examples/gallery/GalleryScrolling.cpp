// Scrolling: an item list of a few hundred lines and a scroll panel around a larger panel.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WItemList.h"
#include "WPanel.h"
#include "WScrollPanel.h"
#include "WTest.h"

namespace {

using namespace GalleryTheme;

void styleBars(WScrollContainer* c)
{
    c->SetScrollBarSize(8);
    c->SetSliderRadius(4);
}

QStringList shipments()
{
    static const char* const cities[] = {"Lisbon", "Oslo",   "Kraków", "Tallinn", "Porto",
                                         "Ghent",  "Zürich", "Bergen", "Utrecht", "Sevilla",
                                         "Turku",  "Graz",   "Gdańsk", "Lyon",    "Aarhus"};
    constexpr int n = int(sizeof cities / sizeof *cities);
    QStringList lines;
    for (int i = 0; i < 320; ++i) {
        lines << QStringLiteral("#%1  %2 → %3")
                     .arg(10400 + i)
                     .arg(QString::fromUtf8(cities[i % n]),
                          QString::fromUtf8(cities[(i * 7 + 3) % n]));
    }
    return lines;
}

void addGap(QWidget* parent, DockType::Types dock, int size)
{
    auto* gap = new WTest(parent);
    gap->resize(size, size);
    gap->SetDock(dock);
}

void buildItemList(WPanel* body)
{
    auto* list = new WItemList(body);
    list->setAccessibleName(QStringLiteral("Shipments"));
    list->resize(222, body->height());
    list->SetRadius(8);
    list->SetBorder(PositionFlag::All);
    list->SetBorderWidth(1);
    static_cast<WContainer*>(list)->SetPadding(WPadding{3, 3, 3, 3});
    list->SetPadding(QRect(4, 4, 10, 10)); // top, bottom, left, right of the lines
    list->SetItemHeight(24);
    styleBars(list);
    list->SetItems(shipments());
    list->SetDock(DockType::Left);
    addGap(body, DockType::Left, 12);

    auto* side = new WPanel(body);
    side->SetBackColor(Qt::transparent);
    side->resize(body->width() - 222 - 12, body->height());
    side->SetDock(DockType::Fill);
    auto* heading =
        SetVariant(new GalleryText(QStringLiteral("Compact, read-only"), side, 8, true), "muted");
    heading->SetDock(DockType::Top);
    auto* compact = new WItemList(side);
    compact->setAccessibleName(QStringLiteral("Shipments by status"));
    // A dark list by the application's choice, the same in either theme.
    compact->resize(side->width(), 126);
    compact->SetBackColor(dark);
    compact->SetForeColor(QColor(0xE2, 0xE8, 0xF0));
    compact->SetRadius(6);
    compact->SetItemHeight(18);
    compact->SetPadding(QRect(6, 6, 9, 6));
    compact->SetCanSelectItem(false);
    styleBars(compact);
    compact->SetSliderColor(QColor(0x47, 0x55, 0x69));
    compact->SetSliderColorHover(QColor(0x94, 0xA3, 0xB8));
    compact->SetItems({QStringLiteral("Queued · 12"), QStringLiteral("Packed · 48"),
                       QStringLiteral("In transit · 131"), QStringLiteral("Customs · 7"),
                       QStringLiteral("Delivered · 2 904"), QStringLiteral("Returned · 3")});
    compact->SetDock(DockType::Top);
    addGap(side, DockType::Top, 10);
    for (const char* text : {"320 lines of 24 px;", "only the rows in view", "are painted."}) {
        auto* note = SetVariant(new GalleryText(QString::fromUtf8(text), side, 8), "muted");
        note->SetDock(DockType::Top);
    }

    GallerySection::AfterFirstLayout([list] {
        list->SetVScrollBarValue(41 * 24);
        list->SetSelectedIndex(43);
    });
}

// A coloured figure tile: its caption's ink goes with its colour, so both stay in either theme.
WPanel* tile(QWidget* parent, const QColor& back, const QColor& ink, const QString& title,
             const QString& figure, int w, int h)
{
    auto* p = new WPanel(parent);
    p->SetBackColor(back);
    p->SetRadius(8);
    p->SetPadding(WPadding{8, 8, 12, 12});
    p->resize(w, h);
    auto* t = new GalleryText(title, p, 8);
    t->SetForeColor(ink);
    t->SetDock(DockType::Top);
    auto* f = new GalleryText(figure, p, 15, true);
    f->SetForeColor(ink);
    f->SetDock(DockType::Top);
    return p;
}

void buildScrollPanel(WPanel* body)
{
    auto* sp = SetVariant(new WScrollPanel(body), "stage");
    sp->resize(body->size());
    sp->SetRadius(8);
    sp->SetBorder(PositionFlag::All);
    sp->SetBorderWidth(1);
    sp->SetPadding(WPadding{2, 2, 2, 2});
    styleBars(sp);
    sp->SetDock(DockType::Fill);

    // The content is an ordinary panel: the scroll panel adopts it when it is polished.
    const QSize area(660, 400);
    auto* content = new WPanel(sp);
    content->resize(area);
    content->SetBackColor(Qt::transparent);
    content->SetPadding(WPadding{14, 14, 14, 14});
    sp->SetScrollAreaSize(area);

    auto* banner = new WPanel(content);
    banner->resize(area.width() - 28, 44);
    banner->SetBackColor(accent);
    banner->SetRadius(8);
    banner->SetPadding(WPadding{0, 0, 14, 14});
    banner->SetDock(DockType::Top);
    auto* bannerText = new GalleryText(
        QStringLiteral("Fleet dashboard · 660 × 400 content in a smaller view"), banner, 10, true);
    bannerText->SetForeColor(Qt::white);
    bannerText->SetDock(DockType::Fill);

    struct Tile
    {
        const char* title;
        const char* figure;
        QColor back, ink;
    };
    const Tile tiles[2][4] = {
        {{"On time", "96.4 %", QColor(0xDC, 0xFC, 0xE7), QColor(0x16, 0x65, 0x34)},
         {"Late", "31", QColor(0xFE, 0xF3, 0xC7), QColor(0x92, 0x40, 0x0E)},
         {"Lost", "2", QColor(0xFE, 0xE2, 0xE2), QColor(0x99, 0x1B, 0x1B)},
         {"Vehicles", "148", accentSoft, accentPress}},
        {{"Drivers", "212", QColor(0xED, 0xE9, 0xFE), QColor(0x5B, 0x21, 0xB6)},
         {"Depots", "9", QColor(0xE0, 0xF2, 0xFE), QColor(0x07, 0x59, 0x85)},
         {"Km today", "18 240", QColor(0xF1, 0xF5, 0xF9), ink},
         {"CO₂ t", "41.7", QColor(0xDC, 0xFC, 0xE7), QColor(0x16, 0x65, 0x34)}},
    };
    for (const auto& row : tiles) {
        addGap(content, DockType::Top, 14);
        auto* line = new WPanel(content);
        line->SetBackColor(Qt::transparent);
        line->resize(area.width() - 28, 140);
        line->SetDock(DockType::Top);
        for (const Tile& t : row) {
            tile(line, t.back, t.ink, QString::fromUtf8(t.title), QString::fromUtf8(t.figure), 147,
                 140)
                ->SetDock(DockType::Left);
            addGap(line, DockType::Left, 14);
        }
    }

    GallerySection::AfterFirstLayout([sp] {
        sp->SetHScrollBarValue(80);
        sp->SetVScrollBarValue(30);
    });
}

const GallerySection::Registrar
    itemList({QStringLiteral("Item list"),
              QStringLiteral("Selectable lines, wheel and slider scrolling, padding"),
              40,
              240,
              buildItemList,
              {QStringLiteral("WItemList")}});
const GallerySection::Registrar
    scrollPanel({QStringLiteral("Scroll panel"),
                 QStringLiteral("A larger panel seen through a clipping viewport"),
                 41,
                 230,
                 buildScrollPanel,
                 {QStringLiteral("WScrollPanel"), QStringLiteral("WScrollContainer")}});

} // namespace
