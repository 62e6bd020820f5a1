#!/usr/bin/env bash
# Looks at the program's windows as a desktop user meets them, on a private Xvfb display under a
# real window manager (openbox), in English and in German (LANGUAGE=de):
#
# - the main window has one size for the window manager (minimum = maximum size hints), which
#   offers neither resizing nor maximizing, and a double-click on its title bar changes nothing;
# - the explanation window asks for a minimize button only (no maximize, no close, no resizing);
# - the two windows' frames stand side by side with their title bars level, at the first show,
#   after the main window moves, and at the screen's right edge (explanation on the left);
# - a run still fills the whole screen;
# - screenshots of the four group pages, the About page and the explanation window for every
#   pattern, to look at: every text must be whole.
#
#   tools/try-windows.sh [build folder] [output folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/build/windows}"
source "$root/tools/xvfb-lib.sh"

readonly screen_w=1280 screen_h=1024

# ---------------------------------------------------------------- readings

# The outer frame of a window: "left top right bottom" (inclusive), from its content's place
# and the frame extents the window manager gives it.
frame_of() {
  local id="$1" x y w h extents l r t b
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $NF} /Absolute upper-left Y/ {print "y=" $NF}
                                   /Width:/ {print "w=" $NF} /Height:/ {print "h=" $NF}')"
  extents="$(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((x + w - 1 + r)) $((y + h - 1 + b))"
}
geometry_of() { xwininfo -id "$1" | awk '/Absolute upper-left|Width:|Height:/ {printf "%s ", $NF}'; }
# WM_NORMAL_HINTS: "min WxH max WxH".
size_hints() {
  xprop -id "$1" WM_NORMAL_HINTS | awk '/minimum size/ {min = $(NF-2) "x" $NF} /maximum size/ {max = $(NF-2) "x" $NF}
                                        END {print "min " min " max " max}'
}
allowed() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
# The _MOTIF_WM_HINTS fields: flags, functions, decorations.
motif() { xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g'; }

help_window() { visible_windows '^Untitled$' | head -1; }

# Both windows' frames: level title bars, the explanation beside the main window on SIDE.
check_attached() {
  local what="$1" side="$2" help ml mt mr mb hl ht hr hb
  help="$(help_window)"
  [ -n "$help" ] || { fail "$what: the explanation window is not shown"; return; }
  read -r ml mt mr mb <<<"$(frame_of "$main")"
  read -r hl ht hr hb <<<"$(frame_of "$help")"
  check_equal "$what: the title bars are level (frame tops)" "$ht" "$mt"
  if [ "$side" = right ]; then
    check_equal "$what: the explanation stands at the main window's right edge" "$hl" "$((mr + 1))"
  else
    check_equal "$what: the explanation stands at the main window's left edge" "$hr" "$((ml - 1))"
  fi
}

# A screenshot of the part of the screen that the two windows cover.
shot_windows() {
  local help l t r b hl ht hr hb
  read -r l t r b <<<"$(frame_of "$main")"
  help="$(help_window)"
  if [ -n "$help" ]; then
    read -r hl ht hr hb <<<"$(frame_of "$help")"
    l=$((hl < l ? hl : l)) t=$((ht < t ? ht : t)) r=$((hr > r ? hr : r)) b=$((hb > b ? hb : b))
  fi
  step=$((step + 1))
  sleep "${2:-0.3}"
  last="$(printf '%s/%02d-%s.png' "$out" "$step" "$1")"
  import -window root -crop "$((r - l + 1))x$((b - t + 1))+$l+$t" +repage "$last"
}

# ---------------------------------------------------------------- one language

try_language() {
  local lang="$1" hints actions before fields help
  if [ "$lang" = en ]; then unset LANGUAGE; else export LANGUAGE="$lang"; fi
  app_start

  hints="$(size_hints "$main")"
  read -r _ min _ max <<<"$hints"
  check "$lang: the main window's minimum and maximum size are equal ($hints)" test -n "$min" -a "$min" = "$max"
  actions="$(allowed "$main")"
  check "$lang: the window manager offers no maximizing of the main window" \
    sh -c "! echo '$actions' | grep -q MAXIMIZE"
  check "$lang: nor resizing" sh -c "! echo '$actions' | grep -q _NET_WM_ACTION_RESIZE"
  before="$(geometry_of "$main")"
  read -r ml mt _ _ <<<"$(frame_of "$main")"
  xdotool mousemove "$((ml + 200))" "$((mt + 8))" click --repeat 2 --delay 80 1
  sleep 0.5
  check_equal "$lang: a double-click on the title bar changes nothing" "$(geometry_of "$main")" "$before"

  xdotool key ctrl+h
  sleep 0.6
  help="$(help_window)"
  check "$lang: ctrl+h shows the explanation window" test -n "$help"
  if [ -n "$help" ]; then
    read -r _ functions decorations _ <<<"$(motif "$help")"
    check "$lang: the explanation window asks for a minimize button (decorations $decorations)" \
      test $((decorations & 0x20)) -ne 0
    check "$lang: and for no maximize button" test $((decorations & 0x40)) -eq 0
    check "$lang: and for neither closing nor maximizing (functions $functions)" test $((functions & 0x30)) -eq 0
    hints="$(size_hints "$help")"
    read -r _ min _ max <<<"$hints"
    check "$lang: the explanation window has one size ($hints)" test -n "$min" -a "$min" = "$max"
    actions="$(allowed "$help")"
    check "$lang: the window manager offers to minimize it" sh -c "echo '$actions' | grep -q MINIMIZE"
    check "$lang: but not to maximize or resize it" sh -c "! echo '$actions' | grep -qE 'MAXIMIZE|_NET_WM_ACTION_RESIZE'"
  fi
  check_attached "$lang: first show" right

  # The explanation window for every pattern, group by group, stepped by the down arrow.
  local group rows row
  for group in 1 2 3 4; do
    rows=$(echo 7 9 9 3 | cut -d' ' -f"$group")
    xdotool windowactivate --sync "$main" key "ctrl+$group"
    sleep 0.4
    for row in $(seq "$rows"); do
      [ "$row" = 1 ] || xdotool key Down
      shot_windows "$lang-group$group-row$row"
    done
  done

  xdotool windowmove "$main" 100 200
  sleep 0.6
  check_attached "$lang: after the main window moved" right
  xdotool windowmove "$main" $((screen_w - 420)) 150
  sleep 0.6
  check_attached "$lang: at the screen's right edge" left
  shot_windows "$lang-right-edge"

  xdotool windowactivate --sync "$main" key Return
  sleep 1
  local pattern
  pattern="$(visible_windows '^Untitled$' | while read -r w; do
    [ "$(geometry_of "$w")" = "0 0 $screen_w $screen_h " ] && echo "$w"; done | head -1)"
  check "$lang: a run fills the whole screen" test -n "$pattern"
  xdotool key Escape
  sleep 0.5

  # The About page: the Info button, the last of the toolbar.
  xdotool windowactivate --sync "$main"
  main_place
  xdotool mousemove "$((left + 332))" "$((content_top - 26))" click 1
  shot_windows "$lang-about" 0.6
  check_equal "$lang: the About page hides the explanation window" "$(help_window)" ""
  app_quit_key
}

xvfb_start "$out" -screen 0 "${screen_w}x${screen_h}x24"
wm_start
try_language en
try_language de
xvfb_finish
