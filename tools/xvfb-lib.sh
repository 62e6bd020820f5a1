# Helpers for the tools that drive the real program with real X input on a private Xvfb display
# (with a window manager where the tool starts one). Sourced, not run:
#
#   source "$root/tools/xvfb-lib.sh"
#   xvfb_start "$out" [Xvfb screen options...]   # default one screen of 1280 x 1024
#   wm_start [COMMAND [ARGS...]]                   # a window manager (openbox unless named)
#   app_start                                      # the program, with the main window up
#   shot NAME; expect WHAT X Y RRGGBB; click_content X Y; ...
#   app_quit_key                                   # ctrl+q, waits, checks the exit status
#   xvfb_cleanup                                   # ends program, window manager and display
#   xvfb_finish                                    # prints the summary, exits 1 on failures
#
# The caller sets `build` (the build folder). Every step's screenshot goes to the output folder,
# numbered in order. The preferences folder is a private XDG_CONFIG_HOME, kept across restarts
# of the program and removed at the end.

bash "$(dirname "${BASH_SOURCE[0]}")/../scripts/install-deps.sh" --x-tools

# The content area (400 x 359) is the bottom of the main window; menu bar and toolbar stand above.
readonly content_height=359

failures=0
step=0
last=""
app=""
wm=""
app_log=""
app_runs=0
main=""
left=0
content_top=0
xvfb=""
config=""

# Ends the program, the window manager and the X server, and removes the preferences folder; a
# later xvfb_start begins afresh.
xvfb_cleanup() {
  local p
  for p in "$app" "$wm" "$xvfb"; do
    [ -n "$p" ] && { kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; }
  done
  [ -n "$config" ] && rm -rf "$config"
  app="" wm="" xvfb="" config=""
}

# xvfb_start OUT [Xvfb screen options...]
xvfb_start() {
  out="$1"
  shift
  mkdir -p "$out"
  rm -f "$out"/*.png "$out"/*.log
  [ $# -gt 0 ] || set -- -screen 0 1280x1024x24
  config="$(mktemp -d)"
  # Xvfb picks a free display itself and writes its number once it listens, so that several
  # tools (or test runs) on one machine never meet on one display.
  local number="$config/display"
  Xvfb -displayfd 3 "$@" -nolisten tcp 3>"$number" &
  xvfb=$!
  trap xvfb_cleanup EXIT
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
  if [ ! -s "$number" ]; then
    echo "Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$number")" XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb
  rm -f "$number"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not answer on $DISPLAY" >&2
  exit 1
}

# wm_start [COMMAND [ARGS...]]: a window manager on the display (openbox unless another is named),
# its log in the output folder; returns once it has taken the screen over.
wm_start() {
  [ $# -gt 0 ] || set -- openbox --sm-disable
  "$@" >"$out/$(basename "$1").log" 2>&1 &
  wm=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "$1 did not start" >&2
  exit 1
}

prefs_file() { echo "$XDG_CONFIG_HOME/Quarvel"; }

# The ids of the visible windows whose name matches the regular expression.
visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

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

# The explanation window, while it is shown.
help_window() { visible_windows '^Untitled$' | head -1; }

# attached_fault SIDE: nothing when the explanation window's frame stands at the main window's
# SIDE (right or left) edge with the title bars level (frame tops); else what is wrong.
attached_fault() {
  local side="$1" help ml mt mr mb hl ht hr hb
  help="$(help_window)"
  [ -n "$help" ] || { echo "the explanation window is not shown"; return; }
  read -r ml mt mr mb <<<"$(frame_of "$main")"
  read -r hl ht hr hb <<<"$(frame_of "$help")"
  [ "$ht" = "$mt" ] || echo "the frame tops are $ht and $mt, not level;"
  if [ "$side" = right ]; then
    [ "$hl" = "$((mr + 1))" ] || echo "its left edge is $hl, not the main window's right edge + 1 ($((mr + 1)))"
  else
    [ "$hr" = "$((ml - 1))" ] || echo "its right edge is $hr, not the main window's left edge - 1 ($((ml - 1)))"
  fi
}
check_attached() {
  local fault
  fault="$(attached_fault "$2")"
  if [ -z "$fault" ]; then ok "$1: the explanation window at the main window's $2 edge, title bars level"
  else fail "$1: ${fault//$'\n'/ }"; fi
}

# Sets `left` and `content_top` from where the main window's content stands now. xwininfo, not
# xdotool: under a window manager xdotool counts the frame into the position.
main_place() {
  local y h
  read -r left y h <<<"$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                                                    /Height:/ {h = $NF} END {print x, y, h}')"
  content_top=$((y + h - content_height))
}

# Starts the program and waits for its main window, titled "Quarvel"; its log (stderr and
# stdout) goes to the output folder, one per start.
app_start() {
  app_runs=$((app_runs + 1))
  app_log="$(printf '%s/app-%d.log' "$out" "$app_runs")"
  "$build/quarvel" >"$app_log" 2>&1 &
  app=$!
  main=""
  for _ in $(seq 100); do
    main="$(visible_windows '^Quarvel$' | head -1)"
    [ -n "$main" ] && break
    sleep 0.1
  done
  if [ -z "$main" ]; then
    fail "start $app_runs: the main window did not appear (log: $app_log)"
    exit 1
  fi
  sleep 0.5
  main_place
  echo "start $app_runs: main window at $left; content from y $content_top"
}

# Waits (at most about ten seconds) for the program to end; its exit status in `app_status`.
app_wait() {
  app_status=""
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$app" 2>/dev/null; then
    kill "$app" 2>/dev/null || true
    app_status="hung"
  fi
  local status=0
  wait "$app" 2>/dev/null || status=$?
  [ -n "$app_status" ] || app_status=$status
  app=""
}

# Quits with the File menu's shortcut and checks that the program ends with status 0.
app_quit_key() {
  xdotool key ctrl+q
  app_wait
  check "ctrl+q quits with status 0 (got $app_status)" test "$app_status" = 0
}

ok() { echo "ok   $1"; }
fail() {
  echo "FAIL $1"
  failures=$((failures + 1))
}
# check WHAT COMMAND...: ok when the command succeeds.
check() {
  local what="$1"
  shift
  if "$@"; then ok "$what"; else fail "$what"; fi
}
# check_equal WHAT GOT EXPECTED
check_equal() {
  if [ "$2" = "$3" ]; then ok "$1"; else fail "$1: \"$2\", expected \"$3\""; fi
}

shot() {
  step=$((step + 1))
  sleep "${2:-0.4}"
  last="$(printf '%s/%02d-%s.png' "$out" "$step" "$1")"
  import -window root "$last"
}
last_shot() { echo "$last"; }
pixel() { convert "$(last_shot)" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
expect() {  # what, x, y, colour (RRGGBB)
  local got
  got="$(pixel "$2" "$3")"
  if [ "$got" = "$4" ]; then ok "$1"; else fail "$1: $got at $2,$3, expected $4"; fi
}
click_content() { xdotool mousemove "$((left + $1))" "$((content_top + $2))" click 1; }
click_screen() { xdotool mousemove "$1" "$2" click 1; }

xvfb_finish() {
  echo "screenshots in $out"
  [ "$failures" -eq 0 ] || { echo "$failures checks failed" >&2; exit 1; }
}
