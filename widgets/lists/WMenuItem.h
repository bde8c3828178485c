#pragma once

#include "wexal_export.h"

#include <QObject>
#include <QString>

// One line of a WMenu. The menu that made it owns it: RemoveItem, Clear and the menu's
// destructor delete it, so a pointer to it is valid only until then.
/// One item of a WMenu: a text and an enabled flag.
///
/// Items are made by WMenu::AddItem(). The menu that made one owns it: WMenu::RemoveItem(),
/// WMenu::Clear() and the menu's destructor delete it, so a pointer to it is valid only until then.
class WEXAL_EXPORT WMenuItem : public QObject
{
    Q_OBJECT

public:
    /// Constructs an enabled item showing \a text, without a parent. Applications get their items
    /// from WMenu::AddItem().
    explicit WMenuItem(const QString& text);
    /// Destroys the item.
    ~WMenuItem() override;

    // A disabled item is drawn in the menu's disabled colour and cannot be chosen. The
    // application may change it at any time; it is read at the next press and paint.
    /// Whether the item can be chosen; true by default. A disabled item is drawn in the menu's
    /// WMenu::ItemForeColorDisable() and a press on it keeps the menu open. The application may
    /// change it at any time; it is read at the next press and paint.
    bool Enabled = true;
    // Change it through WMenu::SetItemText, so that the menu's width follows.
    /// The text shown. Change it through WMenu::SetItemText(), so that the menu's width follows.
    QString Text;
};
