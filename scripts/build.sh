#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [extra cmake arguments]. The environment
# variable CMAKE_BUILD_PARALLEL_LEVEL caps the parallel jobs (default: every core).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
