#pragma once

#include <QString>
#include <QtGlobal>

// The offscreen platform warns on every popup it shows that it cannot grab the keyboard or
// raise the window. Tests of popups call this once (in initTestCase, after QtTest has put its
// own handler in place) so that their logs keep only what matters.
namespace WexalTest {

inline void QuietPopupWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg &&
                (message == QLatin1String("This plugin does not support grabbing the keyboard") ||
                 message == QLatin1String("This plugin does not support raise()")))
                return;
            if (previous)
                previous(type, context, message);
        });
}

} // namespace WexalTest
