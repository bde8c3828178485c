#pragma once

#include "WScrollContainer.h"

#include <QRect>
#include <QStringList>

class QKeyEvent;
struct WItemListPrivate;

// A scrolling list of text lines with at most one selected line. Only the lines in view are
// drawn, so painting costs the same for ten lines as for a million. There are no signals: the
// application reads SelectedIndex() when it needs it.
class WEXAL_EXPORT WItemList : public WScrollContainer
{
    Q_OBJECT
    Q_PROPERTY(bool CanSelectItem READ CanSelectItem WRITE SetCanSelectItem)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(
        QColor ItemBackColorSelected READ ItemBackColorSelected WRITE SetItemBackColorSelected)
    Q_PROPERTY(
        QColor ItemForeColorSelected READ ItemForeColorSelected WRITE SetItemForeColorSelected)
    Q_PROPERTY(QRect PaddingTBLR READ Padding WRITE SetPadding)

public:
    Q_INVOKABLE explicit WItemList(QWidget* parent = nullptr);
    ~WItemList() override;

    // Whether clicks change the selection; an existing selection stays either way.
    bool CanSelectItem() const;
    void SetCanSelectItem(bool can);

    // Heights of 0 or less are refused: the scroll offset is divided by it.
    int ItemHeight() const;
    void SetItemHeight(int height);

    const QStringList& Items() const;
    // Shares items' data (no copy until either side changes) and clears the selection.
    void SetItems(const QStringList& items);
    void AddItem(const QString& text);
    // Inserts before index (clamped to the ends). The selected index is not adjusted.
    void InsetItem(int index, const QString& text);

    // -1 for none; set values are clamped to -1 ... count - 1.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);

    const QColor& ItemBackColorSelected() const;
    void SetItemBackColorSelected(const QColor& color);
    const QColor& ItemForeColorSelected() const;
    void SetItemForeColorSelected(const QColor& color);

    // The lines' own padding, packed as x = top, y = bottom, width = left, height = right.
    const QRect& Padding() const;
    void SetPadding(const QRect& padding);

    // Sets the scrolled extent from the widest line, the line count and the padding, and
    // returns the view to the top left.
    void ComputeContentSize();

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;
    void ScrollContainerAreaChangedEvent() override;
    void HScrollBarValueChangedEvent(int value) override;
    void VScrollBarValueChangedEvent(int value) override;

private:
    void ApplyContentSize();
    // The keys of the keyboard switch; true when the key was used.
    bool HandleKey(QKeyEvent* e);
    void AnnounceSelection();

    const std::unique_ptr<WItemListPrivate> d;
};
