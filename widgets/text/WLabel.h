#pragma once

#include "WBase.h"

#include <QRect>

struct WLabelPrivate;

// A read-only text on the library's background and border. With CanSelectText the user selects
// part of it with the mouse (press and drag, or double-click for all of it) and copies the
// selection with the platform's copy shortcut. The selection is measured on a single line.
class WEXAL_EXPORT WLabel : public WBase
{
    Q_OBJECT
    Q_PROPERTY(bool CanSelectText READ CanSelectText WRITE SetCanSelectText)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(Qt::Alignment alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(
        QColor SelectedTextBackColor READ SelectedTextBackColor WRITE SetSelectedTextBackColor)
    Q_PROPERTY(
        QColor SelectedTextForeColor READ SelectedTextForeColor WRITE SetSelectedTextForeColor)

public:
    Q_INVOKABLE explicit WLabel(QWidget* parent = nullptr);
    ~WLabel() override;

    bool CanSelectText() const;
    void SetCanSelectText(bool can);

    const QString& Text() const;
    void SetText(const QString& text);
    void AppendText(const QString& text);

    Qt::Alignment Alignment() const;
    void SetAlignment(Qt::Alignment alignment);

    const QColor& SelectedTextBackColor() const;
    void SetSelectedTextBackColor(const QColor& color);

    const QColor& SelectedTextForeColor() const;
    void SetSelectedTextForeColor(const QColor& color);

    const QString& SelectedText() const;
    // Where the whole text is drawn, and the highlight of the selection.
    const QRect& TextBounding() const;
    const QRect& SelectedTextBounding() const;

    void UpdateTextBounding();
    void UpdateSelectedTextBounding(int start);
    // The character index (0 .. length) nearest to x pixels from the text's left edge.
    int ComputeCaretLocation(int x);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;

private:
    const std::unique_ptr<WLabelPrivate> d;
};
