#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// The random-input harness every widget test runs its widget through. With a fixed seed it
// sends thousands of random mouse, wheel, key, resize, show/hide, enable and focus events to the
// widget and its descendants, and writes extreme values (negative and huge numbers, invalid and
// transparent colours, long and non-ASCII strings, null and odd-sized pixmaps) into every
// property the widget class declares beyond QWidget's. Pointer positions reach beyond int
// (huge, infinite and NaN coordinates, as synthesised or transformed events may carry), and
// library widgets below the root are placed with rectangles whose size int cannot hold. After
// every step it processes events and checks the generic invariants and the test's own.
namespace WexalTest {

struct RandomInputOptions
{
    quint32 seed = 20261206;
    int steps = 3000;
    // Property names the harness leaves alone (say, one whose extreme values are tested apart).
    QStringList skipProperties;
    // Called after every step with the events processed; returns an empty string when the
    // widget is in a valid state, else what is wrong.
    std::function<QString(QWidget*)> invariant;
    // A widget-specific random action (typing, model changes, calls of its API), chosen with the
    // same probability as each built-in kind of action.
    std::function<void(QRandomGenerator&, QWidget*)> action;
    // Pointer positions beyond int and out-of-range layout rectangles, as described above; the
    // test command runs every widget with them. Off only for a widget that cannot take them yet.
    bool outOfRange = true;
};

// Runs the harness on widget, which the caller owns; shows it if it is a top-level that is not
// shown. Returns an empty string on success, else the first invariant failure with the step
// number and seed. Use it as QCOMPARE(RunRandomInput(&w, options), QString()).
QString RunRandomInput(QWidget* widget, const RandomInputOptions& options = {});

// Value pools shared with widget-specific actions.
int ExtremeInt(QRandomGenerator& rng);
QString RandomText(QRandomGenerator& rng);

} // namespace WexalTest
