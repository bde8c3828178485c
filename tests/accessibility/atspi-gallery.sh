#!/usr/bin/env bash
# Runs the gallery on a virtual X display with its own session bus and accessibility bus, and
# checks from another process, through AT-SPI, what a screen reader finds in it.
# Usage: atspi-gallery.sh <gallery executable>
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
gallery=$1

if [[ -z ${WEXAL_ATSPI_INNER:-} ]]; then
    # A display, then a session bus of our own on it; the rest runs inside both.
    export WEXAL_ATSPI_INNER=1
    exec xvfb-run -a dbus-run-session -- "$0" "$@"
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
# Qt asks the session bus whether a screen reader runs; none does, so it is told to expose the
# tree regardless.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$gallery" &
app=$!
status=0
timeout 120 /usr/bin/python3 "$here/atspi-gallery.py" || status=$?
kill "$app" "$launcher" 2>/dev/null || true
wait "$app" 2>/dev/null || true
exit "$status"
