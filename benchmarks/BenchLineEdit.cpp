// Line edit: one typed character at the end of texts of growing length, placing the caret with
// a click, and typing over a selection of a million characters, against QLineEdit. Both widgets
// get the same events through the application.
#include "BenchSupport.h"

#include "WLineEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <climits>

namespace {

// n characters of words and spaces, the kind of text a long field holds.
QString sampleText(int n)
{
    static const QString words[] = {QStringLiteral("lorem"), QStringLiteral("ipsum"),
                                    QStringLiteral("dolor"), QStringLiteral("sit"),
                                    QStringLiteral("amet"),  QStringLiteral("consectetur")};
    QString s;
    s.reserve(n + 12);
    for (int i = 0; s.size() < n; ++i)
        s += words[i % 6] + QLatin1Char(' ');
    s.truncate(n);
    return s;
}

template <typename Widget> void prepare(Widget& w)
{
    w.setAttribute(Qt::WA_DontShowOnScreen);
    w.resize(240, 30);
    w.show();
    WexalBench::Settle();
}

void sendKey(QWidget* w, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

void sendClick(QWidget* w, int x)
{
    const QPointF pos(x, 15);
    QMouseEvent press(QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Click positions spread over the visible part of the field.
int clickX(int i)
{
    return 6 + (i * 37) % 228;
}

// One 'x' typed at the end; a Backspace outside the timing puts the text back.
template <typename Widget> void typeAtEnd(benchmark::State& state, Widget& w)
{
    for (auto _ : state) {
        sendKey(&w, Qt::Key_X, QStringLiteral("x"));
        state.PauseTiming();
        sendKey(&w, Qt::Key_Backspace, QString());
        state.ResumeTiming();
    }
}

void WexalType(benchmark::State& state)
{
    WLineEdit edit;
    prepare(edit);
    edit.SetText(sampleText(int(state.range(0))));
    edit.SelectAll();
    edit.ClearSelectedText();
    typeAtEnd(state, edit);
}

void QtType(benchmark::State& state)
{
    QLineEdit edit;
    prepare(edit);
    edit.setText(sampleText(int(state.range(0))));
    edit.end(false);
    typeAtEnd(state, edit);
}

template <typename Widget> void clicks(benchmark::State& state, Widget& w)
{
    int i = 0;
    for (auto _ : state)
        sendClick(&w, clickX(i++));
}

void WexalClick(benchmark::State& state)
{
    WLineEdit edit;
    prepare(edit);
    edit.SetText(sampleText(int(state.range(0))));
    clicks(state, edit);
}

void QtClick(benchmark::State& state)
{
    QLineEdit edit;
    prepare(edit);
    edit.setText(sampleText(int(state.range(0))));
    edit.home(false);
    clicks(state, edit);
}

// The first click after the text changed near its start: nothing measured before is reusable.
// The text change itself is not timed.
void WexalClickAfterEdit(benchmark::State& state)
{
    WLineEdit edit;
    prepare(edit);
    const QString a = sampleText(int(state.range(0)));
    const QString b = QLatin1Char('L') + a.mid(1);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit.SetText(i % 2 ? a : b);
        state.ResumeTiming();
        sendClick(&edit, clickX(i++));
    }
}

void QtClickAfterEdit(benchmark::State& state)
{
    QLineEdit edit;
    prepare(edit);
    const QString a = sampleText(int(state.range(0)));
    const QString b = QLatin1Char('L') + a.mid(1);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        edit.setText(i % 2 ? a : b);
        edit.home(false);
        state.ResumeTiming();
        sendClick(&edit, clickX(i++));
    }
}

// Typing one character over a whole selection replaces it; putting the long text back and
// selecting it again is not timed.
void WexalTypeOverSelection(benchmark::State& state)
{
    WLineEdit edit;
    prepare(edit);
    edit.SetTextMaxLength(INT_MAX);
    const QString text = sampleText(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        edit.SetText(text);
        edit.SelectAll();
        state.ResumeTiming();
        sendKey(&edit, Qt::Key_X, QStringLiteral("x"));
    }
}

void QtTypeOverSelection(benchmark::State& state)
{
    QLineEdit edit;
    prepare(edit);
    edit.setMaxLength(INT_MAX);
    const QString text = sampleText(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        edit.setText(text);
        edit.selectAll();
        state.ResumeTiming();
        sendKey(&edit, Qt::Key_X, QStringLiteral("x"));
    }
}

const auto lengths = [](auto* b) {
    b->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
};
const int type = WexalBench::RegisterPair("LineEditTypeAtEnd", WexalType, QtType, lengths);
const int click = WexalBench::RegisterPair("LineEditClick", WexalClick, QtClick, lengths);
const int clickAfterEdit = WexalBench::RegisterPair("LineEditClickAfterEdit", WexalClickAfterEdit,
                                                    QtClickAfterEdit, lengths);
const int typeOverSelection = WexalBench::RegisterPair(
    "LineEditTypeOverSelection", WexalTypeOverSelection, QtTypeOverSelection,
    [](auto* b) { b->Arg(1000000)->Unit(benchmark::kMicrosecond); });

} // namespace
