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
/// One cell of a grid row: a text, an image, a check flag or a live widget, as Type says.
///
/// Assign a value to make the cell hold it: a string or a number makes a text cell, a bool a check
/// cell, an image pointer an image cell and a widget pointer a widget cell. Text is also the sort
/// key of every cell, whatever it holds (see WGridListData::Sort()); a text cell is drawn centred
/// in RowForeColor, a check cell as a check mark in the grid's CheckFlagColor, an image centred at
/// its own size.
///
/// A cell whose Type is WidgetCell when it is destroyed deletes its widget; an image is never
/// deleted. Assignments never delete anything: a widget that an assignment replaces, or whose cell
/// is turned into another type, goes back to the application. A widget given to a cell by
/// assignment is followed: once it is destroyed elsewhere (by the application, or with a Qt parent
/// such as the grid), the cell's Value reads null and the cell is an empty widget cell, which
/// deletes nothing. Assigning a widget that another cell holds moves it: that cell then reads
/// empty. Widgets written into Value directly are not followed.
///
/// \sa WGridListRow, WGridList
class WEXAL_EXPORT WGridListCell
{
public:
    /// What a cell holds; the value of Type.
    enum Types { TextCell = 0, ImageCell = 1, CheckCell = 2, WidgetCell = 3 };
    /// \var WGridListCell::TextCell
    /// A text, drawn centred in the cell.
    /// \var WGridListCell::ImageCell
    /// An image, Value.Image, drawn centred at its own size; not owned.
    /// \var WGridListCell::CheckCell
    /// A check flag, Value.Check, drawn as a checked or unchecked mark.
    /// \var WGridListCell::WidgetCell
    /// A widget, Value.Widget, owned by the cell and painted by the grid in the cell.

    // One pointer-sized word whose meaning depends on Type.
    /// The value of a cell that is not a text: one pointer-sized word whose meaning depends on
    /// Type.
    union ValueWord {
        quintptr Check;      // Type 2: 0 or 1
        const QImage* Image; // Type 1: not owned
        WBase* Widget;       // Type 3: owned
    };
    /// \var WGridListCell::ValueWord::Check
    /// For a CheckCell: 0 for unchecked, 1 for checked.
    /// \var WGridListCell::ValueWord::Image
    /// For an ImageCell: the image, not owned by the cell.
    /// \var WGridListCell::ValueWord::Widget
    /// For a WidgetCell: the widget, owned by the cell.

    /// Constructs an empty text cell: no text, and a Value of 0.
    WGridListCell();
    /// Destroys the cell, deleting its widget if it is a widget cell that still holds one.
    ~WGridListCell();
    /// Cells are not copied: a cell may own a widget.
    WGridListCell(const WGridListCell&) = delete;
    /// Cells are not copied: a cell may own a widget.
    WGridListCell& operator=(const WGridListCell&) = delete;

    // A text cell; Value is left as it was.
    /// Makes this a text cell showing \a text. Value is left as it was.
    WGridListCell& operator=(const QString& text);
    // Same as the QString form, from UTF-8. Without it a string literal would pick the bool
    // form (a built-in pointer-to-bool conversion beats QString's constructor).
    /// Makes this a text cell showing \a text, read as UTF-8; as the QString form.
    WGridListCell& operator=(const char* text);
    // A text cell holding the number in decimal; Value becomes 0.
    /// Makes this a text cell showing \a number in decimal; Value becomes 0.
    WGridListCell& operator=(int number);
    // A check cell; Text is left as it was.
    /// Makes this a check cell, checked as \a checked says. Text is left as it was.
    WGridListCell& operator=(bool checked);
    // An image cell; the image must outlive the cell's use of it. Text is left as it was.
    /// Makes this an image cell showing \a image, which the cell does not own: it must outlive the
    /// cell's use of it. Text is left as it was.
    WGridListCell& operator=(const QImage* image);
    // A widget cell: the cell now owns the widget. Text is left as it was.
    /// Makes this a widget cell holding \a widget, which the cell now owns and follows. Text is
    /// left as it was.
    WGridListCell& operator=(const WBase* widget);

    // Typed reads: each answers only for its own Type (false or null otherwise).
    /// Whether this is a check cell that is checked; false for any other type.
    bool IsChecked() const { return Type == CheckCell && Value.Check != 0; }
    /// The image of an image cell; null for any other type.
    const QImage* Image() const { return Type == ImageCell ? Value.Image : nullptr; }
    /// The widget of a widget cell (null once it was destroyed elsewhere); null for any other type.
    WBase* Widget() const { return Type == WidgetCell ? Value.Widget : nullptr; }

    /// What the cell holds, one of Types; TextCell by default. Set by the assignments; writing it
    /// directly changes how Value is read and releases nothing.
    int Type = TextCell;
    /// The cell's text: what a text cell shows, and the sort key of every cell. Empty by default.
    QString Text;
    /// The value of an image, check or widget cell; 0 by default.
    ValueWord Value = {0};

private:
    // Stops following the widget this cell names, if it follows one; the widget stays.
    void ReleaseWidget();
};
