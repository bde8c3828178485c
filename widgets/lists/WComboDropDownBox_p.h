#pragma once

#include "WScrollContainer.h"

#include <QStringList>

class QKeyEvent;
class WComboBox;
class WComboBoxScrollArea;
struct WComboDropDownBoxPrivate;

// The drop-down list of a WComboBox: a frameless, translucent popup window with a soft shadow
// on its right and bottom edges, scroll bars and a viewport that clips the lines. The combo box
// creates one in its constructor and shows it only while its list is open.
class WEXAL_AUTOTEST_EXPORT WComboDropDownBox : public WScrollContainer
{
    Q_OBJECT

public:
    explicit WComboDropDownBox(WComboBox* owner);
    ~WComboDropDownBox() override;

    WComboBox* Owner() const;
    QWidget* Viewport() const;
    WComboBoxScrollArea* Content() const;

    void SetItems(const QStringList& items);
    void AddItem(const QString& text);
    void InsetItem(int index, const QString& text);
    void RemoveItem(int index);
    // No new measuring: the next change of the lines takes the new text into account.
    void SetItem(int index, const QString& text);

    // Sizes the lines to the widest of them (measured in this window's font) and their count,
    // and scrolls back to the top left.
    void UpdateContentSize();

    // Shows the list at its current position, sized after the owner, and blocks in a local
    // event loop until a line is pressed or the list is hidden. Returns the pressed line or
    // -1. Returns -1 at once while the list is already open. The owner may be deleted while
    // this runs; then -1 comes back and nothing of the box is touched.
    int ExecPopup();

    // Scrolls the line into view.
    void ShowLine(int index);

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;
    void ScrollContainerAreaChangedEvent() override;
    void HScrollBarValueChangedEvent(int value) override;
    void VScrollBarValueChangedEvent(int value) override;

private:
    // The keys of the keyboard switch; true when the key was used.
    bool HandleKey(QKeyEvent* e);

    const std::unique_ptr<WComboDropDownBoxPrivate> d;
};
