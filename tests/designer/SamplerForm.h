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
#include <QMetaEnum>
#include <QMetaProperty>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVariant>
#include <QWidget>

namespace SamplerForm {

// The form is a WForm of this size: the window of the sampler the screenshot of Designer shows.
inline QSize FormSize()
{
    return QSize(820, 430);
}

// Where each widget (of the class its name tells) is dropped, at the widget box's default size,
// and where it ends up: moved and sized there in Designer or, for one docked in a panel, placed
// there by the panel's layout.
struct Placement
{
    const char* object;
    QPoint drop;
    QRect placed;
    const char* parent = "Form";
    QString ClassName() const
    {
        return QString::fromLatin1(object, 1).toUpper() + QLatin1String(object + 1);
    }
};

inline QList<Placement> Placements()
{
    return {
        {"wTabControl", {10, 40}, {10, 40, 300, 200}},
        {"wScrollPanel", {320, 40}, {320, 40, 260, 200}},
        {"wPanel", {590, 40}, {590, 40, 220, 200}},
        {"wButton", {10, 260}, {10, 260, 80, 30}},
        {"wCheckBox", {100, 270}, {100, 267, 150, 16}},
        {"wSwitchButton", {260, 260}, {260, 260, 80, 30}},
        {"wComboBox", {350, 260}, {350, 260, 130, 30}},
        {"wLabel", {490, 260}, {490, 260, 140, 30}},
        {"wLineEdit", {640, 260}, {640, 260, 170, 30}},
        {"wItemList", {10, 310}, {10, 310, 120, 100}},
        {"wGridList", {140, 310}, {140, 310, 300, 100}},
        {"wTreeView", {450, 310}, {450, 310, 190, 100}},
        {"wProgressBar", {650, 310}, {650, 312, 160, 16}},
        {"wTrackBar", {650, 340}, {650, 340, 160, 24}},
        {"wHourMinutePicker", {650, 380}, {650, 380, 120, 25}},
        // Docked to the bottom of the panel, inside its 2-pixel border on every side.
        {"wTest", {10, 10}, {2, 168, 216, 30}, "wPanel"},
    };
}

struct Setting
{
    const char* object;
    QString property;
    QString value; // as ValueFor reads it
};

// What Designer is told, in that order: per object, "Property=value" separated by "; ".
// Colours are #rrggbb or #aarrggbb, sizes WxH, lists a,b,c, enumerations and flags their keys.
inline QList<Setting> Settings()
{
    const char* const pageTabs = "TabBarBackColor=#e1e6f0; TabBarBackColorSelected=#466ebe; "
                                 "TabBarForeColor=#3c3c3c; TabBarForeColorSelected=#ffffff";
    const std::pair<const char*, QString> objects[] = {
        {"Form", "Title=Wexal in Designer; TitlePadding=12; alignment=AlignLeft|AlignVCenter; "
                 "TitleBackColor=#2d55a0; ForeColor=#ffffff; BackColor=#f0f2f6; "
                 "SysButtonSize=40x30; SysButtonColor=#ffffff; ShowMaximizeButton=false"},
        {"wTabControl", "TabBarPosition=Left; TabBarSize=60x24; TabPaddingColor=#ebebeb; "
                        "BackColor=#ffffff"},
        {"page", "Text=First; TabBarBorder=Left|Top; TabBarBorderWidth=1; "
                 "TabBarBorderColor=#c8cdd7; BackColor=#f5f8ff"},
        {"page_2", "Text=Second; BackColor=#fff8f0"},
        {"page_3", "Text=Third; BackColor=#f0fff4"},
        {"page", pageTabs},
        {"page_2", pageTabs},
        {"page_3", pageTabs},
        {"wScrollPanel", "ScrollAreaSize=400x320; SliderColor=#787878; BackColor=#fafaf5"},
        {"ScrollArea", "BackColor=#ffecc8"},
        {"wPanel", "BackColor=#3c1e90ff; Radius=10; Border=All; BorderWidth=2; "
                   "BorderColor=#1e5ac8"},
        {"wTest", "Dock=Bottom; UserFlag=true"},
        {"wButton", "Text=OK; Border=Top|Bottom; BorderWidth=1; Anchor=Top|Right"},
        {"wCheckBox", "Checked=true; Text=Remember me; CheckFlagColor=#466ebe"},
        {"wSwitchButton", "Checked=true; CheckedBackColor=#4caf50"},
        {"wComboBox", "Items=Red,Green,Blue; DropDownButtonColor=#5a5a5a"},
        {"wLabel", "Text=Hello, Designer; ForeColor=#282828"},
        {"wLineEdit", "Text=12345; TextType=Number; TextMaxLength=8; BackColor=#ffffff"},
        {"wItemList", "Items=One,Two,Three; ItemHeight=24; BackColor=#fafafa"},
        {"wGridList", "ColumnHeaderHeight=28; RowHeight=26; SingleRowBackColor=#fafafa"},
        {"wTreeView", "BackColor=#ffffff; Border=All; BorderWidth=1"},
        {"wProgressBar", "Value=65; BackColor=#e1e4eb; ForeColor=#466ebe; Radius=8"},
        {"wTrackBar", "Type=HslColorH; Orientation=Horizontal; MainLineSize=6; "
                      "ButtonSize=10x20; ButtonColor=#3c3c3c; Maximum=359; Value1=200"},
        {"wHourMinutePicker", "StartHour=9; StartMinute=30; EndHour=17; EndMinute=45"},
    };
    QList<Setting> settings;
    for (const auto& [object, list] : objects)
        for (const QString& pair : list.split(QStringLiteral("; ")))
            settings.append(
                {object, pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1)});
    return settings;
}

