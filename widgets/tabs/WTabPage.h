#pragma once

#include "WPanel.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QString>

class WButton;
struct WTabPagePrivate;

// One page of a WTabControl: a panel for the page's widgets, paired with a WButton that is the
// page's tab. The tab has two looks, normal and selected; the TabBar… properties set them, and
// SetSelected switches the button between them. The tab control shows, hides and places the
// pages and their tabs.
//
// A page made without a tab button has no tab: its TabBar… setters, SetText and SetTextOffset
// do nothing, and the getters that read the button return default values.
/// One page of a WTabControl: a panel for the page's widgets, paired with a WButton that is the
/// page's tab.
///
/// The page is a WPanel docked to fill its control's page area; it is styled as a panel. Its tab
/// has two looks, normal and selected: the TabBar... properties set them, and SetSelected()
/// switches the button between them. The tab control shows, hides and places the pages and their
/// tabs, and makes the tab button its own child; the page deletes the button when it is destroyed.
///
/// A page made without a tab button has no tab: its TabBar... setters, SetText() and
/// SetTextOffset() do nothing, and the getters that read the button return default values.
///
/// \image html WTabPage.png
/// \sa WTabControl
class WEXAL_EXPORT WTabPage : public WPanel
{
    Q_OBJECT
    // A page always fills its control's page area: these are not offered for editing.
    Q_PROPERTY(DockType::Types Dock READ Dock DESIGNABLE false)
    Q_PROPERTY(PositionFlag::Flags Anchor READ Anchor DESIGNABLE false)
    Q_PROPERTY(int Radius READ Radius DESIGNABLE false)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(QPoint TextOffset READ TextOffset WRITE SetTextOffset)
    Q_PROPERTY(QPixmap TabBarImage READ TabBarImage WRITE SetTabBarImage)
    Q_PROPERTY(QPixmap TabBarImageSelected READ TabBarImageSelected WRITE SetTabBarImageSelected)
    Q_PROPERTY(QColor TabBarBackColor READ TabBarBackColor WRITE SetTabBarBackColor)
    Q_PROPERTY(QColor TabBarBackColorHover READ TabBarBackColorHover WRITE SetTabBarBackColorHover)
    Q_PROPERTY(QColor TabBarBackColorPress READ TabBarBackColorPress WRITE SetTabBarBackColorPress)
    Q_PROPERTY(QColor TabBarBackColorSelected READ TabBarBackColorSelected WRITE
                   SetTabBarBackColorSelected)
    Q_PROPERTY(QColor TabBarForeColor READ TabBarForeColor WRITE SetTabBarForeColor)
    Q_PROPERTY(QColor TabBarForeColorHover READ TabBarForeColorHover WRITE SetTabBarForeColorHover)
    Q_PROPERTY(QColor TabBarForeColorSelected READ TabBarForeColorSelected WRITE
                   SetTabBarForeColorSelected)
    Q_PROPERTY(PositionFlag::Flags TabBarBorder READ TabBarBorder WRITE SetTabBarBorder)
    Q_PROPERTY(int TabBarBorderWidth READ TabBarBorderWidth WRITE SetTabBarBorderWidth)
    Q_PROPERTY(QColor TabBarBorderColor READ TabBarBorderColor WRITE SetTabBarBorderColor)
    Q_PROPERTY(
        QColor TabBarBorderColorHover READ TabBarBorderColorHover WRITE SetTabBarBorderColorHover)
    Q_PROPERTY(QColor TabBarBorderColorSelected READ TabBarBorderColorSelected WRITE
                   SetTabBarBorderColorSelected)

public:
    /// Constructs an empty page as a child of \a parent, with a tab button unless
    /// \a createTabButton is false.
    Q_INVOKABLE explicit WTabPage(QWidget* parent = nullptr, bool createTabButton = true);
    /// Destroys the page and its tab button.
    ~WTabPage() override;

    // The page's tab, or null for a page made without one (or whose tab was deleted).
    /// The page's tab, or null for a page made without one (or whose tab was deleted).
    WButton* TabButton() const;

    // The caption and its offset live in the tab button.
    /// The tab's caption, kept by the tab button; empty by default.
    const QString& Text() const;
    /// Sets the tab's caption; see Text().
    void SetText(const QString& text);
    /// How far, in pixels, the caption is moved from its place in the tab; kept by the tab button
    /// and (0, 0) by default.
    const QPoint& TextOffset() const;
    /// Sets the caption's offset; see TextOffset().
    void SetTextOffset(const QPoint& offset);

