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

// A plain button is the theme's primary action; a variant gives another of its looks.
WButton* actionButton(QWidget* parent, const QString& text, const char* variant = nullptr)
{
    auto* b = new WButton(parent);
    if (variant)
        SetVariant(b, variant);
    b->SetText(text);
    b->SetRadius(8);
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
    SetVariant(&dialog, "dialog");
    dialog.SetTitle(QStringLiteral("Apply the changes?"));
    dialog.SetBorder(PositionFlag::All);
    dialog.SetBorderWidth(1);
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
    text->resize(326, 60);
    text->SetDock(DockType::Top);

    auto* buttons = new WPanel(content);
    buttons->SetBackColor(Qt::transparent);
    buttons->resize(326, 34);
    buttons->SetDock(DockType::Bottom);
    auto* ok = actionButton(buttons, QStringLiteral("OK"));
    ok->resize(96, 34);
    ok->SetDock(DockType::Right);
    auto* spacer = new WTest(buttons);
    spacer->resize(10, 10);
    spacer->SetDock(DockType::Right);
    auto* cancel = actionButton(buttons, QStringLiteral("Cancel"), "secondary");
    cancel->SetBorder(PositionFlag::All);
    cancel->SetBorderWidth(1);
    cancel->resize(96, 34);
    cancel->SetDock(DockType::Right);
    QObject::connect(ok, &WButton::Clicked, &dialog, [&dialog] { dialog.exit(1); });
    QObject::connect(cancel, &WButton::Clicked, &dialog, [&dialog] { dialog.exit(2); });
    return dialog.exec(true);
}

void buildModal(WPanel* body)
{
    auto* open = actionButton(body, QStringLiteral("Open a modal form"));
    open->setGeometry(0, 8, 180, 36);
    auto* result =
        SetVariant(new GalleryText(QStringLiteral("exec() has not run yet"), body, 9), "muted");
    result->setGeometry(196, 8, body->width() - 196, 36);
    auto* note = SetVariant(
        new GalleryText(QStringLiteral("OK returns 1, Cancel 2, closing the window 0."), body, 8),
        "muted");
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

// The active shadow image stretched to a size, with the centre left out and a face drawn where
// the form would be. The face is a card of the theme's: BackColor under ForeColor.
class ShadowSample : public WPanel
{
public:
    explicit ShadowSample(QWidget* parent)
        : WPanel(parent),
          patch(QPixmap(QStringLiteral("://Icons/WForm/ShadowActive.png")), 16, 16, 16, 16)
    {
        SetVariant(this, "card");
        patch.skipCenter = true;
    }

protected:
    void Paint(QPainter* painter) override
    {
        if (patch.Size() != size())
            patch.Resize(size());
        patch.Paint(painter);
        painter->fillRect(rect().adjusted(16, 16, -16, -16), BackColor());
        painter->setPen(ForeColor());
        painter->drawText(rect(), Qt::AlignCenter,
                          QStringLiteral("%1 × %2").arg(width()).arg(height()));
    }

private:
    SudokuPatch patch;
};

void buildNinePatch(WPanel* body)
{
    auto* stage = SetVariant(new WPanel(body), "well");
    stage->SetRadius(8);
    stage->resize(body->size());
    stage->SetDock(DockType::Fill);
    const QRect samples[] = {{12, 12, 100, 100}, {124, 12, 250, 70}, {124, 88, 250, 60}};
    for (const QRect& r : samples)
        (new ShadowSample(stage))->setGeometry(r);
}

const GallerySection::Registrar
    modal({QStringLiteral("Window · modal form"),
           QStringLiteral("A child WForm run with exec(), centred on this window"),
           5,
           80,
           buildModal,
           {QStringLiteral("WForm")}});
const GallerySection::Registrar
    ninePatch({QStringLiteral("Window · nine-patch shadow"),
               QStringLiteral("One 100 × 100 image, corners kept, edges stretched"),
               6,
               160,
               buildNinePatch,
               {QStringLiteral("SudokuPatch")}});

} // namespace
