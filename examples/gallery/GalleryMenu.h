#pragma once

#include "WMenu.h"

// A WMenu whose item colours are properties: a theme sets only properties, and the gallery's
// sheets give menus their hover and disabled colours through these.
class GalleryMenu : public WMenu
{
    Q_OBJECT
    Q_PROPERTY(QColor ItemBackColorHover READ ItemBackColorHover WRITE SetItemBackColorHover)
    Q_PROPERTY(QColor ItemForeColorHover READ ItemForeColorHover WRITE SetItemForeColorHover)
    Q_PROPERTY(QColor ItemForeColorDisable READ ItemForeColorDisable WRITE SetItemForeColorDisable)

public:
    using WMenu::WMenu;
};
