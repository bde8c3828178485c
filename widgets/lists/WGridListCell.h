#pragma once

#include "wexal_export.h"

#include <QString>
#include <QtGlobal>

class QImage;
class WBase;

// One cell of a grid row: text, an image, a check flag or a live widget, chosen by Type.
// Text is also the sort key of every cell, whatever it holds.
//
// A cell whose Type is WidgetCell when it is destroyed deletes its widget; an image is never
// deleted. Assignments never delete anything: a widget that an assignment replaces, or whose
// cell is turned into another type, goes back to the application.
//
// A widget given to a cell by assignment is followed: once it is destroyed elsewhere (by the
// application, or with a Qt parent such as the grid), the cell's Value reads null and the cell
// is an empty widget cell, which deletes nothing. Assigning a widget that another cell holds
// moves it: that cell then reads empty. Widgets written into Value directly are not followed.
class WEXAL_EXPORT WGridListCell
{
public:
    enum Types { TextCell = 0, ImageCell = 1, CheckCell = 2, WidgetCell = 3 };

    // One pointer-sized word whose meaning depends on Type.
    union ValueWord {
        quintptr Check;      // Type 2: 0 or 1
        const QImage* Image; // Type 1: not owned
        WBase* Widget;       // Type 3: owned
    };

    WGridListCell();
    ~WGridListCell();
    WGridListCell(const WGridListCell&) = delete;
    WGridListCell& operator=(const WGridListCell&) = delete;

    // A text cell; Value is left as it was.
    WGridListCell& operator=(const QString& text);
    // Same as the QString form, from UTF-8. Without it a string literal would pick the bool
    // form (a built-in pointer-to-bool conversion beats QString's constructor).
    WGridListCell& operator=(const char* text);
    // A text cell holding the number in decimal; Value becomes 0.
    WGridListCell& operator=(int number);
    // A check cell; Text is left as it was.
    WGridListCell& operator=(bool checked);
    // An image cell; the image must outlive the cell's use of it. Text is left as it was.
    WGridListCell& operator=(const QImage* image);
    // A widget cell: the cell now owns the widget. Text is left as it was.
    WGridListCell& operator=(const WBase* widget);

    // Typed reads: each answers only for its own Type (false or null otherwise).
    bool IsChecked() const { return Type == CheckCell && Value.Check != 0; }
    const QImage* Image() const { return Type == ImageCell ? Value.Image : nullptr; }
    WBase* Widget() const { return Type == WidgetCell ? Value.Widget : nullptr; }

    int Type = TextCell;
    QString Text;
    ValueWord Value = {0};

private:
    // Stops following the widget this cell names, if it follows one; the widget stays.
    void ReleaseWidget();
};
