// Popups and progress: combo boxes (short, long and scrolling, disabled), a right-click menu
// with a disabled item that reports the choice, and progress bars in both styles moving on a
// timer. Each popup card also shows a picture of its popup, taken from the real popup while it
// was open, since a screenshot of the page cannot show a popup window; a theme switch retakes it.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WComboBox.h"
#include "WMenu.h"
#include "WMenuItem.h"
#include "WPanel.h"
#include "WProgressBar.h"
#include "WScrollContainer.h"
#include "WTest.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

using namespace GalleryTheme;

void addGap(QWidget* parent, DockType::Types dock, int size)
{
    auto* gap = new WTest(parent);
    gap->resize(size, size);
    gap->SetDock(dock);
}

WPanel* row(QWidget* parent, int height)
{
    auto* line = new WPanel(parent);
    line->SetBackColor(Qt::transparent);
    line->resize(parent->width(), height);
    line->SetDock(DockType::Top);
    return line;
}

GalleryText* note(QWidget* parent, const QString& text, const char* variant = "muted")
{
    auto* t = SetVariant(new GalleryText(text, parent, 8), variant);
    t->SetDock(DockType::Top);
    return t;
}

// Pictures of popups, drawn where the popup would be relative to its owner.
class PopupPicture : public WBase
{
public:
    using WBase::WBase;
    void AddLayer(const QPoint& at, const QPixmap& picture)
    {
        layers.push_back({at, picture});
        update();
    }
    void Clear()
    {
        layers.clear();
        update();
    }

protected:
    void Paint(QPainter* painter) override
    {
        for (const auto& [at, picture] : layers)
            painter->drawPixmap(at, picture);
    }

private:
    std::vector<std::pair<QPoint, QPixmap>> layers;
};

void styleCombo(WComboBox* box)
{
    box->SetRadius(6);
    box->SetBorder(PositionFlag::All);
    box->SetBorderWidth(1);
    box->SetItemHeight(24);
}

QStringList cities()
{
    static const char* const names[] = {
        "Aarhus",  "Antwerp", "Bergen",  "Bilbao",  "Bologna",  "Bordeaux", "Brno",
        "Cork",    "Dijon",   "Dresden", "Gdańsk",  "Ghent",    "Graz",     "Kraków",
        "Lisbon",  "Lyon",    "Malmö",   "Oslo",    "Porto",    "Riga",     "Sevilla",
        "Tallinn", "Tampere", "Turku",   "Utrecht", "Valencia", "Vilnius",  "Zürich"};
    QStringList list;
    for (const char* name : names)
        list << QString::fromUtf8(name);
    return list;
}

