#include "WGridListCellButton.h"

struct WGridListCellButtonPrivate
{
    QString text;
};

WGridListCellButton::WGridListCellButton(QObject* parent)
    : QObject(parent), d(std::make_unique<WGridListCellButtonPrivate>())
{
}

WGridListCellButton::~WGridListCellButton() = default;

const QString& WGridListCellButton::Text() const
{
    return d->text;
}

void WGridListCellButton::SetText(const QString& text)
{
    d->text = text;
}
