#include "WSwitchButton.h"

#include "WAnnounce_p.h"
#include "WRoundedLayerCache_p.h"

#include <QPainter>

struct WSwitchButtonPrivate
{
    bool checked = false;
    QString leftText;
    QString rightText;
    QColor checkedBackColor;
    QColor checkedFontColor;
    WRoundedLayerCache layers;
};

WSwitchButton::WSwitchButton(QWidget* parent)
    : WBaseButton(parent), d(std::make_unique<WSwitchButtonPrivate>())
{
}

WSwitchButton::~WSwitchButton() = default;

bool WSwitchButton::Checked() const
{
    return d->checked;
}

void WSwitchButton::SetChecked(bool checked)
{
    if (d->checked == checked)
        return;
    d->checked = checked;
    update();
    WAnnounce::CheckedChanged(this);
    emit CheckedChanged(checked);
}

void WSwitchButton::SetCheckedWithoutEvent(bool checked)
{
    if (d->checked == checked)
        return;
    d->checked = checked;
    update();
    WAnnounce::CheckedChanged(this);
}

const QString& WSwitchButton::LeftText() const
{
    return d->leftText;
}

void WSwitchButton::SetLeftText(const QString& text)
{
    if (d->leftText == text)
        return;
    d->leftText = text;
    update();
}

const QString& WSwitchButton::RightText() const
{
    return d->rightText;
}

void WSwitchButton::SetRightText(const QString& text)
{
    if (d->rightText == text)
        return;
    d->rightText = text;
    update();
}

const QColor& WSwitchButton::CheckedBackColor() const
{
    return d->checkedBackColor;
}

void WSwitchButton::SetCheckedBackColor(const QColor& color)
{
    if (d->checkedBackColor == color)
        return;
    d->checkedBackColor = color;
    update();
}

const QColor& WSwitchButton::CheckedFontColor() const
{
    return d->checkedFontColor;
}

void WSwitchButton::SetCheckedFontColor(const QColor& color)
{
    if (d->checkedFontColor == color)
        return;
    d->checkedFontColor = color;
    update();
}

void WSwitchButton::ClickedEvent()
{
    SetChecked(!d->checked);
}

void WSwitchButton::Paint(QPainter* painter)
{
    const QRect r = rect();
    // For an odd width the last column belongs to neither half.
    const int half = width() / 2;
    const QRect left(0, 0, half, height());
    const QRect right(half, 0, half, height());
    const QRect& lit = d->checked ? right : left;

    d->layers.DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());

    // The highlight is a rounded rectangle of its own, cut to its half.
    painter->save();
    painter->setClipRect(lit, Qt::IntersectClip);
    d->layers.DrawBackColor(painter, lit, Radius(), d->checkedBackColor, BorderWidth());
    painter->restore();

    painter->setClipRect(r, Qt::IntersectClip);
    painter->setPen(QPen(d->checked ? ForeColor() : d->checkedFontColor));
    painter->drawText(left, Qt::AlignCenter, d->leftText);
    painter->setPen(QPen(d->checked ? d->checkedFontColor : ForeColor()));
    painter->drawText(right, Qt::AlignCenter, d->rightText);

    d->layers.DrawBorder(painter, r, Radius(), BorderColor(), Border(), BorderWidth());
}