// A setting's value in the type of the property it is for, as Designer's property editor hands
// it over. Qt's own flag types go as numbers, as Designer itself does: naming their type would
// register it, and Designer then reads such properties as 0.
inline QVariant ValueFor(const QObject* object, const QString& property, const QString& text)
{
    const QMetaObject* meta = object->metaObject();
    const QMetaProperty p = meta->property(meta->indexOfProperty(qPrintable(property)));
    if (p.isEnumType()) {
        const QMetaEnum e = p.enumerator();
        int v = e.isFlag() ? e.keysToValue(qPrintable(text)) : e.keyToValue(qPrintable(text));
        if (qstrcmp(e.scope(), "Qt") == 0)
            return v;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        return QVariant(p.metaType(), &v);
#else
        return QVariant(p.userType(), &v);
#endif
    }
    switch (p.userType()) {
    case QMetaType::QColor:
        return QColor(text);
    case QMetaType::QSize:
        return QSize(text.section(QLatin1Char('x'), 0, 0).toInt(),
                     text.section(QLatin1Char('x'), 1).toInt());
    case QMetaType::QStringList:
        return text.split(QLatin1Char(','));
    case QMetaType::Int:
        return text.toInt();
    case QMetaType::Bool:
        return text == QLatin1String("true");
    default:
        return text;
    }
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
        const QVariant actual = o->property(qPrintable(s.property));
        const QVariant expected = ValueFor(o, s.property, s.value);
        if (!SameValue(actual, expected))
            problems << QStringLiteral("%1.%2 is %3, not %4")
                            .arg(QLatin1String(s.object), s.property, Describe(actual),
                                 Describe(expected));
    }

    if (root->size() != FormSize())
        problems << QStringLiteral("the form is %1 x %2").arg(root->width()).arg(root->height());
    for (const Placement& p : Placements()) {
        QWidget* w = find(p.object);
        if (!w || w->metaObject()->className() != p.ClassName() ||
            w->parentWidget() != find(p.parent))
            problems << QStringLiteral("%1: not a %2 in %3")
                            .arg(QLatin1String(p.object), p.ClassName(), QLatin1String(p.parent));
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
        }
        // Added before the control was shown, the pages (each selected as it comes, as the tab
        // control's tests show) are hidden but the last.
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
