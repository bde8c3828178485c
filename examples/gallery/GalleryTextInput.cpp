// Text: selectable labels and one line edit per text type, each with what it accepts.
#include "GallerySection.h"
#include "GalleryText.h"

#include "WLabel.h"
#include "WLineEdit.h"
#include "WPanel.h"
#include "WTest.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

void addGap(QWidget* parent, int height)
{
    auto* gap = new WTest(parent);
    gap->resize(10, height);
    gap->SetDock(DockType::Top);
}

WLabel* label(WPanel* body, const QString& text, int height, Qt::Alignment alignment)
{
    auto* l = new WLabel(body);
    l->resize(body->width(), height);
    l->SetText(text);
    l->SetAlignment(alignment);
    l->SetCanSelectText(true);
    l->SetDock(DockType::Top);
    return l;
}

// Presses at one character boundary and drags to another, as a user selecting would.
void dragSelect(WLabel* l, int from, int to)
{
    const QFontMetrics fm = l->fontMetrics();
    const auto at = [&](int i) {
        return QPointF(l->TextBounding().left() + fm.horizontalAdvance(l->Text().left(i)),
                       l->height() / 2);
    };
    QMouseEvent press(QEvent::MouseButtonPress, at(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(l, &press);
    QMouseEvent move(QEvent::MouseMove, at(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(l, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, at(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(l, &release);
}

void buildLabels(WPanel* body)
{
    auto* title = label(body, QStringLiteral("Order #20417 · shipped"), 26, Qt::AlignVCenter);
    QFont f = title->font();
    f.setPointSize(12);
    f.setBold(true);
    title->setFont(f);

    auto* tracking =
        label(body, QStringLiteral("Tracking: 1Z 999 AA1 01 2345 6784"), 24, Qt::AlignVCenter);
    addGap(body, 8);

    auto* boxed = SetVariant(
        label(body, QStringLiteral("Centred on a tinted card"), 40, Qt::AlignCenter), "stage");
    boxed->SetRadius(8);
    boxed->SetBorder(PositionFlag::All);
    boxed->SetBorderWidth(1);
    addGap(body, 8);

    SetVariant(label(body, QStringLiteral("Right-aligned total: 1,284.50 EUR"), 24,
                     Qt::AlignRight | Qt::AlignVCenter),
               "accent");
    auto* note =
        SetVariant(label(body, QStringLiteral("Not selectable: drags and copy do nothing here"), 24,
                         Qt::AlignVCenter),
                   "muted");
    note->SetCanSelectText(false);

    // Show a selection as a user's drag leaves it.
    GallerySection::AfterFirstLayout([tracking] { dragSelect(tracking, 10, 34); });
}

struct TypeSample
{
    TextType::Types type;
    const char* name;
    const char* accepts;
    const char* text;
};

void buildLineEdits(WPanel* body)
{
    static const TypeSample samples[] = {
        {TextType::Normal, "Normal", "any character", "Grüße aus Köln 😀"},
        {TextType::ASCII, "ASCII", "U+0000 to U+007F", "plain ascii, no accents"},
        {TextType::Number, "Number", "digits of any script, - and .", "-1284.50"},
        {TextType::Password, "Password", "masked, never copied", "hunter2"},
        {TextType::IPaddress, "IP address", "0-9 and .", "192.168.10.254"},
        {TextType::MACaddress, "MAC address", "hex digits and :", "00:1A:2b:3C:4d:5E"},
        {TextType::PhoneNumber, "Phone", "0-9, * and #", "*31#0612345678"},
    };
    WLineEdit* first = nullptr;
    for (const TypeSample& s : samples) {
        auto* row = new WPanel(body);
        row->SetBackColor(Qt::transparent);
        row->resize(body->width(), 30);
        row->SetDock(DockType::Top);

        auto* captions = new WPanel(row);
        captions->SetBackColor(Qt::transparent);
        captions->resize(150, 30);
        captions->SetDock(DockType::Left);
        auto* name = new GalleryText(QString::fromUtf8(s.name), captions, 9, true);
        name->resize(150, 15);
        name->SetDock(DockType::Top);
        auto* accepts =
            SetVariant(new GalleryText(QString::fromUtf8(s.accepts), captions, 7), "muted");
        accepts->resize(150, 14);
        accepts->SetDock(DockType::Top);

        auto* edit = new WLineEdit(row);
        edit->setAccessibleName(QString::fromUtf8(s.name));
        edit->resize(row->width() - 150, 30);
        edit->SetTextType(s.type);
        edit->SetText(QString::fromUtf8(s.text));
        edit->SetRadius(6);
        edit->SetBorder(PositionFlag::All);
        edit->SetBorderWidth(1);
        edit->SetDock(DockType::Fill);
        if (!first)
            first = edit;
        addGap(body, 7);
    }
    // The first field as a user leaves it after a double-click: focused, all selected.
    GallerySection::AfterFirstLayout([first] {
        QApplication::setActiveWindow(first->window());
        first->setFocus(Qt::MouseFocusReason);
        first->SelectAll();
    });
}

const GallerySection::Registrar labels({QStringLiteral("Text · labels"),
                                        QStringLiteral("Drag or double-click to select, then copy"),
                                        30,
                                        160,
                                        buildLabels,
                                        {QStringLiteral("WLabel")}});
const GallerySection::Registrar
    lineEdits({QStringLiteral("Text · line edits by type"),
               QStringLiteral("Typed, pasted and committed input is filtered"),
               31,
               7 * 37,
               buildLineEdits,
               {QStringLiteral("WLineEdit"), QStringLiteral("TextType")}});

} // namespace
