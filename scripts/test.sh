#!/usr/bin/env bash
# Installs what is missing, builds everything with the address and undefined-behaviour sanitizers,
# and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build-test" -DCMAKE_BUILD_TYPE=Debug -DPR_SANITIZE=ON -DPR_UNITY=ON \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cd "$here/build-test"
ctest --output-on-failure -j"$(nproc)"

# A short run of the skin package, .skn, description and render fuzz targets, in a clang build folder
# of their own.
fuzz="$here/build-fuzz"
fuzz_generator=()
if command -v ninja >/dev/null && [ ! -f "$fuzz/CMakeCache.txt" ]; then fuzz_generator=(-G Ninja); fi
CC=clang CXX=clang++ cmake -S "$here" -B "$fuzz" "${fuzz_generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPR_SANITIZE=ON -DPR_UNITY=ON -DPR_BUILD_FUZZ=ON -DPR_BUILD_TESTS=OFF -DPR_BUILD_BENCH=OFF >/dev/null
cmake --build "$fuzz" --target fuzz_package fuzz_skn fuzz_description fuzz_render -j"$(nproc)"
# Painting an input takes a good part of a second, so the render run starts from its seeds each time
# instead of first replaying everything the earlier runs found.
rm -rf "$fuzz/corpus-render"
for target in package skn description render; do
  mkdir -p "$fuzz/corpus-$target"
  if ! "$fuzz/fuzz_$target" -max_total_time=5 -artifact_prefix="$fuzz/" "$fuzz/corpus-$target" \
    "$here/fuzz/corpus/$target" >"$fuzz/fuzz_$target.log" 2>&1; then
    cat "$fuzz/fuzz_$target.log"
    exit 1
  fi
  echo "fuzz_$target: $(grep -E '^Done [0-9]+ runs' "$fuzz/fuzz_$target.log")"
done
