#pragma once

#include "wexal_export.h"

#include <QString>

// The header description of one grid column. The grid keeps its own list of these by value;
// the data model only knows how many cells a row has.
/// The header description of one grid column: its width and its title.
///
/// The grid keeps its own list of these by value (WGridList::Columns()); the data model only knows
/// how many cells a row has.
class WEXAL_EXPORT WGridListColumn
{
public:
    /// Constructs an untitled column 30 pixels wide.
    WGridListColumn();
    /// Constructs a column \a width pixels wide titled \a text.
    WGridListColumn(int width, const QString& text);

    /// The column's width in pixels; 30 by default. Taken as given; a column the user drags keeps
    /// at least 10 pixels.
    int Width = 30;
    /// The column's title, drawn centred in its header cell; empty by default.
    QString Text;
};
