#!/usr/bin/env bash
# Installs what is missing, builds everything with the address and undefined-behaviour sanitizers,
# and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" "$here/build-test" -DCMAKE_BUILD_TYPE=Debug -DPR_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cd "$here/build-test"
ctest --output-on-failure -j"$(nproc)"
