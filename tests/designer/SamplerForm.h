#pragma once

// The form the Designer tests draw: what tst_designerform sets on each widget through
// Designer's own property commands before saving the form, and the check that the same form,
// compiled by uic or loaded by QUiLoader, holds every one of those values and every page.

#include <DockType.h>
#include <OrientationType.h>
#include <PositionFlag.h>
#include <PositionType.h>
#include <TextType.h>
#include <WButton.h>
#include <WScrollPanel.h>
#include <WTabControl.h>
#include <WTabPage.h>
#include <WTrackBar.h>

#include <QColor>
#include <QDebug>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace SamplerForm {

struct Setting
{
    const char* object;
    const char* property;
    QVariant value;
};

// The form is a WForm of this size: the window of the sampler the screenshot of Designer shows.
inline QSize FormSize()
{
    return QSize(820, 430);
}

// Where each widget is dropped (the widget box's default size at a point of its parent) and
// where it ends up: moved and sized there in Designer, or, for a docked widget, placed there by
// its parent's layout.
struct Placement
{
    const char* object;
    const char* className;
    const char* parent;
    QPoint drop;
    QRect placed;
    bool docked;
};

inline QList<Placement> Placements()
{
    return {
        {"wTabControl", "WTabControl", "Form", {10, 40}, {10, 40, 300, 200}, false},
        {"wScrollPanel", "WScrollPanel", "Form", {320, 40}, {320, 40, 260, 200}, false},
        {"wPanel", "WPanel", "Form", {590, 40}, {590, 40, 220, 200}, false},
        {"wButton", "WButton", "Form", {10, 260}, {10, 260, 80, 30}, false},
        {"wCheckBox", "WCheckBox", "Form", {100, 270}, {100, 267, 150, 16}, false},
        {"wSwitchButton", "WSwitchButton", "Form", {260, 260}, {260, 260, 80, 30}, false},
        {"wComboBox", "WComboBox", "Form", {350, 260}, {350, 260, 130, 30}, false},
        {"wLabel", "WLabel", "Form", {490, 260}, {490, 260, 140, 30}, false},
        {"wLineEdit", "WLineEdit", "Form", {640, 260}, {640, 260, 170, 30}, false},
        {"wItemList", "WItemList", "Form", {10, 310}, {10, 310, 120, 100}, false},
        {"wGridList", "WGridList", "Form", {140, 310}, {140, 310, 300, 100}, false},
        {"wTreeView", "WTreeView", "Form", {450, 310}, {450, 310, 190, 100}, false},
        {"wProgressBar", "WProgressBar", "Form", {650, 310}, {650, 312, 160, 16}, false},
        {"wTrackBar", "WTrackBar", "Form", {650, 340}, {650, 340, 160, 24}, false},
        {"wHourMinutePicker", "WHourMinutePicker", "Form", {650, 380}, {650, 380, 120, 25}, false},
        // Docked to the bottom of the panel, inside its 2-pixel border on every side.
        {"wTest", "WTest", "wPanel", {10, 10}, {2, 168, 216, 30}, true},
    };
}