    // Images are stored without comparison, like the button's own Image.
    /// The tab's image while the page is not selected; null by default.
    const QPixmap& TabBarImage() const;
    /// Sets the unselected tab's image; see TabBarImage(). Images are stored without comparison,
    /// like the button's own image.
    void SetTabBarImage(const QPixmap& image);
    /// The tab's image while the page is selected; null by default.
    const QPixmap& TabBarImageSelected() const;
    /// Sets the selected tab's image; see TabBarImageSelected(). Stored without comparison.
    void SetTabBarImageSelected(const QPixmap& image);

    // The normal and selected colours are kept here and handed to the button by state; hover
    // and press colours live in the button only, since a selected tab never hovers.
    /// The tab's background while the page is not selected; an invalid QColor until set.
    const QColor& TabBarBackColor() const;
    /// Sets the unselected tab's background; see TabBarBackColor(). An equal colour does nothing.
    void SetTabBarBackColor(const QColor& color);
    /// The tab's background while the pointer is over it, kept by the tab button (the button's
    /// WButton::BackColorHover()). A selected tab does not hover.
    const QColor& TabBarBackColorHover() const;
    /// Sets the hovered tab's background; see TabBarBackColorHover().
    void SetTabBarBackColorHover(const QColor& color);
    /// The tab's background while it is pressed, kept by the tab button (the button's
    /// WButton::BackColorPress()).
    const QColor& TabBarBackColorPress() const;
    /// Sets the pressed tab's background; see TabBarBackColorPress().
    void SetTabBarBackColorPress(const QColor& color);
    /// The tab's background while the page is selected; an invalid QColor until set.
    const QColor& TabBarBackColorSelected() const;
    /// Sets the selected tab's background; see TabBarBackColorSelected(). An equal colour does
    /// nothing.
    void SetTabBarBackColorSelected(const QColor& color);

    /// The colour of the caption while the page is not selected; an invalid QColor until set.
    const QColor& TabBarForeColor() const;
    /// Sets the unselected caption's colour; see TabBarForeColor(). An equal colour does nothing.
    void SetTabBarForeColor(const QColor& color);
    /// The caption's colour while the pointer is over the tab, kept by the tab button (the button's
    /// WButton::ForeColorHover()).
    const QColor& TabBarForeColorHover() const;
    /// Sets the hovered caption's colour; see TabBarForeColorHover().
    void SetTabBarForeColorHover(const QColor& color);
    /// The caption's colour while the page is selected; an invalid QColor until set.
    const QColor& TabBarForeColorSelected() const;
    /// Sets the selected caption's colour; see TabBarForeColorSelected(). An equal colour does
    /// nothing.
    void SetTabBarForeColorSelected(const QColor& color);

    /// The sides of the tab that carry a border, kept by the tab button; PositionFlag::None by
    /// default and for a page without a tab.
    PositionFlag::Flags TabBarBorder() const;
    /// Sets the tab's bordered sides; see TabBarBorder().
    void SetTabBarBorder(PositionFlag::Flags border);
    /// The width of the tab's border in pixels, kept by the tab button; 0 by default and for a page
    /// without a tab.
    int TabBarBorderWidth() const;
    /// Sets the width of the tab's border; see TabBarBorderWidth().
    void SetTabBarBorderWidth(int width);
    /// The tab's border colour while the page is not selected; an invalid QColor until set.
    const QColor& TabBarBorderColor() const;
    /// Sets the unselected tab's border colour; see TabBarBorderColor(). An equal colour does
    /// nothing.
    void SetTabBarBorderColor(const QColor& color);
    /// The tab's border colour while the pointer is over it, kept by the tab button (the button's
    /// WButton::BorderColorHover()).
    const QColor& TabBarBorderColorHover() const;
    /// Sets the hovered tab's border colour; see TabBarBorderColorHover().
    void SetTabBarBorderColorHover(const QColor& color);
    /// The tab's border colour while the page is selected; an invalid QColor until set.
    const QColor& TabBarBorderColorSelected() const;
    /// Sets the selected tab's border colour; see TabBarBorderColorSelected(). An equal colour does
    /// nothing.
    void SetTabBarBorderColorSelected(const QColor& color);

    // Switches the tab between its normal and its selected look. Neither shows nor hides the
    // page: the tab control does that.
    /// Whether the tab shows its selected look; false by default. The tab control sets it on the
    /// page it shows.
    bool IsSelected() const;
    /// Switches the tab between its normal and its selected look; see IsSelected(). A selected tab
    /// ignores the pointer and keeps its look while hovered. Neither shows nor hides the page: the
    /// tab control does that. An equal value does nothing.
    void SetSelected(bool selected);

protected:
    /// Passes the page's font on to its tab button, which is not its child.
    bool event(QEvent* e) override;

private:
    const std::unique_ptr<WTabPagePrivate> d;
};
