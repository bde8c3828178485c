#pragma once

#include "WBaseButton.h"

#include <QColor>
#include <QPixmap>

struct WButtonPrivate;

/// The push button: a rounded background that follows the hover and press state, a centred
/// image that can be recoloured, a border and a caption. Emits Clicked() on every click.
///
/// Styled by properties per state: BackColor(), BackColorHover() and BackColorPress() for the
/// background; ForeColor() and ForeColorHover() for the caption; BorderColor() and
/// BorderColorHover() for the border; ImageColor() and ImageColorHover() for a recoloured
/// image; and WBase::Radius(), WBase::Border() and WBase::BorderWidth() for the shape.
///
/// Hover and press colours are used as they are whenever their state holds, also when unset:
/// a button that should not change on hover gets the same colour for both.
///
/// \image html WButton.png
///
/// \sa WCheckBox, WSwitchButton
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
    /// Makes a button without caption or image, a child of parent.
    Q_INVOKABLE explicit WButton(QWidget* parent = nullptr);
    ~WButton() override;

    /// The background colour while the pointer is over the button (and it is not pressed).
    /// Default an invalid QColor.
    const QColor& BackColorHover() const;
    /// Sets the hover background colour; see BackColorHover().
    void SetBackColorHover(const QColor& color);

    /// The background colour while the left button is held down on the button, hovered or
    /// not. Default an invalid QColor.
    const QColor& BackColorPress() const;
    /// Sets the pressed background colour; see BackColorPress().
    void SetBackColorPress(const QColor& color);

    /// The caption colour while the pointer is over the button. Default an invalid QColor.
    const QColor& ForeColorHover() const;
    /// Sets the hover caption colour; see ForeColorHover().
    void SetForeColorHover(const QColor& color);

    /// The border colour while the pointer is over the button. Default an invalid QColor.
    const QColor& BorderColorHover() const;
    /// Sets the hover border colour; see BorderColorHover().
    void SetBorderColorHover(const QColor& color);

    /// The image drawn centred in the button, under the border and the caption, at its size
    /// over its device pixel ratio. Default a null pixmap (no image).
    const QPixmap& Image() const;
    /// Sets the image; see Image(). Every call rebuilds the drawn images, even with the same
    /// pixmap: pixmaps are not compared.
    void SetImage(const QPixmap& image);

    /// When on, the white pixels of Image() are drawn in ImageColor(), and in ImageColorHover()
    /// while hovered; when off, Image() is drawn in its own colours. Default false. Meant for
    /// white glyphs on a transparent ground.
    bool ReplaceImageColor() const;
    /// Sets whether the image is recoloured; see ReplaceImageColor().
    void SetReplaceImageColor(bool replace);

    /// The colour the white pixels of Image() take while ReplaceImageColor() is on. Default an
    /// invalid QColor, which leaves them white.
    const QColor& ImageColor() const;
    /// Sets the image's colour; see ImageColor().
    void SetImageColor(const QColor& color);

    /// The colour the white pixels of Image() take while hovered and ReplaceImageColor() is on.
    /// Default an invalid QColor, which leaves them white.
    const QColor& ImageColorHover() const;
    /// Sets the image's hover colour; see ImageColorHover().
    void SetImageColorHover(const QColor& color);

signals:
    /// Emitted on every click: a left-button press and release over the enabled button, Space
    /// or Enter while it has the focus and the keyboard switch is on, or a screen reader's
    /// press.
    void Clicked();

protected:
    /// Draws the background, the image, the border and the caption in the current state.
    void Paint(QPainter* painter) override;
    /// Emits Clicked().
    void ClickedEvent() override;

private:
    void RebuildNormalImage();
    void RebuildHoverImage();

    const std::unique_ptr<WButtonPrivate> d;
};
