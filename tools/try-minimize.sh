#!/usr/bin/env bash
# Minimizes and restores the main window with the explanation window shown, under two window
# managers of different families: openbox, and icewm (its own code base, and a taskbar that
# lists the explanation window as an entry of its own; it also minimizes a transient window
# alone, which the program must answer). Each starts fresh (display, window manager, program,
# preferences) and runs 10 cycles:
#
#   ctrl+h shows the explanation window; the main window (odd cycles) or the explanation window
#   (even cycles) is minimized with `xdotool windowminimize`; both must go iconic. `wmctrl -i -a`
#   on the main window, as a taskbar does, must bring both back: mapped, WM_STATE Normal (still
#   after a while), the explanation window's frame at the main window's right edge with level
#   tops. ctrl+h then hides it again: the program still knows it as shown.
#
# Then a few more: restored with `xdotool windowactivate`, by activating the explanation window
# (its own taskbar entry), from openbox's window list or icewm's taskbar, and at the screen's
# right edge, where the explanation stands on the left. Prints the counts per window manager;
# a screenshot after every restore goes to the output folder.
#
#   tools/try-minimize.sh [build folder] [output folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
top_out="${2:-$root/build/minimize}"
source "$root/tools/xvfb-lib.sh"

readonly screen_w=1280 screen_h=1024 cycles=10

wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | awk '/window state/ {print $NF}'; }
map_state() { xwininfo -id "$1" 2>/dev/null | awk '/Map State/ {print $NF}'; }
states() { echo "main $(wm_state "$main")/$(map_state "$main"), explanation $(wm_state "$help")/$(map_state "$help")"; }
both_iconic() { [ "$(wm_state "$main")" = Iconic ] && [ "$(wm_state "$help")" = Iconic ]; }
both_shown() {
  [ "$(wm_state "$main")" = Normal ] && [ "$(map_state "$main")" = IsViewable ] &&
    [ "$(wm_state "$help")" = Normal ] && [ "$(map_state "$help")" = IsViewable ]
}
# until_true COMMAND...: waits at most three seconds for the command to succeed.
until_true() {
  for _ in $(seq 30); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The desktop's own way back to the main window: the first entry of openbox's window list (a
# middle click on the desktop), the first button of icewm's taskbar (the main window's, made
# first).
restore_by_desktop() {
  local px py
  case "$wm_name" in
    openbox)
      xdotool mousemove $((screen_w / 2)) $((screen_h - 40)) click 2
      sleep 0.4
      xdotool key Down Return
      ;;
    icewm)
      eval "$(xwininfo -name TaskPane | awk '/Absolute upper-left X/ {print "px=" $NF} /Absolute upper-left Y/ {print "py=" $NF}')"
      xdotool mousemove $((px + 30)) $((py + 12)) click 1
      ;;
  esac
}

# cycle NAME MINIMIZE(main|help) RESTORE(wmctrl|activate|help|desktop) SIDE(right|left): one cycle;
# prints what went wrong and fails on the first fault.
cycle() {
  local name="$1" minimize="$2" restore="$3" side="$4" fault
  xdotool windowactivate --sync "$main" key ctrl+h
  until_true test -n "$(help_window)" || { echo "  $name: ctrl+h showed no explanation window"; return 1; }
  help="$(help_window)"
  sleep 0.4
  if [ "$minimize" = main ]; then xdotool windowminimize "$main"; else xdotool windowminimize "$help"; fi
  until_true both_iconic || { echo "  $name: minimizing the $minimize window left $(states)"; return 1; }
  sleep 0.3
  case "$restore" in
    wmctrl) wmctrl -i -a "$main" ;;
    activate) xdotool windowactivate "$main" ;;
    help) wmctrl -i -a "$help" ;;
    desktop) restore_by_desktop ;;
  esac
  until_true both_shown || { echo "  $name: the restore left $(states)"; return 1; }
  sleep 0.6
  both_shown || { echo "  $name: after the restore, then $(states)"; return 1; }
  shot "$name"
  fault="$(attached_fault "$side")"
  [ -z "$fault" ] || { echo "  $name: after the restore, ${fault//$'\n'/ }"; return 1; }
  xdotool windowactivate --sync "$main" key ctrl+h
  until_true test -z "$(help_window)" || { echo "  $name: ctrl+h did not hide the explanation window"; return 1; }
}

# rounds LABEL COUNT RESTORE SIDE: COUNT cycles, minimizing the main window and the explanation
# window in turn; prints and returns the count of good ones.
rounds() {
  local label="$1" count="$2" restore="$3" side="$4" good=0 i who
  for i in $(seq "$count"); do
    who=main
    [ $((i % 2)) = 0 ] && who=help
    if cycle "$wm_name-$restore-$side-$i-$who" "$who" "$restore" "$side"; then good=$((good + 1)); fi
  done
  echo "$wm_name: $label: $good/$count"
  [ "$good" = "$count" ] || fail "$wm_name: $label: $good of $count cycles"
}

try_wm() {
  wm_name="$1"
  shift
  xvfb_start "$top_out/$wm_name" -screen 0 "${screen_w}x${screen_h}x24"
  # icewm keeps its own settings in the private preferences folder, not the user's.
  export ICEWM_PRIVCFG="$config/icewm"
  mkdir -p "$ICEWM_PRIVCFG"
  wm_start "$@"
  app_start
  rounds "restored with wmctrl -i -a on the main window" "$cycles" wmctrl right
  rounds "restored with xdotool windowactivate" 4 activate right
  rounds "restored by activating the explanation window" 2 help right
  rounds "restored from the desktop's window list or taskbar" 2 desktop right
  xdotool windowmove "$main" $((screen_w - 420)) 150
  sleep 0.6
  rounds "at the screen's right edge" 2 wmctrl left
  xdotool windowactivate --sync "$main" key ctrl+h
  sleep 0.6
  xdotool windowmove "$main" 100 200
  sleep 0.6
  check_attached "$wm_name: the main window moved back" right
  app_quit_key
  xvfb_cleanup
}

try_wm openbox openbox --sm-disable
try_wm icewm icewm
out="$top_out"
xvfb_finish
