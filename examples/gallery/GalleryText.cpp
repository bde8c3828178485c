#include "GalleryText.h"

GalleryText::GalleryText(const QString& text, QWidget* parent, int pointSize, bool bold,
                         Qt::Alignment alignment)
    : WLabel(parent)
{
    QFont f = font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    setFont(f);
    SetCanSelectText(false);
    SetAlignment(alignment);
    SetText(text);
    const QFontMetrics metrics(f);
    resize(metrics.horizontalAdvance(text) + 4, metrics.height() + 6);
}
