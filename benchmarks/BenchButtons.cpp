// Buttons: painting a styled push button against a Fusion QPushButton, and a checked check box
// against a Fusion QCheckBox, each rendered into an image as a repaint would.
#include "BenchSupport.h"

#include "WButton.h"
#include "WCheckBox.h"

#include <QCheckBox>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace {

const QSize buttonSize(120, 32);
const QSize checkBoxSize(180, 24);

QString caption()
{
    return QStringLiteral("Save changes");
}

QPixmap glyph()
{
    return QPixmap(QStringLiteral("://Icons/WForm/CloseButton.png"));
}

template <class Widget> void renderLoop(benchmark::State& state, Widget& widget)
{
    WexalBench::Settle();
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void WexalButtonPaint(benchmark::State& state)
{
    WButton button;
    button.resize(buttonSize);
    button.SetRadius(6);
    button.SetBorder(PositionFlag::All);
    button.SetBorderWidth(1);
    button.SetBorderColor(QColor(0xDD, 0xE2, 0xEA));
    button.SetBackColor(QColor(0x25, 0x63, 0xEB));
    button.SetForeColor(Qt::white);
    button.SetImage(glyph());
    button.SetReplaceImageColor(true);
    button.SetImageColor(QColor(0xDB, 0xEA, 0xFE));
    button.SetText(caption());
    button.SetTextOffset(QPoint(14, 0));
    renderLoop(state, button);
}

void QtButtonPaint(benchmark::State& state)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPushButton button(caption());
    button.setStyle(fusion.get());
    button.setIcon(QIcon(glyph()));
    button.resize(buttonSize);
    renderLoop(state, button);
}

void WexalCheckBoxPaint(benchmark::State& state)
{
    WCheckBox box;
    box.resize(checkBoxSize);
    box.SetCheckRectBackColor(Qt::white);
    box.SetCheckRectColor(QColor(0x9C, 0xA3, 0xAF));
    box.SetCheckFlagColor(QColor(0x25, 0x63, 0xEB));
    box.SetForeColor(QColor(0x1F, 0x29, 0x37));
    box.SetText(caption());
    box.SetChecked(true);
    renderLoop(state, box);
}

void QtCheckBoxPaint(benchmark::State& state)
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QCheckBox box(caption());
    box.setStyle(fusion.get());
    box.setChecked(true);
    box.resize(checkBoxSize);
    renderLoop(state, box);
}

const int buttonPaint =
    WexalBench::RegisterPair("ButtonPaint120x32", WexalButtonPaint, QtButtonPaint,
                             [](auto* b) { b->Unit(benchmark::kMicrosecond); });
const int checkBoxPaint =
    WexalBench::RegisterPair("CheckBoxPaint180x24", WexalCheckBoxPaint, QtCheckBoxPaint,
                             [](auto* b) { b->Unit(benchmark::kMicrosecond); });

} // namespace
