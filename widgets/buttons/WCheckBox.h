#pragma once

#include "WBaseButton.h"

#include <QColor>

struct WCheckBoxPrivate;

// A 16 x 16 box at the left edge, vertically centred, with the caption to its right. A click
// checks an unchecked box; whether it unchecks a checked one is UncheckWhenClicked's call.
// Every change of state, by a click or by the application, is announced by CheckedChanged.
//
// The tick is drawn only once CheckFlagColor (or CheckFlagColorDisabled, for the disabled look)
// has been set: the glyph is white and takes its colour from there.
class WEXAL_EXPORT WCheckBox : public WBaseButton
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool UncheckWhenClicked READ UncheckWhenClicked WRITE SetUncheckWhenClicked)
    Q_PROPERTY(QColor CheckFlagColor READ CheckFlagColor WRITE SetCheckFlagColor)
    Q_PROPERTY(
        QColor CheckFlagColorDisabled READ CheckFlagColorDisabled WRITE SetCheckFlagColorDisabled)
    Q_PROPERTY(QColor CheckRectColor READ CheckRectColor WRITE SetCheckRectColor)
    Q_PROPERTY(QColor CheckRectColorHover READ CheckRectColorHover WRITE SetCheckRectColorHover)
    Q_PROPERTY(
        QColor CheckRectColorDisabled READ CheckRectColorDisabled WRITE SetCheckRectColorDisabled)
    Q_PROPERTY(QColor CheckRectBackColor READ CheckRectBackColor WRITE SetCheckRectBackColor)
    Q_PROPERTY(QColor CheckRectBackColorDisabled READ CheckRectBackColorDisabled WRITE
                   SetCheckRectBackColorDisabled)

public:
    Q_INVOKABLE explicit WCheckBox(QWidget* parent = nullptr);
    ~WCheckBox() override;

    bool Checked() const;
    // Repaints, then emits CheckedChanged, whenever the state really changes.
    void SetChecked(bool checked);
    // The same change without the signal, for code that mirrors a state it already knows.
    void SetCheckedWithoutEvent(bool checked);

    bool UncheckWhenClicked() const;
    void SetUncheckWhenClicked(bool uncheck);

    const QColor& CheckFlagColor() const;
    void SetCheckFlagColor(const QColor& color);

    const QColor& CheckFlagColorDisabled() const;
    void SetCheckFlagColorDisabled(const QColor& color);

    const QColor& CheckRectColor() const;
    void SetCheckRectColor(const QColor& color);

    const QColor& CheckRectColorHover() const;
    void SetCheckRectColorHover(const QColor& color);

    const QColor& CheckRectColorDisabled() const;
    void SetCheckRectColorDisabled(const QColor& color);

    const QColor& CheckRectBackColor() const;
    void SetCheckRectBackColor(const QColor& color);

    const QColor& CheckRectBackColorDisabled() const;
    void SetCheckRectBackColorDisabled(const QColor& color);

signals:
    void CheckedChanged(bool Checked);

protected:
    void Paint(QPainter* painter) override;
    void ClickedEvent() override;

private:
    bool IsDisabled() const;
    // Stores color in slot; repaints only when the colour can be seen in the current enabled
    // state.
    void SetColor(QColor& slot, const QColor& color, bool visible);

    const std::unique_ptr<WCheckBoxPrivate> d;
};
