#!/usr/bin/env bash
# The automatic look from start to finished page, with the keyboard only.
# Usage: automatic_path.sh KINETARA EXPECTED_PAGE
source "$(dirname "$0")/lib.sh"
EXPECTED=$(realpath "$2")

add_two_images_and_go_on

wait_for_window "Automatic or Custom setting"
is_transient "$CURRENT_WINDOW" || fail "the mode page is not a dialog of the program"
screenshot mode-page
press alt+n

wait_for_window "The place where you save the file"
type_text "$WORK/run/slides.htm"
screenshot save-page
press Return
wait_for_exit

cmp "$WORK/run/slides.htm" "$EXPECTED" || fail "the page differs from the expected one"
[[ ! -e $WORK/run/listitems ]] || fail "listitems was left behind"
[[ $(cat "$WORK/opened" 2>/dev/null) == "file://$WORK/run/slides.htm" ]] ||
    fail "the browser was asked to open: $(cat "$WORK/opened" 2>/dev/null || echo nothing)"
echo "automatic path: 1 passed, 0 failed"
