#pragma once

#include "WBaseButton.h"

#include <QColor>
#include <QPixmap>

struct WButtonPrivate;

// The push button: a rounded background that follows the hover and press state, a centred
// image that can be recoloured, a border and a caption. Emits Clicked() on every click.
//
// Hover and press colours are used as they are whenever their state holds, also when unset:
// a button that should not change on hover gets the same colour for both.
class WEXAL_EXPORT WButton : public WBaseButton
{
    Q_OBJECT
    Q_PROPERTY(QColor BackColorHover READ BackColorHover WRITE SetBackColorHover)
    Q_PROPERTY(QColor BackColorPress READ BackColorPress WRITE SetBackColorPress)
    Q_PROPERTY(QColor ForeColorHover READ ForeColorHover WRITE SetForeColorHover)
    Q_PROPERTY(QColor BorderColorHover READ BorderColorHover WRITE SetBorderColorHover)
    Q_PROPERTY(QPixmap Image READ Image WRITE SetImage)
    Q_PROPERTY(bool ReplaceImageColor READ ReplaceImageColor WRITE SetReplaceImageColor)
    Q_PROPERTY(QColor ImageColor READ ImageColor WRITE SetImageColor)
    Q_PROPERTY(QColor ImageColorHover READ ImageColorHover WRITE SetImageColorHover)

public:
    Q_INVOKABLE explicit WButton(QWidget* parent = nullptr);
    ~WButton() override;

    const QColor& BackColorHover() const;
    void SetBackColorHover(const QColor& color);

    const QColor& BackColorPress() const;
    void SetBackColorPress(const QColor& color);

    const QColor& ForeColorHover() const;
    void SetForeColorHover(const QColor& color);

    const QColor& BorderColorHover() const;
    void SetBorderColorHover(const QColor& color);

    // Every call rebuilds the drawn images, even with the same pixmap: pixmaps are not
    // compared.
    const QPixmap& Image() const;
    void SetImage(const QPixmap& image);

    // When on, the white pixels of Image are drawn in ImageColor, and in ImageColorHover
    // while hovered; when off, Image is drawn in its own colours.
    bool ReplaceImageColor() const;
    void SetReplaceImageColor(bool replace);

    const QColor& ImageColor() const;
    void SetImageColor(const QColor& color);

    const QColor& ImageColorHover() const;
    void SetImageColorHover(const QColor& color);

signals:
    void Clicked();

protected:
    void Paint(QPainter* painter) override;
    void ClickedEvent() override;

private:
    void RebuildNormalImage();
    void RebuildHoverImage();

    const std::unique_ptr<WButtonPrivate> d;
};
