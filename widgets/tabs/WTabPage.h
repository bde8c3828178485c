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
    Q_INVOKABLE explicit WTabPage(QWidget* parent = nullptr, bool createTabButton = true);
    ~WTabPage() override;

    // The page's tab, or null for a page made without one (or whose tab was deleted).
    WButton* TabButton() const;

    // The caption and its offset live in the tab button.
    const QString& Text() const;
    void SetText(const QString& text);
    const QPoint& TextOffset() const;
    void SetTextOffset(const QPoint& offset);

    // Images are stored without comparison, like the button's own Image.
    const QPixmap& TabBarImage() const;
    void SetTabBarImage(const QPixmap& image);
    const QPixmap& TabBarImageSelected() const;
    void SetTabBarImageSelected(const QPixmap& image);

    // The normal and selected colours are kept here and handed to the button by state; hover
    // and press colours live in the button only, since a selected tab never hovers.
    const QColor& TabBarBackColor() const;
    void SetTabBarBackColor(const QColor& color);
    const QColor& TabBarBackColorHover() const;
    void SetTabBarBackColorHover(const QColor& color);
    const QColor& TabBarBackColorPress() const;
    void SetTabBarBackColorPress(const QColor& color);
    const QColor& TabBarBackColorSelected() const;
    void SetTabBarBackColorSelected(const QColor& color);

    const QColor& TabBarForeColor() const;
    void SetTabBarForeColor(const QColor& color);
    const QColor& TabBarForeColorHover() const;
    void SetTabBarForeColorHover(const QColor& color);
    const QColor& TabBarForeColorSelected() const;
    void SetTabBarForeColorSelected(const QColor& color);

    PositionFlag::Flags TabBarBorder() const;
    void SetTabBarBorder(PositionFlag::Flags border);
    int TabBarBorderWidth() const;
    void SetTabBarBorderWidth(int width);
    const QColor& TabBarBorderColor() const;
    void SetTabBarBorderColor(const QColor& color);
    const QColor& TabBarBorderColorHover() const;
    void SetTabBarBorderColorHover(const QColor& color);
    const QColor& TabBarBorderColorSelected() const;
    void SetTabBarBorderColorSelected(const QColor& color);

    // Switches the tab between its normal and its selected look. Neither shows nor hides the
    // page: the tab control does that.
    bool IsSelected() const;
    void SetSelected(bool selected);

protected:
    bool event(QEvent* e) override;

private:
    const std::unique_ptr<WTabPagePrivate> d;
};
