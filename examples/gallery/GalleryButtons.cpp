// Buttons: colour schemes in every state, recoloured glyphs from the icon bundle, check boxes
// and switches, each beside the states a designer would compare.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WButton.h"
#include "WCheckBox.h"
#include "WPanel.h"
#include "WSwitchButton.h"
#include "WTest.h"

#include <QPixmap>

#include <memory>
#include <vector>

namespace {

using namespace GalleryTheme;

// Shows a button in one state for good: the state is put back before every paint, so the
// sample keeps its look while the pointer passes over it.
template <class Button> class Frozen : public Button
{
public:
    Frozen(QWidget* parent, bool hover, bool press) : Button(parent), hover(hover), press(press) {}

protected:
    void Paint(QPainter* painter) override
    {
        this->hovered = hover;
        this->pressed = press;
        Button::Paint(painter);
    }

private:
    bool hover;
    bool press;
};

WPanel* row(WPanel* body, int height)
{
    auto* line = new WPanel(body);
    line->SetBackColor(Qt::transparent);
    line->resize(body->width(), height);
    line->SetDock(DockType::Top);
    return line;
}

void gap(QWidget* parent, DockType::Types dock, int size)
{
    auto* spacer = new WTest(parent);
    spacer->resize(size, size);
    spacer->SetDock(dock);
}

// Muted by default; a null variant writes in the theme's ink.
GalleryText* caption(QWidget* parent, const QString& text, int width, const char* variant = "muted",
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false)
{
    auto* t = new GalleryText(text, parent, 8, bold, alignment);
    if (variant)
        SetVariant(t, variant);
    t->resize(width, parent->height());
    t->SetDock(DockType::Left);
    return t;
}

QPixmap icon(const char* name)
{
    return QPixmap(QStringLiteral("://Icons/") + QLatin1String(name));
}

// --- Colour schemes ---------------------------------------------------------------------------

struct Scheme
{
    const char* name;
    const char* text;
    QColor back, hover, press, fore, foreHover, border, borderHover;
    QColor disabledBack, disabledFore, disabledBorder;
};

enum class State { Normal, Hover, Press, Disabled };

void applyScheme(WButton* b, const Scheme& s, State state)
{
    b->SetRadius(6);
    b->SetText(QString::fromLatin1(s.text));
    const bool disabled = state == State::Disabled;
    // A button has no disabled look of its own: the application picks muted colours.
    b->SetBackColor(disabled ? s.disabledBack : s.back);
    b->SetBackColorHover(s.hover);
    b->SetBackColorPress(s.press);
    b->SetForeColor(disabled ? s.disabledFore : s.fore);
    b->SetForeColorHover(s.foreHover);
    b->SetBorderColor(disabled ? s.disabledBorder : s.border);
    b->SetBorderColorHover(s.borderHover);
    if (s.border.alpha() > 0) {
        b->SetBorder(PositionFlag::All);
        b->SetBorderWidth(1);
    }
    b->setEnabled(!disabled);
}

void buildSchemes(WPanel* body)
{
    const Scheme schemes[] = {
        {"Primary", "Save", accent, accentHover, accentPress, Qt::white, Qt::white, Qt::transparent,
         Qt::transparent, QColor(0xA5, 0xC0, 0xF6), QColor(0xF1, 0xF5, 0xFE), Qt::transparent},
        {"Secondary", "Cancel", Qt::white, QColor(0xF1, 0xF5, 0xF9), QColor(0xE2, 0xE8, 0xF0), ink,
         accent, cardBorder, accent, QColor(0xF8, 0xFA, 0xFC), QColor(0xA8, 0xAF, 0xBA),
         QColor(0xE8, 0xEB, 0xF0)},
        {"Danger", "Delete", danger, QColor(0xB9, 0x1C, 0x1C), QColor(0x99, 0x1B, 0x1B), Qt::white,
         Qt::white, Qt::transparent, Qt::transparent, QColor(0xF4, 0xB4, 0xB4),
         QColor(0xFE, 0xF2, 0xF2), Qt::transparent},
        {"Dark", "Deploy", dark, QColor(0x33, 0x41, 0x55), Qt::black, Qt::white,
         QColor(0x93, 0xC5, 0xFD), Qt::transparent, Qt::transparent, QColor(0x6B, 0x72, 0x80),
         QColor(0xD1, 0xD5, 0xDB), Qt::transparent},
    };
    constexpr int nameWidth = 66, buttonWidth = 68, spacing = 8, height = 32;

    auto* header = row(body, 18);
    caption(header, QString(), nameWidth);
    for (const char* state : {"Normal", "Hover", "Press", "Disabled"}) {
        caption(header, QString::fromLatin1(state), buttonWidth, "muted", Qt::AlignCenter, true);
        gap(header, DockType::Left, spacing);
    }
    gap(body, DockType::Top, 6);

    std::vector<WButton*> live;
    for (const Scheme& s : schemes) {
        auto* line = row(body, height);
        caption(line, QString::fromLatin1(s.name), nameWidth, nullptr);
        for (const State state : {State::Normal, State::Hover, State::Press, State::Disabled}) {
            WButton* b = state == State::Hover
                             ? new Frozen<WButton>(line, true, false)
                             : (state == State::Press ? new Frozen<WButton>(line, true, true)
                                                      : new WButton(line));
            applyScheme(b, s, state);
            b->resize(buttonWidth, height);
            b->SetDock(DockType::Left);
            gap(line, DockType::Left, spacing);
            if (state == State::Normal)
                live.push_back(b);
        }
        gap(body, DockType::Top, 8);
    }
    auto* footer = row(body, 20);
    auto* note = caption(footer, QStringLiteral("The Normal column is live: hover it, click it."),
                         body->width());
    auto count = std::make_shared<int>(0);
    for (WButton* b : live) {
        QObject::connect(b, &WButton::Clicked, note, [note, count] {
            ++*count;
            note->SetText(QStringLiteral("Clicked() received %1 time%2")
                              .arg(*count)
                              .arg(*count == 1 ? QString() : QStringLiteral("s")));
        });
    }
}

// --- Images -------------------------------------------------------------------------------

WButton* systemButton(QWidget* parent, const char* glyph, const QColor& hoverBack, int width)
{
    auto* b = new WButton(parent);
    b->resize(width, parent->height());
    b->SetBackColor(Qt::transparent);
    b->SetBackColorHover(hoverBack);
    b->SetBackColorPress(hoverBack.darker(125));
    b->SetImage(icon(glyph));
    b->SetReplaceImageColor(true);
    b->SetImageColor(QColor(0xCB, 0xD5, 0xE1));
    b->SetImageColorHover(Qt::white);
    b->SetDock(DockType::Right);
    return b;
}

void buildImages(WPanel* body)
{
    // A title bar: the form's own system buttons are white glyphs recoloured per state.
    auto* bar = row(body, 34);
    bar->SetBackColor(dark);
    bar->SetRadius(8);
    gap(bar, DockType::Left, 12);
    auto* title = caption(bar, QStringLiteral("Invoice #2041 — Wexal"), 200, nullptr);
    title->SetForeColor(Qt::white); // on the bar's own dark, whatever the theme
    title->setFont([&] {
        QFont f = title->font();
        f.setBold(true);
        return f;
    }());
    // The close button is shown hovered: red with a white cross.
    auto* close = new Frozen<WButton>(bar, true, false);
    close->resize(46, 34);
    close->SetRadius(8);
    close->SetBackColorHover(danger);
    close->SetImage(icon("WForm/CloseButton.png"));
    close->SetReplaceImageColor(true);
    close->SetImageColor(QColor(0xCB, 0xD5, 0xE1));
    close->SetImageColorHover(Qt::white);
    close->SetDock(DockType::Right);
    // Glyphs alone say nothing to a screen reader: the buttons are named.
    close->setAccessibleName(QStringLiteral("Close"));
    systemButton(bar, "WForm/MaximizeButton.png", QColor(0x33, 0x41, 0x55), 46)
        ->setAccessibleName(QStringLiteral("Maximize"));
    systemButton(bar, "WForm/MinimizeButton.png", QColor(0x33, 0x41, 0x55), 46)
        ->setAccessibleName(QStringLiteral("Minimize"));
    gap(body, DockType::Top, 14);

    // Round icon buttons: one glyph, any colour, per state.
    auto* icons = row(body, 36);
    struct Round
    {
        const char* glyph;
        QColor back, glyphColour;
        bool hover, press;
        const char* note;
    };
    const Round rounds[] = {
        {"CheckBox/CheckFlag.png", QColor(0xDC, 0xFC, 0xE7), success, false, false, "accept"},
        {"CheckBox/CheckFlag.png", success, Qt::white, true, false, "hover"},
        {"WForm/CloseButton.png", QColor(0xFE, 0xE2, 0xE2), danger, false, false, "reject"},
        {"WForm/CloseButton.png", QColor(0x99, 0x1B, 0x1B), Qt::white, true, true, "press"},
    };
    for (const Round& r : rounds) {
        auto* b = new Frozen<WButton>(icons, r.hover, r.press);
        b->resize(36, 36);
        b->SetRadius(18);
        b->SetBackColor(r.back);
        b->SetBackColorHover(r.back);
        b->SetBackColorPress(r.back);
        b->SetImage(icon(r.glyph));
        b->SetReplaceImageColor(true);
        b->SetImageColor(r.glyphColour);
        b->SetImageColorHover(r.glyphColour);
        b->SetDock(DockType::Left);
        b->setAccessibleName(QString::fromLatin1(r.note));
        gap(icons, DockType::Left, 4);
        caption(icons, QString::fromLatin1(r.note), 48);
    }
    gap(body, DockType::Top, 14);

    // Captions placed by alignment and offset.
    auto* texts = row(body, 30);
    struct Placed
    {
        const char* text;
        Qt::Alignment alignment;
        QPoint offset;
    };
    const Placed placed[] = {
        {"Left, offset 12", Qt::AlignLeft | Qt::AlignVCenter, QPoint(12, 0)},
        {"Centred", Qt::AlignCenter, QPoint()},
        {"Right, top", Qt::AlignRight | Qt::AlignTop, QPoint(0, 4)},
    };
    for (const Placed& p : placed) {
        auto* b = SetVariant(new WButton(texts), "tile");
        b->resize(108, 30);
        b->SetBorder(PositionFlag::Left);
        b->SetBorderWidth(3);
        b->SetText(QString::fromLatin1(p.text));
        b->SetAlignment(p.alignment);
        b->SetTextOffset(p.offset);
        b->SetDock(DockType::Left);
        gap(texts, DockType::Left, 23);
    }
}

// --- Check boxes --------------------------------------------------------------------------

WCheckBox* checkBox(QWidget* parent, const QString& text, bool checked, bool enabled, bool hover)
{
    WCheckBox* box = hover ? new Frozen<WCheckBox>(parent, true, false) : new WCheckBox(parent);
    box->resize(parent->width(), 24);
    box->SetText(text);
    if (!enabled)
        SetVariant(box, "disabled");
    box->SetChecked(checked);
    box->setEnabled(enabled);
    box->SetDock(DockType::Top);
    gap(parent, DockType::Top, 6);
    return box;
}

void buildCheckBoxes(WPanel* body)
{
    auto* columns = row(body, 90);
    auto* left = new WPanel(columns);
    left->SetBackColor(Qt::transparent);
    left->resize(200, 90);
    left->SetDock(DockType::Left);
    auto* right = new WPanel(columns);
    right->SetBackColor(Qt::transparent);
    right->resize(170, 90);
    right->SetDock(DockType::Left);

    auto* updates = checkBox(left, QStringLiteral("Email me updates"), false, true, false);
    checkBox(left, QStringLiteral("Remember this device"), true, true, false);
    checkBox(left, QStringLiteral("Hovered"), false, true, true);
    checkBox(right, QStringLiteral("Disabled"), false, false, false);
    checkBox(right, QStringLiteral("Disabled and checked"), true, false, false);
    auto* terms = checkBox(right, QStringLiteral("Terms (stays on)"), true, true, false);
    terms->SetUncheckWhenClicked(false);

    gap(body, DockType::Top, 4);
    auto* footer = row(body, 20);
    auto* note =
        caption(footer, QStringLiteral("CheckedChanged: click the first box"), body->width());
    QObject::connect(updates, &WCheckBox::CheckedChanged, note, [note](bool checked) {
        note->SetText(QStringLiteral("CheckedChanged(%1)").arg(checked ? "true" : "false"));
    });
}

// --- Switches -------------------------------------------------------------------------------

// Colours left invalid are the theme's.
struct SwitchStyle
{
    const char* name;
    const char* left;
    const char* right;
    int radius;
    QColor back, fore, lit, litFore, border;
    bool enabled;
};

void buildSwitches(WPanel* body)
{
    // The pill is the theme's own switch; the other styles are the application's and keep
    // their colours in either theme.
    const SwitchStyle styles[] = {
        {"Pill", "Off", "On", 14, QColor(), QColor(), QColor(), QColor(), Qt::transparent, true},
        {"Segmented", "List", "Grid", 4, Qt::white, ink, accentSoft, accentPress, cardBorder, true},
        {"Dark", "Day", "Night", 6, dark, QColor(0x94, 0xA3, 0xB8), QColor(0x33, 0x41, 0x55),
         QColor(0xFD, 0xE6, 0x8A), Qt::transparent, true},
        {"Disabled", "Off", "On", 14, QColor(0xF3, 0xF4, 0xF6), QColor(0xC0, 0xC4, 0xCC),
         QColor(0xD1, 0xD5, 0xDB), Qt::white, Qt::transparent, false},
    };
    for (const SwitchStyle& s : styles) {
        auto* line = row(body, 28);
        caption(line, QString::fromLatin1(s.name), 78, nullptr);
        for (const bool on : {false, true}) {
            auto* sw = new WSwitchButton(line);
            sw->resize(112, 28);
            sw->SetRadius(s.radius);
            if (s.back.isValid()) {
                sw->SetBackColor(s.back);
                sw->SetForeColor(s.fore);
                sw->SetCheckedBackColor(s.lit);
                sw->SetCheckedFontColor(s.litFore);
            }
            if (s.border.alpha() > 0) {
                sw->SetBorder(PositionFlag::All);
                sw->SetBorderWidth(1);
                sw->SetBorderColor(s.border);
            }
            sw->SetLeftText(QString::fromLatin1(s.left));
            sw->SetRightText(QString::fromLatin1(s.right));
            sw->SetChecked(on);
            sw->setEnabled(s.enabled);
            sw->SetDock(DockType::Left);
            gap(line, DockType::Left, 14);
        }
        gap(body, DockType::Top, 10);
    }
}

const GallerySection::Registrar
    schemes({QStringLiteral("Buttons · colour schemes"),
             QStringLiteral("Each scheme in its four states"),
             20,
             200,
             buildSchemes,
             {QStringLiteral("WButton"), QStringLiteral("WBaseButton")}});
const GallerySection::Registrar
    images({QStringLiteral("Buttons · images and captions"),
            QStringLiteral("White glyphs from the icon bundle, recoloured per state"),
            21,
            144,
            buildImages,
            {QStringLiteral("WButton")}});
const GallerySection::Registrar
    checkBoxes({QStringLiteral("Check boxes"),
                QStringLiteral("Unchecked, checked, hovered and disabled"),
                22,
                118,
                buildCheckBoxes,
                {QStringLiteral("WCheckBox")}});
const GallerySection::Registrar
    switches({QStringLiteral("Switch buttons"),
              QStringLiteral("Two labelled halves: the lit one is the position"),
              23,
              146,
              buildSwitches,
              {QStringLiteral("WSwitchButton")}});

} // namespace
