#!/usr/bin/env bash
# Walks the main road as a user would, with real X input on a private Xvfb display (no window
# manager): Colors and "Red" chosen by clicks, the red preview, "Test" filling the screen with
# red, a click back to the main window; then "Perform all tests" stepping through the whole
# Colors group by clicks; then escape ending a run at once. Every step leaves a screenshot in
# the output folder and is checked by the colour of a few pixels.
#
#   tools/try-main-road.sh [build folder] [output folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/build/main-road}"
source "$root/tools/xvfb-lib.sh"

xvfb_start "$out"
app_start

# The preview's middle, and a point of the screen away from its middle, where the help title lies.
px=$((left + 21 + 60)) py=$((content_top + 31 + 48))
sx=200 sy=200

shot start 0.8
expect "the preview starts white" $px $py FFFFFF

# The toolbar's first button (Colors), just above the content, at the left.
xdotool mousemove "$((left + 24))" "$((content_top - 26))" click 1
shot colors
check_equal "Colors chosen (the title)" "$(xdotool getwindowname "$main")" Colors

click_content 215 75  # "Red": row 2 of the group, labels from left 195
shot red
expect "the preview turns red" $px $py FF0000

click_content 320 328  # "Test"
shot test-red 0.8
expect "Test fills the screen with red" $sx $sy FF0000

click_screen $sx $sy
shot back
expect "a click ends the run; the main window is back with its red preview" $px $py FF0000

click_content 40 175  # "Perform all tests"
shot all-tests-on
click_content 320 328
for colour in FFFFFF:white 000000:black FF0000:red 00FF00:green 0000FF:blue; do
  shot "all-${colour#*:}" 0.8
  expect "all tests: ${colour#*:}" $sx $sy "${colour%%:*}"
  click_screen $sx $sy
done
shot all-grayshades 0.8
expect "all tests: gray shades, 99 % at the top left" 5 5 FCFCFC
expect "all tests: gray shades, black at the bottom right" 1275 1019 000000
click_screen $sx $sy
shot all-colorshades 0.8
expect "all tests: colour shades, full red at the top left" 5 5 FF0000
expect "all tests: colour shades, full green below it" 5 180 00FF00
click_screen $sx $sy
shot all-ended
expect "after the last kind the run ends and the preview shows red again" $px $py FF0000

click_content 320 328
shot escape-run 0.8
expect "a new run starts with white" $sx $sy FFFFFF
xdotool key Escape
shot escaped
expect "escape ends the run at once" $px $py FF0000

xvfb_finish
