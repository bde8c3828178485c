#include "GalleryText.h"
#include "GallerySection.h"

#include <QPainter>

GalleryText::GalleryText(const QString& text, QWidget* parent, int pointSize, bool bold,
                         Qt::Alignment alignment)
    : WBase(parent), text(text), alignment(alignment)
{
    QFont f = font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    setFont(f);
    SetForeColor(GalleryTheme::ink);
    resize(QFontMetrics(f).horizontalAdvance(text) + 4, QFontMetrics(f).height() + 6);
}

void GalleryText::SetText(const QString& t)
{
    if (text == t)
        return;
    text = t;
    update();
}

void GalleryText::Paint(QPainter* painter)
{
    painter->setPen(ForeColor());
    painter->drawText(rect(), int(alignment), text);
}
