#pragma once

#include "WLabel.h"

// A caption for the gallery's own chrome (titles, notes): a read-only WLabel with the gallery's
// font size, weight and ink, sized to its text.
class GalleryText : public WLabel
{
    Q_OBJECT

public:
    GalleryText(const QString& text, QWidget* parent, int pointSize = 10, bool bold = false,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
};
