#pragma once

#include "wexal_export.h"

#include <QObject>
#include <QString>

#include <memory>

struct WGridListCellButtonPrivate;

// A button description for applications that put clickable cells into a grid list: a text
// and a signal carrying the cell. The grid itself never creates, connects or emits it; the
// application emits Clicked from its own RowClicked handler.
class WEXAL_EXPORT WGridListCellButton : public QObject
{
    Q_OBJECT

public:
    explicit WGridListCellButton(QObject* parent = nullptr);
    ~WGridListCellButton() override;

    const QString& Text() const;
    void SetText(const QString& text);

signals:
    void Clicked(int Row, int Column);

private:
    const std::unique_ptr<WGridListCellButtonPrivate> d;
};
