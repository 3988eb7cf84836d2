#!/usr/bin/env bash
# Configures and builds one build folder: build.sh <folder> [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${generator[@]}" "$@"
else
  cmake -S . -B "$dir" "$@" >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
