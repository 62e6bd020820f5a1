#!/usr/bin/env bash
# Installs a build into an empty temporary prefix and checks the tree a desktop sees: exactly the
# expected files, a valid desktop entry and metainfo, PNG icons of the sizes their folders name,
# and a program that finds its German translation there.
#   check_install.sh BUILD_DIR APP_ID
set -euo pipefail
build="$1" id="$2"
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

sizes=(16 32 48 64 128 256)
expected=(bin/quarvel share/quarvel/translations/quarvel_de.qm "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg")
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
  fail "the installed files differ from the expected ones (< expected, > installed)"
[ -x "$prefix/bin/quarvel" ] || fail "bin/quarvel is not executable"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
for line in "Exec=quarvel" "Icon=$id"; do grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"; done
for key in 'Name\[de\]' 'Comment\[de\]'; do grep -q "^$key=" "$desktop" || fail "desktop entry lacks $key"; done
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "metainfo invalid"
for tag in '<name xml:lang="de">' '<summary xml:lang="de">' '<screenshot ' '<release '; do
  grep -qF "$tag" "$metainfo" || fail "metainfo lacks $tag"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
  png="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  read -r -a b < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))
  height=$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "icon ${size}x$size is ${width}x$height"
done

# The installed program, started in German, maps its installed translation (Qt maps .qm files),
# and Qt's own German beside it where Qt's translations are installed (qt6-translations-l10n).
qm="$prefix/share/quarvel/translations/quarvel_de.qm"
qt_qm="$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null || true)/qtbase_de.qm"
[ -f "$qt_qm" ] || qt_qm=""
mkdir -p "$work/config"
env LANGUAGE=de LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
  "$prefix/bin/quarvel" >"$work/log" 2>&1 &
pid=$!
found=""
for _ in $(seq 100); do
  if grep -qF "$qm" "/proc/$pid/maps" 2>/dev/null && grep -qF "${qt_qm:-$qm}" "/proc/$pid/maps"; then
    found=1
    break
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.2
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -n "$found" ] || { cat "$work/log"; fail "the installed program did not load $qm ${qt_qm:+and $qt_qm}"; }
echo "install tree under a temporary prefix: OK"
