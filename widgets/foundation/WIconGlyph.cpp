#include "WIconGlyph_p.h"

#include "WDrawAPI.h"
#include "WIconImage_p.h"

void WIconGlyph::Load(const QColor& c, qreal ratio)
{
    color = c;
    Build(WIconImage::Scale(ratio));
}

const QImage& WIconGlyph::At(qreal ratio)
{
    const int wanted = WIconImage::Scale(ratio);
    if (scale != 0 && scale != wanted)
        Build(wanted);
    return image;
}

void WIconGlyph::Build(int s)
{
    scale = s;
    image = WIconImage::Load(path, s);
    WDrawAPI::ImageReplaceWhite(image, color);
    // Premultiplied, the form the painter blends, so that no paint converts it again.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
