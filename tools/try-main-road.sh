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
mkdir -p "$out"
rm -f "$out"/*.png

display=":$((90 + RANDOM % 400))"
config="$(mktemp -d)"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$config"
}
trap cleanup EXIT
export DISPLAY="$display" XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$build/quarvel" &
app=$!
main=""
for _ in $(seq 100); do
  main="$(xdotool search --onlyvisible --name '^Quarvel$' 2>/dev/null | head -1 || true)"
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 0.5

# The content area (400 x 359) is the bottom of the main window; menu bar and toolbar stand above.
eval "$(xdotool getwindowgeometry --shell "$main")"
left=$X
content_top=$((Y + HEIGHT - 359))
echo "main window ${WIDTH}x${HEIGHT} at $X,$Y; content from y $content_top"

failures=0
step=0
shot() {
  step=$((step + 1))
  sleep "${2:-0.4}"
  import -window root "$(printf '%s/%02d-%s.png' "$out" "$step" "$1")"
}
last_shot() { ls "$out"/*.png | tail -1; }
pixel() { convert "$(last_shot)" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
expect() {  # what, x, y, colour (RRGGBB)
  local got
  got="$(pixel "$2" "$3")"
  if [ "$got" = "$4" ]; then echo "ok   $1"; else echo "FAIL $1: $got at $2,$3, expected $4"; failures=$((failures + 1)); fi
}
click_content() { xdotool mousemove "$((left + $1))" "$((content_top + $2))" click 1; }
click_screen() { xdotool mousemove "$1" "$2" click 1; }

# The preview's middle, and a point of the screen away from its middle, where the help title lies.
px=$((left + 21 + 60)) py=$((content_top + 31 + 48))
sx=200 sy=200

shot start 0.8
expect "the preview starts white" $px $py FFFFFF

# The toolbar's first button (Colors), just above the content, at the left.
xdotool mousemove "$((left + 24))" "$((content_top - 26))" click 1
shot colors
title="$(xdotool getwindowname "$main")"
if [ "$title" = "Colors" ]; then echo "ok   Colors chosen (title \"$title\")"; else echo "FAIL Colors: title \"$title\""; failures=$((failures + 1)); fi

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

echo "screenshots in $out"
[ "$failures" -eq 0 ] || { echo "$failures checks failed" >&2; exit 1; }
