#!/usr/bin/env bash
# Tries the main window's commands as a user would, with real X input on a private Xvfb display
# (no window manager): every pattern group by its toolbar button and by its Test patterns
# shortcut, the About page by the toolbar and by the Help menu, the explanation window by the
# toolbar, the Help menu and its shortcut, the explanation window coming back after the About
# page; then the options kept across a restart, and a start with no preferences file, with a
# garbage one and with a damaged one. Every step leaves a screenshot in the output folder and is
# checked by the window titles, the windows shown, a few pixels and the preferences file.
#
#   tools/try-commands.sh [build folder] [output folder]
#
# Then it starts the program once more on a display with two X screens and checks that choosing
# Matching switches "All monitors synchronously" on and leaving the group switches it off again
# (TWO_SCREENS=0 leaves that out). Needs Xvfb, xdotool, ImageMagick and the X utilities
# (scripts/install-deps.sh installs them).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/build/commands}"
source "$root/tools/xvfb-lib.sh"

# ---------------------------------------------------------------- places and readings

# The toolbar's buttons, by caption: the middle of each, from the main window's left edge.
declare -A toolbar_x=([Colors]=30 [Geometry]=97 [Matching]=172 [Video]=234 [Help]=289 [Info]=332)
click_toolbar() { xdotool mousemove "$((left + toolbar_x[$1]))" "$((content_top - 26))" click 1; }
# A pixel of the Help button's green icon.
help_icon() { echo "$((left + toolbar_x[Help])) $((content_top - 50))"; }

# Opens a menu of the menu bar by a click on its title and clicks its item INDEX (from 0) of COUNT.
# The menu bar's titles, by their middles.
declare -A menu_x=([File]=20 [Edit]=56 [Test]=121 [Help]=189)
click_menu() {
  local title="$1" index="$2" count="$3" popup=""
  xdotool mousemove "$((left + menu_x[$title]))" "$((content_top - 76))" click 1
  for _ in $(seq 30); do
    popup="$(extra_windows | head -1)"
    [ -n "$popup" ] && break
    sleep 0.1
  done
  [ -n "$popup" ] || { fail "the $title menu did not open"; return 0; }
  sleep 0.2
  eval "$(xdotool getwindowgeometry --shell "$popup")"
  xdotool mousemove "$((X + 40))" "$((Y + HEIGHT * (2 * index + 1) / (2 * count)))" click 1
  sleep 0.2
}

