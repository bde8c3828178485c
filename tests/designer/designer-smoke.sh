#!/usr/bin/env bash
# Starts Qt Designer with the installed Wexal plugin on the form the headless Designer saved,
# inside an X server of its own, and checks it as a user would see it: Designer loads the
# plugin, shows its main window and stays up; then a screenshot of the whole screen is written
# for a reviewer, and Designer is quit with Ctrl+Q and must exit cleanly.
#
# Usage: designer-smoke.sh DESIGNER PLUGINS_DIR FORM SCREENSHOT [PLUGIN_FILE]
#   DESIGNER     the designer program
#   PLUGINS_DIR  the plugins folder whose designer/ subfolder holds the plugin
#   PLUGIN_FILE  the plugin's file name: libWexalPlugin.so (the default) for Qt 5,
#                libWexal6Plugin.so for Qt 6
# DESIGNER_PRELOAD and DESIGNER_ASAN_OPTIONS, when set, become Designer's LD_PRELOAD and
# ASAN_OPTIONS (a sanitizer build of the plugin needs its runtime loaded first), and only its.
set -euo pipefail

if [[ -z "${WEXAL_DESIGNER_DISPLAY_UP:-}" ]]; then
    # Run again inside a virtual X server large enough for Designer and the whole form.
    exec env WEXAL_DESIGNER_DISPLAY_UP=1 xvfb-run -a -s "-screen 0 1700x1000x24 -nolisten tcp" \
        "${BASH_SOURCE[0]}" "$@"
fi

designer=$1 plugins=$2 form=$3 shot=$4 plugin_file=${5:-libWexalPlugin.so}
work=$(dirname "$shot")/designer-session
rm -rf "$work"
mkdir -p "$work/config/QtProject"
# Designer needs no session bus, and must not depend on whether the machine has one: Qt's X11
# screen-reader bridge asks for it, and, pointed at a socket that does not exist, gives up at
# once instead of joining the machine's bus or starting one.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
# A fresh Designer profile, with Qt's own widget groups folded so that the Wexal group is in
# view in the widget box.
cat >"$work/config/QtProject/Designer.conf" <<'CONF'
[WidgetBox]
Closed%20categories=Layouts, Spacers, Buttons, Item Views (Model-Based), Item Widgets (Item-Based), Containers, Input Widgets, Display Widgets
CONF

fail() {
    echo "designer-smoke: $*" >&2
    echo "--- Designer's output:" >&2
    cat "$work/designer.log" >&2 || true
    kill "$pid" 2>/dev/null || true
    exit 1
}

unset QT_QPA_PLATFORM
HOME="$work" XDG_CONFIG_HOME="$work/config" QT_PLUGIN_PATH="$plugins" \
    LD_PRELOAD="${DESIGNER_PRELOAD:-}" ASAN_OPTIONS="${DESIGNER_ASAN_OPTIONS:-${ASAN_OPTIONS:-}}" \
    "$designer" "$form" >"$work/designer.log" 2>&1 &
pid=$!

win=
for _ in $(seq 120); do
    kill -0 "$pid" 2>/dev/null || fail "Designer exited while starting"
    win=$(xdotool search --name '^Qt Designer$' 2>/dev/null | head -n 1 || true)
    [[ -n "$win" ]] && break
    sleep 0.5
done
[[ -n "$win" ]] || fail "no Designer window after 60 seconds"
# There is no window manager: place the window over the whole screen by hand.
xdotool windowmove "$win" 0 0 windowsize "$win" 1700 1000

# It stays up with the form open.
sleep 5
kill -0 "$pid" 2>/dev/null || fail "Designer exited with the form open"
grep -qF "/designer/$plugin_file" "/proc/$pid/maps" ||
    fail "Designer did not load the Wexal plugin from $plugins/designer"
! grep -Ei 'cannot load|failed to load|not a valid|unable to create' "$work/designer.log" ||
    fail "Designer reported a loading problem"

# The colour of the screen at one point of the tab control's page area.
page_colour() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -format '%[pixel:p{452,226}]' info:
}
# The form shows the page added last, "Third"; a click on the second tab must reach the tab
# (it is passive in Designer) and bring "Second" to the front, whose colour differs.
[[ $(page_colour) == "srgb(240,255,244)" ]] || fail "the third page is not in front: $(page_colour)"
xdotool mousemove 306 163 click 1
sleep 1
[[ $(page_colour) == "srgb(255,248,240)" ]] || fail "a click on the second tab did not show it"
# Select the control and filter the property editor down to its tab bar properties, for the
# reviewer to see them as Designer offers them.
xdotool mousemove 452 226 click 1
sleep 0.5
xdotool mousemove 1393 394 click 1 type --delay 50 Tab
sleep 1
import -window root "$shot"
echo "designer-smoke: Designer up with the Wexal plugin and the form; screenshot in $shot"

xdotool windowfocus "$win"
sleep 0.5
xdotool key ctrl+q
for _ in $(seq 60); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$pid" 2>/dev/null && fail "Designer did not quit on Ctrl+Q"
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "Designer exited with status $status"
echo "designer-smoke: Designer quit cleanly"
