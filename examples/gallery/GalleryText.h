#pragma once

#include "WBase.h"

// A caption for the gallery's own chrome (titles, notes). Draws its text in ForeColor with
// the widget's font; it keeps the gallery independent of the label widget under show.
class GalleryText : public WBase
{
    Q_OBJECT

public:
    GalleryText(const QString& text, QWidget* parent, int pointSize = 10, bool bold = false,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

    void SetText(const QString& text);

protected:
    void Paint(QPainter* painter) override;

private:
    QString text;
    Qt::Alignment alignment;
};
