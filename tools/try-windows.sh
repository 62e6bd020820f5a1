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
# - the main window carries the program's own icon (_NET_WM_ICON), started from the build folder;
# - the longest help tags show wrapped, on the screen, beside the pointer (screenshots), and the
#   File menu names its shortcut in the language's words (screenshot: "Strg+Q" in German);
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

geometry_of() { xwininfo -id "$1" | awk '/Absolute upper-left|Width:|Height:/ {printf "%s ", $NF}'; }
# WM_NORMAL_HINTS: "min WxH max WxH".
size_hints() {
  xprop -id "$1" WM_NORMAL_HINTS | awk '/minimum size/ {min = $(NF-2) "x" $NF} /maximum size/ {max = $(NF-2) "x" $NF}
                                        END {print "min " min " max " max}'
}
allowed() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
# The _MOTIF_WM_HINTS fields: flags, functions, decorations.
motif() { xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g'; }

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

# The sizes of the icon a window gives the window manager (_NET_WM_ICON), and those of the program's.
icons_of() {
  xprop -len 1000000 -id "$1" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -t'(' -k2 -n | tr '\n' ' '
}
readonly program_icons="Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) Icon (256 x 256) "

# The visible tooltip window of the program: "id left top width height", or nothing.
tooltip() {
  local w
  for w in $(xdotool search --onlyvisible --classname quarvel 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP || continue
    echo "$w $(geometry_of "$w")"
    return
  done
}

# Hovers the label in row ROW of group GROUP's page and checks its tip: several lines, no wider
# than the screen, beside the pointer. A screenshot of the screen goes to the output folder.
hover_help_tag() {
  local what="$1" group="$2" row="$3" x y id tl tt tw th gx gy gw gh
  xdotool windowactivate --sync "$main" key "ctrl+$group"
  # Where the window manager put the window's content (xdotool's reading misses the title bar).
  read -r gx gy gw gh <<<"$(geometry_of "$main")"
  x=$((gx + 230)) y=$((gy + gh - content_height + 35 + 20 * row))
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool mousemove "$((x + 2))" "$y"
  sleep 1.5
  read -r id tl tt tw th <<<"$(tooltip)"
  check "$what: the help tag shows" test -n "$id"
  [ -n "$id" ] || return 0
  check "$what: wrapped onto several lines, ${tw} x $th px" test "$th" -gt 40 -a "$tw" -lt 500
  check "$what: on the screen" test "$tl" -ge 0 -a "$((tl + tw))" -le "$screen_w" -a "$((tt + th))" -le "$screen_h"
  check "$what: beside the pointer (at $x,$y, tip at $tl,$tt)" \
    test "$tl" -le "$((x + 24))" -a "$((tl + tw))" -ge "$((x - 24))" -a "$tt" -le "$((y + 24))" -a "$((tt + th))" -ge "$((y - 24))"
  shot "$what"
}

# The program's icon, its longest help tags and its File menu, as a user meets them.
try_desktop_look() {
  local lang="$1"
  check_equal "$lang: the main window carries the program's icon (_NET_WM_ICON)" "$(icons_of "$main")" "$program_icons"
  hover_help_tag "$lang-tip-convergency" 2 2
  hover_help_tag "$lang-tip-pumping" 2 5
  xdotool mousemove "$((left + 20))" "$((content_top + 300))"
  # The File menu, first of the menu bar at the window's top.
  local gx gy
  read -r gx gy _ <<<"$(geometry_of "$main")"
  xdotool mousemove "$((gx + 20))" "$((gy + 10))" click 1
  shot "$lang-file-menu" 0.6
  xdotool key Escape
  sleep 0.3
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
  try_desktop_look "$lang"

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
    check_equal "$lang: it carries the program's icon too" "$(icons_of "$help")" "$program_icons"
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
  [ -z "$pattern" ] || check_equal "$lang: the pattern window carries the program's icon" "$(icons_of "$pattern")" "$program_icons"
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
wm_start openbox --sm-disable
try_language en
try_language de
xvfb_finish
