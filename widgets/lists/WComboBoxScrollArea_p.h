#pragma once

#include "WBase.h"

#include <QStringList>

class QEventLoop;
class WPopupWindow;
struct WComboBoxScrollAreaPrivate;

// The lines of a combo box's drop-down list: the widget inside the drop-down box's viewport
// that the scroll bars move. It holds the lines, paints those in view, tracks the hovered
// line and ends the drop-down's event loop when a line is pressed.
class WEXAL_AUTOTEST_EXPORT WComboBoxScrollArea : public WBase
{
public:
    explicit WComboBoxScrollArea(QWidget* parent);
    ~WComboBoxScrollArea() override;

    int ItemHeight() const;
    // Returns false, changing nothing, for heights of 0 or less.
    bool SetItemHeight(int height);

    Qt::Alignment Align() const;
    void SetAlign(Qt::Alignment align);

    const QStringList& Items() const;
    void SetItems(const QStringList& items);
    void InsetItem(int index, const QString& text);
    // Returns false when index names no line.
    bool RemoveItem(int index);
    bool SetItem(int index, const QString& text);

    const QColor& ItemBackColorHover() const;
    void SetItemBackColorHover(const QColor& color);
    const QColor& ItemForeColorHover() const;
    void SetItemForeColorHover(const QColor& color);

    // The widest line in font, kept between calls while the lines stay the same.
    int WidestLine(const QFont& font);

    int HoverIndex() const;
    // Lights the line as the pointer would (the arrow keys do this); -1 for none, and values
    // past the lines are taken as none.
    void SetHoverIndex(int index);
    // -1 unless a line was pressed since the drop-down opened.
    int ChosenIndex() const;
    void SetChosenIndex(int index);

    // The event loop of the open drop-down, or null.
    QEventLoop* Loop() const;
    // The drop-down's popup, whose wait a press on a line ends; not owned. Null detaches.
    void SetPopup(WPopupWindow* popup);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;

private:
    void HoverAt(const QPoint& pos);

    const std::unique_ptr<WComboBoxScrollAreaPrivate> d;
};
