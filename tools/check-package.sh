#!/usr/bin/env bash
# The packaging check: builds the Debian package with cpack, installs it with apt into a minimal
# Debian 12 made by debootstrap (no build tools, no X libraries), starts the program there with
# its desktop entry's command, in German, on a private Xvfb display and takes a screenshot.
#
#   tools/check-package.sh [OUT]        screenshot and logs go to OUT (default build-package/check)
#
# Needs root (debootstrap, chroot, mounts) and a Debian mirror: DEBIAN_MIRROR, else the one this
# machine's apt takes Debian 12 from, else debootstrap's own default. The first run takes minutes; the minimal system is kept in
# build-package/bookworm and each run installs into a fresh copy of it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-package"
out="${1:-$build/check}"
# The first mirror that apt's sources (one-line or deb822) give for the suite bookworm.
apt_mirror() {
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk '$1 == "deb" { sub(/^deb[ \t]+(\[[^]]*\][ \t]+)?/, ""); if ($2 == "bookworm") print $1 }'
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -r "$f" ] || continue
      awk 'BEGIN { RS = ""; FS = "\n" }
        { types = uris = suites = ""
          for (i = 1; i <= NF; i++) {
            if ($i ~ /^Types:/) types = " " substr($i, 7) " "
            else if ($i ~ /^URIs:/) uris = substr($i, 6)
            else if ($i ~ /^Suites:/) suites = " " substr($i, 8) " "
          }
          gsub(/[ \t]+/, " ", types); gsub(/[ \t]+/, " ", suites)
          if (types ~ / deb / && suites ~ / bookworm /) { split(uris, u, " "); print u[1] } }' "$f"
    done
  } | head -1
  return 0
}
mirror="${DEBIAN_MIRROR:-$(apt_mirror)}"
id=org.quarvel.Quarvel
[ "$(id -u)" -eq 0 ] || { echo "tools/check-package.sh needs root (debootstrap, chroot, mount)" >&2; exit 1; }

bash "$root/scripts/install-deps.sh" --x-tools
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.log

bash "$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUARVEL_TESTS=OFF -DQUARVEL_BENCH=OFF
rm -f "$build"/quarvel_*.deb
(cd "$build" && cpack -G DEB >"$out/cpack.log")
deb="$(ls "$build"/quarvel_*.deb)"
echo "Package $(basename "$deb"), Depends: $(dpkg-deb -f "$deb" Depends); Recommends: $(dpkg-deb -f "$deb" Recommends)"

pristine="$build/bookworm"
if [ ! -x "$pristine/usr/bin/apt-get" ]; then
  rm -rf --one-file-system "$pristine" "$pristine.part"
  # Without a mirror debootstrap takes its own default.
  debootstrap --variant=minbase bookworm "$pristine.part" ${mirror:+"$mirror"} >"$out/debootstrap.log"
  mv "$pristine.part" "$pristine"
fi

sys="$build/bookworm-check"
mounts=()
xvfb="" app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf --one-file-system "$sys"
cp -a "$pristine" "$sys"
mount -t proc proc "$sys/proc" && mounts+=("$sys/proc")
mount -t tmpfs tmpfs "$sys/dev/shm" && mounts+=("$sys/dev/shm")
mkdir -p /tmp/.X11-unix "$sys/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$sys/tmp/.X11-unix" && mounts+=("$sys/tmp/.X11-unix")
cp /etc/resolv.conf "$sys/etc/resolv.conf"
cp "$deb" "$sys/tmp/"

in_sys() { chroot "$sys" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
in_sys apt-get update -qq >"$out/apt.log" 2>&1
in_sys env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "/tmp/$(basename "$deb")" >>"$out/apt.log" 2>&1 || { tail -20 "$out/apt.log"; fail "apt could not install the package"; }
for tool in cc c++ g++ cmake make; do
  in_sys sh -c "! command -v $tool >/dev/null" || fail "the test system has $tool"
done

# The desktop entry's command, as a menu would run it.
command_line="$(sed -n 's/^Exec=//p' "$sys/usr/share/applications/$id.desktop")"
[ -n "$command_line" ] || fail "the desktop entry has no Exec line"
display=":$((90 + RANDOM % 400))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# In German, so that the screenshot shows the package's translation at work.
# Started directly, not through in_sys, so that $app is the program itself.
chroot "$sys" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 LANGUAGE=de DISPLAY="$display" \
  XDG_RUNTIME_DIR=/tmp/runtime sh -c "mkdir -p -m 700 /tmp/runtime && exec $command_line" >"$out/app.log" 2>&1 &
app=$!
window=""
for _ in $(seq 150); do
  window="$(xdotool search --onlyvisible --name '^Quarvel$' 2>/dev/null | head -1 || true)"
  [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.2
done
[ -n "$window" ] || { cat "$out/app.log"; fail "the main window did not appear"; }
sleep 1
import -window root "$out/package-start.png"
kill -0 "$app" 2>/dev/null || fail "the program ended"
[ "$(readlink "/proc/$app/exe")" = "$sys/usr/bin/quarvel" ] || fail "the desktop entry's command is not the program"
grep -qF "$sys/usr/share/quarvel/translations/quarvel_de.qm" "/proc/$app/maps" ||
  fail "the program did not load its German translation"
echo "The package installs with apt on a minimal Debian 12 and '$command_line' starts the program."
echo "Screenshot: $out/package-start.png"
