// Compiled into every offscreen test executable (not into the support library, whose unused
// objects the linker may drop): runs as the test's application is made, before any test.
#include <QCursor>
#include <QGuiApplication>

namespace {

// The offscreen platform starts its pointer at (10, 10), over every freshly shown window. Qt 6
// delivers an Enter to a window shown under the pointer, Qt 5 does not, so a widget would start
// hovered under one and not the other. The pointer waits outside the screen instead, and a
// widget is hovered only when a test moves the pointer over it or sends it an Enter.
void parkPointer()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QCursor::setPos(-1000, -1000);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(parkPointer)
