#pragma once

#include "WScrollContainer.h"

#include <QRect>
#include <QStringList>

class QKeyEvent;
struct WItemListPrivate;

// A scrolling list of text lines with at most one selected line. Only the lines in view are
// drawn, so painting costs the same for ten lines as for a million. There are no signals: the
// application reads SelectedIndex() when it needs it.
/// A scrolling list of text lines with at most one selected line.
///
/// Each line is ItemHeight() pixels high and drawn in ForeColor, inside the padding of Padding();
/// the selected line is drawn in ItemForeColorSelected() on ItemBackColorSelected(). The list is
/// drawn on the inherited BackColor inside its border, with slim scroll bars (see WScrollContainer)
/// that show while the lines exceed the view. Only the lines in view are drawn, so painting costs
/// the same for ten lines as for a million.
///
/// With CanSelectItem(), a click selects the line under the pointer; a click on the selected
/// line, or below the last line, clears the selection. With the keyboard switch on
/// (WBase::SetKeyboardAccess()), Up, Down, Page Up, Page Down, Home and End move the selection and
/// scroll it into view. The list has no signals: read SelectedIndex() when it is needed.
///
/// \image html WItemList.png
/// \sa WComboBox
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
    /// Constructs an empty list, with horizontal and vertical scroll bars, as a child of \a parent.
    Q_INVOKABLE explicit WItemList(QWidget* parent = nullptr);
    /// Destroys the list.
    ~WItemList() override;

    // Whether clicks change the selection; an existing selection stays either way.
    /// Whether clicks change the selection; true by default. Without it the navigation keys scroll
    /// the lines instead of moving the selection; an existing selection stays either way.
    bool CanSelectItem() const;
    /// Sets whether clicks select lines; see CanSelectItem(). Takes effect at the next click or
    /// key.
    void SetCanSelectItem(bool can);

    // Heights of 0 or less are refused: the scroll offset is divided by it.
    /// The height of each line, in pixels; 20 by default.
    int ItemHeight() const;
    /// Sets the height of the lines; see ItemHeight(). Heights of 0 or less, and an equal height,
    /// are ignored; a change recomputes the scrolled extent and returns the view to the top left.
    void SetItemHeight(int height);

    /// The lines; empty by default.
    const QStringList& Items() const;
    // Shares items' data (no copy until either side changes) and clears the selection.
    /// Replaces the lines; see Items(). The list is shared, not copied, until either side changes
    /// it. Clears the selection and returns the view to the top left.
    void SetItems(const QStringList& items);
    /// Appends a line, as InsetItem() at the end does.
    void AddItem(const QString& text);
    // Inserts before index (clamped to the ends). The selected index is not adjusted.
    /// Inserts a line before \a index, which is clamped to the ends of the list, and returns the
    /// view to the top left. The selected index is not adjusted: it may name another line
    /// afterwards.
    void InsetItem(int index, const QString& text);

    // -1 for none; set values are clamped to -1 ... count - 1.
    /// The index of the selected line, or -1 when none is selected (the default).
    int SelectedIndex() const;
    /// Selects the line at \a index; see SelectedIndex(). The value is clamped to -1 ... count - 1
    /// (always -1 in an empty list). An equal index does nothing; a change repaints. The view does
    /// not scroll to the line.
    void SetSelectedIndex(int index);

    /// The background of the selected line; an invalid QColor until set.
    const QColor& ItemBackColorSelected() const;
    /// Sets the background of the selected line; see ItemBackColorSelected(). An equal colour does
    /// nothing.
    void SetItemBackColorSelected(const QColor& color);
    /// The text colour of the selected line; an invalid QColor until set.
    const QColor& ItemForeColorSelected() const;
    /// Sets the text colour of the selected line; see ItemForeColorSelected(). An equal colour does
    /// nothing.
    void SetItemForeColorSelected(const QColor& color);

    // The lines' own padding, packed as x = top, y = bottom, width = left, height = right.
    /// The space around the lines, in pixels, packed in a rectangle: x is the top padding, y the
    /// bottom one, width the left one and height the right one. All 0 by default. Right to left,
    /// the left and right paddings change sides.
    const QRect& Padding() const;
    /// Sets the space around the lines; see Padding(). An equal value does nothing; a change
    /// recomputes the scrolled extent and returns the view to the top left.
    void SetPadding(const QRect& padding);

    // Sets the scrolled extent from the widest line, the line count and the padding, and
    // returns the view to the top left.
    /// Sets the scrolled extent from the widest line, the number of lines, ItemHeight() and
    /// Padding(), returns the view to the top left and repaints. The setters above call it
    /// themselves.
    void ComputeContentSize();

protected:
    /// Selects lines on a click and handles the keys of the keyboard switch. After a font change
    /// the next ComputeContentSize() measures the lines again.
    bool event(QEvent* e) override;
    /// Draws the background, the border and the lines in view.
    void Paint(QPainter* painter) override;
    /// Does nothing: the lines are placed at paint time.
    void ScrollContainerAreaChangedEvent() override;
    /// Scrolls the lines sideways to \a value pixels and repaints.
    void HScrollBarValueChangedEvent(int value) override;
    /// Scrolls the lines down to \a value pixels and repaints.
    void VScrollBarValueChangedEvent(int value) override;

private:
    void ApplyContentSize();
    // The keys of the keyboard switch; true when the key was used.
    bool HandleKey(QKeyEvent* e);
    void AnnounceSelection();

    const std::unique_ptr<WItemListPrivate> d;
};
