#pragma once

// The form the Designer tests draw: what tst_designerform sets on each widget through
// Designer's own property commands before saving the form, and the check that the same form,
// compiled by uic or loaded by QUiLoader, holds every one of those values and every page.

#include <DockType.h>
#include <PositionFlag.h>
#include <PositionType.h>
#include <TextType.h>
#include <WButton.h>
#include <WScrollPanel.h>
#include <WTabControl.h>
#include <WTabPage.h>

#include <QColor>
#include <QDebug>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace FormSpec {

struct Setting
{
    const char* object;
    const char* property;
    QVariant value;
};

// In the order Designer is given them. Geometries first: the form is laid out as a sampler,
// which is also what the screenshot of Designer shows.
inline QList<Setting> Settings()
{
    const auto flags = [](int bits) { return QVariant::fromValue(PositionFlag::Flags(bits)); };
    return {
        {"wTabControl", "geometry", QRect(10, 10, 300, 200)},
        {"wScrollPanel", "geometry", QRect(320, 10, 260, 200)},
        {"wPanel", "geometry", QRect(590, 10, 200, 200)},
        {"wButton", "geometry", QRect(10, 230, 80, 30)},
        {"wCheckBox", "geometry", QRect(100, 240, 150, 16)},
        {"wSwitchButton", "geometry", QRect(260, 230, 80, 30)},
        {"wLabel", "geometry", QRect(350, 230, 140, 30)},
        {"wLineEdit", "geometry", QRect(500, 230, 120, 30)},
        {"wItemList", "geometry", QRect(10, 280, 120, 100)},
        {"wGridList", "geometry", QRect(140, 280, 300, 100)},
        {"wTreeView", "geometry", QRect(450, 280, 200, 100)},
        {"wTest", "geometry", QRect(660, 280, 100, 30)},

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
        {"page", "TabBarBackColor", QColor(225, 230, 240)},
        {"page", "TabBarBackColorSelected", QColor(70, 110, 190)},
        {"page", "TabBarForeColor", QColor(60, 60, 60)},
        {"page", "TabBarForeColorSelected", QColor(255, 255, 255)},
        {"page_2", "TabBarBackColor", QColor(225, 230, 240)},
        {"page_2", "TabBarBackColorSelected", QColor(70, 110, 190)},
        {"page_2", "TabBarForeColor", QColor(60, 60, 60)},
        {"page_2", "TabBarForeColorSelected", QColor(255, 255, 255)},
        {"page_3", "TabBarBackColor", QColor(225, 230, 240)},
        {"page_3", "TabBarBackColorSelected", QColor(70, 110, 190)},
        {"page_3", "TabBarForeColor", QColor(60, 60, 60)},
        {"page_3", "TabBarForeColorSelected", QColor(255, 255, 255)},

        {"wScrollPanel", "ScrollAreaSize", QSize(400, 320)},
        {"wScrollPanel", "SliderColor", QColor(120, 120, 120)},
        {"wScrollPanel", "BackColor", QColor(250, 250, 245)},
        {"ScrollArea", "BackColor", QColor(255, 236, 200)},

        {"wPanel", "BackColor", QColor(30, 144, 255, 60)},
        {"wPanel", "Radius", 10},
        {"wPanel", "Border", flags(PositionFlag::All)},
        {"wPanel", "BorderWidth", 2},
        {"wPanel", "BorderColor", QColor(30, 90, 200)},

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
        {"wTest", "Dock", QVariant::fromValue(DockType::Bottom)},
        {"wTest", "UserFlag", true},
        {"wTest", "BackColor", QColor(255, 200, 0)},
    };
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
    const QMetaType::TypeFlags kinds = QMetaType::typeFlags(expected.userType());
    if ((kinds & QMetaType::IsEnumeration) ||
        expected.userType() == qMetaTypeId<PositionFlag::Flags>())
        return actual.canConvert<int>() && actual.toInt() == expected.toInt();
    return actual == expected;
}

inline QString Describe(const QVariant& v)
{
    if (v.canConvert<QString>() && v.userType() != QMetaType::Bool)
        return QStringLiteral("%1(%2)").arg(QLatin1String(v.typeName()), v.toString());
    if (v.userType() == QMetaType::QColor)
        return v.value<QColor>().name(QColor::HexArgb);
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

} // namespace FormSpec
