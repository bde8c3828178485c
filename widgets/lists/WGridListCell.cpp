#include "WGridListCell.h"

#include "WBase.h"

WGridListCell::WGridListCell() = default;

WGridListCell::~WGridListCell()
{
    if (Type == WidgetCell)
        delete Value.Widget;
}

WGridListCell& WGridListCell::operator=(const QString& text)
{
    Type = TextCell;
    Text = text;
    return *this;
}

WGridListCell& WGridListCell::operator=(const char* text)
{
    return *this = QString::fromUtf8(text);
}

WGridListCell& WGridListCell::operator=(int number)
{
    Type = TextCell;
    Text = QString::number(number);
    Value.Check = 0;
    return *this;
}

WGridListCell& WGridListCell::operator=(bool checked)
{
    Type = CheckCell;
    Value.Check = checked ? 1 : 0;
    return *this;
}

WGridListCell& WGridListCell::operator=(const QImage* image)
{
    Type = ImageCell;
    Value.Image = image;
    return *this;
}

WGridListCell& WGridListCell::operator=(const WBase* widget)
{
    Type = WidgetCell;
    // Ownership passes to the cell, which deletes through the non-const pointer.
    Value.Widget = const_cast<WBase*>(widget);
    return *this;
}
