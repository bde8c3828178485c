#pragma once

// One row per widget class of the library: how to make one with something to show, its
// properties' test values where the type alone cannot pick one, the clamp rules its setters
// apply, which property changes a signal or a screen reader hears of, its accessible role, and
// the signals an application may delete it from. The property walker, the re-entrancy table and
// the screen-reader checks all read these rows instead of writing the same test per class.

#include <QAccessible>
#include <QByteArray>
#include <QEvent>
#include <QHash>
#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <QSet>
#include <QSize>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>

namespace WexalTest {

struct ClampRule
{
    QByteArray property;
    QVariant written;
    QVariant read; // what the property reads back after the write
};

// A change that a property write must cause once: the signal (normalised signature, empty for
// none) and the screen-reader event (QAccessible::InvalidEvent for none).
struct PropertyNotice
{
    QByteArray signal;
    QAccessible::Event announcement = QAccessible::InvalidEvent;
};

// How a user (or the application's own call) makes the widget emit one of its signals. The
// trigger gets the shown widget; the signal must have been emitted when it returns, unless the
// handler removed the widget.
struct OwnSignal
{
    QByteArray signal; // normalised signature, e.g. "Clicked()"
    QByteArray how;    // row name
    std::function<void(QWidget*)> trigger;
};

struct ClassRow
{
    QByteArray name;
    // A fresh top-level widget of the class, not shown, with content to show (items, pages,
    // rows) so that every property has something to act on.
    std::function<QWidget*()> make;
    QSize size;
    QAccessible::Role role;
    QMap<QByteArray, QVariant> values; // test values the type's rule cannot choose
    QList<ClampRule> clamps;
    QMap<QByteArray, PropertyNotice> notices; // property -> what its change must say, once
    QSet<QByteArray> unseen;                  // properties whose change draws nothing
    QList<OwnSignal> ownSignals;
    QSet<QByteArray> refresh; // an equal write draws again, by design
    // Known to paint the widget and its bars twice in one update: new bar places are applied
    // while the first paint is under way. Held here so that it gets no worse.
    QSet<QByteArray> twice;
    // What must hold of the widget and what a screen reader reads of it after any input; empty
    // when it does.
    std::function<QString(QWidget*)> invariant;
};

// A class's own calls for the every-class random run (its API, model changes, what a user
// types), and what must hold after each step beyond the row's invariant. Made afresh for each
// run on the widget given, so that what they count starts from nothing.
struct RandomCalls
{
    std::function<void(QRandomGenerator&)> action;
    std::function<QString()> invariant;
};
RandomCalls ClassCalls(const QByteArray& name, QWidget* widget);

const QList<ClassRow>& Classes();
// Properties of every class whose change draws nothing on a top-level widget.
const QSet<QByteArray>& Unseen();
const ClassRow* FindClass(const QByteArray& name);

// "Line 0", "Line 1", ... n lines, or another stem's.
QStringList NumberedLines(int n, const QString& stem = QStringLiteral("Line %1"));
// The properties the class declares beyond QWidget's that can be written.
QList<QByteArray> WritableProperties(const QMetaObject* meta);
// Its writable colour properties; with invokable, also the colours it keeps out of its
// properties but lets a theme reach by an invokable `Name()` / `SetName(QColor)` pair.
QList<QByteArray> ColourProperties(const QMetaObject* meta, bool invokable = false);

// A value of the property's type that differs from current: the row's own, else one chosen by
// type. Invalid when neither knows one.
QVariant TestValue(const ClassRow& row, const QMetaProperty& property, const QVariant& current);

// Whether a property reads back as the value written (enums compare as numbers).
bool SameValue(const QVariant& read, const QVariant& expected);

// A widget made from a row, and what owns it: the widget itself, or the control or window
// it was made in.
struct Made
{
    explicit Made(const ClassRow& row);
    QWidget* widget;
    std::unique_ptr<QWidget> owner;
};

// The paints a widget and every part of its window get while it lives.
struct PaintCount : QObject
{
    explicit PaintCount(QWidget* widget)
    {
        widget->installEventFilter(this);
        for (QWidget* part : widget->window()->findChildren<QWidget*>())
            part->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        count[o] += e->type() == QEvent::Paint;
        return false;
    }
    // The paints of the part painted most often.
    int Most() const { return count.isEmpty() ? 0 : *std::max_element(count.begin(), count.end()); }
    QHash<QObject*, int> count;
};

// Shows the widget's top level at the row's size and lets it paint.
bool ShowRow(const ClassRow& row, QWidget* widget);
// Lets posted layout events and repaints run.
void Settle();
// What the widget looks like now.
QImage Picture(QWidget* widget);
// Whether two pictures are equal; if not, both are written to the temporary folder under the
// name given, for whoever looks into the failure.
bool SamePicture(const QImage& actual, const QImage& expected, const QString& name);

} // namespace WexalTest
