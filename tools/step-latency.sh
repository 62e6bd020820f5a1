#!/usr/bin/env bash
# How long a user waits at each step of a run, to the pixels on the X screen, and how much
# memory the program holds. For each screen size and "Show help" setting it starts the program
# of a build folder on a private Xvfb display under openbox, with its own preferences ("Perform
# all tests" on), and lets bench/screen_step run every group six times (the first run shows each
# kind for the first time, the other five are warm), pressing the stepping key through XTest and
# polling the screen until the new pattern is there.
#
#   tools/step-latency.sh [options] BUILD [OUT]         one build's figures
#   tools/step-latency.sh [options] --compare OLD NEW [OUT]
#                                   both builds, one after the other for each setting, and a
#                                   table of the summaries side by side
# Options:
#   --runs N             runs through all groups (default 6)
#   --sizes "WxH ..."    screen sizes (default "1920x1080 3840x2160")
#   --show-help "on off" "Show help" settings (default both)
#   --repeat N           measures each setting N times (with --compare: old, new, old, new, ...),
#                        and compares the medians of the repetitions' figures (default 1)
#
# Prints the load average before and after each setting, a line per kind (first showing, warm
# median and worst), the summaries (median, p90, worst of the key steps and of the run starts,
# first and warm) and the resident memory at start and after each run. Every single step goes
# to OUT/build0/<setting>/steps.txt (build1 for NEW), the figures to OUT/build0.txt (and
# OUT/build1.txt); OUT defaults to build/step-latency of this tree. At the end a table of the
# kinds (first showing / warm median) and, with --compare, the summaries side by side.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

runs=6 sizes="1920x1080 3840x2160" helps="on off" compare=0 repeat=1
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --sizes) sizes="$2"; shift 2 ;;
    --show-help) helps="$2"; shift 2 ;;
    --repeat) repeat="$2"; shift 2 ;;
    --compare) compare=1; shift ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if [ "$compare" = 1 ]; then
  [ $# -ge 2 ] || { echo "usage: $0 [options] --compare OLD NEW [OUT]" >&2; exit 2; }
  builds=("$(cd "$1" && pwd)" "$(cd "$2" && pwd)")
  top="${3:-$root/build/step-latency}"
else
  [ $# -ge 1 ] || { echo "usage: $0 [options] BUILD [OUT]" >&2; exit 2; }
  builds=("$(cd "$1" && pwd)")
  top="${2:-$root/build/step-latency}"
fi
for b in "${builds[@]}"; do
  [ -x "$b/quarvel" ] || { echo "no program at $b/quarvel" >&2; exit 2; }
done

source "$root/tools/xvfb-lib.sh"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE

mkdir -p "$top"
rm -f "$top"/build[01].txt
# The measuring program: built with the project when the X libraries are there, else here.
tool="$root/build/bench/screen_step"
if [ ! -x "$tool" ] || [ "$root/bench/screen_step.cpp" -nt "$tool" ]; then
  tool="$top/screen_step"
  c++ -O2 -std=c++20 "$root/bench/screen_step.cpp" -lXtst -lX11 -lxcb -o "$tool"
fi

# The record "Global" as the program writes it, with "Perform all tests" on and "Show help" as
# asked: each value is a length-prefixed key, a type byte (11 Boolean, 2 integer) and the value.
write_prefs() {
  local help_byte='\000'
  [ "$1" = on ] && help_byte='\001'
  {
    printf '\015QVL. finished\010PrefType\006Global\011PrefCount\000\000\000\006'
    printf '\010AllTests\013\001'
    printf "\\010ShowHelp\\013$help_byte"
    printf '\010FontSize\002\000\000\000\014\021OverscanUsePixels\013\000\005Sound\013\001'
  } >"$(prefs_file)"
}

load() { uptime | sed 's/.*load average: //; s/,//g'; }

# measure INDEX SIZE HELP: prints the figures of build INDEX at one setting.
measure() {
  local build="${builds[$1]}" size="$2" help="$3" label dir status=0
  label="$size/$([ "$help" = on ] && echo help || echo nohelp)"
  dir="$top/build$1/${label//\//-}"
  xvfb_start "$dir" -screen 0 "${size}x24"
  wm_start
  write_prefs "$help"
  app_start >/dev/null
  sleep 1
  echo "load   $label before $(load)"
  "$tool" --pid "$app" --left "$left" --content-top "$content_top" --label "$label" --runs "$runs" \
    --raw "$dir/steps.txt" || status=$?
  echo "load   $label after  $(load)"
  xvfb_cleanup
  return $status
}

status=0
for size in $sizes; do
  for help in $helps; do
    for ((rep = 1; rep <= repeat; rep++)); do
      for i in "${!builds[@]}"; do
        echo "# ${builds[$i]}" | tee -a "$top/build$i.txt"
        measure "$i" "$size" "$help" | tee -a "$top/build$i.txt" || status=1
      done
    done
  done
done

# A line per kind: first showing / warm median in ms, a column per setting (of the first build's
# last repetition).
echo
awk '
  $1 == "kind" {
    k = $3; if (!(k in seen)) { seen[k] = 1; kinds[++n] = k }
    if (!($2 in col)) { col[$2] = 1; cols[++m] = $2 }
    v[k, $2] = $5 " / " $8; start[k] = $NF == "start)" ? " (start)" : ""
  }
  END {
    printf "| kind |"; for (j = 1; j <= m; j++) printf " %s |", cols[j]; print ""
    printf "| --- |"; for (j = 1; j <= m; j++) printf " --- |"; print ""
    for (i = 1; i <= n; i++) {
      printf "| %s%s |", kinds[i], start[kinds[i]]; for (j = 1; j <= m; j++) printf " %s |", v[kinds[i], cols[j]]; print ""
    }
  }' "$top/build0.txt"

if [ "$compare" = 1 ]; then
  echo
  echo "| figure | setting | which | old | new | new/old |"
  echo "| --- | --- | --- | --- | --- | --- |"
  # The summaries' medians and the memory readings, paired by what they measure; with repetitions
  # the median of the repetitions' figures.
  awk '
    function median(list,   a, c, i, j, t) {
      c = split(list, a, " ")
      for (i = 2; i <= c; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return c % 2 ? a[(c + 1) / 2] : (a[c / 2] + a[c / 2 + 1]) / 2
    }
    $1 == "steps" || $1 == "starts" { key = $1 " | " $2 " | " $3 " median"; v = $6 }
    $1 == "rss" { key = "rss MB | " $2 " | " $3; v = $4 }
    $1 == "steps" || $1 == "starts" || $1 == "rss" {
      if (FILENAME ~ /build0/) { if (!(key in old)) order[++n] = key; old[key] = old[key] " " v } else new[key] = new[key] " " v
    }
    END {
      for (i = 1; i <= n; i++) {
        k = order[i]; o = median(old[k]); w = median(new[k])
        printf "| %s | %.1f | %.1f | %s |\n", k, o, w, (o > 0 ? sprintf("%.2f", w / o) : "-")
      }
    }' "$top/build0.txt" "$top/build1.txt"
fi
exit $status
