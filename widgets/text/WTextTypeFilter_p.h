#pragma once

#include "wexal_export.h"

#include "TextType.h"

#include <QString>

// The per-character input filters of the line edit's text types and the masked form a password
// is drawn in. Only characters are checked: no type looks at the structure of what it accepts
// (group sizes, separator positions, value ranges).
class WEXAL_AUTOTEST_EXPORT WTextTypeFilter
{
public:
    WTextTypeFilter() = delete;

    // Whether type accepts the UTF-16 code unit c; a type outside the enumeration accepts all.
    static bool Accepts(TextType::Types type, QChar c);
    // Keeps, in place and in order, the code units of s that type accepts.
    static void Filter(TextType::Types type, QString& s);
    // What is drawn for text: one '*' per code unit for a password, else the text itself.
    static QString DisplayText(TextType::Types type, const QString& text);
};
