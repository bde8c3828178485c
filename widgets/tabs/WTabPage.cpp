#include "WTabPage.h"

#include "WBase_p.h"
#include "WButton.h"
#include "WTheme_p.h"

#include <QEvent>
#include <QPointer>

namespace {
// What a page without a tab button reports for the values that live in the button.
const QString noText;
const QPoint noOffset;
const QColor noColor;
} // namespace

struct WTabPagePrivate
{
    QPixmap tabBarImage;
    QPixmap tabBarImageSelected;
    QColor tabBarBackColor;
    QColor tabBarBackColorSelected;
    QColor tabBarForeColor;
    QColor tabBarForeColorSelected;
    QColor tabBarBorderColor;
    QColor tabBarBorderColorSelected;
    bool selected = false;
    // The button lives among the tab control's children, where the application can reach and
    // delete it; the page must not delete it a second time.
    QPointer<WButton> tabButton;
};

WTabPage::WTabPage(QWidget* parent, bool createTabButton)
    : WPanel(parent), d(std::make_unique<WTabPagePrivate>())
{
    if (createTabButton) {
        d->tabButton = new WButton(nullptr);
        WThemeHooks::MarkPart(d->tabButton);
        d->tabButton->SetCanReLayoutParent(false);
        if (IsDesignerMode())
            MarkPassive(d->tabButton);
    }
    SetCanReLayoutParent(false);
    SetDock(DockType::Fill);
}

WTabPage::~WTabPage()
{
    delete d->tabButton.data();
}

WButton* WTabPage::TabButton() const
{
    return d->tabButton;
}

const QString& WTabPage::Text() const
{
    return d->tabButton ? d->tabButton->Text() : noText;
}

void WTabPage::SetText(const QString& text)
{
    if (d->tabButton)
        d->tabButton->SetText(text);
}

const QPoint& WTabPage::TextOffset() const
{
    return d->tabButton ? d->tabButton->TextOffset() : noOffset;
}

void WTabPage::SetTextOffset(const QPoint& offset)
{
    if (d->tabButton)
        d->tabButton->SetTextOffset(offset);
}

const QPixmap& WTabPage::TabBarImage() const
{
    return d->tabBarImage;
}

void WTabPage::SetTabBarImage(const QPixmap& image)
{
    if (!d->tabButton)
        return;
    d->tabBarImage = image;
    if (!d->selected)
        d->tabButton->SetImage(image);
}

const QPixmap& WTabPage::TabBarImageSelected() const
{
    return d->tabBarImageSelected;
}

void WTabPage::SetTabBarImageSelected(const QPixmap& image)
{
    if (!d->tabButton)
        return;
    d->tabBarImageSelected = image;
    if (d->selected)
        d->tabButton->SetImage(image);
}

const QColor& WTabPage::TabBarBackColor() const
{
    return d->tabBarBackColor;
}

void WTabPage::SetTabBarBackColor(const QColor& color)
{
    if (!d->tabButton || d->tabBarBackColor == color)
        return;
    d->tabBarBackColor = color;
    if (!d->selected)
        d->tabButton->SetBackColor(color);
}

const QColor& WTabPage::TabBarBackColorHover() const
{
    return d->tabButton ? d->tabButton->BackColorHover() : noColor;
}

void WTabPage::SetTabBarBackColorHover(const QColor& color)
{
    if (d->tabButton)
        d->tabButton->SetBackColorHover(color);
}

const QColor& WTabPage::TabBarBackColorPress() const
{
    return d->tabButton ? d->tabButton->BackColorPress() : noColor;
}

void WTabPage::SetTabBarBackColorPress(const QColor& color)
{
    if (d->tabButton)
        d->tabButton->SetBackColorPress(color);
}

const QColor& WTabPage::TabBarBackColorSelected() const
{
    return d->tabBarBackColorSelected;
}

