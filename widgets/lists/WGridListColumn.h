#pragma once

#include "wexal_export.h"

#include <QString>

// The header description of one grid column. The grid keeps its own list of these by value;
// the data model only knows how many cells a row has.
class WEXAL_EXPORT WGridListColumn
{
public:
    WGridListColumn();
    WGridListColumn(int width, const QString& text);

    int Width = 30;
    QString Text;
};
