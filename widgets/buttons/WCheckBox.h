#pragma once

#include "WBaseButton.h"

#include <QColor>

struct WCheckBoxPrivate;

/// A check box: a 16 x 16 box at the left edge, vertically centred, with the caption to its
/// right. A click checks an unchecked box; whether it unchecks a checked one is
/// UncheckWhenClicked()'s call. Every change of state, by a click or by the application, is
/// announced by CheckedChanged().
///
/// Styled by properties: CheckRectBackColor() fills the box, CheckRectColor() and
/// CheckRectColorHover() outline it, CheckFlagColor() colours the tick, and each has a disabled
/// counterpart used while the widget is disabled. The caption is drawn in ForeColor(), 21 pixels
/// right of TextOffset() and vertically centred by default.
///
/// The tick is drawn only once CheckFlagColor (or CheckFlagColorDisabled, for the disabled look)
/// has been set: the glyph is white and takes its colour from there.
///
/// \image html WCheckBox.png
///
/// \sa WSwitchButton
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
    /// Makes an unchecked box without caption, a child of parent.
    Q_INVOKABLE explicit WCheckBox(QWidget* parent = nullptr);
    ~WCheckBox() override;

    /// Whether the box is checked. Default false.
    bool Checked() const;
    /// Sets the state; see Checked(). Repaints, then emits CheckedChanged(), whenever the state
    /// really changes.
    void SetChecked(bool checked);
    /// The same change without the signal, for code that mirrors a state it already knows.
    void SetCheckedWithoutEvent(bool checked);

    /// Whether a click on a checked box unchecks it. Default true; when false, the box can only
    /// be unchecked from code (as one of a group of which one stays checked).
    bool UncheckWhenClicked() const;
    /// Sets whether a click unchecks a checked box; see UncheckWhenClicked().
    void SetUncheckWhenClicked(bool uncheck);

    /// The colour of the tick while enabled. Default an invalid QColor: no tick is drawn until
    /// it is first set.
    const QColor& CheckFlagColor() const;
    /// Sets the tick colour; see CheckFlagColor().
    void SetCheckFlagColor(const QColor& color);

    /// The colour of the tick while disabled. Default an invalid QColor: no tick is drawn on a
    /// disabled box until it is first set.
    const QColor& CheckFlagColorDisabled() const;
    /// Sets the disabled tick colour; see CheckFlagColorDisabled().
    void SetCheckFlagColorDisabled(const QColor& color);

    /// The colour of the box's one-pixel outline while enabled and not hovered. Default an
    /// invalid QColor; zero alpha draws no outline.
    const QColor& CheckRectColor() const;
    /// Sets the outline colour; see CheckRectColor().
    void SetCheckRectColor(const QColor& color);

    /// The colour of the box's outline while the pointer is over the widget. Default an invalid
    /// QColor.
    const QColor& CheckRectColorHover() const;
    /// Sets the hover outline colour; see CheckRectColorHover().
    void SetCheckRectColorHover(const QColor& color);

    /// The colour of the box's outline while disabled. Default an invalid QColor.
    const QColor& CheckRectColorDisabled() const;
    /// Sets the disabled outline colour; see CheckRectColorDisabled().
    void SetCheckRectColorDisabled(const QColor& color);

    /// The fill colour of the box while enabled. Default an invalid QColor; zero alpha leaves
    /// the box unfilled.
    const QColor& CheckRectBackColor() const;
    /// Sets the box fill colour; see CheckRectBackColor().
    void SetCheckRectBackColor(const QColor& color);

    /// The fill colour of the box while disabled. Default an invalid QColor.
    const QColor& CheckRectBackColorDisabled() const;
    /// Sets the disabled box fill colour; see CheckRectBackColorDisabled().
    void SetCheckRectBackColorDisabled(const QColor& color);

signals:
    /// Emitted after the state changed, by a click or by SetChecked() (not by
    /// SetCheckedWithoutEvent()); Checked is the new state.
    void CheckedChanged(bool Checked);

protected:
    /// Draws the box, the tick when checked, the outline and the caption.
    void Paint(QPainter* painter) override;
    /// Checks an unchecked box, and unchecks a checked one if UncheckWhenClicked().
    void ClickedEvent() override;

private:
    bool IsDisabled() const;
    // Stores color in slot; repaints only when the colour can be seen in the current enabled
    // state.
    void SetColor(QColor& slot, const QColor& color, bool visible);

    const std::unique_ptr<WCheckBoxPrivate> d;
};