void buildCombos(WPanel* body)
{
    auto* line = row(body, 30);
    auto* priority = new WComboBox(line);
    priority->setAccessibleName(QStringLiteral("Priority"));
    styleCombo(priority);
    priority->resize(110, 30);
    priority->SetItems({QStringLiteral("Low"), QStringLiteral("Normal"), QStringLiteral("High"),
                        QStringLiteral("Urgent")});
    priority->SetSelectedIndex(1);
    priority->SetDock(DockType::Left);
    addGap(line, DockType::Left, 10);
    auto* city = new WComboBox(line);
    city->setAccessibleName(QStringLiteral("Ship to"));
    styleCombo(city);
    city->resize(150, 30);
    city->SetItems(cities());
    city->SetSelectedIndex(13);
    city->SetDock(DockType::Left);
    addGap(line, DockType::Left, 10);
    auto* locked = new WComboBox(line);
    locked->setAccessibleName(QStringLiteral("Currency"));
    styleCombo(locked);
    SetVariant(locked, "disabled");
    locked->resize(90, 30);
    locked->SetItems({QStringLiteral("EUR"), QStringLiteral("USD")});
    locked->SetSelectedIndex(0);
    locked->setEnabled(false);
    locked->SetDock(DockType::Left);

    addGap(body, DockType::Top, 8);
    auto* status = new GalleryText(QString(), body, 9);
    status->resize(body->width(), 20);
    status->SetDock(DockType::Top);
    const auto report = [status, priority, city] {
        status->SetText(QStringLiteral("Priority %1 · ship to %2")
                            .arg(priority->SelectedText(), city->SelectedText()));
    };
    report();
    QObject::connect(priority, &WComboBox::SelectedIndexChanged, status, report);
    QObject::connect(city, &WComboBox::SelectedIndexChanged, status, report);

    addGap(body, DockType::Top, 8);
    auto* bottom = row(body, body->height() - 30 - 8 - 20 - 8);
    auto* picture = new PopupPicture(bottom);
    picture->resize(190, bottom->height());
    picture->SetDock(DockType::Left);
    addGap(bottom, DockType::Left, 14);
    auto* notes = new WPanel(bottom);
    notes->SetBackColor(Qt::transparent);
    notes->resize(bottom->width() - 190 - 14, bottom->height());
    notes->SetDock(DockType::Fill);
    for (const char* text :
         {"The city list, as it opens:", "28 lines of 24 px; 150 px", "show, the rest scrolls.",
          "Square bottom corners join", "the box to its list.", "", "The currency box is",
          "disabled: it opens nothing."})
        note(notes, QString::fromUtf8(text));

    // Open the city list for real, scrolled a little with Bergen hovered, and keep a picture
    // of the box and the list as they look while it is open. The list keeps its scroll position
    // between openings: a retaken picture starts from where the first one did.
    auto opened = std::make_shared<int>(-1);
    const auto take = [city, picture, opened] {
        QTimer::singleShot(0, city, [city, picture, opened] {
            QWidget* list = QApplication::activePopupWidget();
            if (!list)
                return;
            if (auto* scroll = qobject_cast<WScrollContainer*>(list)) {
                if (*opened < 0)
                    *opened = scroll->VScrollBarValue();
                else
                    scroll->SetVScrollBarValue(*opened);
            }
            QWheelEvent wheel(QPointF(20, 20), QPointF(list->mapToGlobal(QPoint(20, 20))), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(list, &wheel);
            if (QWidget* lines = list->childAt(40, 40)) {
                const QPoint at = lines->mapFrom(list, QPoint(40, 40));
                QHoverEvent hover(QEvent::HoverMove, at, at);
                QApplication::sendEvent(lines, &hover);
            }
            picture->AddLayer(QPoint(0, 0), city->grab());
            picture->AddLayer(QPoint(0, city->height() - city->BorderWidth()), list->grab());
            list->hide();
        });
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 15), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(city, &press);
    };
    GallerySection::AfterFirstLayout(take);
    GallerySection::AfterThemeSwitch([picture, take] {
        picture->Clear();
        take();
    });
}

// A surface that opens its menu on a right click and says what was chosen.
class MenuSurface : public WPanel
{
public:
    MenuSurface(QWidget* parent, GalleryText* result) : WPanel(parent), result(result)
    {
        menu = new WMenu(this);
        menu->SetBorder(PositionFlag::All);
        menu->SetBorderWidth(1);
        menu->SetPadding(WPadding{4, 4, 12, 24});
        menu->SetItemHeight(28);
        for (const char* text : {"Open shipment", "Duplicate", "Print label", "Archive"})
            menu->AddItem(QString::fromUtf8(text));
        menu->Item(2)->Enabled = false; // the label printer is offline
    }

    WMenu* Menu() const { return menu; }

    // The menu at a global point; with report, the choice is shown in the result line.
    void OpenAt(const QPoint& global, bool report = true)
    {
        QPointer<MenuSurface> alive(this);
        WMenuItem* chosen = menu->exec(global);
        if (!alive || !result || !report)
            return;
        result->SetText(chosen ? QStringLiteral("Chosen: %1").arg(chosen->Text)
                               : QStringLiteral("Dismissed without a choice"));
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() == Qt::RightButton) {
                OpenAt(mouse->globalPos());
                return true;
            }
        }
        return WPanel::event(e);
    }

private:
    WMenu* menu;
    QPointer<GalleryText> result;
};

