#include "WTextTypeFilter_p.h"

#include <algorithm>

static bool isDigit(ushort c)
{
    return c >= '0' && c <= '9';
}

bool WTextTypeFilter::Accepts(TextType::Types type, QChar ch)
{
    const ushort c = ch.unicode();
    switch (type) {
    case TextType::ASCII:
        return c <= 0x7F;
    case TextType::Number:
        // Beyond ASCII every numeric character counts (other scripts' digits, fractions,
        // Roman numerals); within it only the digits, the minus sign and the decimal point.
        return isDigit(c) || c == '-' || c == '.' || (c > 0x7F && ch.isNumber());
    case TextType::IPaddress:
        return isDigit(c) || c == '.';
    case TextType::MACaddress:
        return isDigit(c) || c == ':' || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    case TextType::PhoneNumber:
        return isDigit(c) || c == '*' || c == '#';
    case TextType::Normal:
    case TextType::Password:
    default:
        return true;
    }
}

void WTextTypeFilter::Filter(TextType::Types type, QString& s)
{
    const auto refused =
        std::find_if(s.cbegin(), s.cend(), [type](QChar c) { return !Accepts(type, c); });
    if (refused == s.cend())
        return; // the common case: nothing to drop, and no detach of a shared string
    QString kept;
    kept.reserve(s.size());
    for (QChar c : qAsConst(s)) {
        if (Accepts(type, c))
            kept += c;
    }
    s = kept;
}

QString WTextTypeFilter::DisplayText(TextType::Types type, const QString& text)
{
    if (type == TextType::Password)
        return QString(text.size(), QLatin1Char('*'));
    return text;
}
