#pragma once

#include "WBaseButton.h"

#include <QColor>

struct WSwitchButtonPrivate;

/// A two-position toggle drawn as two labelled halves side by side. The half standing for the
/// current position (left while off, right while on) is filled with CheckedBackColor() and
/// labelled in CheckedFontColor(); the other half shows the BackColor() of the whole and is
/// labelled in ForeColor(). Every click flips it, and every change is announced by
/// CheckedChanged(). The inherited caption (Text()) is not drawn.
///
/// \image html WSwitchButton.png
///
/// \sa WCheckBox
class WEXAL_EXPORT WSwitchButton : public WBaseButton
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(QColor CheckedBackColor READ CheckedBackColor WRITE SetCheckedBackColor)
    Q_PROPERTY(QColor CheckedFontColor READ CheckedFontColor WRITE SetCheckedFontColor)

public:
    /// Makes a switch in the left position, with empty labels, a child of parent.
    Q_INVOKABLE explicit WSwitchButton(QWidget* parent = nullptr);
    ~WSwitchButton() override;

    /// The position: false for the left one (the default), true for the right one.
    bool Checked() const;
    /// Sets the position; see Checked(). Repaints, then emits CheckedChanged(), whenever the
    /// position really changes.
    void SetChecked(bool checked);
    /// The same change without the signal, for code that mirrors a state it already knows.
    void SetCheckedWithoutEvent(bool checked);

    /// The label of the left half, centred in it. Default empty.
    const QString& LeftText() const;
    /// Sets the left label; see LeftText().
    void SetLeftText(const QString& text);

    /// The label of the right half, centred in it. Default empty.
    const QString& RightText() const;
    /// Sets the right label; see RightText().
    void SetRightText(const QString& text);

    /// The fill of the half standing for the current position, rounded by Radius(). Default an
    /// invalid QColor.
    const QColor& CheckedBackColor() const;
    /// Sets the lit half's fill; see CheckedBackColor().
    void SetCheckedBackColor(const QColor& color);

    /// The label colour of the half standing for the current position. Default an invalid
    /// QColor.
    const QColor& CheckedFontColor() const;
    /// Sets the lit half's label colour; see CheckedFontColor().
    void SetCheckedFontColor(const QColor& color);

signals:
    /// Emitted after the position changed, by a click or by SetChecked() (not by
    /// SetCheckedWithoutEvent()); Checked is the new position (true: right).
    void CheckedChanged(bool Checked);

protected:
    /// Draws the background, the lit half, both labels and the border.
    void Paint(QPainter* painter) override;
    /// Flips the position.
    void ClickedEvent() override;

private:
    const std::unique_ptr<WSwitchButtonPrivate> d;
};
