#pragma once

#include "wexal_export.h"

#include <QColor>
#include <QImage>
#include <QString>

// One of the library's white glyphs in one colour, kept recoloured at the resolution it is
// painted at. Load takes a fresh copy every time, as recolouring a copy that was recoloured
// before would find no white left to replace; painting at a ratio that another drawing suits
// (the window moved to a denser screen, the widget rendered into a denser image) loads and
// recolours that drawing once, and keeps it until the ratio changes again.
class WEXAL_AUTOTEST_EXPORT WIconGlyph
{
public:
    explicit WIconGlyph(const QString& path) : path(path) {}

    // The glyph afresh in color, drawn for ratio.
    void Load(const QColor& color, qreal ratio);
    // The glyph for painting at ratio: null until the first Load.
    const QImage& At(qreal ratio);
    // What the last Load or At left, whatever its ratio.
    const QImage& Image() const { return image; }

private:
    void Build(int scale);

    QString path;
    QColor color;
    int scale = 0; // of image; 0 before the first Load
    QImage image;
};
