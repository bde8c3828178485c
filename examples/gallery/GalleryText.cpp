#include "GalleryText.h"
#include "GallerySection.h"

GalleryText::GalleryText(const QString& text, QWidget* parent, int pointSize, bool bold,
                         Qt::Alignment alignment)
    : WLabel(parent)
{
    QFont f = font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    setFont(f);
    SetCanSelectText(false);
    SetBackColor(Qt::transparent);
    SetForeColor(GalleryTheme::ink);
    SetAlignment(alignment);
    SetText(text);
    const QFontMetrics metrics(f);
    resize(metrics.horizontalAdvance(text) + 4, metrics.height() + 6);
}
