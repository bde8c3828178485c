#pragma once

// What the examples share for `--screenshot FILE`: the program lays out and paints its window
// as it would on screen, but off it (no display needed), grabs the window to a PNG and ends.
// None of this is needed to use the library; it lets a script check that every example runs.

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QWidget>

#include <functional>

namespace ExampleScreenshot {

// Parses the command line (with --help) and returns the file --screenshot names, or an empty
// string for an ordinary run.
inline QString Requested(const QString& description)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Render offscreen to a PNG file and exit."),
                                  QStringLiteral("file"));
    parser.addOption(shot);
    parser.process(*QCoreApplication::instance());
    return parser.value(shot);
}

// Call before the window is shown: it is then laid out and painted, but never put on a screen.
// For a WForm this is the frameless window that holds it and draws its shadow.
inline void KeepOffScreen(QWidget* widget)
{
    widget->window()->setAttribute(Qt::WA_DontShowOnScreen);
}

// The dock layout runs as posted events, one per level of nesting: a few rounds let every level
// take its place before anything is grabbed.
inline void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Runs the event loop until ready() holds or the time is up; returns ready() then.
inline bool WaitUntil(const std::function<bool()>& ready, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!ready() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return ready();
}

// A left click in the middle of the widget, delivered as the mouse would deliver it, so that the
// picture shows what the click does.
inline void Click(QWidget* widget)
{
    const QPoint pos = widget->rect().center();
    const QPoint global = widget->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// Grabs the whole window around widget, title bar and shadow included; false (with a warning)
// when the file cannot be written.
inline bool Save(QWidget* widget, const QString& file)
{
    Settle();
    if (widget->window()->grab().save(file))
        return true;
    qWarning("could not write %s", qPrintable(file));
    return false;
}

} // namespace ExampleScreenshot
