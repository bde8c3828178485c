#include "WCheckBox.h"

#include "WAnnounce_p.h"
#include "WBaseButton_p.h"
#include "WDrawAPI.h"
#include "WIconGlyph_p.h"
#include "WIconImage_p.h"

#include <QPainter>

namespace {
constexpr int boxSize = 16;
// The caption starts five pixels after the box.
constexpr int captionLeft = 21;

QString tickPath()
{
    return QStringLiteral("://Icons/CheckBox/CheckFlag.png");
}
} // namespace

struct WCheckBoxPrivate
{
    bool checked = false;
    bool uncheckWhenClicked = true;
    QColor checkFlagColor;
    QColor checkFlagColorDisabled;
    QColor checkRectColor;
    QColor checkRectColorHover;
    QColor checkRectColorDisabled;
    QColor checkRectBackColor;
    QColor checkRectBackColorDisabled;
    WIconGlyph checkFlagImage{tickPath()};         // null until CheckFlagColor is first set
    WIconGlyph checkFlagImageDisabled{tickPath()}; // null until CheckFlagColorDisabled is set
};

WCheckBox::WCheckBox(QWidget* parent) : WBaseButton(parent), d(std::make_unique<WCheckBoxPrivate>())
{
    SetAlignment(Qt::AlignVCenter);
}

WCheckBox::~WCheckBox() = default;

bool WCheckBox::IsDisabled() const
{
    return testAttribute(Qt::WA_Disabled);
}

void WCheckBox::SetColor(QColor& slot, const QColor& color, bool visible)
{
    if (slot == color)
        return;
    slot = color;
    if (visible)
        update();
}

bool WCheckBox::Checked() const
{
    return d->checked;
}

void WCheckBox::SetChecked(bool checked)
{
    if (d->checked == checked)
        return;
    d->checked = checked;
    update();
    WAnnounce::CheckedChanged(this);
    emit CheckedChanged(checked);
}

void WCheckBox::SetCheckedWithoutEvent(bool checked)
{
    if (d->checked == checked)
        return;
    d->checked = checked;
    update();
    WAnnounce::CheckedChanged(this);
}

bool WCheckBox::UncheckWhenClicked() const
{
    return d->uncheckWhenClicked;
}

// Only the next click reads it: nothing to repaint.
void WCheckBox::SetUncheckWhenClicked(bool uncheck)
{
    if (d->uncheckWhenClicked == uncheck)
        return;
    d->uncheckWhenClicked = uncheck;
}

const QColor& WCheckBox::CheckFlagColor() const
{
    return d->checkFlagColor;
}

void WCheckBox::SetCheckFlagColor(const QColor& color)
{
    if (d->checkFlagColor == color)
        return;
    d->checkFlagColor = color;
    d->checkFlagImage.Load(color, devicePixelRatioF());
    if (!IsDisabled() && d->checked)
        update();
}

const QColor& WCheckBox::CheckFlagColorDisabled() const
{
    return d->checkFlagColorDisabled;
}

void WCheckBox::SetCheckFlagColorDisabled(const QColor& color)
{
    if (d->checkFlagColorDisabled == color)
        return;
    d->checkFlagColorDisabled = color;
    d->checkFlagImageDisabled.Load(color, devicePixelRatioF());
    if (IsDisabled() && d->checked)
        update();
}

const QColor& WCheckBox::CheckRectColor() const
{
    return d->checkRectColor;
}

void WCheckBox::SetCheckRectColor(const QColor& color)
{
    SetColor(d->checkRectColor, color, !IsDisabled());
}

const QColor& WCheckBox::CheckRectColorHover() const
{
    return d->checkRectColorHover;
}

void WCheckBox::SetCheckRectColorHover(const QColor& color)
{
    SetColor(d->checkRectColorHover, color, !IsDisabled());
}

const QColor& WCheckBox::CheckRectColorDisabled() const
{
    return d->checkRectColorDisabled;
}

void WCheckBox::SetCheckRectColorDisabled(const QColor& color)
{
    SetColor(d->checkRectColorDisabled, color, IsDisabled());
}

const QColor& WCheckBox::CheckRectBackColor() const
{
    return d->checkRectBackColor;
}

void WCheckBox::SetCheckRectBackColor(const QColor& color)
{
    SetColor(d->checkRectBackColor, color, !IsDisabled());
}

const QColor& WCheckBox::CheckRectBackColorDisabled() const
{
    return d->checkRectBackColorDisabled;
}

void WCheckBox::SetCheckRectBackColorDisabled(const QColor& color)
{
    SetColor(d->checkRectBackColorDisabled, color, IsDisabled());
}

void WCheckBox::ClickedEvent()
{
    if (!d->checked)
        SetChecked(true);
    else if (d->uncheckWhenClicked)
        SetChecked(false);
}

void WCheckBox::Paint(QPainter* painter)
{
    const bool disabled = IsDisabled();
    const int top = (height() - boxSize) / 2;

    const QColor& back = disabled ? d->checkRectBackColorDisabled : d->checkRectBackColor;
    if (back.alpha() > 0)
        painter->fillRect(QRect(0, top, boxSize, boxSize), back);

    if (d->checked) {
        WIconGlyph& tick = disabled ? d->checkFlagImageDisabled : d->checkFlagImage;
        WDrawAPI::DrawImage(painter, 0, top, tick.At(WIconImage::Ratio(painter)));
    }

    const QColor& outline = disabled ? d->checkRectColorDisabled
                                     : (hovered ? d->checkRectColorHover : d->checkRectColor);
    if (outline.alpha() > 0) {
        // With Qt's one-pixel pen a 15 x 15 rectangle covers the same 16 x 16 pixels as the
        // background.
        painter->setPen(outline);
        const QRect frame(0, top, boxSize - 1, boxSize - 1);
        painter->drawRects(&frame, 1);
    }

    if (Text().isEmpty())
        return;
    painter->setPen(QPen(ForeColor()));
    const QRect caption = ButtonCaptionRect(qint64(TextOffset().x()) + captionLeft,
                                            TextOffset().y(), width() - 2, height() - 2);
    painter->drawText(caption, int(Alignment()), Text());
}
