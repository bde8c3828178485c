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
    Q_INVOKABLE explicit WHourMinutePicker(QWidget* parent = nullptr);
    ~WHourMinutePicker() override;

    // Hours are clamped to 0..23 and minutes to 0..59. Start and end are independent: nothing
    // keeps the end after the start.
    int StartHour() const;
    void SetStartHour(int hour);
    int StartMinute() const;
    void SetStartMinute(int minute);
    int EndHour() const;
    void SetEndHour(int hour);
    int EndMinute() const;
    void SetEndMinute(int minute);

    const QColor& ButtonColor() const;
    void SetButtonColor(const QColor& color);
    const QColor& ButtonColorDisable() const;
    void SetButtonColorDisable(const QColor& color);

    const QColor& SelectedItemBackColor() const;
    void SetSelectedItemBackColor(const QColor& color);
    const QColor& SelectedItemForeColor() const;
    void SetSelectedItemForeColor(const QColor& color);

    // The number the arrows, wheel and keys change: 0 start hour, 1 start minute, 2 end hour,
    // 3 end minute; -1 for none.
    int SelectedItem() const;

    // The fixed layout, in widget coordinates.
    static QRect ItemRect(int item);
    static QRect UpButtonRect();
    static QRect DownButtonRect();

protected:
    bool event(QEvent* e) override;
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
