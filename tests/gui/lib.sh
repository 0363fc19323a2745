# Shared by the real-window tests: a private X display, a stand-in for the
# desktop's xdg-open, and helpers that drive the wizard the way a user does.
# Source it with the path of the kinetara executable as $1.
set -euo pipefail

KINETARA=$(realpath "$1")
WORK=$(mktemp -d)
trap 'kill "${APP_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_display() {
    local display
    for display in $(seq 90 140); do
        [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$display"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    fail "no X display could be started"
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
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1) && [[ -n $window ]] && break
        kill -0 "$APP_PID" 2>/dev/null || fail "the wizard ended before \"$title\" showed"
        sleep 0.1
    done
    [[ -n $window ]] || fail "no window \"$title\""
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 0.3
    CURRENT_WINDOW=$window
}

type_text() { xdotool type --delay 20 -- "$1"; }
press() { xdotool key --delay 50 "$@"; }

# Starts the wizard and fills the image list page with the two images of the
# expected pages, typed and added with Alt+A, then goes on with Alt+N.
add_two_images_and_go_on() {
    start_wizard
    wait_for_window "Kinetara - Image setting"
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
    local status
    for _ in $(seq 100); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            status=0
            wait "$APP_PID" || status=$?
            [[ $status == 0 ]] || fail "the wizard ended with status $status; its log: $(cat "$WORK/app.log")"
            return 0
        fi
        sleep 0.1
    done
    fail "the wizard did not end; its log: $(cat "$WORK/app.log")"
}

start_display
install_shell_stub
