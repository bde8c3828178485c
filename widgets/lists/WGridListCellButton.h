#pragma once

#include "wexal_export.h"

#include <QObject>
#include <QString>

#include <memory>

struct WGridListCellButtonPrivate;

// A button description for applications that put clickable cells into a grid list: a text
// and a signal carrying the cell. The grid itself never creates, connects or emits it; the
// application emits Clicked from its own RowClicked handler.
/// A button description for applications that put clickable cells into a grid list: a text and a
/// signal carrying the cell.
///
/// The grid itself never creates, connects or emits it; the application emits Clicked() from its
/// own WGridList::RowClicked() handler.
class WEXAL_EXPORT WGridListCellButton : public QObject
{
    Q_OBJECT

public:
    /// Constructs a button description without text, as a child of \a parent.
    explicit WGridListCellButton(QObject* parent = nullptr);
    /// Destroys the button description.
    ~WGridListCellButton() override;

    /// The button's text; empty by default.
    const QString& Text() const;
    /// Sets the button's text; see Text(). Stored as given, without a signal.
    void SetText(const QString& text);

signals:
    /// The signal the application emits for a click on the cell at \a Row and \a Column; the
    /// library never emits it.
    void Clicked(int Row, int Column);

private:
    const std::unique_ptr<WGridListCellButtonPrivate> d;
};
