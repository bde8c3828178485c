// The window frame: a modal child form run with exec over the gallery, and the nine-patch image
// that stretches the window's shadow to any size.
#include "GallerySection.h"
#include "GalleryText.h"

#include "SudokuPatch.h"
#include "WButton.h"
#include "WForm.h"
#include "WPanel.h"
#include "WTest.h"

#include <QPainter>
#include <QPointer>

#include <memory>

namespace {

using namespace GalleryTheme;

WButton* actionButton(QWidget* parent, const QString& text, const QColor& back, const QColor& hover,
                      const QColor& press, const QColor& ink)
{
    auto* b = new WButton(parent);
    b->SetText(text);
    b->SetRadius(8);
    b->SetBackColor(back);
    b->SetBackColorHover(hover);
    b->SetBackColorPress(press);
    b->SetForeColor(ink);
    b->SetForeColorHover(ink);
    return b;
}

WForm* formOf(QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (auto* f = qobject_cast<WForm*>(w))
            return f;
    }
    return nullptr;
}

// A small dialog: a question, OK (1) and Cancel (2); closing it returns 0.
int askOverGallery(WForm* gallery)
{
    WForm dialog(gallery);
    dialog.SetTitle(QStringLiteral("Apply the changes?"));
    dialog.SetTitleBackColor(dark);
    dialog.SetForeColor(Qt::white);
    dialog.SetSysButtonColor(QColor(0xCB, 0xD5, 0xE1));
    dialog.SetSysButtonColorHover(Qt::white);
    dialog.SetBackColor(card);
    dialog.SetBorder(PositionFlag::All);
    dialog.SetBorderWidth(1);
    dialog.SetBorderColor(cardBorder);
    dialog.SetShowMinimizeButton(false);
    dialog.SetShowMaximizeButton(false);
    dialog.SetCanResize(false);
    dialog.resize(QSize(360, 170));

    // The form's padding would narrow its title bar too: the content gets a panel of its own.
    auto* content = new WPanel(&dialog);
    content->SetBackColor(Qt::transparent);
    content->SetPadding(WPadding{12, 14, 16, 16});
    content->resize(358, 139);
    content->SetDock(DockType::Fill);

    auto* text =
        new GalleryText(QStringLiteral("Run with exec(), centred on the gallery."), content, 9);
    text->SetForeColor(ink);
    text->resize(326, 60);
    text->SetDock(DockType::Top);

    auto* buttons = new WPanel(content);
    buttons->SetBackColor(Qt::transparent);
    buttons->resize(326, 34);
    buttons->SetDock(DockType::Bottom);
    auto* ok =
        actionButton(buttons, QStringLiteral("OK"), accent, accentHover, accentPress, Qt::white);
    ok->resize(96, 34);
    ok->SetDock(DockType::Right);
    auto* spacer = new WTest(buttons);
    spacer->resize(10, 10);
    spacer->SetDock(DockType::Right);
    auto* cancel = actionButton(buttons, QStringLiteral("Cancel"), QColor(0xF1, 0xF5, 0xF9),
                                QColor(0xE2, 0xE8, 0xF0), QColor(0xCB, 0xD5, 0xE1), ink);
    cancel->resize(96, 34);
    cancel->SetDock(DockType::Right);
    QObject::connect(ok, &WButton::Clicked, &dialog, [&dialog] { dialog.exit(1); });
    QObject::connect(cancel, &WButton::Clicked, &dialog, [&dialog] { dialog.exit(2); });
    return dialog.exec(true);
}

void buildModal(WPanel* body)
{
    auto* open = actionButton(body, QStringLiteral("Open a modal form"), accent, accentHover,
                              accentPress, Qt::white);
    open->setGeometry(0, 8, 180, 36);
    auto* result = new GalleryText(QStringLiteral("exec() has not run yet"), body, 9);
    result->SetForeColor(muted);
    result->setGeometry(196, 8, body->width() - 196, 36);
    auto* note =
        new GalleryText(QStringLiteral("OK returns 1, Cancel 2, closing the window 0."), body, 8);
    note->SetForeColor(muted);
    note->setGeometry(0, 56, body->width(), 20);

    QObject::connect(open, &WButton::Clicked, body, [open, result] {
        WForm* gallery = formOf(open);
        if (!gallery)
            return;
        const QPointer<GalleryText> alive = result;
        const int code = askOverGallery(gallery);
        if (alive)
            alive->SetText(QStringLiteral("exec() returned %1").arg(code));
    });
}

// The active shadow image stretched to a size, with the centre left out and a white face drawn
// where the form would be.
class ShadowSample : public WBase
{
public:
    explicit ShadowSample(QWidget* parent)
        : WBase(parent),
          patch(QPixmap(QStringLiteral("://Icons/WForm/ShadowActive.png")), 16, 16, 16, 16)
    {
        patch.skipCenter = true;
    }

protected:
    void Paint(QPainter* painter) override
    {
        if (patch.Size() != size())
            patch.Resize(size());
        patch.Paint(painter);
        painter->fillRect(rect().adjusted(16, 16, -16, -16), Qt::white);
        painter->setPen(muted);
        painter->drawText(rect(), Qt::AlignCenter,
                          QStringLiteral("%1 × %2").arg(width()).arg(height()));
    }

private:
    SudokuPatch patch;
};

void buildNinePatch(WPanel* body)
{
    auto* stage = new WPanel(body);
    stage->SetBackColor(QColor(0xE2, 0xE8, 0xF0));
    stage->SetRadius(8);
    stage->resize(body->size());
    stage->SetDock(DockType::Fill);
    const QRect samples[] = {{12, 12, 100, 100}, {124, 12, 250, 70}, {124, 88, 250, 60}};
    for (const QRect& r : samples)
        (new ShadowSample(stage))->setGeometry(r);
}

const GallerySection::Registrar modal(
    {QStringLiteral("Window · modal form"),
     QStringLiteral("A child WForm run with exec(), centred on this window"), 5, 80, buildModal});
const GallerySection::Registrar ninePatch(
    {QStringLiteral("Window · nine-patch shadow"),
     QStringLiteral("One 100 × 100 image, corners kept, edges stretched"), 6, 160, buildNinePatch});

} // namespace
