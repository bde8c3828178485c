#include "WGridListCell.h"

#include "WBase.h"

#include <QHash>

namespace {

// Value is a plain union that applications read, so it cannot be a guarded pointer. Instead,
// every widget a cell owns is listed here with the Value that names it, and that Value is set
// to null when the widget is destroyed. Cell widgets live in the GUI thread only, and so does
// this list.
class CellWidgets : public QObject
{
public:
    // slot names widget from now on; a slot that named it before reads null.
    void Follow(WBase* widget, WBase** slot)
    {
        WBase**& known = named[widget];
        if (known && known != slot)
            *known = nullptr;
        known = slot;
        // One connection per widget, however often it is handed around.
        connect(widget, &QObject::destroyed, this, &CellWidgets::Destroyed, Qt::UniqueConnection);
    }

    // Only the slot that names the widget lets it go: another cell may have taken it since.
    void Release(const WBase* widget, WBase** slot)
    {
        const auto it = named.find(widget);
        if (it != named.end() && it.value() == slot)
            named.erase(it);
    }

private:
    // Emitted as the widget's QObject part is destroyed.
    void Destroyed(QObject* object)
    {
        if (WBase** slot = named.take(object))
            *slot = nullptr;
    }

    // Keyed by the QObject part: that is all that is left of a widget when it is destroyed.
    QHash<const QObject*, WBase**> named;
};

Q_GLOBAL_STATIC(CellWidgets, cellWidgets)

} // namespace

WGridListCell::WGridListCell() = default;

WGridListCell::~WGridListCell()
{
    if (Type != WidgetCell)
        return;
    ReleaseWidget();
    delete Value.Widget;
}

void WGridListCell::ReleaseWidget()
{
    if (Type == WidgetCell && Value.Widget)
        cellWidgets->Release(Value.Widget, &Value.Widget);
}

WGridListCell& WGridListCell::operator=(const QString& text)
{
    ReleaseWidget();
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
    ReleaseWidget();
    Type = TextCell;
    Text = QString::number(number);
    Value.Check = 0;
    return *this;
}

WGridListCell& WGridListCell::operator=(bool checked)
{
    ReleaseWidget();
    Type = CheckCell;
    Value.Check = checked ? 1 : 0;
    return *this;
}

WGridListCell& WGridListCell::operator=(const QImage* image)
{
    ReleaseWidget();
    Type = ImageCell;
    Value.Image = image;
    return *this;
}

WGridListCell& WGridListCell::operator=(const WBase* widget)
{
    ReleaseWidget();
    Type = WidgetCell;
    // Ownership passes to the cell, which deletes through the non-const pointer.
    Value.Widget = const_cast<WBase*>(widget);
    if (Value.Widget)
        cellWidgets->Follow(Value.Widget, &Value.Widget);
    return *this;
}