void WTabPage::SetTabBarBackColorSelected(const QColor& color)
{
    if (!d->tabButton || d->tabBarBackColorSelected == color)
        return;
    d->tabBarBackColorSelected = color;
    if (d->selected)
        d->tabButton->SetBackColor(color);
}

const QColor& WTabPage::TabBarForeColor() const
{
    return d->tabBarForeColor;
}

void WTabPage::SetTabBarForeColor(const QColor& color)
{
    if (!d->tabButton || d->tabBarForeColor == color)
        return;
    d->tabBarForeColor = color;
    if (!d->selected)
        d->tabButton->SetForeColor(color);
}

const QColor& WTabPage::TabBarForeColorHover() const
{
    return d->tabButton ? d->tabButton->ForeColorHover() : noColor;
}

void WTabPage::SetTabBarForeColorHover(const QColor& color)
{
    if (d->tabButton)
        d->tabButton->SetForeColorHover(color);
}

const QColor& WTabPage::TabBarForeColorSelected() const
{
    return d->tabBarForeColorSelected;
}

void WTabPage::SetTabBarForeColorSelected(const QColor& color)
{
    if (!d->tabButton || d->tabBarForeColorSelected == color)
        return;
    d->tabBarForeColorSelected = color;
    if (d->selected)
        d->tabButton->SetForeColor(color);
}

PositionFlag::Flags WTabPage::TabBarBorder() const
{
    return d->tabButton ? d->tabButton->Border() : PositionFlag::Flags(PositionFlag::None);
}

void WTabPage::SetTabBarBorder(PositionFlag::Flags border)
{
    if (d->tabButton)
        d->tabButton->SetBorder(border);
}

int WTabPage::TabBarBorderWidth() const
{
    return d->tabButton ? d->tabButton->BorderWidth() : 0;
}

void WTabPage::SetTabBarBorderWidth(int width)
{
    if (d->tabButton)
        d->tabButton->SetBorderWidth(width);
}

const QColor& WTabPage::TabBarBorderColor() const
{
    return d->tabBarBorderColor;
}

void WTabPage::SetTabBarBorderColor(const QColor& color)
{
    if (!d->tabButton || d->tabBarBorderColor == color)
        return;
    d->tabBarBorderColor = color;
    if (!d->selected)
        d->tabButton->SetBorderColor(color);
}

const QColor& WTabPage::TabBarBorderColorHover() const
{
    return d->tabButton ? d->tabButton->BorderColorHover() : noColor;
}

void WTabPage::SetTabBarBorderColorHover(const QColor& color)
{
    if (d->tabButton)
        d->tabButton->SetBorderColorHover(color);
}

const QColor& WTabPage::TabBarBorderColorSelected() const
{
    return d->tabBarBorderColorSelected;
}

void WTabPage::SetTabBarBorderColorSelected(const QColor& color)
{
    if (!d->tabButton || d->tabBarBorderColorSelected == color)
        return;
    d->tabBarBorderColorSelected = color;
    if (d->selected)
        d->tabButton->SetBorderColor(color);
}

bool WTabPage::IsSelected() const
{
    return d->selected;
}

void WTabPage::SetSelected(bool selected)
{
    if (d->selected == selected)
        return;
    d->selected = selected;
    WButton* tab = d->tabButton;
    if (!tab)
        return;
    // The selected tab ignores the pointer: it keeps its look while hovered.
    tab->SetCanHover(!selected);
    tab->SetImage(selected ? d->tabBarImageSelected : d->tabBarImage);
    tab->SetBackColor(selected ? d->tabBarBackColorSelected : d->tabBarBackColor);
    tab->SetForeColor(selected ? d->tabBarForeColorSelected : d->tabBarForeColor);
    tab->SetBorderColor(selected ? d->tabBarBorderColorSelected : d->tabBarBorderColor);
}

bool WTabPage::event(QEvent* e)
{
    // The tab is not the page's child, so Qt's font propagation does not reach it.
    if (e->type() == QEvent::FontChange && d->tabButton)
        d->tabButton->setFont(font());
    return WPanel::event(e);
}
