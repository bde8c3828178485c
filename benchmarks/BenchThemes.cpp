// Themes: a thousand mixed widgets switching from light to dark and back, painted, against a
// thousand comparable Qt widgets switching between two application style sheets of the same
// colours; and a styled button painted under an application theme, to set beside its paint
// without one.
#include "BenchSupport.h"

#include "WButton.h"
#include "WCheckBox.h"
#include "WComboBox.h"
#include "WLineEdit.h"
#include "WPanel.h"
#include "WTheme.h"
#include "WTrackBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int widgets = 1000;
constexpr int kinds = 5;

QRect cell(int i)
{
    return QRect((i % 20) * 64, (i / 20) * 26, 60, 24);
}

// Qt's sheets give the Qt widgets what the built-in themes give ours, state by state.
QString qtSheet(bool dark)
{
    const QString button = dark ? QStringLiteral("#3B82F6") : QStringLiteral("#2563EB");
    const QString page = dark ? QStringLiteral("#0F172A") : QStringLiteral("#F3F5F8");
    const QString field = dark ? QStringLiteral("#1E293B") : QStringLiteral("#FFFFFF");
    const QString ink = dark ? QStringLiteral("#E2E8F0") : QStringLiteral("#1F2937");
    const QString line = dark ? QStringLiteral("#475569") : QStringLiteral("#DDE2EA");
    return QStringLiteral(
               "QWidget#page { background: %2; }"
               "QPushButton { background: %1; color: white; border: 1px solid %1;"
               " border-radius: 6px; }"
               "QPushButton:hover { background: %1; } QPushButton:pressed { background: %5; }"
               "QCheckBox { color: %4; } QCheckBox::indicator { border: 1px solid %5;"
               " background: %3; }"
               "QLineEdit { background: %3; color: %4; border: 1px solid %5; border-radius: 4px;"
               " selection-background-color: %1; }"
               "QComboBox { background: %3; color: %4; border: 1px solid %5; }"
               "QSlider::groove:horizontal { background: %5; height: 4px; }"
               "QSlider::handle:horizontal { background: %1; width: 12px; margin: -4px 0; }")
        .arg(button, page, field, ink, line);
}

void WexalSwitch(benchmark::State& state)
{
    WPanel page;
    page.resize(1300, 1320);
    for (int i = 0; i < widgets; ++i) {
        WBase* w = nullptr;
        switch (i % kinds) {
        case 0:
            w = new WButton(&page);
            break;
        case 1:
            w = new WCheckBox(&page);
            break;
        case 2:
            w = new WLineEdit(&page);
            break;
        case 3:
            w = new WComboBox(&page);
            break;
        default:
            w = new WTrackBar(&page);
            break;
        }
        w->setGeometry(cell(i));
    }
    WTheme& theme = *WTheme::Instance();
    theme.Apply(QStringLiteral("light"));
    page.show();
    WexalBench::Settle();
    bool dark = false;
    for (auto _ : state) {
        dark = !dark;
        theme.Apply(dark ? QStringLiteral("dark") : QStringLiteral("light"));
        WexalBench::Settle(); // the repaints the switch asked for
    }
    theme.Clear();
}

void QtSwitch(benchmark::State& state)
{
    QWidget page;
    page.setObjectName(QStringLiteral("page"));
    page.resize(1300, 1320);
    for (int i = 0; i < widgets; ++i) {
        QWidget* w = nullptr;
        switch (i % kinds) {
        case 0:
            w = new QPushButton(QStringLiteral("OK"), &page);
            break;
        case 1:
            w = new QCheckBox(&page);
            break;
        case 2:
            w = new QLineEdit(&page);
            break;
        case 3:
            w = new QComboBox(&page);
            break;
        default:
            w = new QSlider(Qt::Horizontal, &page);
            break;
        }
        w->setGeometry(cell(i));
    }
    const QString light = qtSheet(false);
    const QString dark = qtSheet(true);
    qApp->setStyleSheet(light);
    page.show();
    WexalBench::Settle();
    bool isDark = false;
    for (auto _ : state) {
        isDark = !isDark;
        qApp->setStyleSheet(isDark ? dark : light);
        WexalBench::Settle();
    }
    qApp->setStyleSheet(QString());
}

// A button painted with its look from the light theme, and one given the same values in code
// with no theme in effect: a theme must cost nothing once applied.
void paintButton(benchmark::State& state, bool themed)
{
    WTheme& theme = *WTheme::Instance();
    theme.Apply(QStringLiteral("light"));
    WButton styled;
    styled.SetText(QStringLiteral("Save changes"));
    styled.ensurePolished();
    WButton button;
    button.resize(120, 32);
    button.SetText(QStringLiteral("Save changes"));
    if (!themed) {
        const QMetaObject* meta = styled.metaObject();
        // The library's own properties, the look and nothing of QWidget's.
        for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            if (p.isWritable())
                p.write(&button, p.read(&styled));
        }
        theme.Clear();
    }
    button.ensurePolished();
    WexalBench::Settle();
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        button.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    theme.Clear();
}

void WexalThemedButtonPaint(benchmark::State& state)
{
    paintButton(state, true);
}

void WexalCodedButtonPaint(benchmark::State& state)
{
    paintButton(state, false);
}

const int registered = [] {
    WexalBench::RegisterPair(
        "ThemeSwitch1000Widgets", WexalSwitch, QtSwitch,
        [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->MinTime(2.0); });
    benchmark::RegisterBenchmark("ButtonPaint120x32/WexalThemed", WexalThemedButtonPaint)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ButtonPaint120x32/WexalSameValuesInCode", WexalCodedButtonPaint)
        ->Unit(benchmark::kMicrosecond);
    return 0;
}();

} // namespace
