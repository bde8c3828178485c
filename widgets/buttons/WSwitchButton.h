#pragma once

#include "WBaseButton.h"

#include <QColor>

struct WSwitchButtonPrivate;

// A two-position toggle drawn as two labelled halves side by side. The half standing for the
// current position (left while off, right while on) is filled with CheckedBackColor and labelled
// in CheckedFontColor. Every click flips it, and every change is announced by CheckedChanged.
// The inherited caption is not drawn.
class WEXAL_EXPORT WSwitchButton : public WBaseButton
{
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(QColor CheckedBackColor READ CheckedBackColor WRITE SetCheckedBackColor)
    Q_PROPERTY(QColor CheckedFontColor READ CheckedFontColor WRITE SetCheckedFontColor)

public:
    Q_INVOKABLE explicit WSwitchButton(QWidget* parent = nullptr);
    ~WSwitchButton() override;

    // false: the left position, true: the right one.
    bool Checked() const;
    // Repaints, then emits CheckedChanged, whenever the position really changes.
    void SetChecked(bool checked);
    // The same change without the signal, for code that mirrors a state it already knows.
    void SetCheckedWithoutEvent(bool checked);

    const QString& LeftText() const;
    void SetLeftText(const QString& text);

    const QString& RightText() const;
    void SetRightText(const QString& text);

    const QColor& CheckedBackColor() const;
    void SetCheckedBackColor(const QColor& color);

    const QColor& CheckedFontColor() const;
    void SetCheckedFontColor(const QColor& color);

signals:
    void CheckedChanged(bool Checked);

protected:
    void Paint(QPainter* painter) override;
    void ClickedEvent() override;

private:
    const std::unique_ptr<WSwitchButtonPrivate> d;
};