root_window() { echo $((16#$(xwininfo -root | sed -n 's/.*Window id: 0x\([0-9a-f]*\).*/\1/p'))); }
help_window() { visible_windows '^Untitled$' | head -1; }
# Visible windows other than the screen's root, the main window and the explanation window:
# open menus, message boxes, pattern windows.
extra_windows() {
  local w
  for w in $(visible_windows '.*'); do
    [ "$w" = "$(root_window)" ] || [ "$w" = "$main" ] || [ "$(xdotool getwindowname "$w")" = Untitled ] || echo "$w"
  done
}

# The mouse away from the main window, so that no control under it is drawn highlighted.
park_mouse() { xdotool mousemove 1200 1000; }
# A screenshot that is not kept, for checks that need many.
peek() {
  sleep 0.3
  last="$out/crops/peek.png"
  import -window root "$last"
}
title_is() { check_equal "$1: the title" "$(xdotool getwindowname "$main")" "$2"; }
# The explanation window is shown (1) or not (0): by the windows shown and by a pixel of its text
# field, which is white where nothing else stands beside the main window but the black screen.
help_is() {
  local what="$1" want="$2" shown=0
  [ -n "$(help_window)" ] && shown=1
  check_equal "$what: the explanation window shown (1) or not (0)" $shown "$want"
  local colour=000000
  [ "$want" = 1 ] && colour=FFFFFF
  expect "$what: beside the main window, the explanation text field or the bare screen" $((left + 400 + 135)) $((content_top - 84 + 200)) $colour
}
no_extra_window() {
  local extra
  extra="$(extra_windows | tr '\n' ' ')"
  check_equal "$1: no other window (message box, menu) is shown" "$extra" ""
}

# The check box with its left and top in the content area is on (1) or off (0): a dark tick in its box.
box_state() {
  local x=$((left + $1 + 3)) y=$((content_top + $2 + 6)) dark
  dark="$(convert "$(last_shot)" -crop "7x7+$x+$y" +repage -colorspace Gray -format '%[fx:minima<0.3?1:0]' info:)"
  echo "$dark"
}
box_is() { check_equal "$1" "$(box_state "$2" "$3")" "$4"; }

# Part of the last screenshot, in the content area's coordinates, kept under a name.
keep_crop() {  # name, left, top, width, height
  convert "$(last_shot)" -crop "$4x$5+$((left + $2))+$((content_top + $3))" +repage "$out/crops/$1.png"
}
crops_equal() { [ "$(compare -metric AE "$out/crops/$1.png" "$out/crops/$2.png" null: 2>&1 || true)" = 0 ]; }
crops_differ() { ! crops_equal "$1" "$2"; }
# The pattern group page (the sliders and labels at the right, above the line across the window).
keep_group_page() { keep_crop "$1" 160 20 232 190; }
# The text of the font size and overscan pop-ups, inside their frames.
keep_font_size() { keep_crop "$1" 320 109 36 14; }
keep_overscan() { keep_crop "$1" 314 69 42 14; }

# The preferences file as lines "key=type:value" of the record "Global", "header=..." first, or
# "unreadable" where the file ends inside a record. Integers and Doubles are big-endian.
prefs_bytes=()
prefs_at=0
prefs_take() {  # count: the next bytes in `taken`, or false at the end of the file
  [ $((prefs_at + $1)) -le ${#prefs_bytes[@]} ] || return 1
  taken=("${prefs_bytes[@]:prefs_at:$1}")
  prefs_at=$((prefs_at + $1))
}
prefs_string() {  # the next string (a length byte, then its text) in `text`
  local byte
  prefs_take 1 || return 1
  prefs_take "${taken[0]}" || return 1
  text=""
  for byte in "${taken[@]}"; do text+="$(printf "\\$(printf '%03o' "$byte")")"; done
}
prefs_uint() {  # the next COUNT bytes as one unsigned number in `number`
  local byte
  prefs_take "$1" || return 1
  number=0
  for byte in "${taken[@]}"; do number=$((number * 256 + byte)); done
}
prefs_double() {  # the IEEE 754 bits as a number
  local bits=$1 exponent=$((($1 >> 52) & 0x7FF))
  ((bits >> 63)) && printf -- -
  if [ "$exponent" = 0 ]; then echo 0; else LC_ALL=C printf '%g\n' "$(printf '0x1.%013xp%d' $((bits & 0xFFFFFFFFFFFFF)) $((exponent - 1023)))"; fi
}
read_prefs() {
  read -r -a prefs_bytes <<<"$(od -An -v -tu1 "$(prefs_file)" | tr '\n' ' ')"
  prefs_at=0
  local text number taken name key count code value i
  prefs_string || { echo unreadable; return 0; }
  echo "header=$text"
  while [ "$prefs_at" -lt ${#prefs_bytes[@]} ]; do
    prefs_string && prefs_string && name="$text" && prefs_string && prefs_uint 4 || { echo unreadable; return 0; }
    count=$(((number ^ 0x80000000) - 0x80000000))
    for ((i = 1; i < count; i++)); do
      prefs_string && key="$text" && prefs_uint 1 || { echo unreadable; return 0; }
      code=$number
      case $code in
        2) prefs_uint 4 && value="int:$(((number ^ 0x80000000) - 0x80000000))" ;;
        5) prefs_uint 8 && value="double:$(prefs_double "$number")" ;;
        8) prefs_string && value="string:$text" ;;
        11) prefs_uint 1 && value="bool:$([ "$number" != 0 ] && echo true || echo false)" ;;
        16) prefs_uint 3 && value="$(printf 'colour:%06x' "$number")" ;;
        *) value="code$code" ;;
      esac || { echo unreadable; return 0; }
      if [ "$name" = Global ]; then echo "$key=$value"; fi
    done
  done
  return 0
}
prefs_are() {  # what, expected size in bytes, expected lines
  local what="$1" size="$2" expected="$3" got
  if [ ! -f "$(prefs_file)" ]; then
    fail "$what: no preferences file"
    return 0
  fi
  check_equal "$what: the preferences file's size" "$(stat -c %s "$(prefs_file)")" "$size"
  got="$(read_prefs | tr '\n' ' ')"
  check_equal "$what: the preferences" "$got" "$expected"
}
defaults_are() {  # a first start writes the integer 12: 108 bytes
  prefs_are "$1" 108 "header=QVL. finished AllTests=bool:false ShowHelp=bool:true FontSize=int:12 OverscanUsePixels=bool:false Sound=bool:true "
}

# The options' check boxes (left, top in the content area).
show_help_box="22 145"
all_tests_box="22 165"
sound_box="316 165"
all_monitors_box="22 231"

# A start that must come up with the default options and no complaint, then quit cleanly.
start_with_defaults() {
  local what="$1"
  app_start
  shot "$2-start"
  no_extra_window "$what"
  title_is "$what" Quarvel
  box_is "$what: \"Show help\" on" $show_help_box 1
  box_is "$what: \"Perform all tests\" off" $all_tests_box 0
  xdotool key ctrl+2
  park_mouse
  shot "$2-geometry"
  box_is "$what: \"Sound\" on" $sound_box 1
  keep_font_size "$2-font"
  check "$what: the font size pop-up shows 12 pt. as at the first start" crops_equal "$2-font" first-font
  xdotool key ctrl+4
  park_mouse
  shot "$2-video"
  keep_overscan "$2-overscan"
  check "$what: the overscan pop-up shows Percent as at the first start" crops_equal "$2-overscan" first-overscan
  defaults_are "$what: the defaults written"
  app_quit_key
  check "$what: nothing written to stderr but Qt's notes" test -z "$(grep -v '^QStandardPaths' "$app_log" || true)"
}

# ---------------------------------------------------------------- first start

xvfb_start "$out"
rm -rf "$out/crops" "$out/two-screens"
mkdir -p "$out/crops"
rm -f "$(prefs_file)"
app_start
shot start 0.8
title_is "first start" Quarvel
help_is "first start" 0
no_extra_window "first start"
defaults_are "first start: the defaults written"

# The preview's middle, in screen coordinates.
px=$((left + 21 + 60)) py=$((content_top + 31 + 48))

# ---------------------------------------------------------------- groups

# By the toolbar: each group's title, its page and the preview of its first pattern.
declare -A first_pattern=([Colors]=FFFFFF [Matching]=FFFFFF)
for group in Colors Geometry Matching Video; do
  click_toolbar $group
  shot "toolbar-$group"
  title_is "toolbar $group" $group
  help_is "toolbar $group" 0
  keep_group_page "toolbar-$group"
  [ -n "${first_pattern[$group]:-}" ] && expect "toolbar $group: the preview of its first pattern" $px $py "${first_pattern[$group]}"
done
check "the four group pages differ" bash -c "for a in Colors Geometry Matching Video; do for b in Colors Geometry Matching Video; do
  [ \$a = \$b ] || [ \"\$(compare -metric AE '$out'/crops/toolbar-\$a.png '$out'/crops/toolbar-\$b.png null: 2>&1 || true)\" != 0 ] || exit 1
done; done"
# The colour bars: gray at the left, blue at the right.
expect "toolbar Video: the preview's colour bars, gray at the left" $((left + 24)) $((content_top + 50)) B4B4B4
expect "toolbar Video: the preview's colour bars, blue at the right" $((left + 138)) $((content_top + 50)) 1010B4
keep_group_page first-video
keep_overscan first-overscan
click_toolbar Geometry
park_mouse
shot geometry-again
keep_font_size first-font

# By the Test patterns shortcuts: the same pages as by the toolbar.
number=0
for group in Colors Geometry Matching Video; do
  number=$((number + 1))
  xdotool key ctrl+$number
  shot "ctrl$number-$group"
  title_is "ctrl+$number" $group
  keep_group_page "ctrl$number-$group"
  check "ctrl+$number: the page is the one of the toolbar's $group" crops_equal "ctrl$number-$group" "toolbar-$group"
done
# And once by the menu itself.
click_menu Test 2 4
shot menu-matching
title_is "Test patterns > Matching" Matching
keep_group_page menu-matching
check "Test patterns > Matching: the Matching page" crops_equal menu-matching toolbar-Matching

# Every label beside its slider's handle: a click on each label moves the handle to the label's
# row; the handle's middle is found as the run of its light pixels in the slider's column.
handle_middle() {
  convert "$(last_shot)" -crop "1x190+$((left + 177))+$((content_top + 20))" +repage -depth 8 txt:- |
    awk -F'[,:]' '/#F[0-9A-F]F[0-9A-F]F[0-9A-F]/ { if (first == "") first = $2; last = $2 } END { print int((first + last) / 2) + 20 }'
}
declare -A group_rows=([Colors]=7 [Geometry]=9 [Matching]=9 [Video]=3)
for group in Colors Geometry Matching Video; do
  click_toolbar $group
  worst=0
  for ((row = group_rows[$group] - 1; row >= 0; row--)); do
    click_content 215 $((25 + 20 * row + 10))
    peek
    off=$(($(handle_middle) - (25 + 20 * row + 10)))
    [ ${off#-} -gt ${worst#-} ] && worst=$off
  done
  check "$group: every label beside its slider's handle (off by at most 3 pixels; worst $worst)" test ${worst#-} -le 3
done
click_toolbar Matching

# ---------------------------------------------------------------- explanation window

# With one screen, Matching leaves "All monitors synchronously" off (and disabled).
box_is "one screen, Matching: \"All monitors synchronously\" stays off" $all_monitors_box 0

# The Help menu's first item, cropped from the open menu (then closed again with escape).
keep_help_item() {
  local popup
  xdotool mousemove "$((left + menu_x[Help]))" "$((content_top - 76))" click 1
  sleep 0.5
  popup="$(extra_windows | head -1)"
  shot "help-menu-$1"
  if [ -n "$popup" ]; then
    eval "$(xdotool getwindowgeometry --shell "$popup")"
    convert "$(last_shot)" -crop "$((WIDTH - 4))x$((HEIGHT / 2 - 2))+$((X + 2))+$((Y + 2))" +repage "$out/crops/help-item-$1.png"
  fi
  xdotool key Escape
  sleep 0.3
}
keep_help_item hidden

click_toolbar Help
shot help-shown
help_is "toolbar Help" 1
title_is "toolbar Help" Matching
keep_help_item shown
check "the Help menu's item changes its text when the window shows (to \"Hide explanations\")" crops_differ help-item-shown help-item-hidden
click_toolbar Help
shot help-hidden
help_is "toolbar Help again" 0
keep_help_item hidden-again
check "the Help menu's item says \"Show explanations\" again" crops_equal help-item-hidden-again help-item-hidden
xdotool key ctrl+h
shot ctrlh-shown
help_is "ctrl+h" 1
xdotool key ctrl+h
shot ctrlh-hidden
help_is "ctrl+h again" 0
click_menu Help 0 2
shot menu-help-shown
help_is "Help > Show explanations" 1
no_extra_window "Help > Show explanations: the menu closed"

# ---------------------------------------------------------------- About

read -r hx hy <<<"$(help_icon)"
shot before-about
help_green="$(pixel "$hx" "$hy")"
click_toolbar Info
shot about-toolbar
title_is "toolbar Info" "About Quarvel"
help_is "toolbar Info hides the explanation window" 0
keep_crop about-toolbar 0 0 400 359
check "toolbar Info: the Help button is dimmed" test "$(pixel "$hx" "$hy")" != "$help_green"
xdotool key ctrl+h
shot about-ctrlh
help_is "ctrl+h does nothing on the About page" 0
click_toolbar Help
shot about-help-button
help_is "the dimmed Help button does nothing on the About page" 0
click_toolbar Geometry
shot about-then-geometry
title_is "About, then toolbar Geometry" Geometry
help_is "About, then a group: the explanation window is back" 1
expect "About, then a group: the Help button is enabled again" "$hx" "$hy" "$help_green"

click_menu Help 1 2
shot about-menu
title_is "Help > About Quarvel..." "About Quarvel"
help_is "Help > About Quarvel...: the explanation window hidden" 0
keep_crop about-menu 0 0 400 359
check "Help > About Quarvel...: the same About page as by the toolbar" crops_equal about-menu about-toolbar
xdotool key ctrl+3
shot about-then-ctrl3
title_is "About, then ctrl+3" Matching
help_is "About, then ctrl+3: the explanation window is back" 1

# Hidden before About: a group choice afterwards leaves it hidden.
xdotool key ctrl+h
click_toolbar Info
shot about-help-hidden
help_is "About with the explanation window hidden" 0
click_toolbar Colors
shot about-hidden-then-colors
title_is "About, then toolbar Colors" Colors
help_is "hidden before About: still hidden after the group choice" 0

# ---------------------------------------------------------------- options kept across a restart

click_content 40 175  # "Perform all tests"
click_content 40 155  # "Show help"
shot options-main
box_is "\"Perform all tests\" switched on" $all_tests_box 1
box_is "\"Show help\" switched off" $show_help_box 0
click_toolbar Geometry
click_content 340 175  # "Sound"
click_content 345 116  # the font size pop-up, opened on "12 pt."
sleep 0.4
xdotool key Down Down Down Down Return  # 13, 14, 18, 24 pt.
park_mouse
shot options-geometry
box_is "\"Sound\" switched off" $sound_box 0
keep_font_size changed-font
check "the font size pop-up changed" crops_differ changed-font first-font
click_toolbar Video
click_content 345 76  # the overscan pop-up, opened on "Percent"
sleep 0.4
xdotool key Down Return
park_mouse
shot options-video
keep_overscan changed-overscan
check "the overscan pop-up changed" crops_differ changed-overscan first-overscan
changed="header=QVL. finished AllTests=bool:true ShowHelp=bool:false FontSize=double:24 OverscanUsePixels=bool:true Sound=bool:false "
prefs_are "options changed: saved at once" 112 "$changed"
cp "$(prefs_file)" "$out/prefs-before-quit"

app_quit_key
check "quitting does not change the preferences file" cmp -s "$(prefs_file)" "$out/prefs-before-quit"

app_start
shot restart 0.8
no_extra_window "restart"
box_is "restart: \"Perform all tests\" on" $all_tests_box 1
box_is "restart: \"Show help\" off" $show_help_box 0
xdotool key ctrl+2
park_mouse
shot restart-geometry
box_is "restart: \"Sound\" off" $sound_box 0
keep_font_size restart-font
check "restart: the font size pop-up as it was left (24 pt.)" crops_equal restart-font changed-font
xdotool key ctrl+4
park_mouse
shot restart-video
keep_overscan restart-overscan
check "restart: the overscan pop-up as it was left (Pixels)" crops_equal restart-overscan changed-overscan
prefs_are "restart" 112 "$changed"

# Quit by the File menu this time.
click_menu File 0 1
app_wait
check_equal "File > Quit: exit status" "$app_status" 0

# ---------------------------------------------------------------- missing, garbage and damaged files

rm -f "$(prefs_file)"
start_with_defaults "no preferences file" no-file

head -c 300 /dev/urandom >"$(prefs_file)"
start_with_defaults "a garbage preferences file" garbage

printf '\015just starting' >"$(prefs_file)"
start_with_defaults "a save cut short (\"just starting\")" cut-short

# A complete header, then a record "Global" cut off after its count.
printf '\015QVL. finished\010PrefType\006Global\011PrefCount\000\000\000\006' >"$(prefs_file)"
app_start
shot damaged-start
no_extra_window "a damaged record"
box_is "a damaged record: \"Show help\" on" $show_help_box 1
box_is "a damaged record: \"Perform all tests\" off" $all_tests_box 0
# The start completes the record in memory only; the next option change saves it whole.
check_equal "a damaged record: the start leaves the file as it was" "$(read_prefs | tr '\n' ' ')" "header=QVL. finished unreadable "
click_content 40 175
click_content 40 175
app_quit_key
check_equal "a damaged record: completed with the defaults by the next save" "$(read_prefs | sort | tr '\n' ' ')" \
  "AllTests=bool:false FontSize=int:12 OverscanUsePixels=bool:false ShowHelp=bool:true Sound=bool:true header=QVL. finished "

# ---------------------------------------------------------------- two screens

# Two X screens of one display: the program sees two monitors.
if [ "${TWO_SCREENS:-1}" = 1 ]; then
  xvfb_cleanup
  first_out="$out"
  xvfb_start "$out/two-screens" -screen 0 1280x1024x24 -screen 1 1280x1024x24
  app_start
  shot two-start 0.8
  box_is "two screens: \"All monitors synchronously\" off at the start" $all_monitors_box 0
  xdotool key ctrl+3
  shot two-matching
  box_is "two screens, Matching: \"All monitors synchronously\" switched on" $all_monitors_box 1
  xdotool key ctrl+3
  xdotool key ctrl+2
  shot two-geometry
  box_is "two screens, Matching twice, then Geometry: switched off again" $all_monitors_box 0
  click_content 40 240  # the user switches it on
  xdotool key ctrl+3
  xdotool key ctrl+4
  shot two-user-on
  box_is "two screens, switched on by the user: still on after Matching and Video" $all_monitors_box 1
  app_quit_key
  out="$first_out"
fi

xvfb_finish
