#pragma once

#include "wexal_export.h"

#include <QObject>
#include <QString>

// One line of a WMenu. The menu that made it owns it: RemoveItem, Clear and the menu's
// destructor delete it, so a pointer to it is valid only until then.
class WEXAL_EXPORT WMenuItem : public QObject
{
    Q_OBJECT

public:
    explicit WMenuItem(const QString& text);
    ~WMenuItem() override;

    // A disabled item is drawn in the menu's disabled colour and cannot be chosen. The
    // application may change it at any time; it is read at the next press and paint.
    bool Enabled = true;
    // Change it through WMenu::SetItemText, so that the menu's width follows.
    QString Text;
};
