#include "WIconGlyph_p.h"

#include "WDrawAPI.h"
#include "WIconImage_p.h"
#include "WImageCache_p.h"

namespace {

// Everything that decides a recoloured glyph's pixels.
struct GlyphKey
{
    QString path;
    QColor color;
    int scale = 1;

    friend bool operator==(const GlyphKey& a, const GlyphKey& b)
    {
        return a.path == b.path && a.color == b.color && a.scale == b.scale;
    }
    friend uint qHash(const GlyphKey& k, uint seed)
    {
        return qHash(k.path, seed) ^ k.color.rgba() ^ uint(k.scale);
    }
};

// A thousand check boxes of one look share one tick: the glyphs live in one process-wide cache,
// and a widget keeps only a shallow copy of the one it paints.
WImageCache<GlyphKey>& glyphs()
{
    static WImageCache<GlyphKey> cache(2 * 1024);
    return cache;
}

} // namespace

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
    const GlyphKey key{path, color, s};
    image = glyphs().Find(key);
    if (!image.isNull())
        return;
    image = WIconImage::Load(path, s);
    WDrawAPI::ImageReplaceWhite(image, color);
    // Premultiplied, the form the painter blends, so that no paint converts it again.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    glyphs().Insert(key, image);
}