// In the order Designer is given them.
inline QList<Setting> Settings()
{
    const auto flags = [](int bits) { return QVariant::fromValue(PositionFlag::Flags(bits)); };
    QList<Setting> settings = {
        {"Form", "Title", QStringLiteral("Wexal in Designer")},
        {"Form", "TitlePadding", 12},
        // Qt's own flag types are handed over as numbers, as Designer itself does: naming their
        // type would register it, and Designer then reads such properties as 0.
        {"Form", "alignment", int(Qt::AlignLeft | Qt::AlignVCenter)},
        {"Form", "TitleBackColor", QColor(45, 85, 160)},
        {"Form", "ForeColor", QColor(255, 255, 255)},
        {"Form", "BackColor", QColor(240, 242, 246)},
        {"Form", "SysButtonSize", QSize(40, 30)},
        {"Form", "SysButtonColor", QColor(255, 255, 255)},
        {"Form", "ShowMaximizeButton", false},

        {"wTabControl", "TabBarPosition", QVariant::fromValue(PositionType::Left)},
        {"wTabControl", "TabBarSize", QSize(60, 24)},
        {"wTabControl", "TabPaddingColor", QColor(235, 235, 235)},
        {"wTabControl", "BackColor", QColor(255, 255, 255)},
        {"page", "Text", QStringLiteral("First")},
        {"page", "TabBarBorder", flags(PositionFlag::Left | PositionFlag::Top)},
        {"page", "TabBarBorderWidth", 1},
        {"page", "TabBarBorderColor", QColor(200, 205, 215)},
        {"page", "BackColor", QColor(245, 248, 255)},
        {"page_2", "Text", QStringLiteral("Second")},
        {"page_2", "BackColor", QColor(255, 248, 240)},
        {"page_3", "Text", QStringLiteral("Third")},
        {"page_3", "BackColor", QColor(240, 255, 244)},
    };
    for (const char* page : {"page", "page_2", "page_3"}) {
        settings += {{page, "TabBarBackColor", QColor(225, 230, 240)},
                     {page, "TabBarBackColorSelected", QColor(70, 110, 190)},
                     {page, "TabBarForeColor", QColor(60, 60, 60)},
                     {page, "TabBarForeColorSelected", QColor(255, 255, 255)}};
    }
    settings += {
        {"wScrollPanel", "ScrollAreaSize", QSize(400, 320)},
        {"wScrollPanel", "SliderColor", QColor(120, 120, 120)},
        {"wScrollPanel", "BackColor", QColor(250, 250, 245)},
        {"ScrollArea", "BackColor", QColor(255, 236, 200)},

        {"wPanel", "BackColor", QColor(30, 144, 255, 60)},
        {"wPanel", "Radius", 10},
        {"wPanel", "Border", flags(PositionFlag::All)},
        {"wPanel", "BorderWidth", 2},
        {"wPanel", "BorderColor", QColor(30, 90, 200)},
        {"wTest", "Dock", QVariant::fromValue(DockType::Bottom)},
        {"wTest", "UserFlag", true},

        {"wButton", "Text", QStringLiteral("OK")},
        {"wButton", "BackColorHover", QColor(220, 235, 255)},
        {"wButton", "Border", flags(PositionFlag::Top | PositionFlag::Bottom)},
        {"wButton", "BorderWidth", 1},
        {"wButton", "BorderColor", QColor(150, 150, 150)},
        {"wButton", "Anchor", flags(PositionFlag::Top | PositionFlag::Right)},
        {"wCheckBox", "Checked", true},
        {"wCheckBox", "Text", QStringLiteral("Remember me")},
        {"wCheckBox", "CheckRectColor", QColor(120, 120, 120)},
        {"wCheckBox", "CheckRectBackColor", QColor(255, 255, 255)},
        {"wCheckBox", "CheckFlagColor", QColor(70, 110, 190)},
        {"wSwitchButton", "Checked", true},
        {"wSwitchButton", "CheckedBackColor", QColor(76, 175, 80)},
        {"wComboBox", "Items",
         QStringList{QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")}},
        {"wComboBox", "BackColor", QColor(255, 255, 255)},
        {"wComboBox", "ForeColor", QColor(40, 40, 40)},
        {"wComboBox", "Border", flags(PositionFlag::All)},
        {"wComboBox", "BorderWidth", 1},
        {"wComboBox", "BorderColor", QColor(180, 180, 180)},
        {"wComboBox", "DropDownButtonColor", QColor(90, 90, 90)},
        {"wLabel", "Text", QStringLiteral("Hello, Designer")},
        {"wLabel", "ForeColor", QColor(40, 40, 40)},
        {"wLineEdit", "Text", QStringLiteral("12345")},
        {"wLineEdit", "TextType", QVariant::fromValue(TextType::Number)},
        {"wLineEdit", "TextMaxLength", 8},
        {"wLineEdit", "BackColor", QColor(255, 255, 255)},
        {"wLineEdit", "Border", flags(PositionFlag::All)},
        {"wLineEdit", "BorderWidth", 1},
        {"wLineEdit", "BorderColor", QColor(180, 180, 180)},
        {"wItemList", "Items",
         QStringList{QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}},
        {"wItemList", "ItemHeight", 24},
        {"wItemList", "BackColor", QColor(250, 250, 250)},
        {"wGridList", "ColumnHeaderHeight", 28},
        {"wGridList", "RowHeight", 26},
        {"wGridList", "SingleRowBackColor", QColor(250, 250, 250)},
        {"wGridList", "BackColor", QColor(255, 255, 255)},
        {"wGridList", "Border", flags(PositionFlag::All)},
        {"wGridList", "BorderWidth", 1},
        {"wGridList", "BorderColor", QColor(180, 180, 180)},
        {"wTreeView", "BackColor", QColor(255, 255, 255)},
        {"wTreeView", "Border", flags(PositionFlag::All)},
        {"wTreeView", "BorderWidth", 1},
        {"wProgressBar", "Value", 65},
        {"wProgressBar", "BackColor", QColor(225, 228, 235)},
        {"wProgressBar", "ForeColor", QColor(70, 110, 190)},
        {"wProgressBar", "Radius", 8},
        {"wTrackBar", "Type", QVariant::fromValue(WTrackBar::HslColorH)},
        {"wTrackBar", "Orientation", QVariant::fromValue(OrientationType::Horizontal)},
        {"wTrackBar", "MainLineSize", 6},
        {"wTrackBar", "ButtonSize", QSize(10, 20)},
        {"wTrackBar", "ButtonColor", QColor(60, 60, 60)},
        {"wTrackBar", "Maximum", 359},
        {"wTrackBar", "Value1", 200},
        {"wHourMinutePicker", "StartHour", 9},
        {"wHourMinutePicker", "StartMinute", 30},
        {"wHourMinutePicker", "EndHour", 17},
        {"wHourMinutePicker", "EndMinute", 45},
        {"wHourMinutePicker", "BackColor", QColor(255, 255, 255)},
        {"wHourMinutePicker", "ForeColor", QColor(40, 40, 40)},
        {"wHourMinutePicker", "ButtonColor", QColor(90, 90, 90)},
    };
    return settings;
}

// The tab control's pages at the end, in order, with their tab captions: the two of the
// control's default, and the one added through Designer's page command (named after the page
// Designer made, which the control's extension replaced).
struct Page
{
    const char* name;
    const char* text;
};
inline QList<Page> Pages()
{
    return {{"page", "First"}, {"page_2", "Second"}, {"page_3", "Third"}};
}

// Enumerations and flags come back as their own types or as numbers, depending on who wrote
// them; either way their numbers must agree.
inline bool SameValue(const QVariant& actual, const QVariant& expected)
{
    if (expected.userType() >= QMetaType::User && expected.canConvert<int>())
        return actual.canConvert<int>() && actual.toInt() == expected.toInt();
    // A flags property of Qt's own reads as its registered type once anything has named it.
    if (expected.userType() == QMetaType::Int && actual.userType() >= QMetaType::User &&
        QMetaType::sizeOf(actual.userType()) == int(sizeof(int)))
        return *static_cast<const int*>(actual.constData()) == expected.toInt();
    return actual == expected;
}

inline QString Describe(const QVariant& v)
{
    if (v.userType() == QMetaType::QColor)
        return v.value<QColor>().name(QColor::HexArgb);
    if (v.canConvert<QString>() && v.userType() != QMetaType::Bool)
        return QStringLiteral("%1(%2)").arg(QLatin1String(v.typeName()), v.toString());
    QString text;
    QDebug(&text) << v;
    return text;
}

// The widget of ours with that name. In Designer a tab page added by Designer's page command
// shares its name with the folded-away widget that Designer made and the control replaced.
inline QWidget* Find(QWidget* root, const char* name)
{
    const QString objectName = QLatin1String(name);
    if (root->objectName() == objectName)
        return root;
    const QList<WBase*> ours = root->findChildren<WBase*>(objectName);
    return ours.isEmpty() ? root->findChild<QWidget*>(objectName) : ours.first();
}

// Every mismatch between a form built from the saved .ui and what Designer was told, one line
// each; empty when the form is complete.
inline QStringList Check(QWidget* root)
{
    QStringList problems;
    const auto find = [root](const char* name) { return Find(root, name); };
    for (const Setting& s : Settings()) {
        QObject* o = find(s.object);
        if (!o) {
            problems << QStringLiteral("%1: missing").arg(QLatin1String(s.object));
            continue;
        }
        const QVariant actual = o->property(s.property);
        if (!SameValue(actual, s.value))
            problems << QStringLiteral("%1.%2 is %3, not %4")
                            .arg(QLatin1String(s.object), QLatin1String(s.property),
                                 Describe(actual), Describe(s.value));
    }

    if (root->size() != FormSize())
        problems << QStringLiteral("the form is %1 x %2").arg(root->width()).arg(root->height());
    for (const Placement& p : Placements()) {
        QWidget* w = find(p.object);
        if (!w || qstrcmp(w->metaObject()->className(), p.className) != 0 ||
            w->parentWidget() != find(p.parent))
            problems << QStringLiteral("%1: not a %2 in %3")
                            .arg(QLatin1String(p.object), QLatin1String(p.className),
                                 QLatin1String(p.parent));
        else if (w->geometry() != p.placed)
            problems
                << QStringLiteral("%1 at %2").arg(QLatin1String(p.object), Describe(w->geometry()));
    }

    auto* control = qobject_cast<WTabControl*>(find("wTabControl"));
    const QList<Page> pages = Pages();
    if (!control) {
        problems << QStringLiteral("wTabControl: not a WTabControl");
    } else if (control->Count() != pages.size()) {
        problems << QStringLiteral("wTabControl has %1 pages, not %2")
                        .arg(control->Count())
                        .arg(pages.size());
    } else {
        for (int i = 0; i < pages.size(); ++i) {
            WTabPage* page = control->Page(i);
            if (page->objectName() != QLatin1String(pages[i].name) ||
                page->Text() != QLatin1String(pages[i].text))
                problems << QStringLiteral("page %1 is %2 \"%3\"")
                                .arg(i)
                                .arg(page->objectName(), page->Text());
            if (!page->TabButton() || page->TabButton()->parentWidget() != control)
                problems << QStringLiteral("page %1 has no tab in the control").arg(i);
        }
        // Every page added selects itself: the last one is in front, alone.
        if (control->SelectedIndex() != pages.size() - 1)
            problems << QStringLiteral("wTabControl shows page %1").arg(control->SelectedIndex());
        for (int i = 0; i < control->Count(); ++i) {
            if (control->Page(i)->isVisibleTo(control) != (i == control->SelectedIndex()))
                problems << QStringLiteral("page %1 shown wrongly").arg(i);
        }
    }

    auto* scroll = qobject_cast<WScrollPanel*>(find("wScrollPanel"));
    if (!scroll || !scroll->ScrollWidget() ||
        scroll->ScrollWidget()->objectName() != QLatin1String("ScrollArea"))
        problems << QStringLiteral("wScrollPanel has not adopted ScrollArea");
    else if (scroll->ScrollWidget()->minimumSize() != QSize(400, 320))
        problems << QStringLiteral("ScrollArea is not as large as the scroll area");
    return problems;
}

} // namespace SamplerForm
