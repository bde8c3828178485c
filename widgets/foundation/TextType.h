#pragma once

#include "wexal_export.h"

#include <QObject>

/// What a line edit accepts as input (see WLineEdit::TextType()).
///
/// Typed, pasted and committed text is filtered character by character: characters the type
/// does not accept are dropped, the rest kept in order. The filter checks characters only, not
/// the shape of the whole text (an IP address may still have five dots).
///
/// \image html TextType.png
class WEXAL_EXPORT TextType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system may lie outside
    // the list and must still be representable.
    /// The input kinds.
    enum Types : int {
        /// Any character.
        Normal = 0,
        /// Characters of 7-bit ASCII only (U+0000 to U+007F).
        ASCII = 1,
        /// The digits 0 to 9, '-' and '.', and any numeric character beyond ASCII (other
        /// scripts' digits, fractions).
        Number = 2,
        /// Any character, shown as one '*' per character; no selection is shown, the clipboard
        /// keys (copy, cut, paste) do nothing and input methods are off.
        Password = 3,
        /// The digits 0 to 9 and '.'.
        IPaddress = 4,
        /// The digits 0 to 9, the hexadecimal letters A to F and a to f, and ':'.
        MACaddress = 5,
        /// The digits 0 to 9, '*' and '#'.
        PhoneNumber = 6
    };
    Q_ENUM(Types)
};
