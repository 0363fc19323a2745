# Shared by the real-window tests: a private X display, a stand-in for the
# desktop's xdg-open, and helpers that drive the wizard the way a user does.
# Source it with the path of the kinetara executable as $1.
set -euo pipefail

KINETARA=$(realpath "$1")
WORK=$(mktemp -d)

# On any failure, also the ones set -e ends the script with, the logs say why.
cleanup() {
    local status=$?
    kill "${WATCHDOG_PID:-}" "${APP_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
    wait 2>/dev/null || true # so no server outlives the test
    if ((status != 0)); then
        local log
        for log in app.log xvfb.log; do
            echo "--- $log:" >&2
            if [[ -s $WORK/$log ]]; then cat "$WORK/$log" >&2; else echo "(empty)" >&2; fi
        done
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The waits have no deadline of their own, as a slow machine is no fault. CTest
# ends a test past its TIMEOUT (120 s) with SIGKILL, which leaves no chance to
# print the logs; ending the display before that makes whatever waits fail.
start_watchdog() {
    (
        trap 'kill "${sleeper:-}" 2>/dev/null; wait; exit 0' TERM
        sleep 100 </dev/null >/dev/null 2>&1 &
        sleeper=$!
        wait "$sleeper"
        echo "FAIL: still running after 100 s; ending the display" >&2
        kill "$XVFB_PID" 2>/dev/null || true
    ) &
    WATCHDOG_PID=$!
}

# Xvfb takes the first free display itself and writes its number to the pipe
# once it accepts clients; testing a number first and starting there after
# raced with any other server starting at the same time.
start_display() {
    local display=""
    mkfifo "$WORK/displayfd"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/displayfd" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    start_watchdog
    # Ends with the number, or empty when Xvfb exits without one.
    read -r display <"$WORK/displayfd" || true
    [[ $display =~ ^[0-9]+$ ]] || fail "Xvfb did not start"
    export DISPLAY=":$display"
    xdpyinfo >/dev/null 2>&1 || fail "Xvfb took $DISPLAY but does not answer there"
}

# The browser is never started: xdg-open only notes what it was asked to open.
install_shell_stub() {
    mkdir -p "$WORK/bin"
    cat >"$WORK/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >>"$WORK/opened"
STUB
    chmod +x "$WORK/bin/xdg-open"
}

# Starts the wizard in the scratch directory $WORK/run.
start_wizard() {
    mkdir -p "$WORK/run"
    (cd "$WORK/run" && PATH="$WORK/bin:$PATH" QT_QPA_PLATFORM=xcb \
        exec "$KINETARA" >"$WORK/app.log" 2>&1) &
    APP_PID=$!
}

# Waits for the window with this title and gives it the keyboard.
wait_for_window() {
    local title=$1 window=""
    until window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [[ -n $window ]]; do
        kill -0 "$APP_PID" 2>/dev/null || fail "the wizard ended before \"$title\" showed"
        sleep 0.1
    done
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 0.3
    CURRENT_WINDOW=$window
}

# Whether the window manager is told that the window belongs to another one
# (a dialog), which keeps it off the taskbar.
is_transient() { ! xprop -id "$1" WM_TRANSIENT_FOR | grep -q 'not found'; }

type_text() { xdotool type --delay 20 -- "$1"; }
press() { xdotool key --delay 50 "$@"; }

# Starts the wizard and fills the image list page with the two images of the
# expected pages, typed and added with Alt+A, then goes on with Alt+N.
add_two_images_and_go_on() {
    start_wizard
    wait_for_window "Kinetara - Image setting"
    # The program's own window, on the taskbar; the later pages are its dialogs.
    ! is_transient "$CURRENT_WINDOW" || fail "the image list page is a transient dialog"
    type_text "myimage.gif"
    press alt+a
    press ctrl+a
    type_text "../../myimage.gif"
    press alt+a
    screenshot image-page
    press alt+n
}

screenshot() {
    [[ -n ${SCREENSHOT_DIR:-} ]] || return 0
    mkdir -p "$SCREENSHOT_DIR"
    import -window root "$SCREENSHOT_DIR/$1.png"
}

# Waits for the wizard to end, and fails unless it ended cleanly (the
# sanitizers' reports end it with an error).
wait_for_exit() {
    local status=0
    wait "$APP_PID" || status=$?
    [[ $status == 0 ]] || fail "the wizard ended with status $status"
}

start_display
install_shell_stub
