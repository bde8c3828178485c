#pragma once

#include "WBase.h"

#include <QColor>

class QKeyEvent;
struct WHourMinutePickerPrivate;

// A time range in a fixed 120 x 25 field: start and end, each as hour and minute, shown as
// "HH:MM-HH:MM" with an up/down arrow pair at the right. A click selects one of the four
// numbers; the arrows, the wheel and the digit keys then change it, wrapping around at the ends
// of its range (the digit keys clamp instead). The picker emits nothing: read the properties.
//
// The arrows are drawn once ButtonColor (and, for the disabled look, ButtonColorDisable) has
// been set: the glyphs are white and take their colour from there.
/// A time range picker: a start and an end time, each as an hour and a minute.
///
/// The picker is a fixed 120 x 25 pixel field showing "HH:MM-HH:MM" with a pair of up and down
/// arrows at its right. A click selects one of the four numbers, drawn in
/// SelectedItemForeColor() on SelectedItemBackColor(); the arrows and the mouse wheel then step
/// it, wrapping around at the ends of its range, and digit keys type it (clamped to the range
/// instead). With the keyboard switch on (WBase::SetKeyboardAccess()), Left and Right move the
/// selection between the numbers and Up and Down step the selected one. Losing the focus drops
/// the selection.
///
/// The numbers and separators are drawn in ForeColor on BackColor, inside the inherited border.
/// The arrows appear once ButtonColor() (and, for the disabled look, ButtonColorDisable()) is
/// set. The picker emits no signals: read its properties when needed.
///
/// \image html WHourMinutePicker.png
class WEXAL_EXPORT WHourMinutePicker : public WBase
{
    Q_OBJECT
    Q_PROPERTY(int StartHour READ StartHour WRITE SetStartHour)
    Q_PROPERTY(int StartMinute READ StartMinute WRITE SetStartMinute)
    Q_PROPERTY(int EndHour READ EndHour WRITE SetEndHour)
    Q_PROPERTY(int EndMinute READ EndMinute WRITE SetEndMinute)
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE SetButtonColor)
    Q_PROPERTY(QColor ButtonColorDisable READ ButtonColorDisable WRITE SetButtonColorDisable)
    Q_PROPERTY(
        QColor SelectedItemBackColor READ SelectedItemBackColor WRITE SetSelectedItemBackColor)
    Q_PROPERTY(
        QColor SelectedItemForeColor READ SelectedItemForeColor WRITE SetSelectedItemForeColor)

public:
    /// Constructs a picker showing 00:00-00:00 with no number selected, as a child of \a parent.
    /// Its minimum and maximum sizes are both 120 x 25 pixels.
    Q_INVOKABLE explicit WHourMinutePicker(QWidget* parent = nullptr);
    /// Destroys the picker.
    ~WHourMinutePicker() override;

    // Hours are clamped to 0..23 and minutes to 0..59. Start and end are independent: nothing
    // keeps the end after the start.
    /// The start time's hour, from 0 to 23; 0 by default.
    int StartHour() const;
    /// Sets the start time's hour; see StartHour(). The value is clamped to 0 ... 23; an equal
    /// value does nothing. The end time is not adjusted.
    void SetStartHour(int hour);
    /// The start time's minute, from 0 to 59; 0 by default.
    int StartMinute() const;
    /// Sets the start time's minute; see StartMinute(). The value is clamped to 0 ... 59; an equal
    /// value does nothing.
    void SetStartMinute(int minute);
    /// The end time's hour, from 0 to 23; 0 by default. Nothing keeps the end after the start.
    int EndHour() const;
    /// Sets the end time's hour; see EndHour(). The value is clamped to 0 ... 23; an equal value
    /// does nothing. The start time is not adjusted.
    void SetEndHour(int hour);
    /// The end time's minute, from 0 to 59; 0 by default.
    int EndMinute() const;
    /// Sets the end time's minute; see EndMinute(). The value is clamped to 0 ... 59; an equal
    /// value does nothing.
    void SetEndMinute(int minute);

    /// The colour of the up and down arrows; an invalid QColor until set, and no arrows are drawn
    /// until it is.
    const QColor& ButtonColor() const;
    /// Sets the arrows' colour; see ButtonColor(). An equal colour does nothing.
    void SetButtonColor(const QColor& color);
    /// The colour of the arrows while the picker is disabled; an invalid QColor until set, and a
    /// disabled picker draws no arrows until it is.
    const QColor& ButtonColorDisable() const;
    /// Sets the disabled arrows' colour; see ButtonColorDisable(). An equal colour does nothing.
    void SetButtonColorDisable(const QColor& color);

    /// The background of the selected number; an invalid QColor until set.
    const QColor& SelectedItemBackColor() const;
    /// Sets the selected number's background; see SelectedItemBackColor(). An equal colour does
    /// nothing.
    void SetSelectedItemBackColor(const QColor& color);
    /// The colour of the selected number's digits; an invalid QColor until set.
    const QColor& SelectedItemForeColor() const;
    /// Sets the colour of the selected number's digits; see SelectedItemForeColor(). An equal
    /// colour does nothing.
    void SetSelectedItemForeColor(const QColor& color);

    // The number the arrows, wheel and keys change: 0 start hour, 1 start minute, 2 end hour,
    // 3 end minute; -1 for none.
    /// The number that the arrows, the wheel and the keys change: 0 the start hour, 1 the start
    /// minute, 2 the end hour, 3 the end minute, or -1 when none is selected (the default, and
    /// after the picker loses the focus).
    int SelectedItem() const;

    // The fixed layout, in widget coordinates.
    /// Where number \a item (0 to 3, as in SelectedItem()) is drawn, in widget coordinates; an
    /// empty rectangle for any other value.
    static QRect ItemRect(int item);
    /// Where the up arrow is drawn, in widget coordinates.
    static QRect UpButtonRect();
    /// Where the down arrow is drawn, in widget coordinates.
    static QRect DownButtonRect();

protected:
    /// Handles the clicks, keys and wheel steps that select and change the numbers, and drops the
    /// selection when the focus leaves.
    bool event(QEvent* e) override;
    /// Draws the background, the border, the four numbers with their separators, and the arrows.
    void Paint(QPainter* painter) override;

private:
    // Moves the selected number by step, wrapping around its range.
    void StepSelected(int step);
    // Stores a number clamped to its range; repaints on a change.
    void StoreItem(int index, int value);
    // The keys of the keyboard switch; true when the key was used.
    bool HandleKey(QKeyEvent* e);
    // Makes the number the selected one, as a click on it does.
    void SelectItem(int item);

    const std::unique_ptr<WHourMinutePickerPrivate> d;
};