void buildMenu(WPanel* body)
{
    auto* result = new GalleryText(QStringLiteral("Nothing chosen yet"), body, 9);
    result->resize(body->width(), 20);
    result->SetDock(DockType::Bottom);
    addGap(body, DockType::Bottom, 8);

    auto* top = row(body, body->height() - 28);
    auto* surface = SetVariant(new MenuSurface(top, result), "soft");
    surface->SetRadius(8);
    surface->SetPadding(WPadding{10, 10, 12, 12});
    surface->resize(150, top->height());
    surface->SetDock(DockType::Left);
    auto* hint = SetVariant(new GalleryText(QStringLiteral("Right-click here"), surface, 9, true),
                            "on-soft");
    hint->SetDock(DockType::Top);
    for (const char* text : {"for the shipment menu.", "“Print label” is", "disabled."})
        note(surface, QString::fromUtf8(text), "on-soft");
    addGap(top, DockType::Left, 14);
    auto* picture = new PopupPicture(top);
    picture->resize(top->width() - 150 - 14, top->height());
    picture->SetDock(DockType::Fill);

    // Run the menu once for real with "Duplicate" hovered, keep its picture, then dismiss it.
    const auto take = [surface, picture] {
        WMenu* menu = surface->Menu();
        QTimer::singleShot(0, menu, [menu, picture] {
            const QPoint at(30, 4 + 28 + 14);
            QHoverEvent hover(QEvent::HoverMove, at, at);
            QApplication::sendEvent(menu, &hover);
            picture->AddLayer(QPoint(0, 0), menu->grab());
            menu->close();
        });
        surface->OpenAt(picture->mapToGlobal(QPoint(0, 0)), false);
    };
    GallerySection::AfterFirstLayout(take);
    GallerySection::AfterThemeSwitch([picture, take] {
        picture->Clear();
        take();
    });
}

// An invalid fill is the theme's.
WProgressBar* bar(QWidget* parent, int height, int radius, const QColor& fill, int value)
{
    auto* b = new WProgressBar(parent);
    b->resize(parent->width(), height);
    if (fill.isValid())
        b->SetForeColor(fill);
    b->SetRadius(radius);
    b->SetValue(value);
    b->SetDock(DockType::Top);
    return b;
}

void buildProgress(WPanel* body)
{
    struct Bar
    {
        const char* title;
        int height, radius;
        QColor fill;
        int start, step;
    };
    // The first bar is the theme's; the others chose their colours.
    const Bar bars[] = {{"Upload · square, bordered", 14, 0, QColor(), 12, 3},
                        {"Sync · rounded", 14, 7, success, 48, 2},
                        {"Disk · thin rounded", 6, 3, warning, 81, 1}};
    std::vector<std::pair<WProgressBar*, GalleryText*>> shown;
    for (const Bar& b : bars) {
        auto* head = row(body, 20);
        auto* label = SetVariant(new GalleryText(QString::fromUtf8(b.title), head, 8), "muted");
        label->resize(head->width() - 50, 20);
        label->SetDock(DockType::Left);
        auto* figure = new GalleryText(QString(), head, 8, true, Qt::AlignRight | Qt::AlignVCenter);
        figure->SetDock(DockType::Fill);
        auto* p = bar(body, b.height, b.radius, b.fill, b.start);
        p->setAccessibleName(QString::fromUtf8(b.title).section(QStringLiteral(" · "), 0, 0));
        if (b.radius == 0) {
            SetVariant(p, "outlined");
            p->SetBorder(PositionFlag::All);
            p->SetBorderWidth(1);
        }
        p->Tag = b.step;
        figure->SetText(QStringLiteral("%1 %").arg(b.start));
        shown.emplace_back(p, figure);
        addGap(body, DockType::Top, 12);
    }
    auto* timer = new QTimer(body);
    QObject::connect(timer, &QTimer::timeout, body, [shown] {
        for (const auto& [p, figure] : shown) {
            p->SetValue(p->Value() >= 100 ? 0 : p->Value() + p->Tag);
            figure->SetText(QStringLiteral("%1 %").arg(p->Value()));
        }
    });
    timer->start(120);
}

const GallerySection::Registrar combos({QStringLiteral("Combo box"),
                                        QStringLiteral("A short list, a long one that scrolls, "
                                                       "a disabled box"),
                                        60,
                                        250,
                                        buildCombos,
                                        {QStringLiteral("WComboBox")}});
const GallerySection::Registrar menus({QStringLiteral("Menu"),
                                       QStringLiteral("A right-click menu with a disabled item"),
                                       61,
                                       190,
                                       buildMenu,
                                       {QStringLiteral("WMenu"), QStringLiteral("WMenuItem")}});
const GallerySection::Registrar progress({QStringLiteral("Progress bar"),
                                          QStringLiteral("Square and rounded, moving on a timer"),
                                          62,
                                          126,
                                          buildProgress,
                                          {QStringLiteral("WProgressBar")}});

} // namespace
