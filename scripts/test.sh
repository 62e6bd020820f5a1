#!/usr/bin/env bash
# Installs what is missing, builds Quarvel three times with warnings as errors (plain, Release, and
# with AddressSanitizer and UndefinedBehaviorSanitizer, leak checks on) and runs the tests headless
# in each, the replay of the preferences fuzz corpus among them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
export QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"

bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARVEL_WERROR=ON
(cd "$root/build" && ctest --output-on-failure -j "$(nproc)")

# The build a user most likely makes. Each test program runs once, all its tests in one process
# (quicker than ctest's process per test), then the install check.
bash "$root/scripts/build.sh" "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DQUARVEL_WERROR=ON
(cd "$root/tests" && find "$root/build-release/tests" -maxdepth 1 -name 'test_*' -type f -executable |
  sort | while read -r program; do "$program" --gtest_brief=1 </dev/null; done)
(cd "$root/build-release" && ctest --output-on-failure -R '^install_tree$')

bash "$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQUARVEL_SANITIZE=ON -DQUARVEL_WERROR=ON
# Leaks fail the run: each test program asks LeakSanitizer before it ends (fw::EndProcess).
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/build-asan" && ctest --output-on-failure -j "$(nproc)")

# The packaging check takes minutes (a minimal Debian system, apt, root): only on request.
if [ "${QUARVEL_PACKAGE_CHECK:-0}" = 1 ]; then bash "$root/tools/check-package.sh"; fi
