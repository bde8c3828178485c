// Tabs: a tab control whose bar moves to any side at a click, with styled normal, hover, press
// and selected tabs, and the four sides side by side.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WButton.h"
#include "WPanel.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTest.h"

#include <memory>
#include <vector>

namespace {

void gap(QWidget* parent, DockType::Types dock, int size)
{
    auto* spacer = new WTest(parent);
    spacer->resize(size, size);
    spacer->SetDock(dock);
}

// The side of a tab that faces the page carries the accent line of the selected tab.
PositionFlag::Flags facingPage(PositionType::Types side)
{
    switch (side) {
    case PositionType::Bottom:
        return PositionFlag::Top;
    case PositionType::Left:
        return PositionFlag::Right;
    case PositionType::Right:
        return PositionFlag::Left;
    default:
        return PositionFlag::Bottom;
    }
}

WTabPage* styledPage(const QString& tab, const QString& title, const QString& line)
{
    auto* page = new WTabPage;
    page->SetPadding(WPadding{12, 10, 14, 14});
    page->SetText(tab);
    page->SetTabBarBorderWidth(2);
    if (!title.isEmpty()) {
        page->resize(300, 200); // docked children are cut to the room of their first pass
        auto* heading = new GalleryText(title, page, 10, true);
        heading->SetDock(DockType::Top);
        auto* text = SetVariant(new GalleryText(line, page, 8), "muted");
        text->SetDock(DockType::Top);
    }
    return page;
}

WTabControl* styledControl(QWidget* parent, const QSize& size, const QSize& tab)
{
    auto* tabs = new WTabControl(parent);
    tabs->resize(size);
    tabs->SetTabBarSize(tab);
    tabs->SetBorder(PositionFlag::All);
    tabs->SetBorderWidth(1);
    return tabs;
}

void moveBar(WTabControl* tabs, PositionType::Types side)
{
    tabs->SetTabBarPosition(side);
    for (int i = 0; i < tabs->Count(); ++i)
        tabs->Page(i)->SetTabBarBorder(facingPage(side));
}

void buildAnySide(WPanel* body)
{
    auto* switcher = new WPanel(body);
    switcher->SetBackColor(Qt::transparent);
    switcher->resize(body->width(), 28);
    switcher->SetDock(DockType::Top);
    auto* label = SetVariant(new GalleryText(QStringLiteral("Tab bar on"), switcher, 8), "muted");
    label->resize(78, 28);
    label->SetDock(DockType::Left);
    gap(body, DockType::Top, 10);

    auto* tabs = styledControl(body, QSize(body->width(), body->height() - 38), QSize(84, 30));
    tabs->SetDock(DockType::Fill);
    tabs->setAccessibleName(QStringLiteral("Project"));
    tabs->AddPage(styledPage(QStringLiteral("Overview"), QStringLiteral("Overview"),
                             QStringLiteral("Each tab is the page's own button.")));
    tabs->AddPage(styledPage(QStringLiteral("Activity"), QStringLiteral("Activity"),
                             QStringLiteral("The selected tab ignores hovering.")));
    tabs->AddPage(styledPage(QStringLiteral("Settings"), QStringLiteral("Settings"),
                             QStringLiteral("The padding panel ends the bar.")));
    tabs->SetSelectedIndex(1);

    const struct
    {
        const char* name;
        PositionType::Types side;
    } sides[] = {{"Top", PositionType::Top},
                 {"Bottom", PositionType::Bottom},
                 {"Left", PositionType::Left},
                 {"Right", PositionType::Right}};
    auto buttons = std::make_shared<std::vector<WButton*>>();
    for (const auto& s : sides) {
        auto* b = new WButton(switcher);
        b->resize(66, 28);
        b->SetText(QString::fromLatin1(s.name));
        b->SetBorder(PositionFlag::All);
        b->SetBorderWidth(1);
        b->SetRadius(6);
        b->SetDock(DockType::Left);
        gap(switcher, DockType::Left, 6);
        buttons->push_back(b);
        const PositionType::Types side = s.side;
        QObject::connect(b, &WButton::Clicked, tabs, [tabs, buttons, b, side] {
            moveBar(tabs, side);
            // The chosen side is the theme's primary button, the others its secondary one.
            for (WButton* other : *buttons)
                SetVariant(other, other == b ? "" : "secondary");
        });
    }
    // Start with the bar on the left, as if that button had been clicked.
    QMetaObject::invokeMethod(buttons->at(2), "Clicked");
}

void buildFourSides(WPanel* body)
{
    const PositionType::Types sides[] = {PositionType::Top, PositionType::Right, PositionType::Left,
                                         PositionType::Bottom};
    const char* names[] = {"Top", "Right", "Left", "Bottom"};
    const int cellW = (body->width() - 12) / 2, cellH = (body->height() - 12) / 2;
    for (int r = 0; r < 2; ++r) {
        auto* line = new WPanel(body);
        line->SetBackColor(Qt::transparent);
        line->resize(body->width(), cellH);
        line->SetDock(DockType::Top);
        for (int c = 0; c < 2; ++c) {
            const int i = r * 2 + c;
            const bool across = sides[i] <= PositionType::Bottom;
            auto* tabs =
                styledControl(line, QSize(cellW, cellH), across ? QSize(52, 24) : QSize(56, 26));
            tabs->setAccessibleName(
                QStringLiteral("Tabs on the %1").arg(QString::fromLatin1(names[i]).toLower()));
            for (const char* name : {"One", "Two", "Three"}) {
                WTabPage* page = styledPage(QString::fromLatin1(name), QString(), QString());
                auto* note = SetVariant(
                    new GalleryText(QString::fromLatin1(names[i]), page, 9, true, Qt::AlignCenter),
                    "faint");
                note->SetDock(DockType::Fill);
                tabs->AddPage(page);
            }
            moveBar(tabs, sides[i]);
            tabs->SetSelectedIndex(i % 3);
            tabs->SetDock(DockType::Left);
            if (c == 0)
                gap(line, DockType::Left, 12);
        }
        if (r == 0)
            gap(body, DockType::Top, 12);
    }
}

const GallerySection::Registrar anySide(
    {QStringLiteral("Tabs · the bar on any side"),
     QStringLiteral("Styled tab states; the buttons move the bar"),
     80,
     230,
     buildAnySide,
     {QStringLiteral("WTabControl"), QStringLiteral("WTabPage"), QStringLiteral("PositionType")}});
const GallerySection::Registrar fourSides({QStringLiteral("Tabs · four sides"),
                                           QStringLiteral("Top, right, left and bottom bars"),
                                           81,
                                           200,
                                           buildFourSides,
                                           {QStringLiteral("WTabControl")}});

} // namespace
