#!/usr/bin/env bash
# The custom look from start to finished page, with the keyboard only: a slower
# speed, colours typed and one picked from the colour list, two border widths.
# Usage: custom_path.sh KINETARA EXPECTED_PAGE
source "$(dirname "$0")/lib.sh"
EXPECTED=$(realpath "$2")
export XDG_CACHE_HOME=$WORK/cache

# Moves the focus on by this many controls, in the page's tab order.
tab() { press $(printf 'Tab %.0s' $(seq "$1")); }

add_two_images_and_go_on

wait_for_window "Automatic or Custom setting"
press alt+u
press alt+n

wait_for_window "Kinetara - Speed setting"
press End
screenshot speed-page
press alt+n

wait_for_window "Border setting"
press alt+s
tab 1 # the font colour's "..."
press space
wait_for_window "Color"
type_text "navy"
screenshot color-picker
press Return

# From that "...": each colour box in page order, typed, with the size lists
# passed over except TABLE border-top (the last size) and TD border-right (the second).
wait_for_window "Border setting"
tab 1; type_text "lightyellow"
tab 2; type_text "#FFC0CB"
tab 3; type_text "red"
tab 2; press End
tab 1; type_text "green"
tab 3; type_text "blue"
tab 3; type_text "rgb(1, 2, 3)"
tab 2; type_text "whitesmoke"
tab 3; type_text "maroon"
tab 3; type_text "olive"
tab 2; press Down
tab 1; type_text "teal"
tab 3; type_text "purple"
screenshot border-page
press Return

wait_for_window "The place where you save the file"
type_text "$WORK/run/slides.htm"
press Return
wait_for_exit

cmp "$WORK/run/slides.htm" "$EXPECTED" || fail "the page differs from the expected one"
for scratch in listitems speed; do
    [[ ! -e $WORK/run/$scratch ]] || fail "$scratch was left behind"
done
colors_page=$XDG_CACHE_HOME/kinetara/kinetara-color-names.html
[[ $(grep -c '<tr>' "$colors_page" 2>/dev/null) == 140 ]] || fail "no page of 140 colour names"
[[ $(cat "$WORK/opened" 2>/dev/null) == "file://$colors_page"$'\n'"file://$WORK/run/slides.htm" ]] ||
    fail "the browser was asked to open: $(cat "$WORK/opened" 2>/dev/null || echo nothing)"
echo "custom path: 1 passed, 0 failed"
