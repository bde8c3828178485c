#pragma once

#include "WLabel.h"

// A caption for the gallery's own chrome (titles, notes): a read-only WLabel with the gallery's
// font size and weight, sized to its text. Its ink is the theme's, or a variant's.
class GalleryText : public WLabel
{
    Q_OBJECT

public:
    GalleryText(const QString& text, QWidget* parent, int pointSize = 10, bool bold = false,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
};
