#include "WButton.h"

#include "WBaseButton_p.h"
#include "WDrawAPI.h"
#include "WRoundedLayerCache_p.h"

#include <QPainter>

struct WButtonPrivate
{
    QColor backColorHover;
    QColor backColorPress;
    QColor foreColorHover;
    QColor borderColorHover;
    QPixmap image;
    bool replaceImageColor = false;
    QColor imageColor;
    QColor imageColorHover;
    // What Paint draws, derived from image: recoloured once per colour change, not per paint.
    QImage normalImage;
    QImage hoverImage; // null unless replaceImageColor
    WRoundedLayerCache layers;
};

WButton::WButton(QWidget* parent) : WBaseButton(parent), d(std::make_unique<WButtonPrivate>()) {}

WButton::~WButton() = default;

const QColor& WButton::BackColorHover() const
{
    return d->backColorHover;
}

void WButton::SetBackColorHover(const QColor& color)
{
    if (d->backColorHover == color)
        return;
    d->backColorHover = color;
    update();
}

const QColor& WButton::BackColorPress() const
{
    return d->backColorPress;
}

void WButton::SetBackColorPress(const QColor& color)
{
    if (d->backColorPress == color)
        return;
    d->backColorPress = color;
    update();
}

const QColor& WButton::ForeColorHover() const
{
    return d->foreColorHover;
}

void WButton::SetForeColorHover(const QColor& color)
{
    if (d->foreColorHover == color)
        return;
    d->foreColorHover = color;
    update();
}

const QColor& WButton::BorderColorHover() const
{
    return d->borderColorHover;
}

void WButton::SetBorderColorHover(const QColor& color)
{
    if (d->borderColorHover == color)
        return;
    d->borderColorHover = color;
    update();
}

const QPixmap& WButton::Image() const
{
    return d->image;
}

void WButton::SetImage(const QPixmap& image)
{
    d->image = image;
    RebuildNormalImage();
    RebuildHoverImage();
    update();
}

bool WButton::ReplaceImageColor() const
{
    return d->replaceImageColor;
}

void WButton::SetReplaceImageColor(bool replace)
{
    if (d->replaceImageColor == replace)
        return;
    d->replaceImageColor = replace;
    RebuildNormalImage();
    RebuildHoverImage();
    update();
}

const QColor& WButton::ImageColor() const
{
    return d->imageColor;
}

void WButton::SetImageColor(const QColor& color)
{
    if (d->imageColor == color)
        return;
    d->imageColor = color;
    RebuildNormalImage();
    update();
}

const QColor& WButton::ImageColorHover() const
{
    return d->imageColorHover;
}

void WButton::SetImageColorHover(const QColor& color)
{
    if (d->imageColorHover == color)
        return;
    d->imageColorHover = color;
    RebuildHoverImage();
    update();
}

// Both derived images start again from the pixmap, so recolouring never compounds: a colour
// once replaced is not white any more and could not be replaced a second time. They are kept
// premultiplied, the form the painter blends, so that no paint converts them again.
static QImage derivedImage(const QPixmap& source, bool recolour, const QColor& color)
{
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    if (recolour)
        WDrawAPI::ImageReplaceWhite(image, color);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void WButton::RebuildNormalImage()
{
    d->normalImage =
        d->image.isNull() ? QImage() : derivedImage(d->image, d->replaceImageColor, d->imageColor);
}

void WButton::RebuildHoverImage()
{
    d->hoverImage = d->image.isNull() || !d->replaceImageColor
                        ? QImage()
                        : derivedImage(d->image, true, d->imageColorHover);
}

void WButton::ClickedEvent()
{
    emit Clicked();
}

void WButton::Paint(QPainter* painter)
{
    const QRect r = rect();

    const QColor& back = pressed ? d->backColorPress : (hovered ? d->backColorHover : BackColor());
    d->layers.DrawBackColor(painter, r, Radius(), back, BorderWidth());

    const QImage& image = hovered && !d->hoverImage.isNull() ? d->hoverImage : d->normalImage;
    WDrawAPI::DrawImage(painter, r, image);

    d->layers.DrawBorder(painter, r, Radius(), hovered ? d->borderColorHover : BorderColor(),
                         Border(), BorderWidth());

    if (Text().isEmpty())
        return;
    painter->setPen(hovered ? d->foreColorHover : ForeColor());
    const QRect caption =
        ButtonCaptionRect(TextOffset().x(), TextOffset().y(), width() - 2, height() - 2);
    painter->drawText(caption, int(Alignment()), Text());
}
